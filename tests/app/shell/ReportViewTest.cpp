// The report view of a started program on a calculated generated project:
// the bar's tabs and zoom box, the screen mapping in 0.1 mm against the
// scroll sizes, the hints that rebuild, and printing every report kind to
// PDF (pages numbered, every row once, a page range the same pages as the
// whole job).

#include "ShellTestSupport.h"

#include "app/records/TovarineIds.h"
#include "app/shell/CChildFrame3.h"
#include "app/shell/CTovarineDoc.h"
#include "app/shell/CTovarineView3.h"
#include "app/shell/ZoomBox.h"
#include "tests/app/elements/ModelDatabasesTestSupport.h"
#include "tests/app/shell/model/CalcNetwork.h"
#include "tests/common/MessageCapture.h"
#include "tests/common/PdfFile.h"

#include "framework/CommandIds.h"
#include "framework/DeviceContext.h"
#include "framework/Resources.h"
#include "tests/common/FixtureDb.h"

#include <QApplication>
#include <QComboBox>
#include <QPrinter>
#include <QTabBar>
#include <QToolBar>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using shelltest::StartedProgram;

// A started program whose project is a calculated radial network of about
// 150 elements, with its report view open.
struct Reports {
    explicit Reports(int elements = 150) {
        p.Main()->resize(1200, 900);
        p.Main()->show();
        QApplication::processEvents();
        doc = p.app->GetActiveDocument();
        if (!doc || !dbs.IsOpen())
            return;
        tvtest::RadialShape shape;
        shape.elements = elements;
        shape.calcPoints = elements / 4;
        shape.motorEffects = 2;
        tvtest::BuildRadial(*doc, shape);
        doc->DoModeCalculation();
        p.Main()->ExecuteCommand(tvid::ID_VIEW_REPORT);
        QApplication::processEvents();
        frame = p.Main()->ReportFrame;
        view = frame ? dynamic_cast<CTovarineView3*>(frame->GetActiveView()) : nullptr;
        messages.Clear(); // the calculation's own
        // An undo snapshot to tell from one that a command would take.
        doc->m_infoProject.m_strComments = "before";
        doc->SaveUndo();
        doc->m_infoProject.m_strComments = "after";
        doc->SetModifiedFlag(false);
    }
    // True when a command since the set-up took an undo snapshot.
    bool TookUndo() {
        doc->DoRestoreUndo();
        return doc->m_infoProject.m_strComments != "before";
    }
    bool Ready() const { return doc && view && dbs.IsOpen(); }
    QTabBar* Tabs() const {
        return fw::FindControlAs<QTabBar>(frame->m_wndDlgBar, tvid::IDC_REPORT_TAB);
    }
    QComboBox* Zoom() const {
        return fw::FindControlAs<QComboBox>(frame->m_wndDlgBar, tvid::IDC_REPORT_ZOOM);
    }
    // Picks a zoom box entry as the user does.
    void ChooseZoom(const QString& text) {
        QComboBox* box = Zoom();
        box->setCurrentIndex(box->findText(text));
        emit box->activated(box->currentIndex());
    }
    int32_t Kind() const { return doc->m_infoReport.m_nReportKind; }
    const CPrintDataList& Current() const { return view->GetReport(Kind()); }

    elementtest::ModelDatabasesScope dbs;
    StartedProgram p;
    tvtest::MessageCapture messages;
    CTovarineDoc* doc = nullptr;
    CChildFrame3* frame = nullptr;
    CTovarineView3* view = nullptr;
};

#define REQUIRE_READY(r) ASSERT_TRUE((r).Ready()) << "program, view or databases missing"

using tvtest::PdfPages;
using tvtest::PdfText;

std::map<std::string, int> Words(const std::string& text) {
    std::map<std::string, int> words;
    std::istringstream in(text);
    std::string word;
    while (in >> word)
        ++words[word];
    return words;
}

