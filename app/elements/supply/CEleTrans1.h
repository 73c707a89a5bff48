#pragma once

#include "app/calc/CPercentZ.h"
#include "app/elements/frame/CEleFrame.h"
#include "app/elements/supply/CEleTrans1Part.h"
#include "app/protection/CCurveOwner.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

class CObjGraph;
class CObjRefV2;

// The single-phase transformer with a centre-tapped secondary (kind 16).
// Winding 1 is the half-voltage (outer to middle) winding on half the
// capacity, winding 2 the full-voltage (outer to outer) winding; the element
// shows, checks and draws the rush curve of winding 2. The frame's voltage
// is the primary voltage.
class CEleTrans1 : public CEleFrame, public CCurveOwner {
public:
    CEleTrans1();
    CEleTrans1(const CEleTrans1&) = default;
    CEleTrans1& operator=(const CEleTrans1&) = default;
    ~CEleTrans1() override;

    // Side 1 the full secondary voltage, any other the primary; a voltage
    // below 1 is refused.
    int32_t GetVoltage(int32_t side = 0) const;
    int32_t SetVoltage(int32_t volts, int32_t side = 0);
    double GetCapacity() const { return m_dCapacity; }
    // Winding 2 is the calculation point the network sees.
    int32_t IsCalcPoint() const { return m_part2.m_nCalcPoint == 1 ? 1 : 0; }

    // The three-phase reduction's result goes to both windings, the loop
    // results to winding 2; clearing clears both.
    void DoSetCalcZ(CPercentZ& out, double base, const CPercentZ* first, const CPercentZ* second);
    void DoSetCalcZ2(CPercentZ& out, double base, const CPercentZ* first, const CPercentZ* second);
    void DoSetCalcZ2Ex(CPercentZ& out, double base, const CPercentZ* first,
                       const CPercentZ* second);
    void DoClearCalcZ();
    void DoClearCalcZ2();
    void DoClearCalcZ2Ex();

    void DoInitNewElement(const CEleInitArgs& args);

    // The half voltage, V2 / 2 in whole volts.
    int32_t GetHalfVoltage() const { return m_nVoltage2 / 2; }
    // The winding of selector 1 or 2; null for any other.
    const CEleTrans1Part* GetPart(int n) const;
    CEleTrans1Part* GetPart(int n);
    // The voltage and the capacity a winding works on (n 1 or 2; 0 else).
    int32_t GetPartVoltage(int n) const;
    double GetPartCapacity(int n) const;

    // Rated current of a winding, A (no √3); 0 when its voltage is not
    // above 0 or for another selector.
    double GetRatedCurrent(int n) const;
    double GetOwnOhmR(int n) const; // milliohms
    double GetOwnOhmX(int n) const;
    double GetRushPeakCurrent() const; // winding 2, A r.m.s.

    // Percent impedance on the reference capacity: n 1 the half winding, n 2
    // the full winding with the half-voltage difference pair (the network
    // always asks for 2).
    void DoCalcPercentZ(CPercentZ& result, double baseCapacity, int n) const;
    void DoCalcPercentZ(CPercentZ& result, const CEleDocSettings& settings) const {
        DoCalcPercentZ(result, settings.dBaseCapacity, 2);
    }

    // Both windings' values of the capacity from the equipment database.
    void DoReadByCapacity(double capacity, int32_t frequency, uint32_t controlId);

    // Checks winding 2's values only.
    int32_t DoCheckData() const;

    // Winding 2's rush curve: 0 (no points) when the rated current is 0.
    int DoCalcRushCurve();

