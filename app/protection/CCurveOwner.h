#pragma once

#include "app/records/EleDocSettings.h"
#include "framework/DeviceContext.h"
#include "framework/Geometry.h"

#include <cstdint>
#include <iosfwd>
#include <vector>

class CGapLine;
class CGraphNoList;
class CObjAdjust;
class CObjGraph;
class CObjRefV2;

// What a co-ordination graph asks of everything drawn on it: the breakers,
// the thermal relay, the transformers' inrush curves, the motor's and the
// capacitor's curves. Each element model that owns a curve implements it, so
// the graph, the view and the document reach every curve the same way,
// whatever kind owns it.
//
// Codes (the "what" of an operation): 0 the curve, 1 a second
// characteristic, 100 and 101 their labels, 200 the short-circuit current
// line, 300 and 400 a low-voltage breaker's current markers. An owner
// answers the codes it has and gives 0 or does nothing for the others.
class CCurveOwner {
public:
    virtual ~CCurveOwner() = default;

    // The graphs the curve is shown on.
    virtual int32_t IsOnGraph(uint32_t graphNo) const = 0;
    // Whether the curve can be put on the graph (it has something to show
    // and is not there yet).
    virtual int32_t IsAddableToGraph(uint32_t graphNo) const = 0;
    virtual void AddToGraph(uint32_t graphNo, int32_t selected) = 0;
    // The same on a graph of the kind (CObjGraph's kinds): a low-voltage
    // breaker puts its current markers on cascade and discrimination graphs
    // too; the others add their curve as above.
    virtual void AddToGraph(uint32_t graphNo, int32_t selected, uint32_t graphKind) {
        (void)graphKind;
        AddToGraph(graphNo, selected);
    }
    virtual void RemoveFromGraph(uint32_t graphNo) = 0;
    // The label placement on the graph while it is selected, else null.
    virtual CObjRefV2* GetCurveRefV2(const CObjGraph* graph) const = 0;

    // Drawing, hit test and selection on a graph. Points are in the graph's
    // logical units.
    virtual void DoDrawCurve(fw::CDC* pDC, CObjGraph* graph, const CEleDocSettings& settings) = 0;
    virtual void DoInvalidateCurve(fw::CDC* pDC, CObjGraph* graph, int32_t code,
                                   const CEleInvalidate& invalidate) = 0;
    virtual int32_t IsHittedCurve(fw::CDC* pDC, CObjGraph* graph, fw::CPoint point,
                                  int32_t code) = 0;
    // With flag 4 (shift) a value of 1 toggles; without it the selection
    // takes the value. A null graph stands for every graph.
    virtual void DoSelectCurve(const CObjGraph* graph, int32_t value, uint32_t flags,
                               int32_t code) = 0;
    virtual void SetSelectCurve(int32_t value) = 0;
    virtual int32_t IsSelectedCurve(const CObjGraph* graph, int32_t code) const = 0;

    // The reference gap lines: invalidates the value labels (labels: which
    // of them, bit 1 times, bit 2 currents) through the view's callback, or
    // draws them (flag 1 the texts, 2 the leaders) for the measures the gap
    // line has on, numbering the current labels on from running; gives the
    // last number used.
    virtual void DoDrawGapValue(fw::CDC* pDC, CObjGraph* graph, CGapLine* gapLine, int32_t labels,
                                const CEleInvalidate& invalidate) = 0;
    virtual int32_t DoDrawGapLine(fw::CDC* pDC, CObjGraph* graph, CGapLine* gapLine, int32_t flag,
                                  int32_t running) = 0;

    virtual void DoDXFOutCurve(std::ostream& file, CObjGraph* graph,
                               const CEleDocSettings& settings) = 0;

    // The protective devices' characteristics (breakers, thermal relay): the
    // curves for the frequency, the label placed beside the curve, the band
    // or typical curve, and the characteristic in use (which: 0 the first,
    // 1 a low-voltage breaker's ground-fault characteristic). Owners without
    // one keep these answers.
    virtual void DoCalcCurve(int32_t frequency) { (void)frequency; }
    // After a setting changed on the graph: the curves computed again and
    // the label placed beside the curve, with whatever else the change asks
    // of the owner.
    virtual void DoDrawCurveLabel(fw::CDC* pDC, CObjGraph* graph, const CCurveChange& change) {
        (void)pDC;
        (void)graph;
        (void)change;
    }
    virtual void SetCurveBand(int32_t band) { (void)band; }
    virtual CObjAdjust* GetObjAdjust(int32_t* which = nullptr) const {
        if (which)
            *which = 0;
        return nullptr;
    }

    // Every list of graph placements the owner keeps (a low-voltage
    // breaker keeps several: its devices', its trip curve's and its
    // markers'), for the document's conversions of older files.
    virtual void GetGraphNoLists(std::vector<CGraphNoList*>& lists) { (void)lists; }

protected:
    CCurveOwner() = default;
    CCurveOwner(const CCurveOwner&) = default;
    CCurveOwner& operator=(const CCurveOwner&) = default;
};
