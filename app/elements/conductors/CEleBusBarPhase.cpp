#include "CEleBusBarPhase.h"

#include "app/elements/conductors/BusBarFormulas.h"
#include "app/elements/conductors/CEleBusBarBasic.h"
#include "app/records/ModelDatabases.h"
#include "equipdata/CRSEquip_BusBar.h"

FW_IMPLEMENT_SERIAL(CEleBusBarPhase, 0)

namespace {

unsigned AsKey(int value) {
    return value < 0 ? 0u : static_cast<unsigned>(value);
}

} // namespace

void CEleBusBarPhase::DoSetDefault(double frequency, const CEleBusBarBasic& basic) {
    if (m_nLookedUp == 1)
        return;
    m_nLookedUp = 1;
    int width = m_nWidth;
    int thickness = m_nThickness;
    int number = m_nNumber;
    if (fw::CDatabase* db = GetModelDatabases().pEquip) {
        CRSEquip_BusBar rs(db);
        rs.DoReadByDefault(&width, &thickness, &number);
    }
    m_nWidth = width;
    m_nThickness = thickness;
    m_nNumber = number;
    m_nDistance = 200;
    DoCalcZByValues(frequency, basic, m_nWidth, m_nThickness, m_nNumber, m_nDistance, 0.0);
    DoCalcIByValues(basic, m_nWidth, m_nThickness, m_nNumber);
}

void CEleBusBarPhase::DoCalcZByValues(double frequency, const CEleBusBarBasic& basic, int width,
                                      int thickness, int number, int distance, double skinEffect) {
    double tableSkinEffect = 0.0;
    double dm = 0.0;
    if (fw::CDatabase* db = GetModelDatabases().pEquip) {
        CRSEquip_BusBar rs(db);
        rs.DoReadZByValues(AsKey(width), AsKey(thickness), AsKey(number), &tableSkinEffect, &dm);
    }
    double factor = skinEffect;
    if (skinEffect == 0.0) {
        m_dSkinEffectCalc = tableSkinEffect;
        factor = tableSkinEffect;
    }
    // The resistance is taken at the ambient temperature, not at the
    // permitted bar temperature.
    if (basic.m_nMaterial == 1)
        m_dRPerMetreCalc =
            DoCalcRPerMetreCu(basic.m_dAmbientTemp, width, thickness, number, factor);
    else if (basic.m_nMaterial == 2)
        m_dRPerMetreCalc =
            DoCalcRPerMetreAl(basic.m_dAmbientTemp, width, thickness, number, factor);
    m_dXPerMetreCalc = DoCalcXPerMetre(frequency, width, distance, dm);
    m_dSkinEffect = factor;
    m_dRPerMetre = m_dRPerMetreCalc;
    m_dXPerMetre = m_dXPerMetreCalc;
}

void CEleBusBarPhase::DoCalcIByValues(const CEleBusBarBasic& basic, int width, int thickness,
                                      int number) {
    double dm = 0.0;
    double cuPainted = 0.0;
    double cuBare = 0.0;
    double alPainted = 0.0;
    double alBare = 0.0;
    double k3Painted = 0.0;
    double k3Bare = 0.0;
    double proximity = 0.0;
    if (fw::CDatabase* db = GetModelDatabases().pEquip) {
        CRSEquip_BusBar rs(db);
        rs.DoReadIByValues(AsKey(width), AsKey(thickness), AsKey(number), &dm, &cuPainted, &cuBare,
                           &alPainted, &alBare, &k3Painted, &k3Bare, &proximity);
    }
    bool knownMaterial = basic.m_nMaterial == 1 || basic.m_nMaterial == 2;
    bool knownSurface = basic.m_nSurface == 1 || basic.m_nSurface == 2;
    if (knownMaterial && knownSurface) {
        bool bare = basic.m_nSurface == 1;
        if (basic.m_nMaterial == 1)
            m_dBasicCurrentCalc = bare ? cuBare : cuPainted;
        else
            m_dBasicCurrentCalc = bare ? alBare : alPainted;
        m_dTemperatureFactorCalc =
            ::DoCalcTemperatureFactor(basic.m_dMaxTemp, basic.m_dAmbientTemp);
        // Bars laid flat carry less; the factor follows the surface, as the
        // basic current does (the table holds one for each).
        if (basic.m_nInstallation != 2)
            m_dInstallationFactorCalc = 1.0;
        else
            m_dInstallationFactorCalc = bare ? k3Bare : k3Painted;
        m_dProximityFactorCalc = proximity;
    }
    m_dBasicCurrent = m_dBasicCurrentCalc;
    m_dTemperatureFactor = m_dTemperatureFactorCalc;
    m_dInstallationFactor = m_dInstallationFactorCalc;
    m_dProximityFactor = m_dProximityFactorCalc;
}

void CEleBusBarPhase::DoRecalcTemperatureFactor(const CEleBusBarBasic& basic) {
    m_dTemperatureFactorCalc = ::DoCalcTemperatureFactor(basic.m_dMaxTemp, basic.m_dAmbientTemp);
    m_dTemperatureFactor = m_dTemperatureFactorCalc;
}

void CEleBusBarPhase::DoReadXForFrequency(double frequency) {
    if (m_dXPerMetre != m_dXPerMetreCalc)
        return;
    double skinEffect = 0.0;
    double dm = 0.0;
    if (fw::CDatabase* db = GetModelDatabases().pEquip) {
        CRSEquip_BusBar rs(db);
        rs.DoReadZByValues(AsKey(m_nWidth), AsKey(m_nThickness), AsKey(m_nNumber), &skinEffect,
                           &dm);
    }
    m_dXPerMetreCalc = DoCalcXPerMetre(frequency, m_nWidth, m_nDistance, dm);
    m_dXPerMetre = m_dXPerMetreCalc;
}

double CEleBusBarPhase::GetCurrentCapacity() const {
    return DoCalcIz(m_dBasicCurrent, m_dTemperatureFactor, m_dInstallationFactor,
                    m_dProximityFactor);
}

void CEleBusBarPhase::Serialize(fw::CArchive& ar) {
    double* values[] = {&m_dSkinEffectCalc,         &m_dSkinEffect,
                        &m_dRPerMetreCalc,          &m_dRPerMetre,
                        &m_dXPerMetreCalc,          &m_dXPerMetre,
                        &m_dBasicCurrentCalc,       &m_dBasicCurrent,
                        &m_dTemperatureFactorCalc,  &m_dTemperatureFactor,
                        &m_dInstallationFactorCalc, &m_dInstallationFactor,
                        &m_dProximityFactorCalc,    &m_dProximityFactor};
    if (ar.IsStoring()) {
        ar << m_nLookedUp << m_nWidth << m_nThickness << m_nNumber << m_nDistance;
        for (double* value : values)
            ar << *value;
    } else {
        ar >> m_nLookedUp >> m_nWidth >> m_nThickness >> m_nNumber >> m_nDistance;
        for (double* value : values)
            ar >> *value;
    }
}
