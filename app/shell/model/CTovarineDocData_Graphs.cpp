// The document's work on co-ordination graphs: the elements on a graph, the
// skeleton's selection from the curves, creating, filling, setting up and
// deleting graphs, and the DXF drawing of a graph.

#include "CTovarineDocData.h"

#include "app/elements/protection/CEleLVCB.h"
#include "app/protection/CGraphNoList.h"
#include "app/records/CTVUpdate.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"
#include "tools/Filvaron.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <istream>
#include <locale>
#include <ostream>
#include <sstream>
#include <string>

std::vector<CObjElement*> CTovarineDocData::GetElementsOnGraph(const CObjGraph* graph,
                                                               int32_t selectedOnly) const {
    std::vector<CObjElement*> elements;
    if (!graph)
        return elements;
    CObjElementList list;
    list.CollectFromGroupsFiltered(m_listGroups, graph, selectedOnly, 0);
    elements.assign(list.begin(), list.end());
    return elements;
}

int32_t CTovarineDocData::DoSelectByCurves(CObjGroupList& groups, const CObjGraph* graph) {
    int32_t last = 0;
    for (auto& owned : groups) {
        CObjGroup* group = owned.get();
        int32_t value = 0;
        bool changed = false;
        if (CObjElement* e = group->GetElement()) {
            const int32_t before = group->GetSelected();
            if (graph && e->IsOnGraph(graph->m_nGraphNo) != 0) {
                value = e->IsSelectedCurve(graph, 0);
                // The label carries the selection when the curve does not.
                if (value != 1)
                    value = e->IsSelectedCurve(graph, 100);
            }
            e->SetSelect(value);
            group->SetSelected(value);
            changed = value != before;
            last = value;
        } else {
            value = DoSelectByCurves(group->GetChildren(), graph);
            if (value != group->GetSelected()) {
                group->SetSelected(value);
                changed = true;
            }
        }
        if (changed) {
            group->DoSetTrackerStyle(m_nMode);
            InvalidateElement(group);
        }
    }
    return last;
}

CObjGraph* CTovarineDocData::DoCreateGraph(fw::CRect* area) {
    const int32_t number = IncrementCounter(0);
    CObjGraph* graph =
        m_listGraphs.DoAddNewGraph(static_cast<uint32_t>(number), CObjGraph::kCoordination,
                                   m_dCurrentFrom, m_dCurrentTo, m_dTimeFrom, m_dTimeTo);
    const fw::CRect rect = m_listGroups.DoAddToGraph(graph->m_nGraphNo, 1);
    if (area)
        *area = rect;
    return graph;
}

int CTovarineDocData::DoAddSelectedToGraph() {
    CObjGraph* graph = m_listGraphs.GetCurrentGraph();
    if (!graph)
        return 0;
    const int count = m_listGroups.CountAddableToGraph(graph->m_nGraphNo);
    m_listGroups.DoAddToGraph(graph->m_nGraphNo, 1, graph->m_nKind);
    return count;
}

CObjGraph* CTovarineDocData::DoDeleteGraph() {
    CObjGraph* graph = m_listGraphs.GetCurrentGraph();
    if (!graph)
        return nullptr;
    // Not only the elements that show a curve there: a breaker is on a
    // let-through graph through its own lists, and one without a
    // characteristic takes nothing off in its own removal; a number left
    // behind would name a graph that no longer exists.
    DoForgetGraph(graph->m_nGraphNo);
    DoSelectByCurves(m_listGroups, graph);
    CObjGraph* next = m_listGraphs.DoDeleteCurrentGraph();
    if (next)
        next->m_nCurrent = 1;
    return next;
}

void CTovarineDocData::DoForgetGraph(uint32_t graphNo) {
    // Deleting number 0 from a graph-number list deletes every entry.
    if (graphNo == 0)
        return;
    CObjElementList all;
    CollectElements(all);
    for (CObjElement* e : all) {
        e->RemoveFromGraph(graphNo);
        if (e->GetKind() != kKindLVCB)
            continue;
        auto* breaker = dynamic_cast<CEleLVCB*>(e->GetElement());
        if (!breaker)
            continue;
        breaker->m_currentSelect.RemoveFromGraph(graphNo);
        breaker->m_listGraphNoLimit.DoDeleteGraphNo(graphNo);
        breaker->m_listGraphNoI2t.DoDeleteGraphNo(graphNo);
        breaker->m_calcPointShock.m_listGraphNo.DoDeleteGraphNo(graphNo);
    }
}

