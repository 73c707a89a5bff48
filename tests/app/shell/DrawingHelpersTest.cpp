// The shared drawing helpers: the program's fonts, the element tracker and
// the update hint.

#include "app/records/CTVFont.h"
#include "app/records/CTVTracker.h"
#include "app/records/CTVUpdate.h"

#include "framework/DeviceContext.h"

#include <gtest/gtest.h>

using fw::CPoint;
using fw::CRect;

namespace {

std::vector<fw::CDrawRecord> Texts(const fw::CRecordingDC& dc) {
    std::vector<fw::CDrawRecord> texts;
    for (const fw::CDrawRecord& r : dc.Records()) {
        if (r.kind == fw::CDrawRecord::Text)
            texts.push_back(r);
    }
    return texts;
}

} // namespace

TEST(TVFont, HeightsFacesAndAnglesByKind) {
    struct Case {
        int kind;
        int sizeCode;
        bool printing;
        int height;
        int angle;
    } cases[] = {
        {1, 0, false, 15, 0},       {7, 1, true, 12, 0},    {100, 0, false, 20, 0},
        {200, 0, false, 200, 0},    {200, 1, true, 25, 0},  {200, 2, true, 25, 0},
        {200, 3, true, 100, 0},     {203, 0, true, 150, 0}, {208, 0, false, 180, 0},
        {208, 2, true, 20, 0},      {208, 3, true, 150, 0}, {208, 4, true, 90, 0},
        {210, 0, false, 200, -900}, {211, 0, true, 150, 0}, {215, 1, true, 150, 0},
        {212, 0, false, 200, 0},    {216, 3, true, 130, 0}, {214, 0, false, 200, -900},
        {218, 1, true, 150, -900},  {221, 5, true, 200, 0}, {300, 0, true, 50, 0},
        {301, 0, false, 30, 0},     {302, 2, true, 35, 0},
    };
    for (const Case& c : cases) {
        fw::LOGFONT lf;
        ASSERT_TRUE(CTVFont::MakeLogFont(c.kind, c.sizeCode, c.printing, &lf)) << c.kind;
        EXPECT_EQ(lf.lfHeight, c.height) << c.kind << " " << c.sizeCode;
        EXPECT_EQ(lf.lfEscapement, c.angle) << c.kind;
        EXPECT_EQ(lf.lfWeight, 400);
        EXPECT_EQ(lf.lfWidth, 0);
        EXPECT_EQ(lf.lfItalic, 0);
        EXPECT_EQ(lf.GetFaceName(), c.kind >= 219 && c.kind <= 221 ? "" : "Arial") << c.kind;
    }
    fw::LOGFONT lf;
    EXPECT_FALSE(CTVFont::MakeLogFont(2, 0, false, &lf));
}

TEST(TVFont, SelectedForItsLifeAndUnknownKindSelectsNothing) {
    fw::CRecordingDC dc;
    fw::CFont before = dc.GetCurrentFont();
    {
        CTVFont font(&dc, 300, 0);
        EXPECT_TRUE(font.IsCreated());
        EXPECT_EQ(dc.GetCurrentFont().lf.lfHeight, 50);
        {
            CTVFont inner(&dc, 7, 0);
            EXPECT_EQ(dc.GetCurrentFont().lf.lfHeight, 12);
        }
        EXPECT_EQ(dc.GetCurrentFont().lf.lfHeight, 50);
        CTVFont unknown(&dc, 5, 0);
        EXPECT_FALSE(unknown.IsCreated());
        EXPECT_EQ(dc.GetCurrentFont().lf.lfHeight, 50);
    }
    EXPECT_EQ(dc.GetCurrentFont(), before);
    // A printing context takes the printing heights.
    fw::CRecordingDC printer(254, true);
    CTVFont printed(&printer, 200, 1);
    EXPECT_EQ(printer.GetCurrentFont().lf.lfHeight, 25);
}

TEST(TVFont, ExtentOfLinesIsTheWidestLineTimesTheLineCount) {
    fw::CRecordingDC dc;
    CTVFont font(&dc, 100, 0);
    fw::CSize three = dc.GetTextExtent("abc");
    fw::CSize size = font.DoGetTextExtent("a\r\nabc");
    EXPECT_EQ(size.cx, three.cx);
    EXPECT_EQ(size.cy, 2 * three.cy);
    EXPECT_EQ(font.DoGetTextExtent("abc").cy, three.cy);
    EXPECT_EQ(CTVFont::SplitLines("x\r\n\r\ny"), (std::vector<std::string>{"x", "", "y"}));
    EXPECT_EQ(CTVFont::SplitLines("a\nb"), std::vector<std::string>{"a\nb"});
}

