#pragma once

#include "app/calc/CCalcPoint.h"
#include "app/calc/CPercentZ.h"
#include "app/elements/frame/CEleCurve.h"
#include "app/elements/frame/CEleFrame.h"

#include <cstdint>
#include <iosfwd>
#include <string>

class CObjGraph;

// The three-phase two-winding transformer (kind 5): voltages, the earthing
// system of its low-voltage side, capacity, percent impedance and X/R, and
// the rush current with its curve for the co-ordination graphs. It carries a
// calculation point. The frame's voltage is the primary voltage.
class CEleTrans3 : public CEleFrame, public CEleCurveOwner {
public:
    CEleTrans3();
    CEleTrans3(const CEleTrans3& other);
    CEleTrans3& operator=(const CEleTrans3& other);
    ~CEleTrans3() override;

    // Side 1 the secondary voltage, any other the primary; a voltage below
    // 1 is refused (it comes back and nothing changes).
    int32_t GetVoltage(int32_t side = 0) const;
    int32_t SetVoltage(int32_t volts, int32_t side = 0);
    double GetCapacity() const { return m_dCapacity; }
    int32_t IsCalcPoint() const { return m_nCalcPoint == 1 ? 1 : 0; }

    void DoSetCalcZ(CPercentZ& out, double base, const CPercentZ* first, const CPercentZ* second);
    void DoSetCalcZ2(CPercentZ& out, double base, const CPercentZ* first, const CPercentZ* second);
    void DoSetCalcZ2Ex(CPercentZ& out, double base, const CPercentZ* first,
                       const CPercentZ* second);
    void DoClearCalcZ();
    void DoClearCalcZ2();
    void DoClearCalcZ2Ex();

    // First defaults of a new transformer: the primary voltage found above,
    // the secondary below (else the low-voltage list's default), the
    // earthing and its wire system, the default capacity with its values.
    void DoInitNewElement(const CEleInitArgs& args);

    // Quantities derived from the data.
    double GetRatedCurrent() const; // It, A
    double GetOwnPercentR() const;  // on the own capacity
    double GetOwnPercentX() const;
    double GetOwnOhmR() const; // milliohms at the secondary voltage
    double GetOwnOhmX() const;
    double GetOwnOhmZ() const;
    double GetRushPeakCurrent() const; // A r.m.s.

    // Percent impedance on the reference capacity (kVA): the phase pair only.
    void DoCalcPercentZ(CPercentZ& result, double baseCapacity) const;
    void DoCalcPercentZ(CPercentZ& result, const CEleDocSettings& settings) const {
        DoCalcPercentZ(result, settings.dBaseCapacity);
    }

    // Reads %Z, X/R, rush peak and damping time of the capacity from the
    // equipment database; an edited %Z (1083) or X/R (1086) is kept.
    // Without the equipment database the values are those of a missing row.
    void DoReadByCapacity(double capacity, int32_t frequency, uint32_t controlId);

    // Control id of the first bad value, 0 when all are good.
    int32_t DoCheckData() const;

    // The rush-current curve into the curve points (m_listPoints): 1 when
    // there is one, 0 (no points) when the rated current is 0.
    int DoCalcRushCurve();

    // There is a curve (a rated current) and it is not on the graph yet.
    int32_t IsAddableToGraph(uint32_t graphNo) const override;
    // The rush curve on a co-ordination graph, built afresh: drawn in its
    // line style (red while selected on screen) with its label (the curve
    // label for the graph's voltage) beside its first point, written as the
    // label's DXF texts and a DXF polyline, hit (code 0 the curve as last
    // drawn, 100 its label) and invalidated.
    void DoDrawCurve(fw::CDC* pDC, CObjGraph* graph, const CEleDocSettings& settings) override;
    void DoDXFOutCurve(std::ostream& file, CObjGraph* graph,
                       const CEleDocSettings& settings) override;
    int32_t IsHittedCurve(fw::CDC* pDC, CObjGraph* graph, fw::CPoint point, int32_t code) override;
    void DoInvalidateCurve(fw::CDC* pDC, CObjGraph* graph, int32_t code,
                           const CEleInvalidate& invalidate) override;
    // As the shared curve owner, but 0 for a graph the curve is not on.
    int32_t IsSelectedCurve(const CObjGraph* graph, int32_t code) const override;

