#pragma once

#include "app/elements/frame/CEleCurve.h"
#include "app/elements/frame/CEleFrame.h"

#include <cstdint>
#include <iosfwd>
#include <string>

// A motor load (kind 12): rating and starting data, its full-load current and
// the starting curve it shows on co-ordination graphs. It takes no part in
// the short-circuit reduction.
class CEleMotor : public CEleFrame, public CEleCurveOwner {
public:
    CEleMotor();
    CEleMotor(const CEleMotor&) = default;
    CEleMotor& operator=(const CEleMotor&) = default;
    ~CEleMotor() override = default;

    void Serialize(fw::CArchive& ar) override;

    // Im in A from a capacity (kW), voltage and power factor; 0 below 1 V.
    double DoCalcFullLoadCurrent(double capacity, int32_t voltage, double powerFactor) const;
    double GetFullLoadCurrent() const;
    double GetStartingCurrent() const; // A
    double GetInrushCurrent() const;   // A
    double GetCapacity() const { return m_dCapacity; }
    int32_t IsSinglePhase() const { return m_nSinglePhase == 1 ? 1 : 0; }
    void SetSinglePhase(int32_t flag) { m_nSinglePhase = static_cast<uint32_t>(flag); }

    // Power factor, starting and inrush multiples and starting time from the
    // equipment database by capacity; all 0 without a row.
    void DoReadEquipByCapacity(double capacity);
    // Name and number; the first time also the voltage above, earthing, wire
    // system, 7.5 kW and the equipment values for it.
    void DoInitNewElement(const CEleInitArgs& args);
    uint32_t DoCheckData() const;
    // 1 when Im does not exceed the breaker's rating (A).
    int32_t IsOkRatedCurrent(double rating) const;

    // Rebuilds the starting curve into m_listPoints: (A x V, s). 0 and no
    // points when the motor draws no current.
    int DoCalcCurve();

    // --- drawing and labels -----------------------------------------------
    void DoDrawSymbol(fw::CDC* pDC, int32_t mode);
    std::string DoGetTextLabelV1() const;
    // The curve's label on a co-ordination graph.
    std::string DoGetTextLabelGraph() const;
    fw::CRect DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    fw::CRect DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);

    int32_t DoEditElement(const CEleEditContext& ctx);

    // --- the curve on co-ordination graphs (the graph list, selection and
    // label placement come with CEleCurveOwner) -------------------------------
    // The motor has a curve (a voltage of 1 V or more) and is not yet on
    // the graph.
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
    std::string DoGetTextPowerFactor() const;
    std::string DoGetTextFullLoadCurrent(int unit) const;
    std::string DoGetTextPhaseAngle(int unit) const;
    std::string DoGetTextStartingTimes(int unit) const;
    std::string DoGetTextStartingTime(int unit) const;
    std::string DoGetTextInrushTimes(int unit) const;
    std::string DoGetTextStartingCurrent(int unit) const;
    std::string DoGetTextInrushCurrent(int unit) const;

    double m_dCapacity = 0.0; // kW
    double m_dPowerFactor = 0.0;
    uint32_t m_nLeading = 0;         // 1 the current leads
    double m_dStartingCurrent = 0.0; // multiple of Im
    double m_dStartingTime = 0.0;    // s, at 600 %
    double m_dInrushCurrent = 0.0;   // multiple of Im
};
