#include "CObjAdjust.h"

#include "app/records/ModelDatabases.h"
#include "listdata/CRSList_CT1Current.h"
#include "listdata/CRSList_VoltHigh.h"
#include "listdata/CRSList_VoltLow.h"

FW_IMPLEMENT_SERIAL(CObjAdjust, 0)

CObjAdjust::CObjAdjust(const CObjAdjust& other) : fw::CObject(other) {
    DoCopyObjAdjust(other);
}

CObjAdjust& CObjAdjust::operator=(const CObjAdjust& other) {
    DoCopyObjAdjust(other);
    return *this;
}

void CObjAdjust::DoCopyObjAdjust(const CObjAdjust& other) {
    if (&other == this)
        return;
    m_nInitialised = other.m_nInitialised;
    m_nSelected = other.m_nSelected;
    m_infoBase = other.m_infoBase;
    m_listInfoPart.DoCopyAllInfoParts(other.m_listInfoPart);
    m_infoLine = other.m_infoLine;
    m_listGraphNo.DoCopyAllGraphNo(other.m_listGraphNo);
    m_readBase = other.m_readBase;
    m_listReadPart.DoCopyAllReadParts(other.m_listReadPart);
    m_listUpperCurve.DoCopyAllOneCurves(other.m_listUpperCurve);
    m_listLowerCurve.DoCopyAllOneCurves(other.m_listLowerCurve);
    m_listTypicalCurve.DoCopyAllOneCurves(other.m_listTypicalCurve);
    m_listUpperPoint.DoCopyAllPoints(other.m_listUpperPoint);
    m_listLowerPoint.DoCopyAllPoints(other.m_listLowerPoint);
    m_listTypicalPoint.DoCopyAllPoints(other.m_listTypicalPoint);
    m_nLastActivePage = other.m_nLastActivePage;
}

void CObjAdjust::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_nInitialised << m_nSelected;
    } else {
        ar >> m_nInitialised >> m_nSelected;
        // The lists append what they read.
        m_listInfoPart.DoDeleteAllInfoParts();
        m_listGraphNo.DeleteAll();
    }
    m_infoBase.Serialize(ar);
    m_listInfoPart.Serialize(ar);
    m_infoLine.Serialize(ar);
    m_listGraphNo.Serialize(ar);
}

// ---- Defaults ----

namespace {

int32_t DefaultLowVoltage(int32_t voltage) {
    if (voltage >= 1)
        return voltage;
    int32_t value = 0;
    if (fw::CDatabase* list = GetModelDatabases().pList)
        CRSList_VoltLow(list).DoReadSetDefaultLV(nullptr, &value);
    return value;
}

int32_t DefaultHighVoltage(int32_t voltage) {
    if (voltage >= 1)
        return voltage;
    int32_t value = 0;
    if (fw::CDatabase* list = GetModelDatabases().pList)
        CRSList_VoltHigh(list).DoReadSetDefaultLV(nullptr, &value, 1);
    return value;
}

int32_t DefaultCT1Current() {
    int value = 0;
    if (fw::CDatabase* list = GetModelDatabases().pList)
        CRSList_CT1Current(list).DoReadSetDefaultLC(nullptr, &value);
    return value;
}

} // namespace

void CObjAdjust::DoSetDefaultAdjustHV(int32_t frequency, int32_t voltage) {
    m_listGraphNo.DoDeleteGraphNo(0);
    m_nSelected = 0;
    if (m_nInitialised == 1)
        return;
    m_infoBase.m_nVoltage = DefaultHighVoltage(voltage);
    m_infoBase.m_bUseCT = 1;
    m_infoBase.m_nCT1Current = DefaultCT1Current();
    m_infoBase.m_nCT2Current = 5;
    m_infoBase.m_bUseDivisor = 0;
    m_infoBase.m_nLVCBCode = 0;
    m_infoBase.m_nKindFlag = 1;
    m_infoLine.m_nBandFlag = 0;
    adjust_fields::BreakTimeFlag(m_infoBase) = 1;
    adjust_fields::BreakTimeFlag2(m_infoBase) = 1;
    adjust_fields::BreakCycles(m_infoBase) = 3;
    fw::CDatabase* database = GetModelDatabases().pBreaker;
    if (!database)
        return;
    m_readBase = CReadBase();
    int32_t ratingID = m_infoBase.DoReadDefaultInfoBase(database, &m_readBase, 0);
    if (ratingID <= 0)
        return;
    m_listInfoPart.DoDeleteAllInfoParts();
    m_listReadPart.DoDeleteAllReadParts();
    m_listInfoPart.DoReadDefaultAllInfoPart(database, ratingID, &m_listReadPart);
    DoCalcCurve(frequency);
    m_nInitialised = 1;
}

