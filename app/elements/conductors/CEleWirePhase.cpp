#include "CEleWirePhase.h"

#include "app/elements/conductors/CEleWireBasic.h"
#include "app/elements/conductors/WireFormulas.h"
#include "app/records/ModelDatabases.h"
#include "equipdata/CRSEquip_WireC.h"
#include "equipdata/CRSEquip_WireI.h"
#include "equipdata/CRSEquip_WireZ.h"

#include <cmath>

FW_IMPLEMENT_SERIAL(CEleWirePhase, 0)

namespace {

constexpr double kPi = 3.14159265358979;

constexpr uint32_t kMethodE = 5;
constexpr uint32_t kMethodF = 6;
constexpr uint32_t kMethodG = 7;

} // namespace

void CEleWirePhase::CalcPhaseImpedance(double frequency, const CEleWireBasic& basic,
                                       double insulation, double diameter, double distance) {
    double minSize = 0.0;
    double maxSize = 0.0;
    GetWireSizeRange(basic.m_nMaterial, basic.m_nCoreKind, minSize, maxSize);
    double coefficient = 0.0;
    double thickness = 0.0;
    double outsideDiameter = 0.0;
    fw::CDatabase* db = GetModelDatabases().pEquip;
    CRSEquip_WireZ rs(db);
    if (!db || rs.DoReadByCoreSize(m_dCoreSize, minSize, maxSize, &coefficient, &thickness,
                                   &outsideDiameter) <= 0) {
        m_dRPerMetreCalc = m_dRPerMetre = -1.0;
        m_dDiameterCalc = m_dDiameter = -1.0;
        m_dInsulationCalc = m_dInsulation = -1.0;
        m_dDistanceCalc = m_dDistance = -1.0;
        m_dXPerMetreCalc = m_dXPerMetre = -1.0;
        return;
    }

    if (basic.m_nMaterial == kMaterialCu)
        m_dRPerMetreCalc = CalcWireResistanceCu(m_dCoreSize, basic.m_dAmbientTemp);
    else if (basic.m_nMaterial == kMaterialAl)
        m_dRPerMetreCalc = CalcWireResistanceAl(m_dCoreSize, basic.m_dAmbientTemp);
    m_dRPerMetre = m_dRPerMetreCalc;

    double radius = std::sqrt(coefficient * m_dCoreSize / kPi);
    double distanceFactor = 2.0;
    double insulationCalc = thickness; // a core of a multi-core cable
    switch (basic.m_nMethod) {
    case kMethodE:
        break;
    case kMethodF:
        // A single-core cable: its insulation and sheath from the outside diameter.
        insulationCalc = outsideDiameter / 2.0 - radius;
        break;
    case kMethodG:
        insulationCalc = outsideDiameter / 2.0 - radius;
        distanceFactor = 6.0; // spaced by a cable diameter
        break;
    default:
        return;
    }

    if (insulation > 0.0) {
        m_dInsulation = insulation;
    } else {
        m_dInsulationCalc = insulationCalc;
        m_dInsulation = insulationCalc;
    }
    if (diameter > 0.0) {
        m_dDiameter = diameter;
    } else {
        m_dDiameterCalc = 2.0 * radius;
        m_dDiameter = m_dDiameterCalc;
    }
    double distanceValue = distanceFactor * (radius + m_dInsulation);
    if (distance > 0.0) {
        m_dDistance = distance;
    } else {
        m_dDistanceCalc = distanceValue;
        m_dDistance = distanceValue;
    }
    m_dXPerMetreCalc = CalcWireReactance(frequency, m_dDiameter, m_dDistance);
    m_dXPerMetre = m_dXPerMetreCalc;
}

