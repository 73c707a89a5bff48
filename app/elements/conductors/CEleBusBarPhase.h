#pragma once

#include "framework/Archive.h"

#include <cstdint>

class CEleBusBarBasic;

// One conductor group of a bus-bar (phases, N or PE): the bar geometry and
// the values computed from it and from the equipment table, each held as
// calculated and as in use. The two are equal until the user types another;
// the sheet's "*" marks and a change of frequency rest on that exact
// equality. Iz is never stored: it is the product of the four values in use.
class CEleBusBarPhase : public fw::CObject {
    FW_DECLARE_SERIAL(CEleBusBarPhase)
public:
    CEleBusBarPhase() = default;
    CEleBusBarPhase(const CEleBusBarPhase&) = default;
    CEleBusBarPhase& operator=(const CEleBusBarPhase&) = default;
    ~CEleBusBarPhase() override = default;

    // The default geometry of the table, once per group (distance 200 mm).
    void DoSetDefault(double frequency, const CEleBusBarBasic& basic);

    // Resistance and reactance of a geometry. A skin-effect factor of
    // exactly 0.0 takes the table's; another is used as typed and leaves the
    // calculated factor alone. Every value in use becomes the calculated one.
    // The geometry fields themselves are the caller's to set.
    void DoCalcZByValues(double frequency, const CEleBusBarBasic& basic, int width, int thickness,
                         int number, int distance, double skinEffect);

    // Basic current and the three factors of a geometry; their values in use
    // become the calculated ones.
    void DoCalcIByValues(const CEleBusBarBasic& basic, int width, int thickness, int number);

    // k1 again after a change of temperatures; its value in use follows.
    void DoRecalcTemperatureFactor(const CEleBusBarBasic& basic);

    // A change of frequency: the reactance is computed again unless the user
    // typed it; the resistance is never touched.
    void DoReadXForFrequency(double frequency);

    // Iz from the four values in use.
    double GetCurrentCapacity() const;

    // The record: looked up, width, thickness, number, distance, then the
    // fourteen doubles.
    void Serialize(fw::CArchive& ar) override;

    uint32_t m_nLookedUp = 0;
    int32_t m_nWidth = 0;           // b, mm, one bar
    int32_t m_nThickness = 0;       // mm, one bar
    int32_t m_nNumber = 0;          // bars per conductor
    int32_t m_nDistance = 0;        // a, mm, between phases
    double m_dSkinEffectCalc = 0.0; // ks
    double m_dSkinEffect = 0.0;
    double m_dRPerMetreCalc = 0.0; // mohms/m
    double m_dRPerMetre = 0.0;
    double m_dXPerMetreCalc = 0.0; // mohms/m at the document frequency
    double m_dXPerMetre = 0.0;
    double m_dBasicCurrentCalc = 0.0; // A, I0
    double m_dBasicCurrent = 0.0;
    double m_dTemperatureFactorCalc = 0.0; // k1
    double m_dTemperatureFactor = 0.0;
    double m_dInstallationFactorCalc = 0.0; // k2, bars laid horizontally
    double m_dInstallationFactor = 0.0;
    double m_dProximityFactorCalc = 0.0; // k3
    double m_dProximityFactor = 0.0;
};
