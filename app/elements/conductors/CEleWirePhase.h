#pragma once

#include "framework/Archive.h"

#include <cstdint>

class CEleWireBasic;

// One conductor group of a wire (phases, N or PE): the core size, the
// parallel cores and every value computed from them. Each value is held as
// computed (from the formulas and the equipment tables) and as in use (what
// the calculation takes); the two are equal until the user types another,
// and that exact equality is what the sheet's "*" marks and a change of
// frequency test. -1.0 means that the database holds no value.
class CEleWirePhase : public fw::CObject {
    FW_DECLARE_SERIAL(CEleWirePhase)
public:
    CEleWirePhase() = default;
    CEleWirePhase(const CEleWirePhase&) = default;
    CEleWirePhase& operator=(const CEleWirePhase&) = default;
    ~CEleWirePhase() override = default;

    // Geometry, resistance and reactance of the group's size from the
    // equipment table, at f Hz. An override above 0 (insulation thickness,
    // conductor diameter, centre-line distance) is written as the value in
    // use alone, and the values that depend on it follow.
    void CalcPhaseImpedance(double frequency, const CEleWireBasic& basic, double insulation,
                            double diameter, double distance);

    // Basic current, ambient factor and group factor of a size and number
    // of cores (both become the group's).
    void CalcPhaseAmpacity(const CEleWireBasic& basic, double coreSize, uint32_t cores);

    // The default size of the table, once per group.
    void DoSetDefault(double frequency, const CEleWireBasic& basic);

    // A change of frequency: the reactance is computed again unless the
    // user typed it.
    void DoReadXForFrequency(double frequency);

    // Iz from the values in use.
    double GetCurrentCapacity() const;

    // The record: defaults set, size, cores and the sixteen doubles.
    void Serialize(fw::CArchive& ar) override;

    uint32_t m_nDefaultsSet = 0;
    double m_dCoreSize = 0.0;      // mm2 of one core
    uint32_t m_nCores = 0;         // parallel cores (cables) of the group
    double m_dRPerMetreCalc = 0.0; // mohms/m of one core
    double m_dRPerMetre = 0.0;
    double m_dDiameterCalc = 0.0; // mm, conductor
    double m_dDiameter = 0.0;
    double m_dInsulationCalc = 0.0; // mm, insulation thickness
    double m_dInsulation = 0.0;
    double m_dDistanceCalc = 0.0; // mm, centre-line distance between phases
    double m_dDistance = 0.0;
    double m_dXPerMetreCalc = 0.0; // mohms/m of one core
    double m_dXPerMetre = 0.0;
    double m_dBasicCurrentCalc = 0.0; // A, I0
    double m_dBasicCurrent = 0.0;
    double m_dAmbientFactorCalc = 0.0; // k1
    double m_dAmbientFactor = 0.0;
    double m_dGroupFactorCalc = 0.0; // k2
    double m_dGroupFactor = 0.0;
};
