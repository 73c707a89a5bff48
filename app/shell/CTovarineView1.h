#pragma once

#include "app/records/CObjRefV1.h"
#include "app/shell/model/CObjGroupList.h"

#include "framework/Geometry.h"
#include "framework/ScrollView.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CObjElement;
class CObjGroup;
class CTovarineDoc;
class QComboBox;
class QMimeData;

// The skeleton view: the single-line diagram on its grid at the zoom of the
// frame's zoom box, scrolled over the diagram's extent, printed on one page
// under the title block; and the editing of the diagram: inserting elements
// at the insertion point, selecting by click, Shift-click, rubber band and
// label, the context menu of each mode, editing an element by double click,
// deleting, grouping, releasing groups and rotating.
class CTovarineView1 : public fw::CScrollView {
    FW_DECLARE_VIEW(CTovarineView1)
public:
    CTovarineView1();
    ~CTovarineView1() override;

    CTovarineDoc* GetDocument() const;

    void OnInitialUpdate() override;
    void OnUpdate(fw::CView* sender, long hint, fw::CObject* hintObject) override;
    void OnPrepareDC(fw::CDC* pDC) override;
    void OnDraw(fw::CDC* pDC) override;
    bool OnPreparePrinting(fw::CPrintInfo* pInfo) override;
    void OnPrint(fw::CDC* pDC, fw::CPrintInfo* pInfo) override;

    // Sets the scroll sizes for the diagram's extent at the stored zoom and
    // returns the stored scroll position, with an axis that fits the window
    // brought back to 0.
    fw::CPoint DoSetScrollSizes();
    // Selects the zoom box's entry for the zoom; an entry the box does not
    // list leaves its selection as it is.
    void DoSetZoomText(int32_t zoom);
    // The zoom of the box's selected entry; 100 without frame or selection.
    int32_t GetZoomOfCombo() const;
    // The zoom box's selection changed (undoable, modifying).
    void OnSelchangeZoom();

    // A context of the window prepared with the view's mapping, for
    // conversions and measuring (nothing is painted through it).
    std::unique_ptr<fw::CDC> GetClientDC();
    // The same mapping without bringing every group's tracker up to date:
    // for converting areas to redraw, which happens once per changed group.
    std::unique_ptr<fw::CDC> GetMappingDC();
    // Repaints a logical rectangle of the diagram as hint 2 does: widened to
    // whole cells plus one cell, and one device unit more on every side.
    void DoInvalidateLogical(const fw::CRect& rect);

    // --- editing ------------------------------------------------------------
    // The insert command of each row (kind, turns, neighbour check); the
    // contactor with its thermal relay; the text box.
    void OnInsertElement(unsigned command);
    void OnInsertContactorThermal();
    void OnInsertTextBox();
    void OnEditDelete();
    void OnEditSelectAll();
    void OnGroup();
    void OnUngroup();
    void OnRotate();
    // Whether an insert command's kinds exist in this program (its models
    // are built); a command of a kind still missing stays disabled.
    static bool IsInsertAvailable(unsigned command);

    // Mouse handling at a device point of the window; keys bit 4 is Shift,
    // bit 1 the left button (held while the mouse moves).
    void OnLButtonDown(uint32_t keys, fw::CPoint point);
    void OnRButtonDown(uint32_t keys, fw::CPoint point);
    void OnLButtonDblClk(uint32_t keys, fw::CPoint point);
    void OnMouseMove(uint32_t keys, fw::CPoint point);
    // Selects or toggles (Shift) the skeleton labels at the point; the
    // element whose label is the one label selected, else null.
    CObjElement* DoSelectLabelAt(fw::CDC* pDC, fw::CPoint point, uint32_t keys);
    // The cursor the view shows over a point (Qt::ArrowCursor when none of
    // its own).
    Qt::CursorShape GetCursorAt(fw::CPoint point);

    // Tests and the program's start stand in for the modal parts of the
    // view's mouse handling: the context menu (menu resource, popup text,
    // window point), the tracker drags (a group's resize handle; the rubber
    // band from a point, giving the band or an empty rectangle).
    using PopupHook = std::function<void(unsigned menu, const std::string& popup, fw::CPoint)>;
    using ResizeHook = std::function<bool(CObjGroup& group, fw::CPoint point)>;
    using RubberBandHook = std::function<fw::CRect(fw::CPoint point)>;
    void SetPopupHook(PopupHook hook) { m_fnPopup = std::move(hook); }
    void SetResizeHook(ResizeHook hook) { m_fnResize = std::move(hook); }
    void SetRubberBandHook(RubberBandHook hook) { m_fnRubberBand = std::move(hook); }