bool CTovarineDocData::IsSoundGraphRanges(double currentMin, double currentMax, double timeMin,
                                          double timeMax) {
    auto sound = [](double low, double high) {
        return std::isfinite(low) && std::isfinite(high) && low > 0.0 && high > low;
    };
    return sound(currentMin, currentMax) && sound(timeMin, timeMax);
}

void CTovarineDocData::DoSetupGraph(CObjGraph& graph, const std::string& name, double currentMin,
                                    double currentMax, double timeMin, double timeMax) {
    graph.m_strName = name;
    graph.m_dCurrentMin = currentMin;
    graph.m_dCurrentMax = currentMax;
    graph.m_dTimeMin = timeMin;
    graph.m_dTimeMax = timeMax;
    m_dCurrentFrom = currentMin;
    m_dCurrentTo = currentMax;
    m_dTimeFrom = timeMin;
    m_dTimeTo = timeMax;
    const int32_t zoom = graph.m_nZoom > 0 ? graph.m_nZoom : 100;
    graph.DoCalcGraphRect(100000 / zoom, 60000 / zoom, 9500, 9800);
}

int CTovarineDocData::DoRemoveSelectedCurves(CObjGraph& graph) {
    const std::vector<CObjElement*> selected = GetElementsOnGraph(&graph, 1);
    for (CObjElement* e : selected)
        e->RemoveFromGraph(graph.m_nGraphNo);
    return static_cast<int>(selected.size());
}

void CTovarineDocData::DoToggleBand(CObjGraph& graph) {
    graph.m_nBand = graph.m_nBand == 1 ? 0 : 1;
    for (CObjElement* e : GetElementsOnGraph(&graph))
        e->SetCurveBand(graph.m_nBand);
}

// ---------------------------------------------------------------- commands

bool CTovarineDocData::IsCreateGraphEnabled() const {
    // The next graph's number: no element is on it, and an element that
    // refuses number 0 still answers for it.
    const uint32_t next = static_cast<uint32_t>(GetCounter(0)) + 1u;
    return m_listGroups.CountAddableToGraph(next) > 0;
}

bool CTovarineDocData::IsAddToGraphEnabled() const {
    const CObjGraph* graph = m_listGraphs.GetCurrentGraph();
    if (!graph || graph->m_nKind == CObjGraph::kCurrentLimiting ||
        graph->m_nKind == CObjGraph::kLetThrough)
        return false;
    return m_listGroups.CountAddableToGraph(graph->m_nGraphNo) > 0;
}

CObjGraph* CTovarineDocData::DoCoordCreate(fw::CRect* area) {
    SaveUndo();
    CObjGraph* graph = DoCreateGraph(area);
    SetModifiedFlag();
    UpdateAllViews(9, nullptr);
    return graph;
}

bool CTovarineDocData::DoCoordAdd() {
    const CObjGraph* graph = m_listGraphs.GetCurrentGraph();
    // Trip curves have no place on the axes of a let-through graph.
    if (!graph || graph->m_nKind == CObjGraph::kCurrentLimiting ||
        graph->m_nKind == CObjGraph::kLetThrough)
        return false;
    SaveUndo();
    DoAddSelectedToGraph();
    SetModifiedFlag();
    UpdateAllViews(12, nullptr);
    return true;
}

bool CTovarineDocData::DoCoordDelete() {
    if (!m_listGraphs.GetCurrentGraph())
        return false;
    SaveUndo();
    DoDeleteGraph();
    SetModifiedFlag();
    UpdateAllViews(11, nullptr);
    UpdateAllItems();
    return true;
}

bool CTovarineDocData::DoCoordSetup(const std::string& name, double currentMin, double currentMax,
                                    double timeMin, double timeMax) {
    CObjGraph* graph = m_listGraphs.GetCurrentGraph();
    // The layout divides by the decades of each axis.
    if (!graph || !IsSoundGraphRanges(currentMin, currentMax, timeMin, timeMax))
        return false;
    SaveUndo();
    DoSetupGraph(*graph, name, currentMin, currentMax, timeMin, timeMax);
    SetModifiedFlag();
    UpdateAllViews(10, nullptr);
    return true;
}

