#pragma once

#include "app/protection/dialogs/CAdjustSheet.h"
#include "app/records/CObjRefV2.h"

#include "framework/Geometry.h"
#include "framework/ScrollView.h"

#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CCurveOwner;
class CObjElement;
class CObjGraph;
class CTovarineDoc;
class QComboBox;
class QMimeData;
class QWidget;

// The co-ordination view: the document's current co-ordination graph with
// the curves of every element placed on it, at the zoom of the frame's zoom
// box. Curves are picked by click (the adjustment sheet opens for a single
// curve), their labels moved by drag and drop, curves taken off the graph,
// band or typical display switched; the graph is printed on one page, also
// with a chosen decade size. The reference lines of the gap sheet are drawn
// over the curves while that sheet is open.
class CTovarineView2 : public fw::CScrollView, public CAdjustSheetHost {
    FW_DECLARE_VIEW(CTovarineView2)
public:
    CTovarineView2();
    ~CTovarineView2() override;

    CTovarineDoc* GetDocument() const;
    // The document's current graph, or null.
    CObjGraph* GetCurrentGraph() const;
    // The elements with a curve on the graph, in tree order, as the graph's
    // curve owners.
    std::vector<CObjElement*> GetElementsOnGraph(const CObjGraph* graph) const;
    static std::vector<CCurveOwner*> AsOwners(const std::vector<CObjElement*>& elements);

    void OnInitialUpdate() override;
    void OnUpdate(fw::CView* sender, long hint, fw::CObject* hintObject) override;
    void OnPrepareDC(fw::CDC* pDC) override;
    void OnDraw(fw::CDC* pDC) override;
    bool OnPreparePrinting(fw::CPrintInfo* pInfo) override;
    void OnBeginPrinting(fw::CDC* pDC, fw::CPrintInfo* pInfo) override;
    void OnPrint(fw::CDC* pDC, fw::CPrintInfo* pInfo) override;
    void OnEndPrinting(fw::CDC* pDC, fw::CPrintInfo* pInfo) override;

    // A context of the window prepared with the view's mapping (nothing is
    // painted through it).
    std::unique_ptr<fw::CDC> GetClientDC();
    // The zoom a graph is shown at: its own, 100 for one that makes no sense.
    static int32_t GetSafeZoom(const CObjGraph* graph);

    // --- the dialog bar ------------------------------------------------------
    QComboBox* GetZoomBox() const;
    QComboBox* GetGraphBox() const;
    QComboBox* GetVoltageBox() const;
    // One item per graph (text its name, data its number), the current one
    // selected.
    void DoFillGraphCombo();
    // The standard voltages of the elements on the graph, ascending, one
    // item each ("%dV"); with oldVoltage 0 rebuilt and the given voltage
    // (else the lowest) selected, otherwise oldVoltage's item renamed to the
    // new one. The voltage selected; 0 for the limiting and I2t graphs,
    // whose list is empty and disabled.
    int32_t DoFillVoltageCombo(CObjGraph* graph, int32_t voltage, int32_t oldVoltage);
    void DoSetZoomText(int32_t zoom);
    int32_t GetZoomOfCombo() const;
    // Scroll sizes for the plot rectangle at the zoom; the position kept
    // (an axis that fits the window goes back to 0).
    fw::CPoint DoSetScrollSizes(const fw::CRect& plot, int32_t zoom, int32_t keepX, int32_t keepY);
    void OnZoom();
    void OnChangeGraph();
    void OnChangeVoltage();

    // --- commands --------------------------------------------------------------
    void OnAdjustment();
    void OnBandTypical();
    void OnMeasure();
    void OnDeleteCurves();
    // Mouse handling at a device point; keys bit 4 is Shift.
    void OnLButtonDown(uint32_t keys, fw::CPoint point);
    void OnRButtonDown(uint32_t keys, fw::CPoint point);
    void OnMouseMove(uint32_t keys, fw::CPoint point);

    // The dial adjustment sheet of an element, modeless beside the view;
    // closing remembers where it stood. The gap sheet is made by the
    // factory the program registers.
    using SheetFactory = std::function<QWidget*(CTovarineView2& view, CObjElement* element)>;
    static SheetFactory s_gapSheetFactory;
    void DoOpenAdjustSheet(CObjElement* element);
    void DoCloseAdjustSheet(int32_t post);
    CAdjustSheet* GetAdjustSheet() const { return m_pAdjustSheet; }
    void OnAdjustSheetClosed() override;
    void DoOpenGapLineSheet();
    void DoCloseGapLineSheet(int32_t post);
    void OnGapSheetClosed();
    bool IsGapSheetOpen() const { return m_nGapSheetOpen == 1; }
    // The reference lines, leaders and value labels of the gap sheet over
    // the curves of the elements (drawn while the gap sheet is open).
    void DoDrawGapReference(fw::CDC* pDC, const std::vector<CObjElement*>& elements);
    // What the adjustment sheet announces around a change of an element.
    void OnElementChanging(CObjElement* element, int32_t hint) override;
    void OnElementChanged(CObjElement* element, int32_t hint) override;

    // --- label drag and drop -------------------------------------------------
    // Starts the drag of the selected curve label; the effect it ended with.
    Qt::DropAction DoDragLabel(fw::CPoint point);
    Qt::DropAction OnDragEnter(const QMimeData* data, fw::CPoint point);
    Qt::DropAction OnDragOver(const QMimeData* data, fw::CPoint point);
    void OnDragLeave();
    // True when an element took the label.
    bool OnDrop(const QMimeData* data, Qt::DropAction effect, fw::CPoint point);
    // Tests stand in for the modal drag loop and the context menu.
    using DragHook = std::function<Qt::DropAction(QMimeData* data)>;
    void SetDragHook(DragHook hook) { m_fnDrag = std::move(hook); }
    using PopupHook = std::function<void(unsigned menu, const std::string& popup, fw::CPoint)>;
    void SetPopupHook(PopupHook hook) { m_fnPopup = std::move(hook); }

    // The label being dragged (device units) and the focus rectangle shown.
    CObjRefV2 DragLabel;
    bool m_bDragReady = false;
    fw::CRect m_rectFocus;
    bool m_bFocusShown = false;

protected:
    void OnHScroll() override;
    void OnVScroll() override;
    bool OnMouseWheel(Qt::KeyboardModifiers modifiers, int delta, fw::CPoint point) override;
    void OnSize(int cx, int cy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void RegisterCommands();
    void ConnectCombos();
    void StoreScrollPosition();
    void DoRefreshGraph(bool closeSheet);
    void DoInvalidateLogical(const fw::CRect& rect);
    void DoInvalidateParts(CObjElement* element, std::initializer_list<int32_t> codes);
    void DoNotifySelection(long hint, CCurveOwner* owner);
    CObjElement* FindSelectedLabelOwner(CObjGraph* graph) const;
    void DoTrackPopup(unsigned menu, const std::string& popup, fw::CPoint point);

    QPointer<CAdjustSheet> m_pAdjustSheet;
    fw::CPoint m_ptAdjustSheet;
    QPointer<QWidget> m_pGapSheet;
    fw::CPoint m_ptGapSheet;
    uint32_t m_nGapSheetOpen = 0;
    bool m_bCombosConnected = false;
    DragHook m_fnDrag;
    PopupHook m_fnPopup;
};
