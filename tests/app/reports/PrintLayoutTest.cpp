// The printed pages of a report: which rows each page holds, where, and the
// page loop's end; the margins that leave no room refused.

#include "app/records/DocSettings.h"
#include "app/records/ElementKinds.h"
#include "app/reports/CPrintDataList.h"
#include "tests/common/MessageCapture.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// Rows given by type and height, named by their cell 0 for the checks.
struct R {
    int32_t type;
    int32_t height;
    int32_t space;
    const char* name;
    int32_t kind = kKindSource;
};

void Fill(CPrintDataList& list, const std::vector<R>& rows) {
    for (const R& r : rows) {
        CPrintData* row = list.DoAddNewRow();
        if (r.type == kRowFrame) {
            row->DoSetBlankLine();
            continue;
        }
        if (r.type == kRowHeader)
            row->DoMakeHeaderElementDataSource();
        row->m_nType = r.type;
        row->m_nKind = r.kind;
        row->m_nHeight = r.height;
        row->m_nSpace = r.space;
        row->m_strText[0] = r.name;
    }
}

// "name@depth" for each row placed on page n, a repeated header as "H*".
std::string Page(const CPrintDataList& list, int n, int hp, int frame, int* result = nullptr) {
    std::vector<CPrintSlot> placed;
    const int r = list.DoLayoutPage(n, hp, frame, 0, &placed);
    if (result)
        *result = r;
    std::string text;
    for (const CPrintSlot& s : placed)
        text += (s.repeatedHeader ? std::string("H*") : s.Row().m_strText[0]) + "@" +
                std::to_string(s.depth) + " ";
    return text;
}

TEST(PrintLayoutTest, DataRowThatDoesNotFitMovesBelowARepeatedHeader) {
    // Page height 300: frame 50, header 70 (+3), rows of 70 at 123, 193;
    // the third would end at 333 > 300 and starts page 2 below the source
    // header repeated (70 high, space 0, gap 3).
    CPrintDataList list;
    Fill(list, {{kRowFrame, 35, 0, "F"},
                {kRowHeader, 70, 0, "H"},
                {kRowData, 70, 0, "a"},
                {kRowData, 70, 0, "b"},
                {kRowData, 70, 20, "c"}});
    int result = -1;
    EXPECT_EQ(Page(list, 1, 300, 50, &result), "H@50 a@123 b@193 ");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(Page(list, 2, 300, 50, &result), "H*@0 c@73 ");
    EXPECT_EQ(result, 0);
}

TEST(PrintLayoutTest, TitleMovesWithWhatItKeeps) {
    // A title followed by a header and a first row: 35 + 10 + 70 + 0 + 3 +
    // 70 = 188 from y = 150 passes 300, so all three move to page 2.
    CPrintDataList withHeader;
    Fill(withHeader, {{kRowText, 35, 115, "t0"},
                      {kRowTitle, 35, 10, "T"},
                      {kRowHeader, 70, 0, "H"},
                      {kRowData, 70, 20, "a"}});
    EXPECT_EQ(Page(withHeader, 1, 300, 0), "t0@0 ");
    EXPECT_EQ(Page(withHeader, 2, 300, 0), "T@0 H@45 a@118 ");
    // With room for it (page 340: 150 + 188 = 338) it stays.
    EXPECT_EQ(Page(withHeader, 1, 340, 0), "t0@0 T@150 H@195 a@268 ");

    // A title followed by "No data": 35 + 10 + 35 from 230 passes 300.
    CPrintDataList withText;
    Fill(withText, {{kRowText, 35, 195, "t0"}, {kRowTitle, 35, 10, "T"}, {kRowText, 35, 10, "N"}});
    EXPECT_EQ(Page(withText, 1, 300, 0), "t0@0 ");
    EXPECT_EQ(Page(withText, 2, 300, 0), "T@0 N@45 ");
    // The last title keeps nothing with it: placed once it starts above the
    // bottom.
    CPrintDataList lastTitle;
    Fill(lastTitle, {{kRowText, 35, 255, "t0"}, {kRowTitle, 35, 10, "T"}});
    EXPECT_EQ(Page(lastTitle, 1, 300, 0), "t0@0 T@290 ");
}

TEST(PrintLayoutTest, HeaderNearTheBottomStaysAndItsRowGetsTheRepeatedHeader) {
    // The header starts at 250 (above 300) and is printed there; its row
    // does not fit below it and opens page 2 below a repeated header.
    CPrintDataList list;
    Fill(list, {{kRowText, 35, 215, "t0"}, {kRowHeader, 70, 0, "H"}, {kRowData, 70, 20, "a"}});
    int result = -1;
    EXPECT_EQ(Page(list, 1, 300, 0, &result), "t0@0 H@250 ");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(Page(list, 2, 300, 0, &result), "H*@0 a@73 ");
    EXPECT_EQ(result, 0);
}