void CEleWirePhase::CalcPhaseAmpacity(const CEleWireBasic& basic, double coreSize, uint32_t cores) {
    m_dCoreSize = coreSize;
    m_nCores = cores;
    double minSize = 0.0;
    double maxSize = 0.0;
    GetWireSizeRange(basic.m_nMaterial, basic.m_nCoreKind, minSize, maxSize);
    double A = 0.0;
    double m = 0.0;
    double B = 0.0;
    double n = 0.0;
    fw::CDatabase* db = GetModelDatabases().pEquip;
    CRSEquip_WireI rsI(db);
    if (!db ||
        rsI.DoReadByValuesWI(static_cast<int>(basic.m_nInsulation),
                             static_cast<int>(basic.m_nMethod), static_cast<int>(basic.m_nMaterial),
                             coreSize, minSize, maxSize, &A, &m, &B, &n) <= 0) {
        m_dBasicCurrentCalc = m_dBasicCurrent = -1.0;
        m_dAmbientFactorCalc = m_dAmbientFactor = -1.0;
    } else {
        m_dBasicCurrentCalc = CalcBasicCurrent(coreSize, A, m, B, n);
        m_dBasicCurrent = m_dBasicCurrentCalc;
        m_dAmbientFactorCalc = CalcAmbientFactor(basic.m_nInsulation, basic.m_dAmbientTemp);
        m_dAmbientFactor = m_dAmbientFactorCalc;
    }

    // A circuit count the table does not hold leaves no factor: it shows as
    // "No data" and the data check refuses it, rather than passing a factor
    // that belongs to another count.
    double factorE = -1.0;
    double factorF = -1.0;
    double factorG = -1.0;
    CRSEquip_WireC rsC(db);
    switch (basic.m_nMethod) {
    case kMethodE:
        if (db)
            rsC.DoReadByNumber(static_cast<int>(basic.m_nCircuits), &factorE, &factorF, &factorG);
        m_dGroupFactorCalc = factorE;
        break;
    case kMethodF:
    case kMethodG:
        if (db)
            rsC.DoReadByNumber(static_cast<int>(basic.m_nCircuits * cores), &factorE, &factorF,
                               &factorG);
        m_dGroupFactorCalc = basic.m_nMethod == kMethodF ? factorF : factorG;
        break;
    default:
        return;
    }
    m_dGroupFactor = m_dGroupFactorCalc;
}

void CEleWirePhase::DoSetDefault(double frequency, const CEleWireBasic& basic) {
    if (m_nDefaultsSet == 1)
        return;
    m_nDefaultsSet = 1;
    m_nCores = 1;
    double minSize = 0.0;
    double maxSize = 0.0;
    GetWireSizeRange(basic.m_nMaterial, basic.m_nCoreKind, minSize, maxSize);
    fw::CDatabase* db = GetModelDatabases().pEquip;
    CRSEquip_WireZ rs(db);
    m_dCoreSize =
        db ? rs.DoReadSetDefaultWZ(nullptr, minSize, maxSize, nullptr, nullptr, nullptr) : 0.0;
    CalcPhaseImpedance(frequency, basic, 0.0, 0.0, 0.0);
    CalcPhaseAmpacity(basic, m_dCoreSize, m_nCores);
}

void CEleWirePhase::DoReadXForFrequency(double frequency) {
    if (m_dXPerMetreCalc != m_dXPerMetre)
        return;
    m_dXPerMetreCalc = CalcWireReactance(frequency, m_dDiameter, m_dDistance);
    m_dXPerMetre = m_dXPerMetreCalc;
}

double CEleWirePhase::GetCurrentCapacity() const {
    return CalcCurrentCapacity(m_dBasicCurrent, m_nCores, m_dAmbientFactor, m_dGroupFactor);
}

void CEleWirePhase::Serialize(fw::CArchive& ar) {
    double* pairs[] = {
        &m_dRPerMetreCalc,     &m_dRPerMetre,     &m_dDiameterCalc,     &m_dDiameter,
        &m_dInsulationCalc,    &m_dInsulation,    &m_dDistanceCalc,     &m_dDistance,
        &m_dXPerMetreCalc,     &m_dXPerMetre,     &m_dBasicCurrentCalc, &m_dBasicCurrent,
        &m_dAmbientFactorCalc, &m_dAmbientFactor, &m_dGroupFactorCalc,  &m_dGroupFactor};
    if (ar.IsStoring()) {
        ar << m_nDefaultsSet << m_dCoreSize << m_nCores;
        for (double* value : pairs)
            ar << *value;
    } else {
        ar >> m_nDefaultsSet >> m_dCoreSize >> m_nCores;
        for (double* value : pairs)
            ar >> *value;
    }
}
