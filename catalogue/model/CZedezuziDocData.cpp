// The catalogue document without windows: defaults, file record, searches,
// table rebuild and undo snapshot.

#include "catalogue/model/CZedezuziDocData.h"

#include "catalogue/model/PairLookups.h"

#include "breakerdata/model/CReadBase.h"
#include "breakerdata/model/CReadCoordination.h"
#include "breakerdata/recordsets/CRSBreak_Cascade.h"
#include "breakerdata/recordsets/CRSBreak_Coordination.h"
#include "breakerdata/recordsets/CRSBreak_Selective.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "listdata/CRSList_VoltLow.h"

#include "framework/Archive.h"
#include "framework/CompoundFile.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

// The breaker code of the low-voltage breakers the searches start from.
constexpr int32_t kCodeBreaker = 10;
constexpr int32_t kKindFlagBreaker = 2;
constexpr int32_t kKindFlagThermal = 3;
constexpr int32_t kKindFlagContactor = 4;

[[noreturn]] void Damaged(const std::string& what) {
    throw fw::CArchiveException(fw::CArchiveException::badIndex, "The file is damaged: " + what);
}

void CheckFinite(double value, const char* what) {
    if (!std::isfinite(value))
        Damaged(std::string(what) + " is not a number.");
}

void CheckSelection(const CInfoBase& selection, const char* what) {
    for (double value : {selection.m_dRatedValue, selection.m_dMagniValue, selection.m_dExtraA,
                         selection.m_dExtraB})
        CheckFinite(value, what);
}

// Items 2 to 23 of the file, in the file's order (the version record before
// them and the embedded items after them are the caller's).
void SerializeContent(fw::CArchive& ar, CZedezuziContent& c) {
    c.m_infoPrint.Serialize(ar);
    if (ar.IsStoring()) {
        ar << c.m_nSearchKind << c.m_nCascadeMode;
        c.m_listCandidate.Serialize(ar);
        c.m_InfoBaseOptional.Serialize(ar);
        ar << c.m_dOptionalCapacity << c.m_nOptionalPoles;
        c.m_InfoBaseCascadeUp.Serialize(ar);
        c.m_InfoBaseCascadeDown.Serialize(ar);
        ar << c.m_dIcuBack << c.m_nCascadePoles;
        c.m_InfoBaseSelectiveUp.Serialize(ar);
        c.m_InfoBaseSelectiveDown.Serialize(ar);
        ar << c.m_dIs << c.m_nSelectivePoles << c.m_nSelectiveMode;
        ar << c.m_nCoordType << c.m_dMotorOutput;
        c.m_InfoBaseCoordLVCB.Serialize(ar);
        c.m_InfoBaseCoordContactor.Serialize(ar);
        c.m_InfoBaseCoordThermal.Serialize(ar);
        ar << c.m_nCoordMode;
        return;
    }
    ar >> c.m_nSearchKind >> c.m_nCascadeMode;
    c.m_listCandidate.Serialize(ar);
    c.m_InfoBaseOptional.Serialize(ar);
    ar >> c.m_dOptionalCapacity >> c.m_nOptionalPoles;
    c.m_InfoBaseCascadeUp.Serialize(ar);
    c.m_InfoBaseCascadeDown.Serialize(ar);
    ar >> c.m_dIcuBack >> c.m_nCascadePoles;
    c.m_InfoBaseSelectiveUp.Serialize(ar);
    c.m_InfoBaseSelectiveDown.Serialize(ar);
    ar >> c.m_dIs >> c.m_nSelectivePoles >> c.m_nSelectiveMode;
    ar >> c.m_nCoordType >> c.m_dMotorOutput;
    c.m_InfoBaseCoordLVCB.Serialize(ar);
    c.m_InfoBaseCoordContactor.Serialize(ar);
    c.m_InfoBaseCoordThermal.Serialize(ar);
    ar >> c.m_nCoordMode;
}

