// The scroll view and the print job of a view: bars where the total does not
// fit and a range of total less client; the viewport follows the scroll
// position; only the user's scrolling is reported; a print job prints the
// pages the view asks for, one when it does not know, and always ends (the
// PDF written is complete) whatever a page does.

#include "framework/ScrollView.h"
#include "framework/DeviceContext.h"
#include "framework/PrintInfo.h"
#include "framework/View.h"
#include "framework/WinApp.h"
#include "tests/common/FixtureDb.h"
#include "tests/common/MessageCapture.h"

#include <QDialog>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

class CountingScrollView : public fw::CScrollView {
public:
    int hScrolls = 0;
    int vScrolls = 0;

protected:
    void OnHScroll() override { ++hScrolls; }
    void OnVScroll() override { ++vScrolls; }
};

// Prints the page number as text on each page; a view that knows its page
// count says so.
class PagesView : public fw::CView {
public:
    unsigned maxPage = fw::CPrintInfo::kUnknownPages;
    unsigned throwOnPage = 0;
    int begun = 0;
    int ended = 0;
    std::vector<unsigned> printed;

    bool OnPreparePrinting(fw::CPrintInfo* pInfo) override {
        pInfo->SetMaxPage(maxPage);
        return DoPreparePrinting(pInfo);
    }
    void OnBeginPrinting(fw::CDC*, fw::CPrintInfo*) override { ++begun; }
    void OnEndPrinting(fw::CDC*, fw::CPrintInfo*) override { ++ended; }
    void OnPrint(fw::CDC* pDC, fw::CPrintInfo* pInfo) override {
        if (pInfo->m_nCurPage == throwOnPage)
            throw std::runtime_error("page failed");
        printed.push_back(pInfo->m_nCurPage);
        pDC->TextOut(100, 100, "Page " + std::to_string(pInfo->m_nCurPage));
    }
};

std::unique_ptr<QPrinter> PdfPrinter(const std::string& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    return printer;
}

// The page count of a PDF as poppler reads it: -1 when it cannot be read
// (a job that never ended leaves no readable file).
int PdfPages(const std::string& path) {
    QProcess p;
    p.start("pdfinfo", {QString::fromStdString(path)});
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return -1;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

std::string PdfText(const std::string& path) {
    QProcess p;
    p.start("pdftotext", {QString::fromStdString(path), "-"});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput()).toStdString();
}

} // namespace

TEST(ScrollView, BarsOnlyWhereTheTotalDoesNotFit) {
    CountingScrollView view;
    view.resize(400, 300);
    view.SetScrollSizes(fw::MM_TEXT, fw::CSize(1000, 200), fw::CSize(100, 50), fw::CSize(10, 5));
    QScrollBar* h = view.GetScrollBarCtrl(false);
    QScrollBar* v = view.GetScrollBarCtrl(true);
    EXPECT_TRUE(h->isVisibleTo(&view));
    EXPECT_FALSE(v->isVisibleTo(&view));
    // The client is the window less the horizontal bar; the range is what
    // does not fit.
    fw::CRect client = view.GetClientRect();
    EXPECT_EQ(client.Width(), 400);
    EXPECT_EQ(client.Height(), 300 - h->height());
    EXPECT_EQ(h->maximum(), 1000 - 400);
    EXPECT_EQ(h->pageStep(), 100);
    EXPECT_EQ(h->singleStep(), 10);

    // A total that fits brings the position back to 0.
    view.ScrollToPosition(fw::CPoint(250, 0));
    EXPECT_EQ(view.GetScrollPosition(), fw::CPoint(250, 0));
    view.SetScrollSizes(fw::MM_TEXT, fw::CSize(300, 200));
    EXPECT_FALSE(h->isVisibleTo(&view));
    EXPECT_EQ(view.GetScrollPosition(), fw::CPoint(0, 0));
    // Page and line default to a tenth of the total and of the page.
    EXPECT_EQ(view.GetPageSize(), fw::CSize(30, 20));
    EXPECT_EQ(view.GetLineSize(), fw::CSize(3, 2));
}

