#pragma once

#include "app/protection/CGraphNoList.h"
#include "breakerdata/model/CInfoLine.h"
#include "breakerdata/model/CdPointList.h"

#include <cstdint>

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

    CdPointList m_listPoints; // not stored
    uint32_t m_nCurveSelected = 0;
    CGraphNoList m_listGraphNo;
    CInfoLine m_infoLine;
};
