// Report rows: the preset widths and headers of every table, the cells'
// vertical centring, the standard rows and the screen drawing.

#include "app/records/DocSettings.h"
#include "app/records/ElementKinds.h"
#include "app/reports/CPrintDataList.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace {

int32_t SectionSum(const CPrintData& row, int start, int count) {
    return std::accumulate(row.m_nPresetWidth.begin() + start,
                           row.m_nPresetWidth.begin() + start + count, 0);
}

TEST(ReportRowsTest, PresetSectionsSumToTheirTables) {
    const CPrintData row;
    // {start, columns, total} of every table, in table order.
    const int table[][3] = {{0, 8, 1586},    {8, 13, 2652},   {21, 13, 2496},  {34, 13, 2496},
                            {47, 12, 2340},  {59, 12, 2314},  {71, 4, 650},    {75, 13, 2444},
                            {88, 15, 2782},  {103, 15, 2808}, {118, 17, 2860}, {135, 10, 1976},
                            {145, 10, 1794}, {155, 8, 1404},  {163, 11, 1950}, {174, 13, 2652},
                            {187, 18, 2886}, {205, 15, 2730}, {220, 17, 2912}, {237, 15, 2860},
                            {252, 17, 2886}};
    int next = 0;
    for (const auto& t : table) {
        EXPECT_EQ(t[0], next) << "sections follow each other";
        EXPECT_EQ(SectionSum(row, t[0], t[1]), t[2]) << "section at " << t[0];
        next = t[0] + t[1];
    }
    EXPECT_EQ(next, kPresetWidthCount);
    for (int32_t w : row.m_nPresetWidth) {
        EXPECT_EQ(w % 26, 0);
        EXPECT_GE(w, 78);
        EXPECT_LE(w, 364);
    }
}

// Each header: kind, height, indent, columns and width as the report
// repeats it on a new page; a report's extent is its widest header (data of
// elements and the force report add their indent).
TEST(ReportRowsTest, HeadersByReportAndKind) {
    struct Case {
        int32_t report, kind, rowKind, height, indent, count, width;
    };
    const Case cases[] = {
        {0, kKindSource, 4, 70, 26, 8, 1586},       {0, kKindHVCB, 1, 105, 26, 13, 2652},
        {0, kKindTrans3, 5, 105, 26, 13, 2496},     {0, kKindTrans1, 16, 105, 26, 13, 2496},
        {0, kKindGenerator, 6, 140, 26, 12, 2340},  {0, kKindMotorEff, 7, 105, 26, 12, 2314},
        {0, kKindZeroCond, 8, 70, 26, 4, 650},      {0, kKindBusDuct, 15, 140, 26, 13, 2444},
        {0, kKindBusBar, 9, 140, 26, 15, 2782},     {0, kKindWire, 10, 140, 26, 15, 2808},
        {0, kKindLVCB, 2, 175, 26, 17, 2860},       {0, kKindContactor, 11, 140, 26, 10, 1976},
        {0, kKindMotor, 12, 70, 26, 10, 1794},      {0, kKindLoad, 13, 70, 26, 8, 1404},
        {0, kKindCapacitor, 14, 105, 26, 11, 1950}, {1, kKindWire, 0, 140, 0, 13, 2652},
        {5, kKindBusBar, 9, 140, 26, 15, 2782},     {5, kKindWire, 10, 140, 26, 15, 2808},
        {5, kKindBusDuct, 15, 140, 26, 13, 2444},   {2, kKindLVCB, 0, 175, 0, 18, 2886},
        {3, kKindLVCB, 0, 175, 0, 15, 2730},        {4, kKindHVCB, 0, 175, 0, 17, 2912},
        {6, kKindWire, 0, 175, 0, 15, 2860},        {7, kKindLVCB, 0, 175, 0, 17, 2886},
    };
    for (const Case& c : cases) {
        CPrintData row;
        EXPECT_EQ(row.DoMakeHeader(c.report, c.kind), c.width) << c.report << "/" << c.kind;
        EXPECT_EQ(row.m_nType, kRowHeader);
        EXPECT_EQ(row.m_nKind, c.rowKind);
        EXPECT_EQ(row.m_nHeight, c.height) << c.kind;
        EXPECT_EQ(row.m_nIndent, c.indent);
        EXPECT_EQ(row.m_nCount, c.count);
        EXPECT_EQ(row.m_nSpace, 0);
        for (int i = 0; i < row.m_nCount; ++i) {
            const bool lines = row.m_strText[i].find("\r\n") != std::string::npos;
            EXPECT_EQ(row.m_nFormat[i], lines ? kCellMulti : kCellSingle) << row.m_strText[i];
        }
    }
    // The thermal relay and kinds outside a report's tables leave the row
    // as it was.
    for (auto [report, kind] : {std::pair{0, kKindThermal}, {0, 99}, {5, kKindSource}}) {
        CPrintData row;
        EXPECT_EQ(row.DoMakeHeader(report, kind), 0);
        EXPECT_EQ(row.m_nType, 0);
        EXPECT_EQ(row.m_nCount, 0);
    }

    // Extents: kind 0's widest table is the low-voltage breaker's
    // (2860 + 26), kind 5's the wire's (2808 + 26), kind 1's its only one.
    CPrintDataList data;
    for (int32_t kind = 1; kind <= 16; ++kind)
        data.DoAddNewRow()->DoMakeHeader(0, kind);
    EXPECT_EQ(data.DoGetExtent(0).cx, 2886);
    CPrintDataList force;
    for (int32_t kind : {kKindBusDuct, kKindBusBar, kKindWire})
        force.DoAddNewRow()->DoMakeHeader(5, kind);
    EXPECT_EQ(force.DoGetExtent(5).cx, 2834);
    CPrintDataList results;
    results.DoAddNewRow()->DoMakeHeaderCalcResults();
    EXPECT_EQ(results.DoGetExtent(1).cx, 2652);
}

