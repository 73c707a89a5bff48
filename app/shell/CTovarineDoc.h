#pragma once

#include "app/shell/model/CTovarineDocData.h"
#include "framework/CompoundFile.h"
#include "framework/Document.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class CObjGraph;
class CTovarineSrvrItem1;
class CTovarineSrvrItem2;
class CTovarineView1;
class CTovarineView2;
class QDialog;

// The project document: the project's data (CTovarineDocData, the model)
// inside the program's frame. This part closes the active project before
// another is opened or created, gives the view frames their titles, shows the
// skeleton frame's element bar, reads and writes the ".tv2" compound file
// (the archive in its "Contents" stream, other storages kept), and passes the
// model's redraw requests to the views.
class CTovarineDoc : public fw::CDocument, public CTovarineDocData {
public:
    CTovarineDoc();
    ~CTovarineDoc() override;

    // 1 when the document was closed (after the save question when it was
    // modified), 0 when the user kept it. The document is gone after 1.
    int DoCloseDocument();
    // The title, with the extension of the project file type when the title
    // has none ("Plant" gives "Plant.tv2", "Plant.old" stays).
    std::string GetTitleWithExtension() const;
    // Shows (1) or hides (any other value) the element toolbar of the
    // skeleton frame, when that frame is open and the state changes.
    void ShowElementBar(int show);

    // The modified flag of the document (embedded items do not set it).
    bool IsModified() override { return fw::CDocument::IsModified(); }
    bool IsModified() const override { return const_cast<CTovarineDoc*>(this)->IsModified(); }
    void SetModifiedFlag(bool modified = true) override {
        fw::CDocument::SetModifiedFlag(modified);
    }
    // The model's redraw requests reach every view.
    using fw::CDocument::UpdateAllViews;
    void UpdateAllViews(int32_t hint, const fw::CObject* object) override;

    // --- the skeleton view's services ---------------------------------------
    // The height of the printed title block above the skeleton, 0.1 mm.
    static constexpr int32_t kTitleBlockHeight = 320;
    // The document's skeleton view, or null.
    CTovarineView1* GetSkeletonView() const;
    // The insertion point passes a symbol's rectangle to the right (below):
    // by the rectangle's whole cells plus one; hint 2 on the new cell.
    void DoMoveCursorRight(const fw::CRect& rect);
    void DoMoveCursorDown(const fw::CRect& rect);
    // The insertion point at a device point of the view's context; when its
    // cell changed, hint 2 on the old and on the new cell.
    void SetCursorPoint(fw::CDC* pDC, fw::CPoint devicePoint);
    // The skeleton frame grows to the groups' extent; hint 7 when it grew.
    void DoGrowSkeletonPages();
    // Redraws one node of the tree with its labels and tracker handles in
    // every view (hint 2), when there is a skeleton view to measure on.
    void InvalidateElement(CObjGroup* group) override;
    // The skeleton: the page in the background colour, in drawing mode the
    // grid and (unless withoutCursor is 1) the insertion cell, then the
    // tree. A printing context shows the page and the tree only.
    void DoDrawSkeleton(fw::CDC* pDC, int32_t withoutCursor);
    // The printed page frame of a view kind (1 skeleton, 2 co-ordination,
    // 3 report, 4 impedance map) in 0.1 mm: title, step, ruled title block
    // with the project's fields. The block's size in device units comes
    // back in size.
    void DoDrawPageFrame(fw::CSize* size, fw::CDC* pDC, int32_t viewKind, int32_t reportKind,
                         const CObjGraph* graph);
    // The size DoDrawPageFrame gives back, worked out without drawing: for
    // a print job that does not start on the page that shows the frame.
    fw::CSize GetPageFrameSize(const fw::CDC* pDC, int32_t viewKind, const CObjGraph* graph) const;
    // The impedance map: the skeleton's page in the background colour
    // (clipped to it when printing), then the tree's symbols and labels.
    void DoDrawImpeMap(fw::CDC* pDC);
    // The calculation results of every element, cleared when the mode goes
    // back to drawing or checking.
    void DoClearResults();

