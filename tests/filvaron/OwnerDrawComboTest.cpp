#include "framework/DeviceContext.h"
#include "framework/QtCombo.h"
#include "tools/ComboColor.h"
#include "tools/ComboKind.h"
#include "tools/ComboThick.h"

#include <QAbstractItemDelegate>
#include <QImage>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <gtest/gtest.h>

namespace {

std::vector<intptr_t> Values(const COwnerDrawCombo& box) {
    std::vector<intptr_t> v;
    for (int i = 0; i < box.count(); ++i)
        v.push_back(box.GetItemData(i));
    return v;
}

unsigned Sum(intptr_t c) {
    auto colour = static_cast<fw::COLORREF>(c);
    return fw::GetRValue(colour) + fw::GetGValue(colour) + fw::GetBValue(colour);
}

} // namespace

TEST(OwnerDrawComboTest, ThicknessAndKindEntriesInOrder) {
    CComboThick thick;
    thick.DoLoadList();
    EXPECT_EQ(Values(thick), (std::vector<intptr_t>{1, 2, 3, 4, 5, 7, 9}));
    EXPECT_EQ(thick.itemText(5).toStdString(), "7");
    EXPECT_EQ(thick.GetItemHeight(), 19);
    EXPECT_EQ(thick.MeasureItem(), 19);
    CComboKind kind;
    kind.DoLoadList();
    EXPECT_EQ(Values(kind), (std::vector<intptr_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(kind.itemText(0).toStdString(), "0");
    // The page reads the selection back through the combo adapter.
    fw::CQtCombo adapter(&thick);
    thick.DoSetCurSel(4);
    EXPECT_EQ(adapter.GetItemData(adapter.GetCurSel()), 4);
}

TEST(OwnerDrawComboTest, SetCurSelByValue) {
    CComboThick thick;
    thick.DoLoadList();
    thick.setCurrentIndex(1);
    thick.DoSetCurSel(7);
    EXPECT_EQ(thick.currentIndex(), 5);
    thick.DoSetCurSel(6); // no 6: the selection stays
    EXPECT_EQ(thick.currentIndex(), 5);
    CComboColor colour;
    colour.DoLoadList();
    colour.DoSetCurSel(0x408000);
    EXPECT_EQ(colour.GetItemData(colour.currentIndex()), 0x408000);
}

TEST(OwnerDrawComboTest, ColourComparison) {
    CComboColor box;
    struct Case {
        uint32_t a, b;
        int result;
    };
    const Case cases[] = {
        {0x0000FF, 0x000080, 1},  {0x000080, 0x0000FF, -1}, {0xC0C0C0, 0x808080, 1},
        {0x808080, 0x808080, 0},  {0x000000, 0xFFFFFF, -1}, {0xFF0000, 0x00FF00, -1},
        {0x00FF00, 0xFF0000, -1}, // equal sums: not symmetric
        {0x0000FF, 0x00FF00, -1}, // equal sums of different colours always go first
    };
    for (const Case& c : cases)
        EXPECT_EQ(box.CompareItem(c.a, c.b), c.result) << std::hex << c.a << " " << c.b;
    CComboThick thick;
    EXPECT_EQ(thick.CompareItem(3, 3), 0);
    EXPECT_EQ(thick.CompareItem(9, 1), -1);
    EXPECT_EQ(thick.CompareItem(1, 9), 1);
}

TEST(OwnerDrawComboTest, SortedColourBoxOrdersBySum) {
    CComboColor sorted;
    sorted.DoLoadList();
    ASSERT_EQ(sorted.count(), 15);
    std::vector<intptr_t> v = Values(sorted);
    EXPECT_EQ(v.front(), 0x000000);
    EXPECT_EQ(v.back(), 0xC0C0C0);
    for (size_t i = 1; i < v.size(); ++i)
        EXPECT_LE(Sum(v[i - 1]), Sum(v[i])) << i;
    EXPECT_TRUE(sorted.itemText(0).isEmpty());
    CComboColor unsorted(nullptr, false);
    unsorted.DoLoadList();
    EXPECT_EQ(Values(unsorted)[1], 0xFF0000);
    EXPECT_EQ(Values(unsorted)[14], 0x808080);
}

TEST(OwnerDrawComboTest, ThicknessEntryDrawing) {
    CComboThick box;
    fw::CRecordingDC dc;
    box.DrawItem(&dc, fw::CRect(0, 0, 100, 19), 9, false);
    const auto& r = dc.Records();
    ASSERT_EQ(r.size(), 6u);
    EXPECT_EQ(r[0].kind, fw::CDrawRecord::FillRect);
    EXPECT_EQ(r[0].points, (std::vector<fw::CPoint>{{2, 2}, {98, 17}}));
    EXPECT_EQ(r[0].brush.color, 0xFFFFFFu);
    const std::vector<fw::CPoint> outline = {{2, 2}, {98, 2}, {98, 17}, {2, 17}, {2, 2}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(r[1 + i].kind, fw::CDrawRecord::Polyline);
        EXPECT_EQ(r[1 + i].points, (std::vector<fw::CPoint>{outline[i], outline[i + 1]}));
        EXPECT_EQ(r[1 + i].pen, fw::CPen(fw::PS_SOLID, 1, 0));
    }
    // Inner height 15: top at 2 + 7 - 4 + 1, nine high, from 2 + 4 over 96 - 7.
    EXPECT_EQ(r[5].kind, fw::CDrawRecord::FillRect);
    EXPECT_EQ(r[5].points, (std::vector<fw::CPoint>{{6, 6}, {6 + 89, 15}}));
    EXPECT_EQ(r[5].brush.color, 0u);
    EXPECT_EQ(dc.GetCurrentPen(), fw::CPen());
    dc.Clear();
    box.DrawItem(&dc, fw::CRect(0, 0, 100, 19), 0, true);
    EXPECT_TRUE(dc.Records().empty());
}

TEST(OwnerDrawComboTest, KindEntryDrawingEnabledAndDisabled) {
    CComboKind box;
    for (bool enabled : {true, false}) {
        box.setEnabled(enabled);
        fw::CRecordingDC dc;
        box.DrawItem(&dc, fw::CRect(0, 19, 100, 38), fw::PS_DASHDOT, true);
        const auto& r = dc.Records();
        ASSERT_EQ(r.size(), 7u);
        EXPECT_EQ(r[0].brush.color, enabled ? 0xFFFFFFu : 0xC0C0C0u);
        EXPECT_EQ(r[5].kind, fw::CDrawRecord::Polyline);
        EXPECT_EQ(r[5].pen, fw::CPen(fw::PS_DASHDOT, 1, 0));
        EXPECT_EQ(r[5].points, (std::vector<fw::CPoint>{{5, 28}, {95, 28}}));
        EXPECT_EQ(r[6].kind, fw::CDrawRecord::FocusRect);
        EXPECT_EQ(r[6].points, (std::vector<fw::CPoint>{{0, 19}, {100, 38}}));
    }
    fw::CRecordingDC dc;
    box.DrawItem(&dc, fw::CRect(0, 0, 100, 19), -1, false);
    EXPECT_TRUE(dc.Records().empty());
}

TEST(OwnerDrawComboTest, ListEntriesArePaintedByTheBox) {
    CComboKind kind;
    kind.DoLoadList();
    CComboColor colour;
    colour.DoLoadList();
    QImage img(100, 40, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 100, 19);
    kind.itemDelegate()->paint(&painter, option, kind.model()->index(fw::PS_DASH, 0));
    option.rect = QRect(0, 19, 100, 19);
    int red = colour.findData(QVariant::fromValue<qlonglong>(0x0000FF));
    colour.itemDelegate()->paint(&painter, option, colour.model()->index(red, 0));
    painter.end();
    // A dashed line: dark and light pixels along y = 9 inside the box.
    int dark = 0, light = 0;
    for (int x = 6; x < 94; ++x)
        (qGray(img.pixel(x, 9)) < 128 ? dark : light)++;
    EXPECT_GT(dark, 30);
    EXPECT_GT(light, 10);
    EXPECT_EQ(img.pixel(50, 28), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(1, 28), qRgb(255, 255, 255)); // outside the inner box
    EXPECT_EQ(kind.itemDelegate()->sizeHint(option, kind.model()->index(0, 0)).height(), 19);
}
