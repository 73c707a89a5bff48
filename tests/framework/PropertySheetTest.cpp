// The property sheet: pages initialised once and activated on each showing,
// a page that refuses to let go keeps the user on it (tab change and OK),
// and pages added and removed while the sheet runs.

#include "framework/PropertySheet.h"
#include "framework/Resources.h"

#include <QPushButton>
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

} // namespace