    // Report and dialog texts; unit 1 appends the unit text.
    std::string DoGetTextPrimaryVoltage(int unit) const;
    std::string DoGetTextSecondaryVoltage(int unit) const;
    std::string DoGetTextCapacity(int unit) const;
    std::string DoGetTextXR() const;
    std::string DoGetTextOwnPercentZ(int unit) const;
    std::string DoGetTextOwnPercentR(int unit) const;
    std::string DoGetTextOwnPercentX(int unit) const;
    std::string DoGetTextRatedCurrent(int unit) const;
    std::string DoGetTextResistance(int unit) const;
    std::string DoGetTextReactance(int unit) const;
    std::string DoGetTextImpedance(int unit) const;
    std::string DoGetTextRushPeakTimes(int unit) const;
    std::string DoGetTextRushPeakCurrent(int unit) const;
    std::string DoGetTextDampingTime(int unit) const;
    std::string DoGetTextDampingCycles(int32_t frequency, int unit) const;
    std::string DoGetTextEarthing() const;
    std::string DoGetTextPercentR(double baseCapacity, int unit) const;
    std::string DoGetTextPercentX(double baseCapacity, int unit) const;
    std::string DoGetTextPercentZ(double baseCapacity, int unit) const;
    std::string DoGetTextTotalPercentR(int unit) const;
    std::string DoGetTextTotalPercentX(int unit) const;
    std::string DoGetTextTotalPercentZ(int unit) const;
    std::string DoGetTextTotalResistance(double baseCapacity, int unit) const;
    std::string DoGetTextTotalReactance(double baseCapacity, int unit) const;
    std::string DoGetTextTotalImpedance(double baseCapacity, int unit) const;
    std::string DoGetTextTotalIk3Sym(int unit) const;
    std::string DoGetTextTotalIk3Asym(int unit) const;
    std::string DoGetTextTotalIk3Peak(int unit) const;
    std::string DoGetTextDirectPercentR(int unit) const;
    std::string DoGetTextDirectPercentX(int unit) const;
    std::string DoGetTextDirectPercentZ(int unit) const;
    std::string DoGetTextDirectResistance(double baseCapacity, int unit) const;
    std::string DoGetTextDirectReactance(double baseCapacity, int unit) const;
    std::string DoGetTextDirectImpedance(double baseCapacity, int unit) const;
    std::string DoGetTextDirectIk3Sym(int unit) const;
    std::string DoGetTextDirectIk3Asym(int unit) const;
    std::string DoGetTextDirectIk3Peak(int unit) const;

    // The curve's label on a graph of reference voltage graphVoltage.
    std::string DoGetTextCurveLabel(double graphVoltage) const;
    // Skeleton label (the direct current line from mode 3 on) and
    // impedance-map label.
    std::string DoGetTextLabelV1(int32_t documentMode) const;
    std::string DoGetTextLabelV4(double baseCapacity) const;

    // The symbol: mode 0 the skeleton, 1 the impedance map.
    void DoDrawSymbol(fw::CDC* pDC, int32_t mode);
    fw::CRect DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    fw::CRect DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);

    // Dialog 164 on a copy; making the transformer a calculation point after
    // a calculation sends the document back to the check mode.
    int32_t DoEditElement(const CEleEditContext& ctx);

    void Serialize(fw::CArchive& ar) override;

    // The frame's m_nVoltage is the primary voltage, m_nEarthing the earthing
    // of the low-voltage side.
    int32_t m_nVoltage2 = 0;  // secondary, V
    double m_dCapacity = 0.0; // kVA
    double m_dPercentZ = 0.0; // % on the own capacity
    double m_dXR = 0.0;
    double m_dRushPeak = 0.0;    // multiple of It
    double m_dDampingTime = 0.0; // ms
    uint32_t m_nCalcPoint = 0;
    CCalcPoint m_calcPoint;
    // The curve owner's points (the rush curve), graphs, line style and
    // curve-selected flag come with CEleCurveOwner.
};