    bool OnOpenDocument(const std::string& path) override;
    // Writes the file through a temporary one renamed over the old, then
    // gives the view frames the new title; a failed save leaves the old file
    // and the titles as they were.
    bool OnSaveDocument(const std::string& path) override;
    void DeleteContents() override;
    void Serialize(fw::CArchive& ar) override { CTovarineDocData::Serialize(ar); }
    // A version the program does not read: message 25344 with what the file
    // carried; a damaged or foreign file: the damaged-file message.
    void ReportSaveLoadException(const std::string& path, const std::exception* e,
                                 bool saving) override;

    // Runs a settings dialog modally; tests answer it in its place.
    static std::function<int(QDialog&)> s_execDialog;

    // The hourglass while a mode command works.
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    // The mode commands of the ladder: each does nothing in its own mode,
    // else runs the model's command and tells the user how it went.
    void OnModeDrawing();
    void OnModeCheck();
    void OnModeCalculation();
    // Automatic selection by Icu (2) or Ics (1).
    void OnModeSelect(uint32_t criterion);
    // A sub-mode command; a graph it made or found is shown.
    void OnSubModeCommand(uint32_t id);

    // Undo and the settings commands.
    void OnEditUndo();
    void OnSetupProject();
    void OnSetupSkeleton();
    void OnPageSetup(fw::CRect* margins);

    // --- output of the current co-ordination graph -----------------------------
    // The document's co-ordination view, or null.
    CTovarineView2* FindCoordinationView() const;
    // Print in any size: the decade sizes asked in their dialog, then the
    // view's Print with them; the view shows the graph as before.
    void OnPrintSpecial();
    bool IsPrintSpecialEnabled() const;
    // The current graph as a DXF drawing on its form file, into a file the
    // user chooses; a write that fails leaves that file as it was and says so.
    void OnDXFOutGraph();
    bool IsDXFOutEnabled() const;
    // --- the co-ordination graphs' commands (CTovarineDoc_Graphs.cpp) ---------
    // Whether the co-ordination view measures (its gap sheet is open).
    bool IsMeasuring() const;
    // Create a co-ordination with the selected elements, shown in the
    // co-ordination view, the skeleton scrolled to them.
    void OnCoordCreate();
    void OnCoordAdd();
    // Asks first; Yes deletes the current graph.
    void OnCoordDelete();
    // "Co-ordination Setup" of the current graph.
    void OnCoordSetup();
    // Measuring on the current graph, through the co-ordination view.
    void OnCoordMeasure();
    void OnPageSetupCoord();
    // The print set-up of the skeleton (32822, the impedance map too), the
    // current graph (32823) or the reports (32824): orientation and paper
    // stored as their codes, the document not marked modified.
    void OnPrintSetup(unsigned id);
    void OnRenumber();
    // Scrolls the skeleton view so that the centre of the area (skeleton
    // units) is in sight, on each axis where it is not and the window shows
    // less than the frame.
    void DoScrollSkeletonTo(const fw::CRect& area);

    // --- clipboard and drag-and-drop ------------------------------------------
    // Tells this project's transfer data from another's.
    uint64_t GetSerial() const { return m_nSerial; }
    // The skeleton's clipboard and drag item, created on first use.
    CTovarineSrvrItem1* GetClipboardItem();
    // Deleted after each paste or drop into a skeleton view.
    void DeleteClipboardItem();
    std::unique_ptr<CTovarineSrvrItem1> ClipboardItem;
    std::unique_ptr<CTovarineSrvrItem2> GraphDragItem;

private:
    void RegisterGraphOutputCommands();
    void RegisterGraphCommands();

    uint64_t m_nSerial;
    // The file as read: its other storages are written back on save.
    fw::CCompoundFile m_file;
};
