// The project document's commands on co-ordination graphs: create, fill,
// set up and delete them, measure on them, their page and print set-up, and
// the print set-up of the skeleton and the reports; with their enabling.

#include "CTovarineDoc.h"

#include "CMainFrame.h"
#include "CTovarineApp.h"
#include "CTovarineView1.h"
#include "CTovarineView2.h"

#include "app/elements/supply/dialogs/MachineDialogKit.h"
#include "app/protection/CObjGraph.h"
#include "app/protection/dialogs/CDlgSetupGraph.h"
#include "app/records/TovarineIds.h"
#include "app/shell/model/CObjGroup.h"

#include "framework/MessageBox.h"
#include "framework/StringTable.h"

namespace {

constexpr int32_t kCell = kGridUnit; // 40 logical units

} // namespace

void CTovarineDoc::RegisterGraphCommands() {
    auto hasGraph = [this] { return m_listGraphs.GetCurrentGraph() != nullptr; };
    OnCommand(tvid::ID_COORD_CREATE, [this] { OnCoordCreate(); });
    OnUpdateCommandUI(tvid::ID_COORD_CREATE,
                      [this](fw::CCmdUI& ui) { ui.Enable(IsCreateGraphEnabled()); });
    OnCommand(tvid::ID_COORD_ADD, [this] { OnCoordAdd(); });
    OnUpdateCommandUI(tvid::ID_COORD_ADD,
                      [this](fw::CCmdUI& ui) { ui.Enable(IsAddToGraphEnabled()); });
    OnCommand(tvid::ID_COORD_DELETE_GRAPH, [this] { OnCoordDelete(); });
    OnCommand(tvid::ID_COORD_SETUP, [this] { OnCoordSetup(); });
    OnUpdateCommandUI(tvid::ID_COORD_SETUP, [this, hasGraph](fw::CCmdUI& ui) {
        ui.Enable(hasGraph() && !IsMeasuring());
    });
    OnCommand(tvid::ID_COORD_MEASURE, [this] { OnCoordMeasure(); });
    OnUpdateCommandUI(tvid::ID_COORD_MEASURE, [this, hasGraph](fw::CCmdUI& ui) {
        ui.Enable(hasGraph());
        ui.SetCheck(IsMeasuring() ? 1 : 0);
    });
    OnCommand(tvid::ID_PAGE_SETUP_COORD, [this] { OnPageSetupCoord(); });
    for (unsigned id :
         {tvid::ID_PRINT_SETUP_SKELETON, tvid::ID_PRINT_SETUP_COORD, tvid::ID_PRINT_SETUP_REPORTS})
        OnCommand(id, [this, id] { OnPrintSetup(id); });
    // What acts on the current graph waits for one.
    for (unsigned id :
         {tvid::ID_COORD_DELETE_GRAPH, tvid::ID_PAGE_SETUP_COORD, tvid::ID_PRINT_SETUP_COORD})
        OnUpdateCommandUI(id, [hasGraph](fw::CCmdUI& ui) { ui.Enable(hasGraph()); });
    OnCommand(tvid::ID_RENUMBER, [this] { OnRenumber(); });
}

bool CTovarineDoc::IsMeasuring() const {
    const CTovarineView2* view = FindCoordinationView();
    return view && view->IsGapSheetOpen();
}

void CTovarineDoc::OnCoordCreate() {
    BeginWaitCursor();
    fw::CRect area;
    DoCoordCreate(&area);
    GetCoordinationView(0);
    DoScrollSkeletonTo(area);
    EndWaitCursor();
}

void CTovarineDoc::OnCoordAdd() {
    if (!m_listGraphs.GetCurrentGraph())
        return;
    BeginWaitCursor();
    if (DoCoordAdd())
        GetCoordinationView(0);
    EndWaitCursor();
}

void CTovarineDoc::OnCoordDelete() {
    if (fw::AppMessageBox(fw::LoadString(tvid::IDS_DELETE_GRAPH_ASK),
                          fw::mb::YesNo | fw::mb::IconQuestion) != fw::mb::IdYes)
        return;
    DoCoordDelete();
}