// Values that index lists or divide: out of range means a damaged file.
void CheckLoaded(const CZedezuziContent& c) {
    if (c.m_nSearchKind < kSearchNone || c.m_nSearchKind > kSearchCoordination)
        Damaged("its search kind " + std::to_string(c.m_nSearchKind) + " is not one of 0 to 4.");
    CheckFinite(c.m_dOptionalCapacity, "the breaking capacity");
    CheckFinite(c.m_dIcuBack, "the Icu-back");
    CheckFinite(c.m_dIs, "the Is");
    CheckFinite(c.m_dMotorOutput, "the motor output");
    for (const CInfoBase* s :
         {&c.m_InfoBaseOptional, &c.m_InfoBaseCascadeUp, &c.m_InfoBaseCascadeDown,
          &c.m_InfoBaseSelectiveUp, &c.m_InfoBaseSelectiveDown, &c.m_InfoBaseCoordLVCB,
          &c.m_InfoBaseCoordContactor, &c.m_InfoBaseCoordThermal})
        CheckSelection(*s, "a rated value");
    for (const auto& candidate : c.m_listCandidate) {
        CheckFinite(candidate->m_dIcs, "a breaking capacity");
        CheckFinite(candidate->m_dIcu, "a breaking capacity");
        CheckFinite(candidate->m_dIq, "a breaking capacity");
    }
}

void CopyVersionFields(const CVersion& from, CVersion* to) {
    if (!to)
        return;
    to->m_strCountry = from.m_strCountry;
    to->m_strMaker = from.m_strMaker;
    to->m_strProduct = from.m_strProduct;
    to->m_strVersion = from.m_strVersion;
    to->m_strLanguage = from.m_strLanguage;
}

} // namespace

void CZedezuziContent::DoCopyFrom(const CZedezuziContent& o) {
    if (&o == this)
        return;
    m_infoPrint = o.m_infoPrint;
    m_listCandidate.DoCopyAllCandidate(&o.m_listCandidate);
    m_nSearchKind = o.m_nSearchKind;
    m_InfoBaseOptional = o.m_InfoBaseOptional;
    m_dOptionalCapacity = o.m_dOptionalCapacity;
    m_nOptionalPoles = o.m_nOptionalPoles;
    m_InfoBaseCascadeUp = o.m_InfoBaseCascadeUp;
    m_InfoBaseCascadeDown = o.m_InfoBaseCascadeDown;
    m_dIcuBack = o.m_dIcuBack;
    m_nCascadePoles = o.m_nCascadePoles;
    m_nCascadeMode = o.m_nCascadeMode;
    m_InfoBaseSelectiveUp = o.m_InfoBaseSelectiveUp;
    m_InfoBaseSelectiveDown = o.m_InfoBaseSelectiveDown;
    m_dIs = o.m_dIs;
    m_nSelectivePoles = o.m_nSelectivePoles;
    m_nSelectiveMode = o.m_nSelectiveMode;
    m_nCoordType = o.m_nCoordType;
    m_dMotorOutput = o.m_dMotorOutput;
    m_InfoBaseCoordLVCB = o.m_InfoBaseCoordLVCB;
    m_InfoBaseCoordContactor = o.m_InfoBaseCoordContactor;
    m_InfoBaseCoordThermal = o.m_InfoBaseCoordThermal;
    m_nCoordMode = o.m_nCoordMode;
    m_listDrawDataX.DoCopy(o.m_listDrawDataX);
    m_listDrawDataY.DoCopy(o.m_listDrawDataY);
}

