#include "CObjGraphList.h"

#include <memory>

CObjGraph* CObjGraphList::GetCurrentGraph() const {
    CObjGraph* current = nullptr;
    for (const auto& graph : *this)
        if (graph->m_nCurrent == 1)
            current = graph.get();
    return current;
}

CObjGraph* CObjGraphList::DoAddNewGraph(uint32_t number, uint32_t kind, double currentMin,
                                        double currentMax, double timeMin, double timeMax) {
    for (auto& graph : *this)
        graph->m_nCurrent = 0;
    CObjGraph* graph = AddNew();
    // "%d" of the number, as the file's signed word reads it.
    graph->m_strName =
        CObjGraph::GetKindCaption(kind) + std::to_string(static_cast<int32_t>(number));
    graph->m_dCurrentMin = currentMin;
    graph->m_dCurrentMax = currentMax;
    graph->m_dTimeMin = timeMin;
    graph->m_dTimeMax = timeMax;
    graph->m_nGraphNo = number;
    graph->m_nKind = kind;
    graph->m_nCurrent = 1;
    graph->DoCalcGraphRect(1000, 600, 9500, 9800);
    return graph;
}

CObjGraph* CObjGraphList::DoDeleteCurrentGraph() {
    for (auto it = begin(); it != end();) {
        if ((*it)->m_nCurrent == 1)
            it = DeleteAt(it);
        else
            ++it;
    }
    return GetTail();
}