void CTovarineDoc::OnCoordSetup() {
    CObjGraph* graph = m_listGraphs.GetCurrentGraph();
    if (!graph)
        return;
    std::string currentLabel;
    std::string timeLabel;
    CDlgSetupGraph::GetLabels(graph->m_nKind, &currentLabel, &timeLabel);
    CDlgSetupGraph dialog(graph->m_strName, graph->m_dCurrentMin, graph->m_dCurrentMax,
                          graph->m_dTimeMin, graph->m_dTimeMax, currentLabel, timeLabel,
                          machinedlg::DialogParent());
    if (s_execDialog(dialog) != QDialog::Accepted)
        return;
    DoCoordSetup(dialog.m_strName, dialog.m_dCurrentMin, dialog.m_dCurrentMax, dialog.m_dTimeMin,
                 dialog.m_dTimeMax);
}

void CTovarineDoc::OnCoordMeasure() {
    if (!m_listGraphs.GetCurrentGraph())
        return;
    if (CTovarineView2* view = FindCoordinationView())
        view->OnMeasure();
}

void CTovarineDoc::OnPageSetupCoord() {
    if (CObjGraph* graph = m_listGraphs.GetCurrentGraph())
        OnPageSetup(&graph->m_rectMargins);
}

void CTovarineDoc::OnPrintSetup(unsigned id) {
    uint16_t* orientation = nullptr;
    uint16_t* paper = nullptr;
    if (id == tvid::ID_PRINT_SETUP_SKELETON) {
        orientation = &m_infoSkeleton.m_nOrientation;
        paper = &m_infoSkeleton.m_nPaperSize;
    } else if (id == tvid::ID_PRINT_SETUP_REPORTS) {
        orientation = &m_infoReport.m_nOrientation;
        paper = &m_infoReport.m_nPaperSize;
    } else if (CObjGraph* graph = m_listGraphs.GetCurrentGraph()) {
        orientation = &graph->m_nOrientation;
        paper = &graph->m_nPaperSize;
    }
    CTovarineApp* app = TovarineApp();
    if (!orientation || !app)
        return;
    int16_t chosenOrientation = static_cast<int16_t>(*orientation);
    int16_t chosenPaper = static_cast<int16_t>(*paper);
    if (app->DoPrintSetup(chosenOrientation, chosenPaper) != fw::mb::IdOk)
        return;
    // An undoable step, but printer choices do not make the project ask to
    // be saved.
    SaveUndo();
    *orientation = static_cast<uint16_t>(chosenOrientation);
    *paper = static_cast<uint16_t>(chosenPaper);
    // The impedance map prints with the skeleton's printer settings.
    if (id == tvid::ID_PRINT_SETUP_SKELETON) {
        m_infoImpeMap.m_nOrientation = *orientation;
        m_infoImpeMap.m_nPaperSize = *paper;
    }
}

void CTovarineDoc::OnRenumber() {
    DoRenumberCommand();
}

void CTovarineDoc::DoScrollSkeletonTo(const fw::CRect& area) {
    CTovarineView1* view = GetSkeletonView();
    if (!view || area.IsRectEmpty())
        return;
    CInfoSkeleton& info = m_infoSkeleton;
    const int32_t zoom = info.m_nZoom > 0 ? info.m_nZoom : 100;
    // Cells are 40 logical units, 40 x zoom / 100 units of the scroll
    // position: the window, its origin and the area's centre in cells.
    const fw::CRect client = view->GetClientRect();
    const fw::CPoint scroll = view->GetScrollPosition();
    const int32_t visibleX = client.Width() * 100 / zoom / kCell;
    const int32_t visibleY = client.Height() * 100 / zoom / kCell;
    const int32_t originX = scroll.x * 100 / zoom / kCell;
    const int32_t originY = scroll.y * 100 / zoom / kCell;
    const int32_t centreX = (area.left + area.right) / 2 / kCell;
    const int32_t centreY = (area.top + area.bottom) / 2 / kCell;
    auto positionFor = [zoom](int32_t centre, int32_t visible) {
        return static_cast<int32_t>((centre - visible / 2) * kCell * zoom / 100.0);
    };
    if ((centreX < originX || centreX >= originX + visibleX) && visibleX < info.m_nFrameCountX) {
        view->ScrollToPosition(fw::CPoint(positionFor(centreX, visibleX), info.m_ptScroll.y));
        info.m_ptScroll.x = view->GetScrollPosition().x;
    }
    if ((centreY < originY || centreY >= originY + visibleY) && visibleY < info.m_nFrameCountY) {
        view->ScrollToPosition(fw::CPoint(info.m_ptScroll.x, positionFor(centreY, visibleY)));
        info.m_ptScroll.y = view->GetScrollPosition().y;
    }
}