    // --- clipboard and drag-and-drop (CTovarineView1_Clipboard.cpp) ---------
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    // Pastes "TV2_SYMBOL" bytes with the block's top-left at the logical
    // point; the groups pasted.
    int DoPasteGroups(const QByteArray& bytes, fw::CPoint target);
    // True when the group's rectangle meets that of an unselected group of
    // the skeleton.
    bool IsOverlapping(const CObjGroup* group) const;
    // Starts the drag of the selected groups or of the one selected label
    // from a device point; the effect the drag ended with.
    Qt::DropAction DoDragGroups(fw::CPoint point);
    Qt::DropAction DoDragLabel(CObjElement* element, fw::CPoint point);
    // The drop target (keys: the keyboard modifiers; point in device units).
    Qt::DropAction OnDragEnter(const QMimeData* data, Qt::KeyboardModifiers keys, fw::CPoint point);
    Qt::DropAction OnDragOver(const QMimeData* data, Qt::KeyboardModifiers keys, fw::CPoint point);
    bool OnDrop(const QMimeData* data, Qt::DropAction effect, fw::CPoint point);
    void OnDragLeave();
    // Tests stand in for the modal drag loop: the data (owned by the hook)
    // and the effects allowed in, the effect out.
    using DragHook = std::function<Qt::DropAction(QMimeData* data, Qt::DropActions allowed)>;
    void SetDragHook(DragHook hook) { m_fnDrag = std::move(hook); }

    // The fields of a drag over the view.
    CObjGroupList DragGroups;
    fw::CRect DragRect; // logical units
    fw::CPoint DragOffset;
    fw::CRect m_rectLastErased;
    CObjRefV1 DragLabel;
    // The feedback shown while a drag is over the view: the block's and each
    // group's rectangle (logical units), or the label's (device units).
    std::vector<fw::CRect> m_feedbackGroups;
    bool m_bFeedbackBlock = false;
    bool m_bFeedbackLabel = false;
    void* m_pSelection = nullptr; // the selected container item

protected:
    void OnHScroll() override;
    void OnVScroll() override;
    bool OnMouseWheel(Qt::KeyboardModifiers modifiers, int delta, fw::CPoint point) override;
    void OnSize(int cx, int cy) override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct InsertRow;
    static const InsertRow* FindInsertRow(unsigned command);
    void RegisterCommands();
    QComboBox* GetZoomBox() const;
    void DoPrepareMapping(fw::CDC* pDC);
    void DoScrollToStored();
    void StoreScrollPosition();
    // Steps 1 to 3 of an insertion and steps 5 to 8 after it.
    void DoBeginInsert(fw::CDC* pDC);
    void DoEndInsert(fw::CDC* pDC, CObjGroup* group, const fw::CRect& symbol, bool vertical);
    void DoCheckNeighbour(CObjElement* element, int32_t direction);
    void DoTrackPopup(unsigned menu, const std::string& popup, fw::CPoint point);
    // Moves the insertion point to the device point in drawing mode.
    void DoMoveInsertionPoint(fw::CDC* pDC, fw::CPoint point);
    void DoStoreClickPoint(fw::CDC* pDC, fw::CPoint point);
    bool IsGroupHitAt(fw::CDC* pDC, fw::CPoint point);

    // Clipboard and drag helpers.
    std::vector<CObjGroup*> DoCollectForTransfer(fw::CDC* pDC, fw::CRect* unionRect);
    bool DoReadDragData(const QMimeData* data);
    bool IsFromThisDocument(const QMimeData* data) const;
    void DoTrackGroupsFeedback(fw::CDC* pDC, fw::CPoint point);
    void DoTrackLabelFeedback(fw::CPoint point);
    void DoDropGroups(fw::CDC* pDC, fw::CPoint point, int32_t mark, bool renumber);
    void DoDropLabel(fw::CDC* pDC, fw::CPoint point);
    void DoDrawDragFeedback(fw::CDC* pDC);
    Qt::DropAction DoRunDrag(QMimeData* data, Qt::DropActions allowed);
    // What a left press on a selected group or a label starts once the
    // mouse moves with the button held.
    enum class PendingDrag { none, groups, label };
    PendingDrag m_pendingDrag = PendingDrag::none;
    fw::CPoint m_ptPress;
    CObjElement* m_pPressLabel = nullptr;
    DragHook m_fnDrag;

    PopupHook m_fnPopup;
    ResizeHook m_fnResize;
    RubberBandHook m_fnRubberBand;
    bool m_bZoomConnected = false;
};
