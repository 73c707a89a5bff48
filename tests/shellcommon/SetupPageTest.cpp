// The page set-up dialog both programs use: margins handed back on OK,
// refused ones keep the dialog open with the focus on the first of them in
// the order top, left, bottom, right.

#include "shellcommon/CDlgSetupPage.h"

#include "tests/common/MessageCapture.h"

#include "framework/Resources.h"

#include <QLineEdit>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct MarginCase {
    const char* left;
    const char* top;
    const char* right;
    const char* bottom;
    unsigned focus; // 0: accepted
    bool message;
};

TEST(SetupPageTest, FieldsAreCheckedTopLeftBottomRight) {
    const std::vector<MarginCase> cases = {
        {"0", "0", "0", "0", 0, false},
        {"5", "15", "25", "35", 0, false},
        {"10", "20", "10", "-1", CDlgSetupPage::IDC_BOTTOM, false},
        {"-1", "-1", "-1", "-1", CDlgSetupPage::IDC_TOP, false},
        {"-1", "20", "-1", "10", CDlgSetupPage::IDC_LEFT, false},
        {"10", "20", "-3", "10", CDlgSetupPage::IDC_RIGHT, false},
        {"10", "20", "10", "501", CDlgSetupPage::IDC_BOTTOM, false},
        {"10", "2x", "10", "10", CDlgSetupPage::IDC_TOP, true},
        {"10", " 20 ", "+10", "10", 0, false},
    };
    for (const MarginCase& c : cases) {
        SCOPED_TRACE(std::string(c.left) + "/" + c.top + "/" + c.right + "/" + c.bottom);
        tvtest::MessageCapture messages;
        CDlgSetupPage dlg(fw::CRect(10, 20, 10, 10), nullptr, 130);
        EXPECT_EQ(fw::GetControlId(&dlg), 130u);
        auto set = [&](unsigned id, const char* text) {
            fw::FindControlAs<QLineEdit>(&dlg, id)->setText(QString::fromLatin1(text));
        };
        set(CDlgSetupPage::IDC_LEFT, c.left);
        set(CDlgSetupPage::IDC_TOP, c.top);
        set(CDlgSetupPage::IDC_RIGHT, c.right);
        set(CDlgSetupPage::IDC_BOTTOM, c.bottom);
        dlg.accept();
        if (c.focus == 0) {
            EXPECT_EQ(dlg.result(), QDialog::Accepted);
            EXPECT_EQ(dlg.m_rectMargins, fw::CRect(std::stoi(c.left), std::stoi(c.top),
                                                   std::stoi(c.right), std::stoi(c.bottom)));
        } else {
            EXPECT_NE(dlg.result(), QDialog::Accepted);
            EXPECT_EQ(dlg.m_rectMargins, fw::CRect(10, 20, 10, 10));
            ASSERT_NE(dlg.focusWidget(), nullptr);
            EXPECT_EQ(fw::GetControlId(dlg.focusWidget()), c.focus);
        }
        EXPECT_EQ(messages.Count(), c.message ? 1u : 0u);
    }
}

TEST(SetupPageTest, OpensWithTheMarginsItIsGiven) {
    CDlgSetupPage dlg(fw::CRect(5, 15, 25, 35));
    EXPECT_EQ(fw::GetControlId(&dlg), 196u);
    EXPECT_EQ(fw::FindControlAs<QLineEdit>(&dlg, CDlgSetupPage::IDC_LEFT)->text(), "5");
    EXPECT_EQ(fw::FindControlAs<QLineEdit>(&dlg, CDlgSetupPage::IDC_TOP)->text(), "15");
    EXPECT_EQ(fw::FindControlAs<QLineEdit>(&dlg, CDlgSetupPage::IDC_RIGHT)->text(), "25");
    EXPECT_EQ(fw::FindControlAs<QLineEdit>(&dlg, CDlgSetupPage::IDC_BOTTOM)->text(), "35");
}

} // namespace
