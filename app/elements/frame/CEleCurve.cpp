#include "CEleCurve.h"

#include "app/protection/CObjGraph.h"

namespace {

uint32_t NumberOf(const CObjGraph* graph) {
    return graph ? graph->m_nGraphNo : 0;
}

} // namespace

int32_t CEleCurve::IsOnGraph(uint32_t graphNo) const {
    return m_listGraphNo.DoFindGraphNo(graphNo) ? 1 : 0;
}

void CEleCurve::AddToGraph(uint32_t graphNo, int32_t selected) {
    m_nCurveSelected = static_cast<uint32_t>(selected);
    m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(graphNo, 1);
}

void CEleCurve::RemoveFromGraph(uint32_t graphNo) {
    if (m_listGraphNo.DoDeleteGraphNo(graphNo))
        m_nCurveSelected = 0;
}

int32_t CEleCurve::IsSelectedCurve(const CObjGraph* graph, int32_t code) const {
    if (code == 0)
        return static_cast<int32_t>(m_nCurveSelected);
    if (code == 100) {
        const CGraphNo* entry = m_listGraphNo.DoFindGraphNo(NumberOf(graph));
        return entry ? entry->m_listRefV2.IsSelected(0) : 0;
    }
    return 0;
}

void CEleCurve::DoSelectCurve(const CObjGraph* graph, int32_t value, uint32_t flags, int32_t code) {
    if (code == 0) {
        if (!(flags & 4))
            m_nCurveSelected = static_cast<uint32_t>(value);
        else if (value == 1)
            m_nCurveSelected = m_nCurveSelected ? 0 : 1;
        return;
    }
    if (code != 100)
        return;
    if (!graph) {
        for (auto& entry : m_listGraphNo)
            entry->m_listRefV2.DoSelect(0, value, flags);
        return;
    }
    if (CGraphNo* entry = m_listGraphNo.DoFindGraphNo(graph->m_nGraphNo))
        entry->m_listRefV2.DoSelect(0, value, flags);
}

CObjRefV2* CEleCurve::GetCurveRefV2(const CObjGraph* graph) const {
    const CGraphNo* entry = m_listGraphNo.DoFindGraphNo(NumberOf(graph));
    if (!entry)
        return nullptr;
    CObjRefV2* ref = entry->m_listRefV2.GetAtIndex(0);
    return ref && ref->m_nSelected == 1 ? ref : nullptr;
}
