#pragma once

#include <cstdint>

class CGraphNoList;
class CObjRefV2;

// The co-ordination graphs on which a transformer's rush curve is shown: one
// entry of the graph list per graph, whose first label placement carries the
// curve's label, and the curve-selected flag of the owner.
namespace curvegraphs {

bool IsOnGraph(const CGraphNoList& graphs, uint32_t graphNo);
// The curve-selected flag takes the given value; an entry for the graph with
// one label placement is added.
void AddToGraph(CGraphNoList& graphs, uint32_t& curveSelected, uint32_t value, uint32_t graphNo);
// The graph's entries go; when one went, the curve is no longer selected.
void RemoveFromGraph(CGraphNoList& graphs, uint32_t& curveSelected, uint32_t graphNo);
// Code 0: the curve-selected flag becomes value (flag 4 with value 1
// toggles it); code 100: the label placement on the graph, or on every graph
// for graph number 0.
void DoSelectCurve(CGraphNoList& graphs, uint32_t& curveSelected, int32_t value, uint32_t flags,
                   uint32_t graphNo, int code);
// Code 0 the curve-selected flag, code 100 the label placement's; 0 when the
// curve is not on the graph.
uint32_t IsSelectedCurve(const CGraphNoList& graphs, uint32_t curveSelected, uint32_t graphNo,
                         int code);
// The curve's first label placement on the graph when it is selected.
CObjRefV2* GetCurveRefV2(const CGraphNoList& graphs, uint32_t graphNo);

} // namespace curvegraphs