TEST(ScrollView, BothBarsWhenOneBarMakesTheOtherNeeded) {
    CountingScrollView view;
    view.resize(400, 300);
    // Fits in height alone, but not once the horizontal bar takes its room.
    view.SetScrollSizes(fw::MM_TEXT, fw::CSize(1000, 295));
    EXPECT_TRUE(view.GetScrollBarCtrl(false)->isVisibleTo(&view));
    EXPECT_TRUE(view.GetScrollBarCtrl(true)->isVisibleTo(&view));
}

TEST(ScrollView, ViewportFollowsThePositionAndOnlyTheUserIsReported) {
    CountingScrollView view;
    view.resize(200, 200);
    view.SetScrollSizes(fw::MM_TEXT, fw::CSize(1000, 1000), fw::CSize(100, 100), fw::CSize(10, 10));
    view.ScrollToPosition(fw::CPoint(2000, 30)); // kept inside the range
    fw::CPoint pos = view.GetScrollPosition();
    EXPECT_EQ(pos.x, view.GetScrollBarCtrl(false)->maximum());
    EXPECT_EQ(pos.y, 30);
    fw::CDC dc(nullptr);
    view.OnPrepareDC(&dc);
    EXPECT_EQ(dc.GetViewportOrg(), fw::CPoint(-pos.x, -30));
    EXPECT_EQ(view.hScrolls + view.vScrolls, 0);

    // A step of the bar is the user's.
    view.GetScrollBarCtrl(true)->triggerAction(QScrollBar::SliderSingleStepAdd);
    EXPECT_EQ(view.GetScrollPosition().y, 40);
    EXPECT_EQ(view.vScrolls, 1);

    // A printing context is left alone.
    fw::CDC printing(nullptr, true);
    view.OnPrepareDC(&printing);
    EXPECT_EQ(printing.GetViewportOrg(), fw::CPoint(0, 0));
}

TEST(PrintJob, PrintsThePagesTheViewAsksForAndEnds) {
    tvtest::TempFolder folder;
    struct Case {
        unsigned maxPage;
        int pages;
    } cases[] = {{fw::CPrintInfo::kUnknownPages, 1}, {1, 1}, {3, 3}};
    for (const Case& c : cases) {
        PagesView view;
        view.maxPage = c.maxPage;
        std::string path = folder.Path() + "pages" + std::to_string(c.maxPage) + ".pdf";
        auto printer = PdfPrinter(path);
        fw::CPrintInfo info;
        info.SetMaxPage(c.maxPage);
        EXPECT_EQ(view.DoPrintPages(printer.get(), info), c.pages);
        EXPECT_EQ(view.begun, 1);
        EXPECT_EQ(view.ended, 1);
        EXPECT_EQ(view.GetPrintInfo(), nullptr);
        EXPECT_EQ(PdfPages(path), c.pages) << c.maxPage;
    }
}

TEST(PrintJob, ThePrintersPageRangeNarrowsThePages) {
    tvtest::TempFolder folder;
    PagesView view;
    std::string path = folder.Path() + "range.pdf";
    auto printer = PdfPrinter(path);
    printer->setPrintRange(QPrinter::PageRange);
    printer->setFromTo(2, 3);
    fw::CPrintInfo info;
    info.SetMaxPage(5);
    EXPECT_EQ(view.DoPrintPages(printer.get(), info), 2);
    EXPECT_EQ(view.printed, (std::vector<unsigned>{2, 3}));
    EXPECT_EQ(PdfPages(path), 2);
}

