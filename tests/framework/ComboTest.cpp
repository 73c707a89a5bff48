#include "framework/Combo.h"
#include "framework/QtCombo.h"

#include <QComboBox>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The same behaviour is asked of the memory combo and of the Qt adapter.
class ComboTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (GetParam()) {
            m_qbox = std::make_unique<QComboBox>();
            m_combo = std::make_unique<fw::CQtCombo>(m_qbox.get());
        } else {
            m_combo = std::make_unique<fw::CMemoryCombo>();
        }
    }
    std::unique_ptr<QComboBox> m_qbox;
    std::unique_ptr<fw::IComboBox> m_combo;
};

} // namespace

TEST_P(ComboTest, AddFindSelectAndItemData) {
    auto& c = *m_combo;
    EXPECT_EQ(c.FindStringExact(-1, "L"), fw::IComboBox::CB_ERR);
    EXPECT_EQ(c.AddString("L"), 0);
    EXPECT_EQ(c.GetCurSel(), fw::IComboBox::CB_ERR); // adding selects nothing
    EXPECT_EQ(c.AddString("LS"), 1);
    EXPECT_EQ(c.AddString("LSI"), 2);
    c.SetItemData(1, 77);
    EXPECT_EQ(c.GetItemData(1), 77);
    EXPECT_EQ(c.FindStringExact(-1, "ls"), 1);    // case is ignored
    EXPECT_EQ(c.FindStringExact(-1, "LSIG"), -1); // whole text only
    EXPECT_EQ(c.FindStringExact(1, "L"), 0);      // search wraps around
    EXPECT_EQ(c.SetCurSel(2), 2);
    EXPECT_EQ(c.GetCurSel(), 2);
    EXPECT_EQ(c.GetLBText(2), "LSI");
    EXPECT_EQ(c.SetCurSel(9), fw::IComboBox::CB_ERR);
    EXPECT_EQ(c.DeleteString(0), 2);
    EXPECT_EQ(c.GetCount(), 2);
    c.ResetContent();
    EXPECT_EQ(c.GetCount(), 0);
    EXPECT_EQ(c.GetCurSel(), -1);
}

INSTANTIATE_TEST_SUITE_P(MemoryAndQt, ComboTest, ::testing::Values(false, true));

TEST(EqualsNoCase, LatinLettersToo) {
    EXPECT_TRUE(fw::EqualsNoCase("Break_Type", "BREAK_TYPE"));
    EXPECT_TRUE(fw::EqualsNoCase("\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89")); // été / ÉTÉ
    EXPECT_FALSE(fw::EqualsNoCase("abc", "abd"));
    EXPECT_FALSE(fw::EqualsNoCase("abc", "abcd"));
}
