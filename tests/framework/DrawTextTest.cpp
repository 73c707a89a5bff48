// Formatted text in a rectangle: where each line lands for the formatting
// flags the ruled tables use, in a mapping with y upward and one with y
// downward, and where words wrap.

#include "framework/DrawText.h"
#include "framework/DeviceContext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Line {
    std::string text;
    fw::CPoint at;
};

std::vector<Line> Lines(const fw::CRecordingDC& dc) {
    std::vector<Line> lines;
    for (const fw::CDrawRecord& r : dc.Records()) {
        if (r.kind == fw::CDrawRecord::Text)
            lines.push_back({r.text, r.points[0]});
    }
    return lines;
}

class DrawTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dc.SetMapMode(fw::MM_LOMETRIC); // y upward
        fw::LOGFONT lf;
        lf.lfHeight = 35;
        lf.SetFaceName("Arial");
        m_dc.SelectObject(fw::CFont(lf));
        m_line = m_dc.GetTextExtent("").cy;
    }
    int Width(const std::string& text) { return m_dc.GetTextExtent(text).cx; }

    fw::CRecordingDC m_dc{254};
    int m_line = 0;
};

TEST_F(DrawTextTest, SingleLineCentredBothWays) {
    // Box from (100, -100) 400 wide and 110 high, y upward.
    fw::CRect box(100, -100, 500, -210);
    int height =
        fw::DrawText(&m_dc, "Type", box, fw::DT_CENTER | fw::DT_VCENTER | fw::DT_SINGLELINE);
    std::vector<Line> lines = Lines(m_dc);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].at.x, 100 + (400 - Width("Type")) / 2);
    EXPECT_EQ(lines[0].at.y, -100 - (110 - m_line) / 2);
    EXPECT_EQ(height, m_line);
}

TEST_F(DrawTextTest, LineBreaksStackLinesFromTheTopEachCentred) {
    fw::CRect box(0, 0, 300, -200);
    int height = fw::DrawText(&m_dc, "High-\r\nspeed\r\ntype", box, fw::DT_CENTER | fw::DT_VCENTER);
    std::vector<Line> lines = Lines(m_dc);
    ASSERT_EQ(lines.size(), 3u);
    const char* texts[] = {"High-", "speed", "type"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[i].text, texts[i]);
        EXPECT_EQ(lines[i].at.x, (300 - Width(texts[i])) / 2);
        EXPECT_EQ(lines[i].at.y, -i * m_line); // DT_VCENTER needs DT_SINGLELINE
    }
    EXPECT_EQ(height, 3 * m_line);
}

TEST_F(DrawTextTest, SingleLineJoinsWhatABreakWouldSplit) {
    fw::CRect box(0, 0, 900, -55);
    fw::DrawText(&m_dc, "a\r\nb", box, fw::DT_SINGLELINE);
    std::vector<Line> lines = Lines(m_dc);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, "ab");
}

TEST_F(DrawTextTest, WordBreakWrapsAtBlanksWherePastTheRightEdge) {
    // Room for "16  20" but not for "16  20  25": lines break between words,
    // runs of blanks stay inside a line and the blanks at a break go.
    int room = Width("16  20") + 2;
    fw::CRect box(0, 0, room, -300);
    fw::DrawText(&m_dc, "16  20  25  32  40", box, fw::DT_CENTER | fw::DT_WORDBREAK);
    std::vector<Line> lines = Lines(m_dc);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, "16  20");
    EXPECT_EQ(lines[1].text, "25  32");
    EXPECT_EQ(lines[2].text, "40");
    EXPECT_EQ(lines[2].at.y, -2 * m_line);
    EXPECT_EQ(lines[2].at.x, (room - Width("40")) / 2);
    // A word longer than the box stays whole on its own line.
    m_dc.Clear();
    fw::DrawText(&m_dc, "Thermal-magnetic", fw::CRect(0, 0, 10, -100), fw::DT_WORDBREAK);
    ASSERT_EQ(Lines(m_dc).size(), 1u);
}

TEST_F(DrawTextTest, RightAndBottomInAMappingWithYDownward) {
    fw::CRecordingDC dc(96);
    dc.SelectObject(m_dc.GetCurrentFont());
    int line = dc.GetTextExtent("").cy;
    fw::CRect box(10, 20, 210, 120); // MM_TEXT: top is the smaller y
    fw::DrawText(&dc, "x", box, fw::DT_RIGHT | fw::DT_BOTTOM | fw::DT_SINGLELINE);
    std::vector<Line> lines = Lines(dc);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].at.x, 210 - dc.GetTextExtent("x").cx);
    EXPECT_EQ(lines[0].at.y, 120 - line);
}

TEST_F(DrawTextTest, TextAlignOfTheContextIsLeftAsItWas) {
    m_dc.SetTextAlign(fw::TA_CENTER | fw::TA_BASELINE);
    fw::DrawText(&m_dc, "x", fw::CRect(0, 0, 100, -100), fw::DT_CENTER);
    EXPECT_EQ(m_dc.GetTextAlign(), fw::TA_CENTER | fw::TA_BASELINE);
    ASSERT_EQ(m_dc.Records().size(), 1u);
    EXPECT_EQ(m_dc.Records()[0].textAlign, fw::TA_TOP | fw::TA_LEFT);
}

} // namespace
