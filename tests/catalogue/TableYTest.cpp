// The co-ordination table: its rows from the real breaker database, one
// pagination rule that puts every row on exactly one page, and a long table
// printed to PDF and read back with pdftotext.

#include "catalogue/model/CDrawDataY.h"
#include "catalogue/model/CInfoPrint.h"
#include "catalogue/model/CPrintInfo.h"
#include "catalogue/model/PrintMapping.h"

#include "tests/catalogue/CatalogueTestSupport.h"
#include "tests/common/MessageCapture.h"

#include "breakerdata/model/CReadCoordination.h"
#include "breakerdata/recordsets/CRSBreak_Coordination.h"
#include "framework/DeviceContext.h"
#include "tools/Filvaron.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

std::vector<std::string> RowTexts(const CDrawDataYList& list) {
    std::vector<std::string> rows;
    for (const auto& r : list) {
        std::string line = std::to_string(r->m_nKind) + ":";
        for (int i = 0; i < r->m_nCellCount; ++i)
            line += (i ? "|" : "") + r->m_strTexts[i];
        rows.push_back(line);
    }
    return rows;
}

class TableYTest : public ::testing::Test {
protected:
    cattest::CDatabases m_db;
    tvtest::MessageCapture m_messages;
};

TEST_F(TableYTest, ConditionsHeaderRowsAndEmptyResult) {
    CDrawDataYList list;
    list.DoMakeConditions(2, 3);
    list.DoMakeTable(m_db.m_pBreaker, CReadCoordinationList());
    EXPECT_EQ(RowTexts(list),
              (std::vector<std::string>{
                  "1:[Search conditions]", "2:Type of co-ordination : Type2",
                  "2:Search the motor output, the breaker, and the thermal relay by the contactor.",
                  "1:[Search results]", "3:MOTORS|MCCBS|CONTACTORS|THERMALRELAYS|CABLES|MAX.Ie",
                  "3:P(kW)|I(A)\r\n400V|Type|Rated current(A)|Trip current(A)|Type|Type|Setting "
                  "range(A)\r\n(Ordering designation)|Cu(m\u2021u)\r\n(min.)|(A)"}));
    auto it = list.begin();
    std::advance(it, 4);
    const CDrawDataY& upper = **it;
    const CDrawDataY& lower = **std::next(it);
    int upperWidth = 0, lowerWidth = 0;
    for (int i = 0; i < upper.m_nCellCount; ++i)
        upperWidth += upper.m_nWidths[i];
    for (int i = 0; i < lower.m_nCellCount; ++i)
        lowerWidth += lower.m_nWidths[i];
    EXPECT_EQ(upperWidth, 2184);
    EXPECT_EQ(lowerWidth, 2184);
    EXPECT_EQ(lower.m_nHeight, 110);
    EXPECT_EQ(lower.m_nGap, 3);
    // 27 + four lines of 55 + 55 + 110 (gaps not counted).
    EXPECT_EQ(list.GetExtent(), fw::CSize(2184, 27 + 4 * 55 + 55 + 110));

    CDrawDataYList other;
    other.DoMakeConditions(7, 9);
    EXPECT_EQ(RowTexts(other), (std::vector<std::string>{"1:[Search conditions]",
                                                         "2:Type of co-ordination : ", "2:"}));
    CDrawDataYList empty;
    empty.DoMakeTableEmpty();
    EXPECT_EQ(RowTexts(empty),
              (std::vector<std::string>{"1:[Search conditions]", "1:[Search results]"}));
}

TEST_F(TableYTest, DataRowOfAStarterFromTheDatabase) {
    // Type 1, 7.5 kW: motor current 15.5 A (IEC 60947-4-1 table), the first
    // instantaneous breaker rating above it with its trip current, the
    // contactor, the relay whose range holds 15.5 A and the cable.
    CReadCoordinationList rows;
    ASSERT_EQ(CRSBreak_Coordination(m_db.m_pBreaker).DoReadByMotorCapacity(1, 7.5, &rows), 1);
    CDrawDataYList list;
    list.DoMakeTable(m_db.m_pBreaker, rows);
    const CDrawDataY& row = *list.GetTail();
    const CReadCoordination& entry = *rows.GetHead();
    EXPECT_EQ(row.m_nKind, CDrawDataY::kindData);
    EXPECT_EQ(row.m_strTexts[0], "7.5");
    EXPECT_EQ(row.m_strTexts[1], "15.5");
    EXPECT_EQ(row.m_strTexts[2], entry.DoGetTextLVCBTypeName(m_db.m_pBreaker));
    EXPECT_FALSE(row.m_strTexts[2].empty());
    EXPECT_EQ(row.m_strTexts[3], DLLGetTextByBeams(entry.m_dRatedCurrent, 0));
    EXPECT_EQ(row.m_strTexts[7], entry.DoGetTextThermalRated());
    EXPECT_EQ(row.m_strTexts[8], DLLGetTextByBeams(entry.m_dCu, 0));
    EXPECT_EQ(row.m_nCellCount, 10);
}

