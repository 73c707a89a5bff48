// Selecting the entry of a stored setting in a dial combo box.

#include "tools/Filvaron.h"
#include "tools/FixedText.h"

#include "framework/Combo.h"
#include "tests/common/MessageCapture.h"

#include <gtest/gtest.h>

namespace {

fw::CMemoryCombo FixedBox() {
    fw::CMemoryCombo box;
    for (const char* t : {"L", "LS", "LSI"})
        box.AddString(t);
    return box;
}

// 0.5, 0.6, ... 1.0 written with one decimal, the count in entry 0's data.
fw::CMemoryCombo ContinuousBox() {
    fw::CMemoryCombo box;
    for (const char* t : {"0.5", "0.6", "0.7", "0.8", "0.9", "1.0"})
        box.SetItemData(box.AddString(t), 1);
    return box;
}

const std::string kNotFound = "\" can not found on \"Dial_Current\" of \"dorventa.mdb\".";

} // namespace

TEST(FixedDialCombo, SelectsTheEntryIgnoringCase) {
    tvtest::MessageCapture capture;
    fw::CMemoryCombo box = FixedBox();
    EXPECT_EQ(DLLSetFixedDialCombo(&box, "LS", 4232), 1);
    EXPECT_EQ(box.GetCurSel(), 1);
    EXPECT_EQ(DLLSetFixedDialCombo(&box, "lsi", 4232), 2);
    EXPECT_EQ(box.GetCurSel(), 2);
    EXPECT_EQ(capture.Count(), 0u);
}

TEST(FixedDialCombo, MissingTextWarnsAndKeepsTheSelection) {
    tvtest::MessageCapture capture;
    fw::CMemoryCombo box = FixedBox();
    box.SetCurSel(1);
    EXPECT_EQ(DLLSetFixedDialCombo(&box, "LSIG", 4232), -1);
    EXPECT_EQ(box.GetCurSel(), 1);
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_EQ(capture.Last().text, "\"LSIG" + kNotFound);

    // An empty text is -1 without a word.
    EXPECT_EQ(DLLSetFixedDialCombo(&box, "", 4232), -1);
    EXPECT_EQ(capture.Count(), 1u);
    EXPECT_EQ(box.GetCurSel(), 1);
}

TEST(FixedDialCombo, NoBoxIsNoSelection) {
    tvtest::MessageCapture capture;
    EXPECT_EQ(DLLSetFixedDialCombo(nullptr, "LS", 4232), -1);
    EXPECT_EQ(DLLSetContiDialCombo(nullptr, 0.8, 4232, 0), -1);
    EXPECT_EQ(capture.Count(), 0u);
}

TEST(ContinuousDialCombo, SelectsByTheBoxesDecimalCount) {
    tvtest::MessageCapture capture;
    fw::CMemoryCombo box = ContinuousBox();
    EXPECT_EQ(DLLSetContiDialCombo(&box, 0.8, 4232, 0), 3);
    EXPECT_EQ(box.GetCurSel(), 3);
    EXPECT_EQ(DLLSetContiDialCombo(&box, 1, 4232, 0), 5);
    // Percent: 80 is 0.8.
    EXPECT_EQ(DLLSetContiDialCombo(&box, 80, 4232, 1), 3);
    // Any other flag leaves the value as it is.
    EXPECT_EQ(DLLSetContiDialCombo(&box, 90, 4232, 2), -1);
    EXPECT_EQ(capture.Count(), 1u);
}

TEST(ContinuousDialCombo, ValueOffTheGridWarnsWithItsRoundedText) {
    tvtest::MessageCapture capture;
    fw::CMemoryCombo box = ContinuousBox();
    box.SetCurSel(0);
    // 1.25 is written 1.3, which is not an entry.
    EXPECT_EQ(DLLSetContiDialCombo(&box, 1.25, 4232, 0), -1);
    EXPECT_EQ(box.GetCurSel(), 0);
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_EQ(capture.Last().text, "\"1.3" + kNotFound);
}

TEST(ContinuousDialCombo, EmptyBoxWarnsWithSixDecimals) {
    tvtest::MessageCapture capture;
    fw::CMemoryCombo box;
    EXPECT_EQ(DLLSetContiDialCombo(&box, 0.8, 4234, 0), -1);
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_EQ(capture.Last().text,
              "\"0.800000\" can not found on \"Dial_Time\" of \"dorventa.mdb\".");
}

TEST(FixedDecimals, RoundsHalfAwayFromZeroOnTheExactValue) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {1.25, 1, "1.3"},
        {-1.25, 1, "-1.3"},
        {0.125, 2, "0.13"},
        {2.5, 0, "3"},
        {0.15, 1, "0.1"}, // 0.15 is a little below 0.15 as a double
        {0.35, 1, "0.3"},
        {9.96, 1, "10.0"},
        {99.5, 0, "100"},
        {0.5, 2, "0.50"},
        {1e-7, 3, "0.000"},
        {1234.5678, 6, "1234.567800"},
        {0.8, -1, "0.800000"},
        {0.0, 0, "0"},
        {0.0078125, 6, "0.007813"},
        {-0.5, 0, "-1"},
        {9.5, 0, "10"},
        {0.9921875, 6, "0.992188"},
        {0.9999995, 6, "1.000000"}, // not a tie as a double: plain rounding
        {1e22, 2, "10000000000000000000000.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFixedDecimals(c.value, c.decimals), c.text) << c.value << " " << c.decimals;
}