// Prints the current report directly to a PDF file.
void PrintTo(Reports& r, const std::string& path, int from = 0, int to = 0) {
    QPrinter* printer = r.p.app->GetPrinter();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    if (from > 0) {
        printer->setPrintRange(QPrinter::PageRange);
        printer->setFromTo(from, to);
    } else {
        printer->setPrintRange(QPrinter::AllPages);
    }
    r.p.Main()->ExecuteCommand(fw::id::FILE_PRINT_DIRECT);
}

} // namespace

// ---------------------------------------------------------------- the bar

TEST(ReportView, OpensOnTheStoredReportAndZoom) {
    Reports r;
    REQUIRE_READY(r);
    QTabBar* tabs = r.Tabs();
    ASSERT_NE(tabs, nullptr);
    const char* expected[] = {"Data of elements",
                              "Calculation results",
                              "Results of automatic selection",
                              "Back-up protection",
                              "Discrimination results",
                              "Electromagnetic force/Voltage drop",
                              "Wire Protection",
                              "Protection against electric shock"};
    ASSERT_EQ(tabs->count(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(tabs->tabText(i).toStdString(), expected[i]);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(r.Zoom()->currentText().toStdString(), "100%");
    EXPECT_GT(r.Current().GetCount(), 100u);
    // Only the current report was built.
    for (int32_t kind = 1; kind < 8; ++kind)
        EXPECT_EQ(r.view->GetReport(kind).GetCount(), 0u) << kind;
}

TEST(ReportView, SwitchingTheReportBuildsOnlyTheChosenOneAndChangesNothingToUndo) {
    Reports r;
    REQUIRE_READY(r);
    const size_t dataRows = r.view->GetReport(0).GetCount();
    r.Tabs()->setCurrentIndex(1);
    EXPECT_EQ(r.Kind(), 1);
    EXPECT_GT(r.view->GetReport(1).GetCount(), 10u);
    EXPECT_EQ(r.view->GetReport(0).GetCount(), dataRows); // kept as it was
    EXPECT_EQ(r.view->GetReport(5).GetCount(), 0u);
    EXPECT_FALSE(r.doc->IsModified());
    // The scroll sizes are those of the new report.
    const fw::CSize total = r.view->GetTotalSize();
    r.view->DoSetScrollSizes(100);
    EXPECT_EQ(r.view->GetTotalSize(), total);
    EXPECT_FALSE(r.TookUndo());
}

TEST(ReportView, TheZoomBoxChangesTheZoomUndoablyAndTheSameZoomChangesNothing) {
    Reports r;
    REQUIRE_READY(r);
    const fw::CSize at100 = r.view->GetTotalSize();
    r.ChooseZoom("100%");
    EXPECT_FALSE(r.doc->IsModified());
    r.ChooseZoom("50%");
    EXPECT_EQ(r.doc->m_infoReport.m_nZoom, 50);
    EXPECT_TRUE(r.doc->IsModified());
    EXPECT_NEAR(r.view->GetTotalSize().cx, at100.cx / 2, 2);
    EXPECT_NEAR(r.view->GetTotalSize().cy, at100.cy / 2, 2);
    // A box without a selection reads as 100.
    r.Zoom()->setCurrentIndex(-1);
    EXPECT_EQ(r.view->GetZoomOfCombo(), 100);
    EXPECT_TRUE(r.TookUndo());
    // Undone: the zoom the snapshot held.
    EXPECT_EQ(r.doc->m_infoReport.m_nZoom, 100);
}

TEST(ReportView, ChoosingTheZoomAlreadyStoredTakesNoUndoSnapshot) {
    Reports r;
    REQUIRE_READY(r);
    r.ChooseZoom("100%");
    EXPECT_FALSE(r.doc->IsModified());
    EXPECT_FALSE(r.TookUndo());
}

TEST(ReportView, AZoomIsShownByItsOwnEntryNeverByOneItPrefixes) {
    // 5 is the start of "50%", 20 of "200%", 17 of "170%": none of them may
    // be selected for it; a zoom the box lists selects its entry.
    Reports r;
    REQUIRE_READY(r);
    QComboBox* box = r.Zoom();
    struct Case {
        int32_t zoom;
        const char* shown;
    } cases[] = {{130, "130%"}, {5, "130%"}, {20, "130%"}, {17, "130%"}, {50, "50%"}, {1, "50%"}};
    for (const Case& c : cases) {
        r.view->DoSetZoomText(c.zoom);
        EXPECT_EQ(box->currentText().toStdString(), c.shown) << c.zoom;
    }
}

// ---------------------------------------------------------------- screen

TEST(ReportView, OneLogicalUnitIsATenthOfAMillimetreAsTheScrollSizesCountIt) {
    // 297 mm of the report cover 297 mm of the screen at zoom 100, twice
    // that at 200: the right edge of the widest table, mapped to the window,
    // is where the scroll range ends less the 52 units of its margin.
    Reports r;
    REQUIRE_READY(r);
    for (int32_t zoom : {100, 200}) {
        r.doc->m_infoReport.m_nZoom = zoom;
        r.view->DoSetScrollSizes(zoom);
        r.view->ScrollToPosition(fw::CPoint(0, 0));
        fw::CDC dc(nullptr);
        r.view->OnPrepareDC(&dc);
        const int dpi = dc.GetDeviceCaps(fw::LOGPIXELSX);
        fw::CPoint points[2] = {fw::CPoint(2970, -2970), fw::CPoint(0, 0)};
        dc.LPtoDP(points, 2);
        EXPECT_NEAR(points[0].x - points[1].x, 2970.0 * dpi / 254 * zoom / 100, 2.0) << zoom;
        EXPECT_NEAR(points[0].y - points[1].y, 2970.0 * dpi / 254 * zoom / 100, 2.0) << zoom;
        const fw::CSize extent = r.view->DoGetReportExtent();
        fw::CPoint edge(extent.cx + 52, -(extent.cy + 20));
        dc.LPtoDP(&edge);
        // The window's 297 mm are whole pixels: a few per thousand apart.
        EXPECT_NEAR(edge.x, r.view->GetTotalSize().cx, r.view->GetTotalSize().cx / 1000.0 + 2)
            << zoom;
        EXPECT_NEAR(edge.y, r.view->GetTotalSize().cy, r.view->GetTotalSize().cy / 1000.0 + 2)
            << zoom;
    }
}

TEST(ReportView, TheDocumentsHintsRebuildTheCurrentReport) {
    Reports r;
    REQUIRE_READY(r);
    struct Case {
        long hint;
        bool rebuilds;
    } cases[] = {{0, false},  {1, false}, {2, false}, {3, true},   {4, true},
                 {5, true},   {6, true},  {7, true},  {8, true},   {9, false},
                 {13, false}, {14, true}, {18, true}, {19, false}, {21, false}};
    for (const Case& c : cases) {
        // A row that no producer makes: gone when the report is rebuilt.
        auto& list = const_cast<CPrintDataList&>(r.Current());
        list.DoAddNewRow()->m_strText[0] = "stale";
        const size_t before = list.GetCount();
        r.doc->UpdateAllViews(nullptr, c.hint, nullptr);
        EXPECT_EQ(list.GetCount() == before - 1, c.rebuilds) << c.hint;
        if (!c.rebuilds)
            list.DoRemoveTail();
    }
}

// ---------------------------------------------------------------- printing

TEST(ReportPrinting, EveryReportPrintsNumberedPagesWithEveryRowOnce) {
    tvtest::TempFolder folder;
    Reports r;
    REQUIRE_READY(r);
    for (int32_t kind = 0; kind < 8; ++kind) {
        r.Tabs()->setCurrentIndex(kind);
        ASSERT_EQ(r.Kind(), kind);
        const std::string path = folder.Path() + "report" + std::to_string(kind) + ".pdf";
        PrintTo(r, path);
        const int pages = PdfPages(path);
        ASSERT_GE(pages, 1) << kind;
        // The page numbers, each at the foot of its page.
        for (int page = 1; page <= pages; ++page) {
            const std::string text = PdfText(path, page, page);
            const std::string number = std::to_string(page);
            const size_t at = text.rfind(number);
            ASSERT_NE(at, std::string::npos) << kind << " page " << page;
            EXPECT_EQ(text.find_first_not_of(" \n\f", at + number.size()), std::string::npos)
                << kind << " page " << page;
        }
        // Every element row once: its name (cell 0) as often as the report
        // holds it.
        std::map<std::string, int> names;
        const CPrintDataList& list = r.Current();
        for (size_t i = 0; i < list.GetCount(); ++i) {
            const CPrintData& row = list.GetAt(i);
            if (row.m_nType == kRowData && !row.m_strText[0].empty() &&
                row.m_strText[0].find_first_of(" \r\n") == std::string::npos)
                ++names[row.m_strText[0]];
        }
        if (kind == 0 || kind == 1 || kind == 5) {
            EXPECT_GT(names.size(), 20u) << kind;
        }
        const std::map<std::string, int> printed = Words(PdfText(path));
        for (const auto& [name, count] : names) {
            auto it = printed.find(name);
            EXPECT_EQ(it == printed.end() ? 0 : it->second, count) << kind << " " << name;
        }
        if (kind == 0) {
            EXPECT_GE(pages, 3); // the range test below needs three pages
        }
    }
    for (size_t i = 0; i < r.messages.Count(); ++i)
        ADD_FAILURE() << r.messages.Messages()[i].text;
}

TEST(ReportPrinting, PagesTwoToThreeAreThoseOfTheWholeReport) {
    // The frame's depth on page 1 decides where every later row falls: a job
    // that starts at page 2 must lay the report out as the whole job does.
    tvtest::TempFolder folder;
    Reports r;
    REQUIRE_READY(r);
    const std::string whole = folder.Path() + "whole.pdf";
    const std::string range = folder.Path() + "range.pdf";
    PrintTo(r, range, 2, 3);
    PrintTo(r, whole);
    ASSERT_GE(PdfPages(whole), 3);
    EXPECT_EQ(PdfPages(range), 2);
    EXPECT_EQ(PdfText(range, 1, 1), PdfText(whole, 2, 2));
    EXPECT_EQ(PdfText(range, 2, 2), PdfText(whole, 3, 3));
    EXPECT_EQ(PdfText(whole, 1, 1).find("DATA OF ELEMENTS") != std::string::npos, true);
}

TEST(ReportPrinting, TheWidestTableSpansThePrintableWidthLess15Units) {
    Reports r;
    REQUIRE_READY(r);
    fw::CPrintInfo info;
    info.m_bDirect = true;
    ASSERT_TRUE(r.view->OnPreparePrinting(&info));
    QPrinter* printer = r.p.app->GetPrinter();
    fw::CSize page;
    fw::CPoint offsets;
    r.p.app->GetPrinterPageSize(page, &offsets);
    const int dpi = printer->resolution();
    fw::CRecordingDC dc(dpi, true);
    r.view->OnPrepareDC(&dc);
    const fw::CRect& m = r.doc->m_infoReport.m_rectMargins;
    const double printable = page.cx - (m.left + m.right) * 10.0 * dpi / 254;
    const int32_t width = r.view->DoGetReportExtent().cx;
    fw::CPoint points[2] = {fw::CPoint(0, 0), fw::CPoint(width, -width)};
    dc.LPtoDP(points, 2);
    // The logical origin is the paper's corner.
    EXPECT_EQ(points[0], fw::CPoint(-offsets.x, -offsets.y));
    EXPECT_NEAR(points[1].x - points[0].x, printable - 15, 2.0);
    EXPECT_NEAR(points[1].y - points[0].y, printable - 15, 2.0);
}

TEST(ReportPrinting, MarginsWithoutRoomAreRefusedAndTheJobEnds) {
    tvtest::TempFolder folder;
    Reports r(40);
    REQUIRE_READY(r);
    r.doc->m_infoReport.m_rectMargins = fw::CRect(10, 150, 10, 150);
    const std::string path = folder.Path() + "nomargin.pdf";
    PrintTo(r, path);
    EXPECT_EQ(r.view->GetPrintInfo(), nullptr);
    ASSERT_EQ(r.messages.Count(), 1u) << r.messages.Messages()[0].text;
    EXPECT_NE(r.messages.Last().text.find("margins"), std::string::npos);
    EXPECT_EQ(PdfPages(path), 1);
}
