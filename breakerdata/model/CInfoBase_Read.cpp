// Filling a selection with the defaults of the breaker database.

#include "breakerdata/model/CInfoBase.h"

#include "breakerdata/model/CReadBase.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_Magni.h"
#include "breakerdata/recordsets/CRSBreak_OpeKind.h"
#include "breakerdata/recordsets/CRSBreak_Rated.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "breakerdata/recordsets/CRSManufacture.h"

#include "tools/Filvaron.h"

namespace {
constexpr unsigned IDS_TABLE_MANUFACTURER = 4224;
constexpr unsigned IDS_TABLE_BREAK_GROUP = 4225;
constexpr unsigned IDS_TABLE_BREAK_TYPE = 4226;
constexpr unsigned IDS_TABLE_BREAK_OPEKIND = 4227;
constexpr unsigned IDS_TABLE_BREAK_RATED = 4228;
} // namespace

int32_t CInfoBase::DoReadDefaultInfoBase(fw::CDatabase* database, CReadBase* reference, int index) {
    CReadBase scratch;
    CReadBase* ref = reference ? reference : &scratch;

    // The names held before the call name what the database lacks.
    const std::string storedMaker = m_strManufactureName;
    if (CRSManufacture(database).DoReadSetDefaultM(nullptr, static_cast<unsigned>(m_nKindFlag),
                                                   this, 1) == 0) {
        DLLDispDatabaseWarning(IDS_TABLE_MANUFACTURER, storedMaker);
        return 0;
    }
    const std::string storedGroup = m_strGroupName;
    if (CRSBreak_Group(database).DoReadSetDefaultEG(nullptr, m_lManufactureID, m_nKindFlag, this,
                                                    1) == 0) {
        DLLDispDatabaseWarning(IDS_TABLE_BREAK_GROUP, storedGroup);
        return 0;
    }
    const std::string storedType = m_strTypeName;
    if (CRSBreak_Type(database).DoReadSetDefaultET(nullptr, m_lManufactureID, m_lGroupID, this, ref,
                                                   1) == 0) {
        DLLDispDatabaseWarning(IDS_TABLE_BREAK_TYPE, storedType);
        return 0;
    }
    return DoReadDefaultFromOpeKind(database, ref, index, false, 0.0);
}

int32_t CInfoBase::DoReadDefaultByTypeID(fw::CDatabase* database, CReadBase* reference, int index) {
    CReadBase scratch;
    CReadBase* ref = reference ? reference : &scratch;
    if (CRSBreak_Type(database).DoReadByTypeID(m_lTypeID, this, ref, 0) == 0) {
        DLLDispDatabaseWarning(IDS_TABLE_BREAK_TYPE, m_strTypeName);
        return 0;
    }
    return DoReadDefaultFromOpeKind(database, ref, index, false, 0.0);
}

int32_t CInfoBase::DoReadByMaxRatedValue(fw::CDatabase* database, double value,
                                         CReadBase* reference, int index) {
    CReadBase scratch;
    CReadBase* ref = reference ? reference : &scratch;
    if (CRSBreak_Type(database).DoReadByTypeID(m_lTypeID, this, ref, 0) == 0) {
        DLLDispDatabaseWarning(IDS_TABLE_BREAK_TYPE, m_strTypeName);
        return 0;
    }
    return DoReadDefaultFromOpeKind(database, ref, index, true, value);
}

int32_t CInfoBase::DoReadDefaultFromOpeKind(fw::CDatabase* database, CReadBase* reference,
                                            int index, bool byValue, double value) {
    // A contactor has neither operating kind nor rating.
    if (m_nKindFlag == 4)
        return 0;

    const std::string storedOpeKind = m_strOpeKindName;
    if (CRSBreak_OpeKind(database).DoReadSetByIndex(nullptr, m_lTypeID, index, this, reference,
                                                    1) == 0) {
        if (index == 0)
            DLLDispDatabaseWarning(IDS_TABLE_BREAK_OPEKIND, storedOpeKind);
        return 0;
    }

    CReadDial* ratedDial = &reference->m_dialRated;
    const int ratedKind = ratedDial->m_nKind;
    CRSBreak_Rated rated(database);
    if (byValue) {
        if (ratedKind == 2)
            rated.DoReadFixedByMaxValue(value, this, reference, ratedDial);
        else if (ratedKind == 3)
            rated.DoReadSetDefaultContinue(nullptr, m_lOpeKindID, this, reference, ratedDial, 1);
        else if (ratedKind == 4)
            rated.DoReadMixByMaxValue(value, this, reference, ratedDial);
    } else {
        // A mixed rating first takes its default rated row, then that row's
        // values.
        if (ratedKind == 4)
            rated.DoReadSetDefaultRange(nullptr, m_lOpeKindID, this, reference, 1);
        if (ratedKind == 2)
            rated.DoReadSetDefaultFixed(nullptr, m_lOpeKindID, this, reference, ratedDial, 1);
        else if (ratedKind == 3)
            rated.DoReadSetDefaultContinue(nullptr, m_lOpeKindID, this, reference, ratedDial, 1);
        else if (ratedKind == 4)
            rated.DoReadSetDefaultMix(nullptr, m_lBreakRatedID, this, reference, ratedDial, 1);
    }
    if (m_lBreakRatedID < 1)
        DLLDispDatabaseWarning(IDS_TABLE_BREAK_RATED, m_dRatedValue);

    CReadDial* magniDial = &reference->m_dialMagni;
    CRSBreak_Magni magni(database);
    if (magniDial->m_nKind == 2)
        magni.DoReadSetDefaultFixed(nullptr, m_lOpeKindID, magniDial, this, 1);
    else if (magniDial->m_nKind == 3)
        magni.DoReadSetDefaultContinue(nullptr, m_lOpeKindID, magniDial, this, 1);
    return m_lBreakRatedID;
}