void CTovarineDocData::DoRenumberCommand() {
    SaveUndo();
    CObjElementList all;
    CollectElements(all);
    DoRenumber(all, 1);
    SetModifiedFlag();
    UpdateAllViews(tvhint::kPagesGrown, nullptr);
    UpdateAllItems();
}

// ---------------------------------------------------------------- DXF

CObjGraph CTovarineDocData::MakeDXFGraph(const CObjGraph& graph) {
    CObjGraph copy = graph;
    copy.m_dCurrentMin = 2.0;
    copy.m_dCurrentMax = 30000.0;
    copy.m_dTimeMin = 0.01;
    copy.m_dTimeMax = 10000.0;
    copy.m_nZoom = 100;
    copy.m_nPrint = 0;
    copy.m_nPrintMode = 0;
    return copy;
}

int CTovarineDocData::GetDXFFormIndex(double currentMin) {
    if (!(currentMin > 0.2))
        return 0;
    return currentMin < 2.0 ? 1 : 2;
}

std::string CTovarineDocData::GetDXFFormPath(double currentMin) {
    switch (GetDXFFormIndex(currentMin)) {
    case 0:
        return DLLGetPathDIRORAVE();
    case 1:
        return DLLGetPathREDAZID();
    default:
        return DLLGetPathDURUREVE();
    }
}

bool CTovarineDocData::DoMakeDXFDrawing(const CObjGraph& graph, const std::string& formPath,
                                        std::string* text, std::string* error) const {
    std::ifstream form(formPath, std::ios::binary);
    if (!form) {
        if (error)
            *error = formPath + "\n" + std::strerror(errno);
        return false;
    }
    const CObjGraph working = MakeDXFGraph(graph);
    std::ostringstream out;
    // The DXF reader wants "1234", never a grouped or comma form, whatever
    // locale the program was started in.
    out.imbue(std::locale::classic());
    const bool inserted = DoCopyDXFForm(
        form, out, [this, &working](std::ostream& file) { DoDXFOutGraph(file, working); });
    if (form.bad()) {
        if (error)
            *error = formPath + "\n" + std::strerror(errno);
        return false;
    }
    if (!inserted) {
        if (error)
            *error = formPath + "\nThe DXF form has no ENTITIES section: nothing was written.";
        return false;
    }
    if (text)
        *text = out.str();
    return true;
}

void CTovarineDocData::DoDXFOutGraph(std::ostream& out, const CObjGraph& graph) const {
    // The layout of the drawing in 0.1 mm; the curves are laid out on copies,
    // so the document's own elements never change.
    CObjGraph layout = graph;
    layout.DoSetGraphRect(fw::CRect(400, 1200, 2214, 3806));
    CObjElementList copies;
    if (copies.CollectFromGroupsFiltered(m_listGroups, &layout, 0, 1) == 0)
        return;
    const CEleDocSettings settings = GetEleSettings();
    for (CObjElement* e : copies)
        e->DoDXFOutCurve(out, &layout, settings);
    copies.DoDeleteElements();
}

bool CTovarineDocData::DoCopyDXFForm(std::istream& form, std::ostream& out,
                                     const std::function<void(std::ostream&)>& entities) {
    auto readLine = [&form](std::string& line) {
        if (!std::getline(form, line))
            return false;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return true;
    };
    bool inEntities = false;
    bool written = false;
    bool sectionOpened = false;
    std::string code;
    std::string value;
    while (readLine(code) && readLine(value)) {
        auto trimmed = [](const std::string& s) {
            const size_t a = s.find_first_not_of(" \t");
            const size_t b = s.find_last_not_of(" \t");
            return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
        };
        const std::string c = trimmed(code);
        const std::string v = trimmed(value);
        // The entities go once, before the ENDSEC that closes ENTITIES: a
        // later section's ENDSEC gets nothing. Section marks are group 0
        // (ENDSEC) and group 2 right after a group 0 SECTION (the section's
        // name); a text or a block reading "ENDSEC" or "ENTITIES" is no mark.
        if (inEntities && !written && c == "0" && v == "ENDSEC") {
            if (entities)
                entities(out);
            written = true;
            inEntities = false;
        }
        out << code << "\n" << value << "\n";
        if (!written && sectionOpened && c == "2" && v == "ENTITIES")
            inEntities = true;
        sectionOpened = c == "0" && v == "SECTION";
    }
    return written;
}