// A table of n starters whose motor outputs are 1000.25, 1001.25, ...
CDrawDataYList LongTable(fw::CDatabase* db, int n, int type = 1) {
    CReadCoordinationList rows;
    for (int i = 0; i < n; ++i) {
        CReadCoordination* r = rows.DoAddNewReadCoordination();
        r->m_dP = 1000.25 + i;
        r->m_dI = 5;
        r->m_lLVCBTypeID = 191;
        r->m_dRatedCurrent = 10;
        r->m_dTripCurrent = 130;
        r->m_dRangeMin = 4;
        r->m_dRangeMax = 6;
        r->m_dOrdering = 5;
        r->m_dCu = 2.5;
        r->m_dIe = 17.5;
    }
    CDrawDataYList list;
    list.DoMakeConditions(type, 1);
    list.DoMakeTable(db, rows);
    return list;
}

// Checks a pagination: every row once and in order, no page overfull, no
// title line last on a page, every page that begins with a data row begins
// with the repeated upper header.
void CheckPages(const CDrawDataYList& list, const std::vector<CDrawDataYList::CPage>& pages,
                int height) {
    std::vector<int> seen;
    for (size_t p = 0; p < pages.size(); ++p) {
        const CDrawDataYList::CPage& page = pages[p];
        ASSERT_FALSE(page.empty()) << "page " << p + 1 << " of " << pages.size();
        const CDrawDataYList::CPlacedRow& last = page.back();
        const CDrawDataY* lastRow = list.GetAt(last.row);
        if (page.size() > 1) {
            EXPECT_LE(last.depth + lastRow->m_nHeight, height) << "page " << p + 1;
        }
        if (p + 1 < pages.size()) {
            EXPECT_NE(lastRow->m_nKind, CDrawDataY::kindTextLine) << "page " << p + 1;
        }
        const CDrawDataY* first = list.GetAt(page.front().row);
        if (p > 0 && (first->m_nKind == CDrawDataY::kindData || page.front().header)) {
            EXPECT_TRUE(page.front().header) << "page " << p + 1;
            EXPECT_EQ(page.front().depth, 0);
        }
        for (const auto& placed : page) {
            if (!placed.header)
                seen.push_back(placed.row);
        }
    }
    std::vector<int> expected;
    for (int i = 0; i < list.GetCount(); ++i)
        expected.push_back(i);
    EXPECT_EQ(seen, expected);
}

TEST_F(TableYTest, EveryRowIsOnExactlyOnePageWhateverThePageHeight) {
    // From the tallest group that must stay together ("[Search results]"
    // with both header rows: 55 + 55 + 110 + 3 = 223) to more than the table.
    CDrawDataYList list = LongTable(m_db.m_pBreaker, 40);
    for (int height = 223; height <= 2600; height += 7) {
        SCOPED_TRACE("printable height " + std::to_string(height));
        CheckPages(list, list.DoPaginate(height), height);
    }
}

TEST_F(TableYTest, ResultsTitleMovesWithBothHeaderRowsAndPageTwoStartsWithTheHeader) {
    CDrawDataYList list = LongTable(m_db.m_pBreaker, 10);
    // Conditions: 3 x 55 = 165. "[Search results]" at 165 needs 55 + 55 +
    // 110 + 3 = 223 below it: at height 300 it goes to page 2 with both
    // header rows.
    std::vector<CDrawDataYList::CPage> pages = list.DoPaginate(300);
    ASSERT_GE(pages.size(), 2u);
    ASSERT_EQ(pages[0].size(), 3u);
    EXPECT_EQ(pages[1][0].row, 3);
    EXPECT_EQ(pages[1][0].depth, 0);
    EXPECT_EQ(pages[1][1].row, 4);
    EXPECT_EQ(pages[1][2].row, 5);
    EXPECT_EQ(pages[1][2].depth, 110);
    // Data rows from depth 110 + 113 = 223, 55 each: one fits in 300; page 3
    // starts with the upper header repeated, then the next data row.
    EXPECT_EQ(pages[1].size(), 4u);
    EXPECT_TRUE(pages[2][0].header);
    EXPECT_EQ(pages[2][0].row, 4);
    EXPECT_EQ(pages[2][1].row, 7);
    EXPECT_EQ(pages[2][1].depth, 55);
}