// The titles are printed as users' reports have always shown them, with
// their spelling.
TEST(ReportRowsTest, TitlesKeepTheirPrintedSpelling) {
    CPrintData busBar;
    busBar.DoMakeHeaderElementDataBusBar();
    EXPECT_EQ(busBar.m_strText[3], "Material /\r\nSurfase");
    CPrintData wire;
    wire.DoMakeHeaderElementDataWire();
    EXPECT_EQ(wire.m_strText[4], "Core\r\nconstraction");
    EXPECT_EQ(wire.m_strText[8], "Core\r\nsize(mm\xC2\xB2)\r\nxNumber");
    CPrintData pair;
    pair.DoMakeHeaderElementDataContactorThermal();
    EXPECT_EQ(pair.m_strText[4], "Conventional\r\nfree air\r\nthmermal\r\ncurrent Ith");
    CPrintData capacitor;
    capacitor.DoMakeHeaderElementDataCapacitor();
    EXPECT_EQ(capacitor.m_strText[4], "Electronic\r\ncapacity");
    CPrintData trans1;
    trans1.DoMakeHeaderElementDataTrans1();
    EXPECT_EQ(trans1.m_strText[12], "");
    EXPECT_EQ(trans1.m_strText[11], "Damping time\r\nconstant");
}

TEST(ReportRowsTest, MultiLineCellsAreCentredByTheirLineCount) {
    struct Case {
        int32_t height;
        const char* text;
        int32_t pad;
    } const cases[] = {{175, "a\r\nb\r\nc", 35},
                       {140, "a\r\nb\r\nc\r\nd", 0},
                       {105, "a\r\nb", 17},
                       {35, "Not\r\ncalculated", -17}};
    for (const Case& c : cases)
        EXPECT_EQ(CPrintData::GetMultiLinePad(c.height, c.text), c.pad) << c.text;

    // Drawn: the first line's top is the pad below the row's top (y up in
    // the 0.1 mm mapping), the others below it; one-line texts are not
    // drawn by the multi-line routine.
    fw::CRecordingDC dc(254);
    dc.SetMapMode(fw::MM_LOMETRIC);
    fw::LOGFONT lf;
    lf.lfHeight = -35;
    dc.SelectObject(fw::CFont(lf));
    CPrintData row;
    row.DoMakeHeaderElementDataLVCB();
    row.m_nHeight = 175;
    row.SetCell(0, "a\r\nb\r\nc");
    EXPECT_EQ(row.DoDrawMultiLineCell(&dc, 1, 0, 0), 2);  // "Operational\r\nvoltage"
    EXPECT_EQ(row.DoDrawMultiLineCell(&dc, 3, 0, 0), -1); // "Kind"
    dc.Clear();
    EXPECT_EQ(row.DoDrawMultiLineCell(&dc, 0, 100, -50), 3);
    std::vector<int> tops;
    for (const fw::CDrawRecord& rec : dc.Records())
        if (rec.kind == fw::CDrawRecord::Text)
            tops.push_back(rec.points[0].y);
    ASSERT_EQ(tops.size(), 3u);
    EXPECT_EQ(tops[0], -85);
    EXPECT_LT(tops[2], tops[1]);
}

