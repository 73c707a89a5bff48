#include "framework/DeviceContext.h"
#include "tools/Filvaron.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

fw::LOGFONT ArialFont(int height) {
    fw::LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWeight = 400;
    lf.lfOutPrecision = 4;
    lf.lfQuality = 2;
    lf.lfPitchAndFamily = 2;
    lf.SetFaceName("Arial");
    return lf;
}

std::vector<const fw::CDrawRecord*> Texts(const fw::CRecordingDC& dc) {
    std::vector<const fw::CDrawRecord*> out;
    for (const fw::CDrawRecord& r : dc.Records())
        if (r.kind == fw::CDrawRecord::Text)
            out.push_back(&r);
    return out;
}

} // namespace

TEST(TextDrawingTest, EmptyLineAdvancesByTheHeightOfASpace) {
    fw::CRecordingDC dc;
    fw::LOGFONT lf = ArialFont(20);
    dc.SetTextColor(0x111111);
    fw::LOGFONT before = ArialFont(7);
    dc.SelectObject(fw::CFont(before));
    DLLDrawTextSkeleton(&dc, "abc\r\n\r\ndef", fw::CRect(41, 81, 119, 119), &lf, 0x0000FF);
    auto texts = Texts(dc);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0]->text, "abc");
    EXPECT_EQ(texts[0]->points[0], fw::CPoint(41, 81));
    EXPECT_EQ(texts[1]->text, "def");
    EXPECT_EQ(texts[1]->points[0], fw::CPoint(41, 81 + 2 * 20));
    for (const fw::CDrawRecord* t : texts) {
        EXPECT_EQ(t->textColor, 0x0000FFu);
        EXPECT_EQ(t->font, lf);
    }
    // The context gets its colour and font back.
    EXPECT_EQ(dc.GetTextColor(), 0x111111u);
    EXPECT_EQ(dc.GetCurrentFont().lf, before);
}

TEST(TextDrawingTest, DrawingKeepsTheBackgroundModeOfTheCaller) {
    fw::CRecordingDC dc;
    fw::LOGFONT lf = ArialFont(20);
    dc.SetBkMode(fw::TRANSPARENT);
    DLLDrawTextSkeleton(&dc, "x", fw::CRect(0, 0, 10, 10), &lf, 0);
    ASSERT_EQ(Texts(dc).size(), 1u);
    EXPECT_EQ(Texts(dc)[0]->bkMode, fw::TRANSPARENT);
}

TEST(TextDrawingTest, SizeOfLines) {
    fw::CRecordingDC dc;
    fw::LOGFONT lf = ArialFont(20);
    dc.SelectObject(fw::CFont(lf));
    const int ab = dc.GetTextExtent("ab").cx;
    const int abcd = dc.GetTextExtent("abcd").cx;
    const int space = dc.GetTextExtent(" ").cx;
    const int abcOrDef = std::max(dc.GetTextExtent("abc").cx, dc.GetTextExtent("def").cx);
    dc.SelectObject(fw::CFont());
    struct Case {
        const char* text;
        fw::CSize size;
    };
    const Case cases[] = {
        {"", {0, 0}},
        {"ab", {ab, 20}},
        {"ab\r\nabcd", {abcd, 40}},
        {"abcd\r\nab", {abcd, 40}},
        {"ab\r\n", {ab, 40}}, // drawn as one line, measured as two
        {"abc\r\n\r\ndef", {abcOrDef, 60}},
        {"\r\n", {space, 40}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DLLGetSizeText(&dc, c.text, &lf), c.size) << c.text;
    EXPECT_EQ(dc.GetCurrentFont(), fw::CFont());
    EXPECT_TRUE(dc.Records().empty());
}

TEST(TextDrawingTest, DrawsOnAnImageAtTheRectangleCorner) {
    QImage img(200, 100, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    fw::CDC dc(&painter);
    fw::LOGFONT lf = ArialFont(20);
    DLLDrawTextSkeleton(&dc, "HH\r\nHH", fw::CRect(50, 10, 150, 90), &lf, 0);
    painter.end();
    int top = 100, bottom = -1, left = 200;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            if (qGray(img.pixel(x, y)) < 128) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
            }
    EXPECT_GE(top, 10);
    EXPECT_LT(bottom, 10 + 40);
    EXPECT_GT(bottom, 10 + 20); // the second line
    EXPECT_GE(left, 50);
    EXPECT_LT(left, 55);
}