void CObjAdjust::DoSetDefaultAdjustLV(int32_t voltage) {
    m_listGraphNo.DoDeleteGraphNo(0);
    m_nSelected = 0;
    if (m_nInitialised == 1)
        return;
    m_infoBase.m_nVoltage = DefaultLowVoltage(voltage);
    m_infoBase.m_bUseCT = 0;
    m_infoBase.m_bUseDivisor = 0;
    m_infoBase.m_nKindFlag = 2;
    m_infoBase.m_nLVCBCode = 10;
    m_infoLine.m_nBandFlag = 1;
    fw::CDatabase* database = GetModelDatabases().pBreaker;
    if (!database)
        return;
    m_readBase = CReadBase();
    if (m_infoBase.DoReadDefaultInfoBase(database, &m_readBase, 0) <= 0)
        return;
    // The product is chosen later by the automatic selection: only the
    // maker and the circuit stay.
    CInfoBase fresh;
    fresh.m_lManufactureID = m_infoBase.m_lManufactureID;
    fresh.m_strManufactureName = m_infoBase.m_strManufactureName;
    fresh.m_nKindFlag = m_infoBase.m_nKindFlag;
    fresh.m_nVoltage = m_infoBase.m_nVoltage;
    fresh.m_bUseCT = m_infoBase.m_bUseCT;
    fresh.m_bUseDivisor = m_infoBase.m_bUseDivisor;
    m_infoBase = fresh;
    m_nInitialised = 1;
}

void CObjAdjust::DoSetDefaultAdjustThermal(int32_t voltage) {
    m_listGraphNo.DoDeleteGraphNo(0);
    m_nSelected = 0;
    if (m_nInitialised == 1)
        return;
    m_infoBase.m_nVoltage = DefaultLowVoltage(voltage);
    m_infoBase.m_bUseCT = 0;
    m_infoBase.m_bUseDivisor = 0;
    m_infoBase.m_nKindFlag = 3;
    m_infoBase.m_nLVCBCode = 0;
    m_infoLine.m_nBandFlag = 1;
    fw::CDatabase* database = GetModelDatabases().pBreaker;
    if (!database)
        return;
    m_readBase = CReadBase();
    int32_t ratingID = m_infoBase.DoReadDefaultInfoBase(database, &m_readBase, 0);
    if (ratingID <= 0)
        return;
    m_listInfoPart.DoDeleteAllInfoParts();
    m_listReadPart.DoDeleteAllReadParts();
    m_listInfoPart.DoReadDefaultAllInfoPart(database, ratingID, &m_listReadPart);
    DoCalcCurve(0);
    m_nInitialised = 1;
}

int32_t CObjAdjust::DoSelectAdjustByRated(const CInfoBase& selection, const CReadBase& base,
                                          const CInfoLine& line) {
    if (m_nInitialised == 1)
        return 1;
    m_infoBase = selection;
    m_readBase = base;
    m_infoLine = line;
    m_listInfoPart.DoDeleteAllInfoParts();
    m_listReadPart.DoDeleteAllReadParts();
    fw::CDatabase* database = GetModelDatabases().pBreaker;
    if (!database)
        return 0;
    int32_t ratingID =
        m_infoBase.DoReadByMaxRatedValue(database, base.m_dMaxRatedValue, &m_readBase, 1);
    if (ratingID < 1)
        return 0;
    m_listInfoPart.DoReadDefaultAllInfoPart(database, ratingID, &m_listReadPart);
    m_nInitialised = 1;
    return 1;
}

// ---- The list ----

int32_t CObjAdjustList::SetVoltage(int32_t voltage) {
    int32_t previous = 0;
    for (auto& adjust : *this) {
        previous = adjust->m_infoBase.m_nVoltage;
        adjust->m_infoBase.m_nVoltage = voltage;
    }
    return previous;
}