TEST(ReportRowsTest, StandardRows) {
    CPrintData blank;
    blank.DoSetBlankLine();
    EXPECT_EQ(blank.m_nType, kRowFrame);
    EXPECT_EQ(blank.m_nHeight, 35);
    EXPECT_EQ(blank.m_nWidth[0], 182);

    CPrintData noData;
    noData.DoSetNoData(kKindWire);
    EXPECT_EQ(noData.m_strText[0], "No data");
    EXPECT_EQ(noData.m_nKind, kKindWire);
    EXPECT_EQ(noData.m_nType, kRowText);
    EXPECT_EQ(noData.m_nSpace, 10);
    EXPECT_EQ(noData.m_nIndent, 26);
    CPrintData noData0;
    noData0.DoSetNoData(0);
    EXPECT_EQ(noData0.m_nIndent, 0);
    CPrintData gate;
    gate.DoSetGateLine();
    EXPECT_EQ(gate.m_strText[0], "No data");
    EXPECT_EQ(gate.m_nSpace, 0);
    EXPECT_EQ(gate.m_nIndent, 0);

    CInfoSkeleton skeleton;
    skeleton.m_dCapacity = 1500.0;
    skeleton.m_nFrequency = 60;
    CPrintData title;
    title.DoSetReferenceTitle();
    EXPECT_EQ(title.m_strText[0], "[Reference capacity and Frequency]");
    EXPECT_EQ(title.m_nType, kRowTitle);
    CPrintData line;
    line.DoSetReferenceLine(skeleton);
    EXPECT_EQ(line.m_strText[0], "Reference capacity : 1500kVA,   Frequency : 60Hz");
    EXPECT_EQ(line.m_nSpace, 20);
    EXPECT_EQ(line.m_nIndent, 26);
}

// On the screen the placeholder takes no room; the first row stands 20
// below the top at 26 + its indent, a header leaves 3 more below it.
TEST(ReportRowsTest, ScreenSheetLaysRowsOneBelowAnother) {
    CPrintDataList list;
    list.DoAddNewRow()->DoSetBlankLine();
    list.DoAddNewRow()->DoSetTitle(kKindZeroCond, "[Zero conductor]");
    list.DoAddNewRow()->DoMakeHeaderElementDataZeroCond();
    CPrintData* row = list.DoAddNewRow();
    row->DoMakeHeaderElementDataZeroCond();
    row->m_nType = kRowData;
    row->m_nHeight = 35;
    row->m_strText[0] = "ZC1";
    fw::CRecordingDC dc(254);
    dc.SetMapMode(fw::MM_LOMETRIC);
    list.DoDrawAll(&dc);
    std::vector<std::pair<std::string, fw::CPoint>> texts;
    for (const fw::CDrawRecord& rec : dc.Records())
        if (rec.kind == fw::CDrawRecord::Text &&
            (rec.text == "[Zero conductor]" || rec.text == "ZC1" || rec.text == "Ref.No."))
            texts.emplace_back(rec.text, rec.points[0]);
    // Title at depth 20, header at 65 (20 + 35 + 10), row at 138 (65 + 70 + 3);
    // the one-line cells are centred in their 182-wide cell.
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].second, fw::CPoint(26, -20));
    EXPECT_EQ(texts[1].first, "Ref.No.");
    EXPECT_EQ(texts[2].first, "ZC1");
    EXPECT_EQ(list.DoGetExtent(0).cy, 20 + 45 + 73 + 35);
}

} // namespace