void CZedezuziDocData::DoSetDefaults(fw::CDatabase* breaker, fw::CDatabase* list,
                                     const CVersion& program) {
    m_version = program;
    m_pUndo.reset();
    m_listCandidate.DoDeleteAllCandidate();
    m_listDrawDataX.DoDeleteAllRows();
    m_listDrawDataY.DoDeleteAllRows();
    m_nSearchKind = kSearchNone;

    int32_t voltage = 0;
    CRSList_VoltLow(list).DoReadSetDefaultLV(nullptr, &voltage);

    CInfoBase defaults;
    defaults.m_nKindFlag = kKindFlagBreaker;
    defaults.m_nLVCBCode = kCodeBreaker;
    defaults.m_nVoltage = voltage;
    defaults.m_bUseCT = 0;
    defaults.m_bUseDivisor = 0;
    CReadBase reference;
    defaults.DoReadDefaultInfoBase(breaker, &reference, 0);

    for (CInfoBase* selection : {&m_InfoBaseOptional, &m_InfoBaseCascadeUp, &m_InfoBaseCascadeDown,
                                 &m_InfoBaseSelectiveUp, &m_InfoBaseSelectiveDown}) {
        *selection = CInfoBase();
        selection->m_nVoltage = voltage;
        selection->m_nKindFlag = kKindFlagBreaker;
        selection->m_nLVCBCode = kCodeBreaker;
        selection->m_bUseCT = 0;
        selection->m_bUseDivisor = 0;
        selection->m_lManufactureID = defaults.m_lManufactureID;
        selection->m_strManufactureName = defaults.m_strManufactureName;
    }
    m_dOptionalCapacity = 0.0;
    m_nOptionalPoles = 3;
    m_dIcuBack = 0.0;
    m_nCascadePoles = 3;
    m_nCascadeMode = 3;
    m_dIs = 0.0;
    m_nSelectivePoles = 3;
    m_nSelectiveMode = 3;
    m_nCoordType = 1;
    m_dMotorOutput = 0.0;
    m_nCoordMode = 1;

    struct Start {
        CInfoBase* selection;
        int32_t kindFlag;
        int32_t code;
    };
    for (const Start& s : {Start{&m_InfoBaseCoordLVCB, kKindFlagBreaker, kCodeBreaker},
                           Start{&m_InfoBaseCoordContactor, kKindFlagContactor, 0},
                           Start{&m_InfoBaseCoordThermal, kKindFlagThermal, 0}}) {
        s.selection->m_nVoltage = voltage;
        s.selection->m_bUseCT = 0;
        s.selection->m_bUseDivisor = 0;
        s.selection->m_nKindFlag = s.kindFlag;
        s.selection->m_nLVCBCode = s.code;
    }
}

void CZedezuziDocData::Serialize(fw::CArchive& ar, const CZedezuziVersions& versions) {
    if (ar.IsStoring()) {
        m_version.Serialize(ar);
        SerializeContent(ar, *this);
        fw::SerializeEmbeddedItems(ar);
        return;
    }

    CVersion read;
    read.Serialize(ar);
    // The message of a refused file names what the file carried.
    m_version = read;
    CopyVersionFields(read, versions.m_pLastDocument);
    if (!read.IsOkDocVersion(versions.m_pAccepted))
        throw fw::CArchiveException(fw::CArchiveException::badIndex,
                                    "The file was written by another program or version.");

    CZedezuziContent loaded;
    SerializeContent(ar, loaded);
    fw::SerializeEmbeddedItems(ar);
    if (ar.Remaining() != 0)
        Damaged(std::to_string(ar.Remaining()) + " bytes follow the end of the document.");
    CheckLoaded(loaded);
    loaded.m_infoPrint.DoBound();

    DoCopyFrom(loaded);
    m_listDrawDataX.DoDeleteAllRows();
    m_listDrawDataY.DoDeleteAllRows();
    if (versions.m_pProgram)
        m_version = *versions.m_pProgram;
    if (versions.m_pLastDocument)
        *versions.m_pLastDocument = m_version;
}

