// The property sheet: pages initialised once and activated on each showing,
// a page that refuses to let go keeps the user on it (tab change and OK),
// pages added and removed while the sheet runs, and the sheet's layout:
// buttons below the pages at the right, and a page too large for the
// screen scrolled inside a sheet that fits.

#include "framework/PropertySheet.h"
#include "framework/Resources.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CountingPage : public fw::CPropertyPage {
public:
    CountingPage(unsigned id, const std::string& caption, std::vector<std::string>& log)
        : fw::CPropertyPage(id, caption), m_log(log) {}
    void OnInitDialog() override { m_log.push_back("init " + GetCaption()); }
    bool OnSetActive() override {
        m_log.push_back("set " + GetCaption());
        return true;
    }
    bool OnKillActive() override {
        m_log.push_back("kill " + GetCaption());
        return letGo;
    }
    bool letGo = true;

private:
    std::vector<std::string>& m_log;
};

TEST(PropertySheet, PagesInitOnceAndActivateEachTime) {
    std::vector<std::string> log;
    fw::CPropertySheet sheet("Sheet", nullptr, 1);
    CountingPage a(100, "A", log);
    CountingPage b(101, "B", log);
    sheet.AddPage(&a);
    sheet.AddPage(&b);
    sheet.DoStart();
    EXPECT_EQ(1, sheet.GetActiveIndex()); // the start page
    EXPECT_TRUE(sheet.SetActivePage(0));
    EXPECT_TRUE(sheet.SetActivePage(1));
    const std::vector<std::string> expected = {"init B", "set B",  "kill B", "init A",
                                               "set A",  "kill A", "set B"};
    EXPECT_EQ(expected, log);
}

TEST(PropertySheet, APageThatRefusesKeepsTheTabAndOk) {
    std::vector<std::string> log;
    fw::CPropertySheet sheet("Sheet", nullptr, 0);
    CountingPage a(100, "A", log);
    CountingPage b(101, "B", log);
    sheet.AddPage(&a);
    sheet.AddPage(&b);
    sheet.DoStart();
    a.letGo = false;
    sheet.GetTabWidget()->setCurrentIndex(1); // the user clicks tab B
    EXPECT_EQ(0, sheet.GetActiveIndex());
    EXPECT_EQ(0, sheet.GetTabWidget()->currentIndex());
    sheet.GetOkButton()->click();
    EXPECT_EQ(QDialog::Rejected, sheet.result()); // still open, not accepted
    a.letGo = true;
    sheet.GetTabWidget()->setCurrentIndex(1);
    EXPECT_EQ(1, sheet.GetActiveIndex());
    sheet.GetOkButton()->click();
    EXPECT_EQ(QDialog::Accepted, sheet.result());
}

TEST(PropertySheet, PagesComeAndGoWhileItRuns) {
    std::vector<std::string> log;
    fw::CPropertySheet sheet("Sheet", nullptr, 0);
    CountingPage a(100, "A", log);
    auto* b = new CountingPage(101, "B", log);
    auto* c = new CountingPage(102, "C", log);
    sheet.AddPage(&a);
    sheet.AddPage(b);
    sheet.AddPage(c);
    sheet.DoStart();
    sheet.RemovePage(b);
    delete b;
    EXPECT_EQ(2, sheet.GetPageCount());
    EXPECT_EQ(c, sheet.GetPage(1));
    EXPECT_EQ(0, sheet.GetActiveIndex());
    delete c; // a page deleted by its owner leaves the tab
    EXPECT_EQ(1, sheet.GetPageCount());
    auto* d = new CountingPage(103, "D", log);
    sheet.AddPage(d);
    EXPECT_EQ(1, sheet.GetPageIndex(d));
    EXPECT_EQ(0, sheet.GetActiveIndex());
    EXPECT_EQ(1u, static_cast<unsigned>(fw::GetControlId(sheet.GetOkButton())));
    delete d;
}

// OK and Cancel stand below the tab, at its right, one beside the other;
// a page of the size given asks for that much room.
TEST(PropertySheet, ButtonsStandBelowThePagesAtTheRight) {
    std::vector<std::string> log;
    fw::CPropertySheet sheet("Sheet", nullptr, 0);
    CountingPage a(100, "A", log);
    a.setMinimumSize(400, 200);
    sheet.AddPage(&a);
    sheet.show();
    const QRect tab = sheet.GetTabWidget()->geometry();
    auto* cancel = fw::FindControlAs<QPushButton>(&sheet, 2);
    ASSERT_NE(nullptr, cancel);
    for (QPushButton* button : {sheet.GetOkButton(), cancel}) {
        const QRect r(button->mapTo(&sheet, QPoint(0, 0)), button->size());
        EXPECT_GE(r.top(), tab.bottom()) << button->text().toStdString();
        EXPECT_GT(r.left(), tab.center().x()) << button->text().toStdString();
        EXPECT_LE(r.right(), tab.right()) << button->text().toStdString();
    }
    const QRect ok(sheet.GetOkButton()->mapTo(&sheet, QPoint(0, 0)), sheet.GetOkButton()->size());
    const QRect cancelRect(cancel->mapTo(&sheet, QPoint(0, 0)), cancel->size());
    EXPECT_LT(ok.right(), cancelRect.left()); // OK first, then Cancel
    EXPECT_GE(cancelRect.right(), tab.right() - 12);
    EXPECT_GE(a.width(), 400);
    EXPECT_GE(a.height(), 200);
}

// A page taller and wider than the screen: the sheet stays within the
// screen (and within a 1366 x 768 one) and the page scrolls both ways.
TEST(PropertySheet, APageLargerThanTheScreenScrolls) {
    std::vector<std::string> log;
    fw::CPropertySheet sheet("Sheet", nullptr, 0);
    CountingPage a(100, "A", log);
    a.setMinimumSize(2000, 1500);
    sheet.AddPage(&a);
    const QSize small = sheet.SizeWithin(QSize(1366 - 16, 768 - 48));
    EXPECT_LE(small.width(), 1366 - 16);
    EXPECT_LE(small.height(), 768 - 48);
    sheet.show();
    const QRect screen = sheet.screen()->availableGeometry();
    EXPECT_LE(sheet.width(), screen.width());
    EXPECT_LE(sheet.height(), screen.height());
    auto* scroller = qobject_cast<QScrollArea*>(sheet.GetTabWidget()->currentWidget());
    ASSERT_NE(nullptr, scroller);
    EXPECT_EQ(&a, scroller->widget());
    QApplication::processEvents();
    EXPECT_GT(scroller->verticalScrollBar()->maximum(), 0);
    EXPECT_GT(scroller->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(2000, a.width());
    EXPECT_EQ(1500, a.height());
}

// A small sheet takes what its pages ask for, not the screen.
TEST(PropertySheet, ASmallSheetTakesWhatItsPagesAskFor) {
    std::vector<std::string> log;
    fw::CPropertySheet sheet("Sheet", nullptr, 0);
    CountingPage a(100, "A", log);
    a.setMinimumSize(300, 200);
    sheet.AddPage(&a);
    const QSize size = sheet.SizeWithin(QSize(1350, 720));
    EXPECT_EQ(sheet.sizeHint().expandedTo(sheet.minimumSizeHint()), size);
    EXPECT_LT(size.width(), 600);
    EXPECT_LT(size.height(), 500);
}

} // namespace
