#include "CDlgGapLineSheet.h"

#include "CDlgGapLine.h"

#include "app/protection/CObjGraph.h"

namespace {
const char* const kTitle = "measure lag of time and current";
}

CDlgGapLineSheet::CDlgGapLineSheet(CTovarineDocData& doc, const CObjGraph& graph,
                                   CGapLineSheetHost* host, QWidget* parent)
    : CModelessSheet(kTitle, parent), m_pHost(host),
      m_pPage(new CDlgGapLine(doc, graph.m_dCurrentMin, graph.m_dCurrentMax, graph.m_dTimeMin,
                              graph.m_dTimeMax)) {
    AddPage(m_pPage);
}

CDlgGapLineSheet::~CDlgGapLineSheet() {
    RemovePage(m_pPage);
    delete m_pPage;
}

void CDlgGapLineSheet::OnSheetClosing() {
    CGapLineSheetHost* host = m_pHost;
    m_pHost = nullptr;
    if (host)
        host->OnGapSheetClosed();
}
