#include "RegisterCoordSheets.h"

#include "CDlgGapLineSheet.h"

#include "app/protection/CObjGraph.h"
#include "app/shell/CTovarineDoc.h"
#include "app/shell/CTovarineView2.h"

#include <QObject>
#include <QPointer>

namespace {

// The view behind the gap-line sheet. The reference drawing is painted with
// the graph while the sheet is open, so every toggle and redraw is a repaint
// of the view (the document modified, its items told).
class CViewGapHost : public QObject, public CGapLineSheetHost {
public:
    CViewGapHost(CTovarineView2& view, QObject* sheet) : QObject(sheet), m_pView(&view) {}
    void DoToggleMeasureTime(int32_t) override { Repaint(); }
    void DoToggleMeasureCurrent(int32_t) override { Repaint(); }
    void DoRedrawMeasureTime(int32_t firstPass) override {
        if (firstPass != 1)
            Repaint();
    }
    void DoRedrawMeasureCurrent(int32_t firstPass) override {
        if (firstPass != 1)
            Repaint();
    }
    void OnGapSheetClosed() override {
        if (m_pView)
            m_pView->OnGapSheetClosed();
    }

private:
    void Repaint() {
        if (!m_pView)
            return;
        if (CTovarineDoc* doc = m_pView->GetDocument()) {
            doc->SetModifiedFlag();
            doc->UpdateAllItems();
        }
        m_pView->update();
    }
    QPointer<CTovarineView2> m_pView;
};

} // namespace

void RegisterCoordinationSheets() {
    CTovarineView2::s_gapSheetFactory = [](CTovarineView2& view, CObjElement*) -> QWidget* {
        CTovarineDoc* doc = view.GetDocument();
        CObjGraph* graph = view.GetCurrentGraph();
        if (!doc || !graph)
            return nullptr;
        auto* sheet = new CDlgGapLineSheet(*doc, *graph, nullptr, &view);
        sheet->SetHost(new CViewGapHost(view, sheet));
        sheet->DoStartPages();
        return sheet;
    };
}