int PrintToPdf(const CDrawDataYList& list, const CInfoPrint& print, const std::string& path) {
    QPdfWriter writer(QString::fromStdString(path));
    writer.setResolution(300);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    QPainter painter(&writer);
    int pages = 0;
    for (unsigned page = 1; page <= 100; ++page) {
        if (page > 1)
            writer.newPage();
        fw::CDC dc(&painter, true);
        CPrintInfo info;
        info.m_nCurPage = page;
        info.m_sizePage = fw::CSize(writer.width(), writer.height());
        DoSetPrintMapping(&dc, 4, info, print, 0, CDrawDataYList::kTableWidth);
        ++pages;
        if (list.DoPrint(&dc, info, print) != 1)
            break;
    }
    painter.end();
    return pages;
}

// Prints every page through a recording context (a 600 dpi A4 landscape
// page) and counts the motor outputs drawn.
std::map<std::string, int> PrintedOutputs(const CDrawDataYList& list, const CInfoPrint& print,
                                          int* pages) {
    std::map<std::string, int> count;
    *pages = 0;
    for (unsigned page = 1; page <= 200; ++page) {
        fw::CRecordingDC dc(600, true);
        CPrintInfo info;
        info.m_nCurPage = page;
        info.m_sizePage = fw::CSize(7016, 4961); // 297 x 210 mm at 600 dpi
        DoSetPrintMapping(&dc, 4, info, print, 0, CDrawDataYList::kTableWidth);
        ++*pages;
        int more = list.DoPrint(&dc, info, print);
        for (const fw::CDrawRecord& r : dc.Records()) {
            if (r.kind == fw::CDrawRecord::Text && r.text.size() == 7 && r.text.ends_with(".25"))
                ++count[r.text];
        }
        if (more != 1)
            break;
    }
    return count;
}

TEST_F(TableYTest, EveryPrintJobDrawsEveryRowOnceWhateverTheMargins) {
    CDrawDataYList list = LongTable(m_db.m_pBreaker, 70);
    for (int margin = 0; margin <= 60; ++margin) {
        CInfoPrint print;
        print.m_nMarginTop = margin;
        print.m_nMarginBottom = 5 + margin / 3;
        int pages = 0;
        std::map<std::string, int> count = PrintedOutputs(list, print, &pages);
        EXPECT_EQ(count.size(), 70u) << "top margin " << margin;
        for (const auto& [text, times] : count)
            EXPECT_EQ(times, 1) << text << " with top margin " << margin;
        EXPECT_LT(pages, 200);
    }
}

TEST_F(TableYTest, LongTablePrintsEveryRowExactlyOnceWithNumberedPages) {
    if (!cattest::HavePdfToText())
        GTEST_SKIP() << "poppler-utils' pdftotext is not installed";
    QTemporaryDir dir;
    std::string path = dir.filePath("long.pdf").toStdString();
    const int n = 90;
    CDrawDataYList list = LongTable(m_db.m_pBreaker, n);
    CInfoPrint print;
    int printed = PrintToPdf(list, print, path);
    // A4 landscape at 300 dpi with the default margins: the table's 2184
    // units fill 297 - 20 = 277 mm (3272 px) less 15 px, 1.4913 px a unit;
    // the printable height 210 - 30 - 6.5 = 173.5 mm (2049 px) holds 1374
    // units. Page 1: 3 x 55 of conditions, 55 + 55 + 113 of title and
    // headers leave 986 units, 17 rows of 55. Later pages: the repeated
    // header (55) and 23 rows. 90 = 17 + 3 x 23 + 4: five pages.
    EXPECT_EQ(printed, 5);
    std::vector<std::string> pages = cattest::PdfPages(path);
    ASSERT_EQ(static_cast<int>(pages.size()), printed);
    std::map<std::string, int> count;
    std::regex output(R"(1\d\d\d\.25)");
    for (size_t p = 0; p < pages.size(); ++p) {
        const std::string& text = pages[p];
        for (auto it = std::sregex_iterator(text.begin(), text.end(), output);
             it != std::sregex_iterator(); ++it)
            ++count[it->str()];
        if (p > 0) {
            EXPECT_NE(text.find("MOTORS"), std::string::npos) << "page " << p + 1;
        }
        // The page number stands below the rows.
        std::string trimmed = text.substr(0, text.find_last_not_of(" \n") + 1);
        std::string lastLine = trimmed.substr(trimmed.find_last_of('\n') + 1);
        EXPECT_EQ(lastLine.substr(lastLine.find_first_not_of(' ')), std::to_string(p + 1));
    }
    ASSERT_EQ(static_cast<int>(count.size()), n);
    for (const auto& [text, times] : count)
        EXPECT_EQ(times, 1) << text;
}

} // namespace
