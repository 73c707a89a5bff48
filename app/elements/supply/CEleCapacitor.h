#pragma once

#include "app/calc/CPercentZ.h"
#include "app/elements/frame/CEleCurve.h"
#include "app/elements/frame/CEleFrame.h"

#include <cstdint>
#include <iosfwd>
#include <string>

// A capacitor bank (kind 14) with its series reactor. The calculation gives
// it the resistance and reactance of the network up-stream; from them it
// computes the peak of its inrush current and the time to that peak, and
// shows them as its curve on co-ordination graphs.
class CEleCapacitor : public CEleFrame, public CEleCurveOwner {
public:
    CEleCapacitor();
    CEleCapacitor(const CEleCapacitor&) = default;
    CEleCapacitor& operator=(const CEleCapacitor&) = default;
    ~CEleCapacitor() override = default;

    void Serialize(fw::CArchive& ar) override;

    // The X/R assumed for the up-stream network.
    static constexpr double kUpstreamXR = 5.0;

    double DoCalcRatedCurrent() const;        // Ic, A
    double DoCalcCapacitance(double f) const; // C, F
    double DoCalcResistanceFromZ() const;     // R, mohm
    double DoCalcInductance(double f) const;  // L, mH
    // b of the damped oscillation; 0 when the inrush does not oscillate.
    double DoCalcOscillationRatio(double f) const;
    double DoCalcPeakCurrent(double f) const; // im / sqrt(2), A
    double DoCalcPeakTime(double f) const;    // t0, ms
    // Whether the loop of reactor, network and capacitor rings at all
    // (L x 4000 / C above R squared); without it there is no peak to show.
    bool IsOscillating(double f) const;

    // Up-stream resistance and reactance (mohm) from the source-side term
    // of the calculation; nothing without a term.
    void DoSetCalcZ(double baseCapacity, const CPercentZ* source);
    // As the element object calls it: the source-side term first; the
    // result term is the source side as given.
    void DoSetCalcZ(CPercentZ& result, double baseCapacity, const CPercentZ* first,
                    const CPercentZ* second);
    double GetCapacity() const { return m_dCapacity; }

    // Rebuilds the inrush curve into m_listPoints: (A x V, s). 0 and no
    // points when there is no peak.
    int DoCalcCurve(double f);

    // Name and number; the first time also the voltage above, earthing,
    // wire system, 100 kvar, the list database's default reactor, leading.
    void DoInitNewElement(const CEleInitArgs& args);
    uint32_t DoCheckData() const;
    // 1 when Ic does not exceed the breaker's rating (A).
    int32_t IsOkRatedCurrent(double rating) const;

    // --- drawing and labels -----------------------------------------------
    void DoDrawSymbol(fw::CDC* pDC, int32_t mode);
    std::string DoGetTextLabelV1() const;
    std::string DoGetTextLabelGraph() const;
    fw::CRect DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    fw::CRect DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);

    int32_t DoEditElement(const CEleEditContext& ctx);

    // --- the curve on co-ordination graphs (the graph list, selection and
    // label placement come with CEleCurveOwner) -------------------------------
    // Only a capacitor with a voltage and an up-stream network whose inrush
    // rings has a curve; and it is not yet on the graph. (Whether the
    // inrush rings does not depend on the frequency: it cancels out.)
    int32_t IsAddableToGraph(uint32_t graphNo) const override;
    // Rebuilds the curve and draws it with its graph label beside its first
    // point when the curve is shown on the graph; the DXF output writes the
    // label and the curve into a DXF file.
    void DoDrawCurve(fw::CDC* pDC, CObjGraph* graph, const CEleDocSettings& settings) override;
    void DoDXFOutCurve(std::ostream& file, CObjGraph* graph,
                       const CEleDocSettings& settings) override;
    // Code 0: on the curve as last drawn; code 100: on its label.
    int32_t IsHittedCurve(fw::CDC* pDC, CObjGraph* graph, fw::CPoint point, int32_t code) override;
    void DoInvalidateCurve(fw::CDC* pDC, CObjGraph* graph, int32_t code,
                           const CEleInvalidate& invalidate) override;

    // --- report texts; unit 1 appends the unit ------------------------------
    std::string DoGetTextVoltage(int unit) const;
    std::string DoGetTextCapacity(int unit) const;
    std::string DoGetTextElectrostaticCapacity(double f, int unit) const;
    std::string DoGetTextRatedCurrent(int unit) const;
    std::string DoGetTextUpstreamResistance(int unit) const;
    std::string DoGetTextUpstreamReactance(int unit) const;
    std::string DoGetTextReactor(int unit) const;
    std::string DoGetTextPowerFactor() const;
    std::string DoGetTextPhaseAngle(int unit) const;
    std::string DoGetTextPeakCurrent(double f, int unit) const;
    std::string DoGetTextPeakTime(double f, int unit) const;

    double m_dCapacity = 0.0;           // kvar
    double m_dUpstreamResistance = 0.0; // mohm
    double m_dUpstreamReactance = 0.0;  // mohm
    double m_dReactor = 0.0;            // % of the capacitor's reactance
    double m_dPowerFactor = 0.0;
    uint32_t m_nLeading = 0; // 1 phase text "+"
};