TEST(TVFont, LinesRectangleAndRaisedTwoOfI2t) {
    fw::CRecordingDC dc;
    dc.SetTextColor(fw::RGB(1, 2, 3));
    CTVFont font(&dc, 100, 0);
    int h = dc.GetTextExtent("X").cy;

    font.DoDrawTextLines("one\r\ntwo", 10, 20, 0, 0, fw::RGB(255, 0, 0));
    std::vector<fw::CDrawRecord> t = Texts(dc);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].points[0], CPoint(10, 20));
    EXPECT_EQ(t[1].points[0], CPoint(10, 20 + h));
    EXPECT_EQ(t[1].textColor, fw::RGB(255, 0, 0));
    EXPECT_EQ(dc.GetTextColor(), fw::RGB(1, 2, 3));

    dc.Clear();
    int oldMode = dc.GetBkMode();
    font.DoDrawTextRect("mid", 0, 0, 200, 100, fw::RGB(0, 0, 255));
    t = Texts(dc);
    ASSERT_EQ(t.size(), 1u);
    fw::CSize ext = dc.GetTextExtent("mid");
    EXPECT_EQ(t[0].points[0], CPoint((200 - ext.cx) / 2, (100 - ext.cy) / 2));
    EXPECT_EQ(t[0].bkMode, fw::TRANSPARENT);
    EXPECT_EQ(dc.GetBkMode(), oldMode);

    dc.Clear();
    font.DoDrawTextSuper("I2t", 100, 0, 0, 500, fw::RGB(0, 0, 0));
    t = Texts(dc);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].text, "I");
    EXPECT_EQ(t[0].points[0], CPoint(95, 500));
    EXPECT_EQ(t[1].text, "2");
    EXPECT_EQ(t[1].font.lfHeight, static_cast<int>(20 * 2 / 3.0));
    int x2 = 95 + dc.GetTextExtent("I").cx + dc.GetTextExtent("2").cx / 4;
    EXPECT_EQ(t[1].points[0], CPoint(x2, 500 + h / 10));
    EXPECT_EQ(t[2].text, "t");
    EXPECT_GT(t[2].points[0].x, x2);
    EXPECT_EQ(t[2].points[0].y, 500);
    EXPECT_EQ(t[2].font.lfHeight, 20);
    EXPECT_EQ(dc.GetCurrentFont().lf.lfHeight, 20);

    // A second line goes one line height below the first (y up).
    dc.Clear();
    font.DoDrawTextSuper("a\r\nb", 0, 0, 0, 300, 0);
    t = Texts(dc);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[1].points[0], CPoint(-5, 300 - h));
}

TEST(TVTracker, HandlesByKindAndOrientation) {
    struct Case {
        int kind;
        int orientation;
        int enabled;
        unsigned mask;
    } cases[] = {
        {9, 1, 1, 160},  {9, 0, 1, 80},  {2, 1, 1, 160}, {2, 0, 1, 80}, {10, 0, 1, 80},
        {15, 1, 1, 160}, {8, 0, 1, 160}, {8, 1, 1, 160}, {5, 0, 1, 0},  {200, 0, 1, 0},
        {9, 1, 0, 0},    {8, 0, 2, 0},   {2, 2, 1, 80},
    };
    for (const Case& c : cases) {
        CTVTracker t;
        t.SetElementInfo(c.kind, c.orientation, c.enabled);
        EXPECT_EQ(t.GetHandleMask(), c.mask) << c.kind << " " << c.orientation << " " << c.enabled;
    }
    CTVTracker empty;
    EXPECT_EQ(empty.m_nKind, 0);
    EXPECT_EQ(empty.GetHandleMask(), 0u);
}

TEST(TVTracker, HandleSquaresLieInsideTheRectangle) {
    CTVTracker t;
    t.m_rect = CRect(100, 100, 140, 260); // a vertical bus-bar
    t.SetElementInfo(9, 0, 1);
    struct Case {
        CPoint p;
        int hit;
    } cases[] = {
        {{116, 100}, fw::CRectTracker::hitTop},     {{123, 107}, fw::CRectTracker::hitTop},
        {{124, 107}, fw::CRectTracker::hitNothing}, {{116, 252}, fw::CRectTracker::hitBottom},
        {{116, 260}, fw::CRectTracker::hitNothing}, {{100, 100}, fw::CRectTracker::hitNothing},
        {{100, 176}, fw::CRectTracker::hitNothing}, // left square: not offered
    };
    for (const Case& c : cases)
        EXPECT_EQ(t.DoFindHandle(c.p), c.hit) << c.p.x << "," << c.p.y;
    t.SetElementInfo(9, 1, 1);
    EXPECT_EQ(t.DoFindHandle(CPoint(100, 176)), fw::CRectTracker::hitLeft);
    EXPECT_EQ(t.DoFindHandle(CPoint(132, 176)), fw::CRectTracker::hitRight);
    // No square under the point: no drag starts.
    EXPECT_FALSE(t.DoTrackHandle(nullptr, CPoint(120, 176), false, nullptr));
}

TEST(TVUpdate, RectangleAndWords) {
    CTVUpdate empty;
    EXPECT_EQ(empty.m_nLeft, 0);
    EXPECT_EQ(empty.m_nBottom, 0);
    EXPECT_EQ(empty.m_dwFirst, 0u);
    EXPECT_EQ(empty.m_dwSecond, 0u);
    CTVUpdate area(1, 2, 41, 82);
    EXPECT_EQ(area.m_nLeft, 1);
    EXPECT_EQ(area.m_nTop, 2);
    EXPECT_EQ(area.m_nRight, 41);
    EXPECT_EQ(area.m_nBottom, 82);
    EXPECT_EQ(area.m_dwFirst, 0u);
    EXPECT_STREQ(area.GetRuntimeClass()->m_lpszClassName, "CTVUpdate");
    EXPECT_EQ(tvhint::kModeChanged, 8);
}
