#include "CurveOnGraphs.h"

#include "app/protection/CGraphNoList.h"

namespace curvegraphs {

bool IsOnGraph(const CGraphNoList& graphs, uint32_t graphNo) {
    return graphs.DoFindGraphNo(graphNo) != nullptr;
}

void AddToGraph(CGraphNoList& graphs, uint32_t& curveSelected, uint32_t value, uint32_t graphNo) {
    curveSelected = value;
    graphs.DoAddNewGraphNo()->DoSetGraphNo(graphNo, 1);
}

void RemoveFromGraph(CGraphNoList& graphs, uint32_t& curveSelected, uint32_t graphNo) {
    // Graph number 0 names no graph: nothing is removed.
    if (graphNo == 0)
        return;
    if (graphs.DoDeleteGraphNo(graphNo) == 1)
        curveSelected = 0;
}

void DoSelectCurve(CGraphNoList& graphs, uint32_t& curveSelected, int32_t value, uint32_t flags,
                   uint32_t graphNo, int code) {
    if (code == 0) {
        if (!(flags & 4))
            curveSelected = static_cast<uint32_t>(value);
        else if (value == 1)
            curveSelected = curveSelected ? 0 : 1;
        return;
    }
    if (code != 100)
        return;
    if (graphNo == 0) {
        for (auto& entry : graphs)
            entry->m_listRefV2.DoSelect(0, value, flags);
        return;
    }
    if (CGraphNo* entry = graphs.DoFindGraphNo(graphNo))
        entry->m_listRefV2.DoSelect(0, value, flags);
}

uint32_t IsSelectedCurve(const CGraphNoList& graphs, uint32_t curveSelected, uint32_t graphNo,
                         int code) {
    const CGraphNo* entry = graphs.DoFindGraphNo(graphNo);
    if (!entry)
        return 0;
    if (code == 0)
        return curveSelected;
    if (code == 100)
        return static_cast<uint32_t>(entry->m_listRefV2.IsSelected(0));
    return 0;
}

CObjRefV2* GetCurveRefV2(const CGraphNoList& graphs, uint32_t graphNo) {
    const CGraphNo* entry = graphs.DoFindGraphNo(graphNo);
    if (!entry || entry->m_listRefV2.IsSelected(0) != 1)
        return nullptr;
    return entry->m_listRefV2.GetAtIndex(0);
}

} // namespace curvegraphs
