#pragma once

#include "app/protection/CCurveOwner.h"
#include "app/protection/CGraphNoList.h"
#include "breakerdata/model/CInfoLine.h"
#include "breakerdata/model/CdPointList.h"

#include <cstdint>
#include <vector>

class CGapLine;
class CObjGraph;
class CObjRefV2;

// What the curve owners among the element models (three-phase and
// single-phase transformer, motor, capacitor) share: the curve points, which
// are rebuilt from the data whenever they are drawn and never stored, the
// curve-selected flag, the graphs the curve is shown on with its label
// placement there, and the line style. A model derives from it beside
// CEleFrame and writes the stored parts in its record in its own order.
class CEleCurve {
public:
    // Whether the curve is shown on graph n.
    int32_t IsOnGraph(uint32_t graphNo) const;
    // The curve-selected flag takes the value and the graph gets an entry
    // with one label placement (the curve's label).
    void AddToGraph(uint32_t graphNo, int32_t selected);
    // Removes the graph's entries; the curve-selected flag becomes 0 when
    // one was removed.
    void RemoveFromGraph(uint32_t graphNo);

    void SetSelectCurve(int32_t value) { m_nCurveSelected = static_cast<uint32_t>(value); }
    // Code 0: the curve-selected flag; code 100: the label on the graph.
    int32_t IsSelectedCurve(const CObjGraph* graph, int32_t code) const;
    // Code 0: the curve-selected flag becomes value, or with flag 4 and a
    // value of 1 toggles; code 100: the same on the label placement of the
    // graph, or on every graph's when no graph is given.
    void DoSelectCurve(const CObjGraph* graph, int32_t value, uint32_t flags, int32_t code);
    // The label placement on the graph when it is selected, else null.
    CObjRefV2* GetCurveRefV2(const CObjGraph* graph) const;

    // The reference gap lines, read off the rising part of the curve as the
    // last drawing left it on the graph (up to the point after which the
    // current falls first): nothing when the curve is not on the graph.
    // Erases the value labels (labels: bit 1 the time, bit 2 the current)
    // through the callback; the time label's rectangle reaches 300 further
    // left, over its leader.
    void DoDrawGapValue(fw::CDC* pDC, const CObjGraph* graph, const CGapLine* gapLine,
                        int32_t labels, const CEleInvalidate& invalidate) const;
    // For the measures the gap line has on, flag 1 draws the value texts,
    // any other the leaders: the time on the current standard line (label
    // 1), the current on the time standard line numbered on from running.
    // Gives the last number used.
    int32_t DoDrawGapLine(fw::CDC* pDC, const CObjGraph* graph, const CGapLine* gapLine,
                          int32_t flag, int32_t running);

    CdPointList m_listPoints; // not stored
    uint32_t m_nCurveSelected = 0;
    CGraphNoList m_listGraphNo;
    CInfoLine m_infoLine;
    // Not stored: the number the current label was last drawn with, so that
    // it is erased where it stands.
    int32_t m_nGapLabel = 0;
};

// The curve owner of a model that keeps its one curve in a CEleCurve part
// (three-phase transformer, motor, capacitor): the graph registrations and
// the selection are the part's; the model builds, draws, writes, hits and
// invalidates the curve and says when it can go on a graph.
class CEleCurveOwner : public CEleCurve, public CCurveOwner {
public:
    int32_t IsOnGraph(uint32_t graphNo) const override { return CEleCurve::IsOnGraph(graphNo); }
    void AddToGraph(uint32_t graphNo, int32_t selected) override {
        CEleCurve::AddToGraph(graphNo, selected);
    }
    void RemoveFromGraph(uint32_t graphNo) override { CEleCurve::RemoveFromGraph(graphNo); }
    void SetSelectCurve(int32_t value) override { CEleCurve::SetSelectCurve(value); }
    int32_t IsSelectedCurve(const CObjGraph* graph, int32_t code) const override {
        return CEleCurve::IsSelectedCurve(graph, code);
    }
    void DoSelectCurve(const CObjGraph* graph, int32_t value, uint32_t flags,
                       int32_t code) override {
        CEleCurve::DoSelectCurve(graph, value, flags, code);
    }
    CObjRefV2* GetCurveRefV2(const CObjGraph* graph) const override {
        return CEleCurve::GetCurveRefV2(graph);
    }
    void DoDrawGapValue(fw::CDC* pDC, CObjGraph* graph, CGapLine* gapLine, int32_t labels,
                        const CEleInvalidate& invalidate) override {
        CEleCurve::DoDrawGapValue(pDC, graph, gapLine, labels, invalidate);
    }
    int32_t DoDrawGapLine(fw::CDC* pDC, CObjGraph* graph, CGapLine* gapLine, int32_t flag,
                          int32_t running) override {
        return CEleCurve::DoDrawGapLine(pDC, graph, gapLine, flag, running);
    }
    void GetGraphNoLists(std::vector<CGraphNoList*>& lists) override {
        lists.push_back(&m_listGraphNo);
    }

protected:
    CEleCurveOwner() = default;
    CEleCurveOwner(const CEleCurveOwner&) = default;
    CEleCurveOwner& operator=(const CEleCurveOwner&) = default;
};