void CZedezuziDocData::DoSearch(fw::CDatabase* breaker) {
    switch (m_nSearchKind) {
    case kSearchOptional:
        m_listCandidate.DoDeleteAllCandidate();
        m_listCandidate.DoSearchGetByCapacity(breaker, &m_InfoBaseOptional, 0, m_nOptionalPoles,
                                              m_dOptionalCapacity, 0);
        DoMakeTableX(breaker);
        return;
    case kSearchCascade: {
        CRSBreak_Cascade cascade(breaker);
        if (m_nCascadeMode == 1) {
            m_listCandidate.DoDeleteAllCandidate();
            cascade.DoReadSetUpstream(nullptr, &m_listCandidate, &m_InfoBaseCascadeDown,
                                      &m_InfoBaseCascadeUp, m_dIcuBack, m_nCascadePoles);
        } else if (m_nCascadeMode == 2) {
            m_listCandidate.DoDeleteAllCandidate();
            cascade.DoReadSetDownstream(nullptr, &m_listCandidate, &m_InfoBaseCascadeUp,
                                        &m_InfoBaseCascadeDown, m_dIcuBack, m_nCascadePoles);
        } else if (m_nCascadeMode == 3) {
            DoLookUpIcuBack(breaker, m_InfoBaseCascadeUp, m_InfoBaseCascadeDown, &m_dIcuBack);
        }
        DoMakeTableX(breaker);
        return;
    }
    case kSearchSelective: {
        CRSBreak_Selective selective(breaker);
        if (m_nSelectiveMode == 1) {
            m_listCandidate.DoDeleteAllCandidate();
            selective.DoReadSetUpstream(nullptr, &m_listCandidate, &m_InfoBaseSelectiveDown,
                                        &m_InfoBaseSelectiveUp, m_dIs, m_nSelectivePoles);
        } else if (m_nSelectiveMode == 2) {
            m_listCandidate.DoDeleteAllCandidate();
            selective.DoReadSetDownstream(nullptr, &m_listCandidate, &m_InfoBaseSelectiveUp,
                                          &m_InfoBaseSelectiveDown, m_dIs, m_nSelectivePoles);
        } else if (m_nSelectiveMode == 3) {
            DoLookUpIs(breaker, m_InfoBaseSelectiveUp, m_InfoBaseSelectiveDown, &m_dIs);
        }
        DoMakeTableX(breaker);
        return;
    }
    case kSearchCoordination:
        DoSearchCoordination(breaker);
        return;
    default:
        DoMakeTableX(breaker);
        return;
    }
}

void CZedezuziDocData::DoSearchCoordination(fw::CDatabase* breaker) {
    if (m_nCoordMode < 1 || m_nCoordMode > 4)
        return; // the table stays as it was
    m_listDrawDataY.DoDeleteAllRows();
    m_listDrawDataY.DoMakeConditions(m_nCoordType, m_nCoordMode);
    CReadCoordinationList rows;
    CRSBreak_Coordination coordination(breaker);
    auto type = static_cast<unsigned>(m_nCoordType);
    switch (m_nCoordMode) {
    case 1:
        coordination.DoReadByMotorCapacity(type, m_dMotorOutput, &rows);
        break;
    case 2:
        coordination.DoReadByLVCBTypeRated(type, m_InfoBaseCoordLVCB.m_lTypeID,
                                           m_InfoBaseCoordLVCB.m_dRatedValue, &rows);
        break;
    case 3:
        coordination.DoReadByContactor(type, m_InfoBaseCoordContactor.m_lTypeID, &rows);
        break;
    case 4:
        coordination.DoReadByThermalTypeRated(type, m_InfoBaseCoordThermal.m_lTypeID,
                                              m_InfoBaseCoordThermal.m_dRatedValue, &rows);
        break;
    }
    m_listDrawDataY.DoMakeTable(breaker, rows);
    rows.DoDeleteAllReadCoordinations();
}