TEST(PrintJob, AViewOfUnknownLengthPrintsUntilItEndsTheJob) {
    // The view lets every page continue and ends the job on its third page
    // by making it the last; a page range starts the job at its first page.
    class RunningView : public PagesView {
    public:
        void OnPrepareDC(fw::CDC* pDC) override {
            PagesView::OnPrepareDC(pDC);
            GetPrintInfo()->m_bContinuePrinting = true;
        }
        void OnPrint(fw::CDC* pDC, fw::CPrintInfo* pInfo) override {
            PagesView::OnPrint(pDC, pInfo);
            if (pInfo->m_nCurPage == 3)
                pInfo->SetMaxPage(pInfo->m_nCurPage);
        }
    };
    tvtest::TempFolder folder;
    {
        RunningView view;
        auto printer = PdfPrinter(folder.Path() + "running.pdf");
        fw::CPrintInfo info;
        EXPECT_EQ(view.DoPrintPages(printer.get(), info), 3);
        EXPECT_EQ(view.printed, (std::vector<unsigned>{1, 2, 3}));
    }
    {
        RunningView view;
        auto printer = PdfPrinter(folder.Path() + "runningrange.pdf");
        printer->setPrintRange(QPrinter::PageRange);
        printer->setFromTo(2, 5);
        fw::CPrintInfo info;
        EXPECT_EQ(view.DoPrintPages(printer.get(), info), 2);
        EXPECT_EQ(view.printed, (std::vector<unsigned>{2, 3}));
    }
    {
        // Without the view's word a job of unknown length stops after its
        // first page, whichever page that is.
        PagesView view;
        auto printer = PdfPrinter(folder.Path() + "unknownrange.pdf");
        printer->setPrintRange(QPrinter::PageRange);
        printer->setFromTo(2, 3);
        fw::CPrintInfo info;
        EXPECT_EQ(view.DoPrintPages(printer.get(), info), 1);
        EXPECT_EQ(view.printed, (std::vector<unsigned>{2}));
    }
}

TEST(PrintJob, AFailingPageStillEndsTheJob) {
    tvtest::TempFolder folder;
    PagesView view;
    view.throwOnPage = 2;
    std::string path = folder.Path() + "failing.pdf";
    auto printer = PdfPrinter(path);
    fw::CPrintInfo info;
    info.SetMaxPage(3);
    EXPECT_THROW(view.DoPrintPages(printer.get(), info), std::runtime_error);
    EXPECT_EQ(view.GetPrintInfo(), nullptr);
    // The painter closed the file: what was printed is a readable document
    // (the second page had begun when it failed).
    EXPECT_EQ(PdfPages(path), 2);
    EXPECT_NE(PdfText(path).find("Page 1"), std::string::npos);
}

TEST(PrintJob, APrinterThatCannotStartIsReported) {
    tvtest::MessageCapture messages;
    PagesView view;
    auto printer = PdfPrinter("/nonexistent-folder/x/out.pdf");
    fw::CPrintInfo info;
    EXPECT_EQ(view.DoPrintPages(printer.get(), info), 0);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_NE(messages.Last().text.find("printer"), std::string::npos);
}

TEST(PrintJob, ThePrintDialogDecidesAndDirectPrintingSkipsIt) {
    tvtest::TempFolder folder;
    fw::CWinApp app("Test");
    std::string path = folder.Path() + "app.pdf";
    app.GetPrinter()->setOutputFormat(QPrinter::PdfFormat);
    app.GetPrinter()->setOutputFileName(QString::fromStdString(path));
    int dialogs = 0;
    bool accept = false;
    fw::CView::DialogHook old = fw::CView::SetPrintDialogHook([&](QDialog&) {
        ++dialogs;
        return accept;
    });
    PagesView view;
    view.OnFilePrint();
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(view.printed.empty());
    accept = true;
    view.OnFilePrint();
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(view.printed.size(), 1u);
    view.OnFilePrintDirect();
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(view.printed.size(), 2u);
    EXPECT_EQ(PdfPages(path), 1);
    fw::CView::SetPrintDialogHook(old);
}