TEST(PrintLayoutTest, PageReportsMoreExactlyWhenARowStartsAtOrBelowItsBottom) {
    // Rows end exactly at 300: nothing starts at or below the bottom.
    CPrintDataList exact;
    Fill(exact, {{kRowHeader, 70, 0, "H"}, {kRowData, 70, 0, "a"}, {kRowData, 157, 0, "b"}});
    int result = -1;
    EXPECT_EQ(Page(exact, 1, 300, 0, &result), "H@0 a@73 b@143 ");
    EXPECT_EQ(result, 0);
    // One more row starts at 300, on page 2, below the repeated header.
    CPrintDataList more;
    Fill(more, {{kRowHeader, 70, 0, "H"},
                {kRowData, 70, 0, "a"},
                {kRowData, 157, 0, "b"},
                {kRowData, 35, 0, "c"}});
    EXPECT_EQ(Page(more, 1, 300, 0, &result), "H@0 a@73 b@143 ");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(Page(more, 2, 300, 0, &result), "H*@0 c@73 ");
    EXPECT_EQ(result, 0);
}

TEST(PrintLayoutTest, EmptyReportPrintsOnePage) {
    CPrintDataList list;
    int result = -1;
    EXPECT_EQ(Page(list, 1, 300, 0, &result), "");
    EXPECT_EQ(result, 0);
}

// Every row of a long report is printed once, on consecutive pages, and the
// pages end: also when the page-1 frame is deeper than a page, which left
// the rows of the pages it passed unprinted while the layout stayed on the
// first page.
TEST(PrintLayoutTest, EveryRowPrintedOnceEvenBelowAFrameDeeperThanAPage) {
    for (int frame : {0, 50, 450, 700}) {
        CPrintDataList list;
        std::vector<R> rows{{kRowFrame, 35, 0, "F"}, {kRowTitle, 35, 10, "T"}};
        rows.push_back({kRowHeader, 70, 0, "H"});
        std::vector<std::string> names;
        for (int i = 0; i < 40; ++i)
            names.push_back("r" + std::to_string(i));
        for (const std::string& name : names)
            rows.push_back({kRowData, 70, 0, name.c_str()});
        Fill(list, rows);
        std::map<std::string, int> printed;
        int page = 1;
        int result = 1;
        for (; result == 1 && page < 100; ++page) {
            std::vector<CPrintSlot> placed;
            result = list.DoLayoutPage(page, 300, frame, 0, &placed);
            for (const CPrintSlot& s : placed) {
                EXPECT_GE(s.depth, 0) << frame;
                if (!s.repeatedHeader)
                    ++printed[s.Row().m_strText[0]];
            }
        }
        EXPECT_EQ(result, 0) << "frame " << frame;
        for (const std::string& name : names)
            EXPECT_EQ(printed[name], 1) << name << " below a frame of " << frame;
        EXPECT_EQ(printed["T"], 1);
        EXPECT_EQ(printed["H"], 1);
    }
}

// Margins that leave no printable height: every page call would report one
// more page. The job is refused with a message and nothing is printed.
TEST(PrintLayoutTest, MarginsWithoutRoomAreRefusedNotPrintedForever) {
    CPrintDataList list;
    Fill(list, {{kRowFrame, 35, 0, "F"}, {kRowHeader, 70, 0, "H"}, {kRowData, 70, 0, "a"}});
    CInfoReport report;
    // A4 upright at 254 dots per inch: 2100 x 2970 units of 0.1 mm.
    fw::CRecordingDC dc(254, true);
    dc.SetMapMode(fw::MM_LOMETRIC);
    const CPrintPage page{fw::CSize(2100, 2970), fw::CPoint(0, 0)};
    fw::CPrintInfo info;
    info.m_nCurPage = 1;
    report.m_rectMargins = fw::CRect(10, 150, 10, 145); // 2970 - 2950 - 45 < 0
    tvtest::MessageCapture messages;
    EXPECT_EQ(list.DoPrintPage(&dc, &info, report, 0, 0, page), 0);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_NE(messages.Last().text.find("margins"), std::string::npos);
    EXPECT_TRUE(dc.Records().empty());
    EXPECT_EQ(list.DoLayoutPage(1, 0, 0, 0, nullptr), 0);
    EXPECT_EQ(list.DoLayoutPage(1, -5, 0, 0, nullptr), 0);

    // Ordinary margins print: the rows and the page number "1" centred at
    // X0 / 2 + Wp / 2 = 50 + 950, at depth Y0 + Hp + T - 35 =
    // 200 + (2970 - 300 - 45) + 0 - 35 = 2790.
    report.m_rectMargins = fw::CRect(10, 20, 10, 10);
    dc.Clear();
    EXPECT_EQ(list.DoPrintPage(&dc, &info, report, 0, 0, page), 0);
    EXPECT_EQ(messages.Count(), 1u);
    bool number = false;
    for (const fw::CDrawRecord& rec : dc.Records())
        if (rec.kind == fw::CDrawRecord::Text && rec.text == "1") {
            number = true;
            EXPECT_EQ(rec.points[0], fw::CPoint(1000, -2790));
        }
    EXPECT_TRUE(number);
}

} // namespace