    // Winding 2's rush curve on the graphs.
    int32_t IsOnGraph(uint32_t graphNo) const override { return m_part2.IsOnGraph(graphNo); }
    int32_t IsAddableToGraph(uint32_t graphNo) const override;
    void AddToGraph(uint32_t graphNo, int32_t selected) override {
        m_part2.AddToGraph(graphNo, selected);
    }
    void RemoveFromGraph(uint32_t graphNo) override { m_part2.RemoveFromGraph(graphNo); }
    void SetSelectCurve(int32_t value) override { m_part2.SetSelectCurve(value); }
    void DoSelectCurve(const CObjGraph* graph, int32_t value, uint32_t flags,
                       int32_t code) override {
        m_part2.DoSelectCurve(graph, value, flags, code);
    }
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
    // 0 for a graph the curve is not on.
    int32_t IsSelectedCurve(const CObjGraph* graph, int32_t code) const override;
    CObjRefV2* GetCurveRefV2(const CObjGraph* graph) const override {
        return m_part2.GetCurveRefV2(graph);
    }
    // The gap-line values of winding 2's curve.
    void DoDrawGapValue(fw::CDC* pDC, CObjGraph* graph, CGapLine* gapLine, int32_t labels,
                        const CEleInvalidate& invalidate) override {
        m_part2.DoDrawGapValue(pDC, graph, gapLine, labels, invalidate);
    }
    int32_t DoDrawGapLine(fw::CDC* pDC, CObjGraph* graph, CGapLine* gapLine, int32_t flag,
                          int32_t running) override {
        return m_part2.DoDrawGapLine(pDC, graph, gapLine, flag, running);
    }
    void GetGraphNoLists(std::vector<CGraphNoList*>& lists) override {
        lists.push_back(&m_part2.m_listGraphNo);
    }

    // Texts; n selects the winding (any other value gives an empty text).
    std::string DoGetTextPrimaryVoltage(int unit) const;
    std::string DoGetTextCapacity(int unit) const;
    std::string DoGetTextRushPeakCurrent(int unit) const;
    std::string DoGetTextVoltage(int n, int unit) const;
    std::string DoGetTextXR(int n) const;
    std::string DoGetTextOwnPercentZ(int n, int unit) const;
    std::string DoGetTextOwnPercentR(int n, int unit) const;
    std::string DoGetTextOwnPercentX(int n, int unit) const;
    std::string DoGetTextRatedCurrent(int n, int unit) const;
    std::string DoGetTextResistance(int n, int unit) const;
    std::string DoGetTextReactance(int n, int unit) const;
    std::string DoGetTextImpedance(int n, int unit) const;
    std::string DoGetTextPercentR(double baseCapacity, int n, int unit) const;
    std::string DoGetTextPercentX(double baseCapacity, int n, int unit) const;
    std::string DoGetTextPercentZ(double baseCapacity, int n, int unit) const;
    std::string DoGetTextTotalPercentR(int n, int unit) const;
    std::string DoGetTextTotalPercentX(int n, int unit) const;
    std::string DoGetTextTotalPercentZ(int n, int unit) const;
    std::string DoGetTextTotalResistance(double baseCapacity, int n, int unit) const;
    std::string DoGetTextTotalReactance(double baseCapacity, int n, int unit) const;
    std::string DoGetTextTotalImpedance(double baseCapacity, int n, int unit) const;
    std::string DoGetTextIk1Sym(int n, int unit) const;
    std::string DoGetTextIk1Asym(int n, int unit) const;
    std::string DoGetTextIk1Peak(int n, int unit) const;

    std::string DoGetTextCurveLabel(double graphVoltage) const;
    std::string DoGetTextLabelV1(int32_t documentMode) const;
    std::string DoGetTextLabelV4(double baseCapacity) const;

    void DoDrawSymbol(fw::CDC* pDC, int32_t mode);
    fw::CRect DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    fw::CRect DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);

    // Dialog 200 on a copy; making winding 2 a calculation point after a
    // calculation sends the document back to the check mode.
    int32_t DoEditElement(const CEleEditContext& ctx);

    // Pen and fill first, then the rectangle and the head words, the error
    // mark, the voltages, wire system and earthing, the capacity, both
    // windings and the placements; no part depends on the file version.
    void Serialize(fw::CArchive& ar) override;

    int32_t m_nVoltage2 = 0;  // full secondary (outer to outer), V
    double m_dCapacity = 0.0; // kVA
    CEleTrans1Part m_part1;   // half voltage
    CEleTrans1Part m_part2;   // full voltage
};