void CZedezuziDocData::DoMakeTableX(fw::CDatabase* breaker) {
    m_listDrawDataX.DoDeleteAllRows();
    switch (m_nSearchKind) {
    case kSearchOptional:
        m_listDrawDataX.DoMakeTableOptional(breaker, m_InfoBaseOptional, m_dOptionalCapacity,
                                            m_nOptionalPoles, m_listCandidate);
        return;
    case kSearchCascade:
        if (m_nCascadeMode == 1)
            m_listDrawDataX.DoMakeTableCascadeUp(breaker, m_InfoBaseCascadeUp,
                                                 m_InfoBaseCascadeDown, m_dIcuBack, m_nCascadePoles,
                                                 m_listCandidate);
        else if (m_nCascadeMode == 2)
            m_listDrawDataX.DoMakeTableCascadeDown(breaker, m_InfoBaseCascadeUp,
                                                   m_InfoBaseCascadeDown, m_dIcuBack,
                                                   m_nCascadePoles, m_listCandidate);
        else if (m_nCascadeMode == 3)
            m_listDrawDataX.DoMakeTableCascadeIcuBack(m_InfoBaseCascadeUp, m_InfoBaseCascadeDown,
                                                      m_dIcuBack, m_nCascadePoles);
        else
            m_listDrawDataX.DoMakeTableEmpty();
        return;
    case kSearchSelective:
        if (m_nSelectiveMode == 1)
            m_listDrawDataX.DoMakeTableSelectiveUp(breaker, m_InfoBaseSelectiveUp,
                                                   m_InfoBaseSelectiveDown, m_dIs,
                                                   m_nSelectivePoles, m_listCandidate);
        else if (m_nSelectiveMode == 2)
            m_listDrawDataX.DoMakeTableSelectiveDown(breaker, m_InfoBaseSelectiveUp,
                                                     m_InfoBaseSelectiveDown, m_dIs,
                                                     m_nSelectivePoles, m_listCandidate);
        else if (m_nSelectiveMode == 3)
            m_listDrawDataX.DoMakeTableSelectiveIs(m_InfoBaseSelectiveUp, m_InfoBaseSelectiveDown,
                                                   m_dIs, m_nSelectivePoles);
        else
            m_listDrawDataX.DoMakeTableEmpty();
        return;
    default:
        m_listDrawDataX.DoMakeTableEmpty();
        return;
    }
}

void CZedezuziDocData::DoRebuildTables(fw::CDatabase* breaker) {
    m_listDrawDataX.DoDeleteAllRows();
    m_listDrawDataY.DoDeleteAllRows();
    if (m_nSearchKind != kSearchCoordination) {
        DoMakeTableX(breaker);
        return;
    }
    if (m_nCoordMode >= 1 && m_nCoordMode <= 4)
        DoSearchCoordination(breaker);
    else
        m_listDrawDataY.DoMakeTableEmpty();
}

std::string CZedezuziDocData::DoTextUnknownTypes(fw::CDatabase* breaker) const {
    std::vector<int32_t> unknown;
    int candidates = 0;
    for (const auto& candidate : m_listCandidate) {
        const int32_t type = candidate->m_lTypeID;
        const bool named = std::find(unknown.begin(), unknown.end(), type) != unknown.end();
        if (!named) {
            CInfoBase quiet;
            CReadBase reference;
            if (CRSBreak_Type(breaker).DoReadByTypeID(type, &quiet, &reference, 0) != 0)
                continue;
            unknown.push_back(type);
        }
        ++candidates;
    }
    if (unknown.empty())
        return std::string();
    std::string types;
    for (int32_t type : unknown)
        types += (types.empty() ? "" : ", ") + std::to_string(type);
    return "The file is damaged: " + std::to_string(candidates) +
           (candidates == 1 ? " breaker names a type" : " breakers name types") +
           " that the breaker database does not hold (" + types +
           "). Their columns of the table are left empty.";
}

void CZedezuziDocData::DoSaveUndo() {
    m_pUndo = std::make_unique<CZedezuziUndo>();
    m_pUndo->DoCopyFrom(*this);
}

bool CZedezuziDocData::DoRestoreUndo() {
    if (!m_pUndo)
        return false;
    DoCopyFrom(*m_pUndo);
    m_pUndo.reset();
    return true;
}
