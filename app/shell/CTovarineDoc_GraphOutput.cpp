// The document's output commands of the current co-ordination graph: the
// print in any size and the DXF drawing.

#include "app/shell/CTovarineDoc.h"

#include "app/protection/dialogs/CDlgPrintSpecial.h"
#include "app/records/TovarineIds.h"
#include "app/shell/CTovarineView2.h"
#include "framework/CommandIds.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"
#include "framework/SafeFile.h"
#include "framework/StringTable.h"

#include <optional>
#include <string>

namespace {

constexpr unsigned IDS_DXF_FILTER = 27264;

} // namespace

void CTovarineDoc::RegisterGraphOutputCommands() {
    OnCommand(tvid::ID_COORD_PRINT_SPECIAL, [this] { OnPrintSpecial(); });
    OnUpdateCommandUI(tvid::ID_COORD_PRINT_SPECIAL,
                      [this](fw::CCmdUI& ui) { ui.Enable(IsPrintSpecialEnabled()); });
    OnCommand(tvid::ID_COORD_DXF, [this] { OnDXFOutGraph(); });
    OnUpdateCommandUI(tvid::ID_COORD_DXF, [this](fw::CCmdUI& ui) { ui.Enable(IsDXFOutEnabled()); });
}

CTovarineView2* CTovarineDoc::FindCoordinationView() const {
    for (fw::CView* view : GetViews()) {
        if (auto* coordination = dynamic_cast<CTovarineView2*>(view))
            return coordination;
    }
    return nullptr;
}

bool CTovarineDoc::IsPrintSpecialEnabled() const {
    return FindCoordinationView() && m_listGraphs.GetCurrentGraph();
}

bool CTovarineDoc::IsDXFOutEnabled() const {
    const CObjGraph* graph = m_listGraphs.GetCurrentGraph();
    return FindCoordinationView() && graph && !GetElementsOnGraph(graph).empty();
}

void CTovarineDoc::OnPrintSpecial() {
    CTovarineView2* view = FindCoordinationView();
    CObjGraph* graph = m_listGraphs.GetCurrentGraph();
    if (!view || !graph)
        return;
    CDlgPrintSpecial dialog(graph->m_nPrintMode, graph->m_dPrintCurrentDecade,
                            graph->m_dPrintTimeDecade, view);
    if (s_execDialog(dialog) != QDialog::Accepted)
        return;
    // The sizes stay with the graph for the next time; the mode lasts for
    // this print only. No undo and no modified mark: nothing of the project
    // the user sees has changed.
    graph->m_nPrintMode = dialog.m_nMode;
    graph->m_dPrintCurrentDecade = dialog.m_dCurrentDecade;
    graph->m_dPrintTimeDecade = dialog.m_dTimeDecade;
    view->OnCmdMsg(fw::id::FILE_PRINT);
    graph->m_nPrintMode = 0;
    view->update();
}

void CTovarineDoc::OnDXFOutGraph() {
    CObjGraph* graph = m_listGraphs.GetCurrentGraph();
    if (!graph)
        return;
    fw::FileDialogRequest request;
    request.open = false;
    request.defaultExt = "dxf";
    request.fileName = "*.dxf";
    request.filter = fw::LoadString(IDS_DXF_FILTER);
    CTovarineView2* view = FindCoordinationView();
    const std::optional<std::string> chosen = fw::RunFileDialog(request, view);
    if (!chosen)
        return;
    std::string text;
    std::string error;
    if (!DoMakeDXFDrawing(*graph, GetDXFFormPath(graph->m_dCurrentMin), &text, &error)) {
        fw::AppMessageBox(error, fw::mb::Ok | fw::mb::IconExclamation);
        return;
    }
    try {
        fw::WriteFileSafely(*chosen, text.data(), text.size());
    } catch (const fw::CSafeFileException& e) {
        // The file the user chose is as it was before; the message names it
        // and the system's reason.
        fw::AppMessageBox(e.what(), fw::mb::Ok | fw::mb::IconExclamation);
    }
}
