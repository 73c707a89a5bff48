// The transposed result table: built from searches on the real breaker
// database, drawn at the Part's positions, printed by breaker columns to a
// PDF file whose text is read back by poppler's pdftotext.

#include "catalogue/model/CDrawDataX.h"
#include "catalogue/model/CInfoPrint.h"
#include "catalogue/model/CPrintInfo.h"
#include "catalogue/model/CZedezuziDocData.h"
#include "catalogue/model/PrintMapping.h"

#include "tests/catalogue/CatalogueTestSupport.h"
#include "tests/common/MessageCapture.h"

#include "breakerdata/model/CReadCapacity.h"
#include "framework/DeviceContext.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<const CDrawDataX*> Entries(const CDrawDataXList& list, int kind) {
    std::vector<const CDrawDataX*> entries;
    for (const auto& e : list) {
        if (e->m_nKind == kind)
            entries.push_back(e.get());
    }
    return entries;
}

std::vector<std::string> LineTexts(const CDrawDataXList& list) {
    std::vector<std::string> lines;
    for (const auto& e : list) {
        if (e->m_nKind != CDrawDataX::kindTextLine && e->m_nKind != CDrawDataX::kindTexts)
            continue;
        std::string line;
        for (int i = 0; i < e->m_nCellCount; ++i)
            line += (i ? " | " : "") + e->m_strTexts[i];
        lines.push_back(line);
    }
    return lines;
}

class TableXTest : public ::testing::Test {
protected:
    // The Optional search of the issue: 400 V, 100 A, 25 kA, 3 poles, among
    // the default maker's breakers.
    void SearchOptional(CZedezuziDocData& d) {
        d.DoSetDefaults(m_db.m_pBreaker, m_db.m_pList, cattest::ProgramVersion());
        d.m_nSearchKind = kSearchOptional;
        d.m_InfoBaseOptional.m_nVoltage = 400;
        d.m_InfoBaseOptional.m_dRatedValue = 100;
        d.m_dOptionalCapacity = 25000;
        d.m_nOptionalPoles = 3;
        d.DoSearch(m_db.m_pBreaker);
    }

    cattest::CDatabases m_db;
    tvtest::MessageCapture m_messages;
};

TEST_F(TableXTest, OptionalSearchShowsItsConditionsAndOneColumnPerCandidateInOrder) {
    CZedezuziDocData d;
    SearchOptional(d);
    EXPECT_EQ(LineTexts(d.m_listDrawDataX),
              (std::vector<std::string>{
                  "[Search conditions]",
                  "Voltage : 400V | Rated current : 100A | Breaking capacity : 25kA | Number of "
                  "poles : 3",
                  "Manufacturer : KESTRAVAL | Kind : ? | Type : ?", "[Search results]"}));
    std::vector<const CDrawDataX*> columns = Entries(d.m_listDrawDataX, CDrawDataX::kindData);
    ASSERT_EQ(static_cast<int>(columns.size()), d.m_listCandidate.GetCount());
    ASSERT_GE(columns.size(), 3u);
    int i = 0;
    for (const auto& candidate : d.m_listCandidate) {
        EXPECT_EQ(columns[i]->m_strTexts[3], candidate->DoGetTextTypeName(m_db.m_pBreaker));
        EXPECT_EQ(columns[i]->m_nCellCount, 24);
        ++i;
    }
    EXPECT_EQ(Entries(d.m_listDrawDataX, CDrawDataX::kindHeader).size(), 3u);
    // 520 + 416 per column; 20 + four text lines of 55 + the block's 1430.
    EXPECT_EQ(d.m_listDrawDataX.GetExtent(d.m_listCandidate.GetCount()),
              fw::CSize(520 + 416 * d.m_listCandidate.GetCount(), 20 + 4 * 55 + 1430));
    EXPECT_EQ(m_messages.Count(), 0u);
}

const CDrawDataX* ColumnOf(const CDrawDataXList& list, const std::string& type) {
    for (const CDrawDataX* e : Entries(list, CDrawDataX::kindData)) {
        if (e->m_strTexts[3] == type)
            return e;
    }
    return nullptr;
}

TEST_F(TableXTest, CellsOfBreakersFromTheDatabaseRows) {
    CZedezuziDocData d;
    SearchOptional(d);
    // KVC-125S (type 124): capacity rows (V, Icu, Ics) 400 25000 12500,
    // 690 7500 3750, 230 42000 21000; ratings 16 to 125 A fixed; poles 2, 3,
    // 4 at 240, 415 and 690 V.
    const CDrawDataX* s = ColumnOf(d.m_listDrawDataX, "KVC-125S");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->m_strTexts[0], "Current model");
    EXPECT_EQ(s->m_strTexts[1], "Moulded-case circuit breakers");
    EXPECT_EQ(s->m_strTexts[2], "125");
    EXPECT_EQ(s->m_strTexts[4], "16  20  25  32\r\n40  50  63  80\r\n100  125");
    EXPECT_EQ(s->m_strTexts[6], "2  3  4");
    EXPECT_EQ(s->m_strTexts[7], "240 - 415 - 690");
    for (int i : {8, 9, 10, 11})
        EXPECT_EQ(s->m_strTexts[i], "-") << i;
    EXPECT_EQ(s->m_strTexts[12], "7.5/3.75"); // 690 V
    EXPECT_EQ(s->m_strTexts[18], "25/12.5");  // 400 V
    EXPECT_EQ(s->m_strTexts[21], "42/21");    // 230 V
    EXPECT_EQ(s->m_nHeights[4], 110);
    EXPECT_EQ(s->m_nFormats[4], 17);
    EXPECT_EQ(s->m_nHeights[7], 110);
    // KVC-125H (type 125) at 400 V: Icu 50 kA, Ics 37.5 kA.
    const CDrawDataX* h = ColumnOf(d.m_listDrawDataX, "KVC-125H");
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->m_strTexts[18], "50/37.5");
    // KVL-125 (type 202, group code 20): 3-pole row sensitivities 30, 100,
    // 200, 500 mA in 0.1 s; time-delay 100, 200, 500 mA in 0.45, 1, 2 s.
    const CDrawDataX* el = ColumnOf(d.m_listDrawDataX, "KVL-125");
    ASSERT_NE(el, nullptr);
    EXPECT_EQ(el->m_strTexts[8], "30  100  200  500");
    EXPECT_EQ(el->m_strTexts[9], "0.1");
    EXPECT_EQ(el->m_strTexts[10], "100  200  500");
    EXPECT_EQ(el->m_strTexts[11], "0.45  1  2");
    for (int i = 12; i <= 21; ++i)
        EXPECT_EQ(el->m_strTexts[i], "-") << i;
}

struct IcuIcsCase {
    int32_t icu;
    int32_t ics;
    const char* text;
};

TEST(TableXCells, CapacityCellJoinsIcuAndIcsInKiloAmperes) {
    for (const IcuIcsCase& c :
         {IcuIcsCase{50000, 25000, "50/25"}, IcuIcsCase{50000, 0, "50"}, IcuIcsCase{0, 25000, "25"},
          IcuIcsCase{0, 0, "-"}, IcuIcsCase{36500, 36500, "36.5/36.5"}}) {
        CReadCapacityList list;
        CReadCapacity* other = list.DoAddNewReadCapacity();
        other->m_lVoltage = 230;
        other->m_lIcu = 99000;
        CReadCapacity* at400 = list.DoAddNewReadCapacity();
        at400->m_lVoltage = 400;
        at400->m_lIcu = c.icu;
        at400->m_lIcs = c.ics;
        CReadCapacity* second = list.DoAddNewReadCapacity(); // the first entry is used
        second->m_lVoltage = 400;
        second->m_lIcu = 1000;
        EXPECT_EQ(CDrawDataX::DoGetTextIcuIcs(list, 400), c.text) << c.icu << "/" << c.ics;
        EXPECT_EQ(CDrawDataX::DoGetTextIcuIcs(list, 690), "-");
    }
}

TEST_F(TableXTest, SearchWithoutResultShowsTheHeaderBlockOnly) {
    CZedezuziDocData d;
    d.DoSetDefaults(m_db.m_pBreaker, m_db.m_pList, cattest::ProgramVersion());
    d.m_nSearchKind = kSearchOptional;
    d.m_InfoBaseOptional.m_dRatedValue = 100;
    d.m_dOptionalCapacity = 9.9e6; // no breaker breaks 9900 kA
    d.DoSearch(m_db.m_pBreaker);
    EXPECT_EQ(d.m_listCandidate.GetCount(), 0);
    EXPECT_EQ(Entries(d.m_listDrawDataX, CDrawDataX::kindHeader).size(), 3u);
    EXPECT_TRUE(Entries(d.m_listDrawDataX, CDrawDataX::kindData).empty());
    EXPECT_EQ(d.m_listDrawDataX.GetExtent(0).cx, 520);
}

TEST_F(TableXTest, PairTablesSayTheirModeAndConditions) {
    CInfoBase up;
    up.m_nVoltage = 400;
    up.m_strGroupName = "Moulded-case circuit breakers";
    up.m_strTypeName = "KVC-125S";
    CInfoBase down;
    down.m_nVoltage = 400;
    down.m_strGroupName = "Miniature circuit breakers";
    CCandidateList none;

    CDrawDataXList cascade;
    cascade.DoMakeTableCascadeUp(m_db.m_pBreaker, up, down, 15000, 3, none);
    EXPECT_EQ(LineTexts(cascade),
              (std::vector<std::string>{
                  "[Search conditions]",
                  "Search upstream breakers that the combination with the downstream breaker is "
                  "possible by Icu-back or more.",
                  "Voltage : 400V | Number of poles : 3 | Icu-back : 15kAabove",
                  "Upstream breaker : Moulded-case circuit breakers KVC-125S",
                  "Downstream breaker : Miniature circuit breakers ?", "[Search results]"}));

    CDrawDataXList is;
    is.DoMakeTableSelectiveIs(up, down, 0.0, 4);
    EXPECT_EQ(LineTexts(is),
              (std::vector<std::string>{
                  "[Search conditions]",
                  "Search Is by the combination of the upstream breaker and the downstream "
                  "breaker.",
                  "Voltage : 400V | Number of poles : 4",
                  "Upstream breaker : Moulded-case circuit breakers KVC-125S",
                  "Downstream breaker : Miniature circuit breakers ?", "[Search results]", ""}));
    // The mode-3 tables have no columns, but their extent keeps the block.
    EXPECT_EQ(is.GetExtent(0), fw::CSize(520, 20 + 7 * 55 + 1430));

    CDrawDataXList down2;
    down2.DoMakeTableSelectiveUp(m_db.m_pBreaker, up, down, 2500, 3, none);
    EXPECT_EQ(LineTexts(down2)[1], "Search upstream breakers  that the combination with the "
                                   "downstream breaker is possible by Is or more.");
    EXPECT_EQ(LineTexts(down2)[2], "Voltage : 400V | Number of poles : 3 | Is : 2.5kAabove");

    CDrawDataXList empty;
    empty.DoMakeTableEmpty();
    EXPECT_EQ(LineTexts(empty),
              (std::vector<std::string>{"[Search conditions]", "[Search results]"}));
}

// Where DoDraw puts things: boxes as rectangles, texts at their anchors.
std::vector<fw::CRect> Boxes(const fw::CRecordingDC& dc) {
    std::vector<fw::CRect> boxes;
    for (const fw::CDrawRecord& r : dc.Records()) {
        if (r.kind == fw::CDrawRecord::Rectangle)
            boxes.push_back(fw::CRect(r.points[0].x, r.points[0].y, r.points[1].x, r.points[1].y));
    }
    return boxes;
}

bool HasText(const fw::CRecordingDC& dc, const std::string& text, fw::CPoint at) {
    for (const fw::CDrawRecord& r : dc.Records()) {
        if (r.kind == fw::CDrawRecord::Text && r.text == text && r.points[0] == at)
            return true;
    }
    return false;
}

TEST_F(TableXTest, DrawingPlacesLinesBlockAndColumnsWhereThePartSays) {
    CZedezuziDocData d;
    SearchOptional(d);
    fw::CRecordingDC dc(254);
    dc.SetMapMode(fw::MM_LOMETRIC);
    d.m_listDrawDataX.DoDraw(&dc);
    // Lines from y = -20 down by 55: titles at x 13, texts from x 26.
    EXPECT_TRUE(HasText(dc, "[Search conditions]", fw::CPoint(13, -20)));
    EXPECT_TRUE(HasText(dc, "Voltage : 400V", fw::CPoint(26, -75)));
    EXPECT_TRUE(HasText(dc, "Manufacturer : KESTRAVAL", fw::CPoint(26, -130)));
    EXPECT_TRUE(HasText(dc, "[Search results]", fw::CPoint(13, -185)));
    // The block's top is y = -240. Main header column at x 26; its first
    // cell 520 wide and one line high; the earth-leakage column at x 130
    // from line 10; the voltage column at x 416 from line 14.
    std::vector<fw::CRect> boxes = Boxes(dc);
    auto has = [&](fw::CRect r) { return std::find(boxes.begin(), boxes.end(), r) != boxes.end(); };
    EXPECT_TRUE(has(fw::CRect(26, -240, 546, -295)));
    EXPECT_TRUE(has(fw::CRect(130, -240 - 550, 546, -240 - 605)));
    EXPECT_TRUE(has(fw::CRect(416, -240 - 770, 546, -240 - 825)));
    // Breaker columns from x 547, 416 apart.
    EXPECT_TRUE(has(fw::CRect(547, -240, 963, -295)));
    EXPECT_TRUE(has(fw::CRect(963, -240, 1379, -295)));
    // The rated values of the first column: two lines high, from line 4.
    EXPECT_TRUE(has(fw::CRect(547, -240 - 4 * 55, 963, -240 - 6 * 55)));
}

TEST(TableXColumns, EveryPageTakesAtLeastOneColumn) {
    // (printable width - 520) / 416, truncated; never below 1.
    EXPECT_EQ(CDrawDataXList::ColumnsPerPage(520 + 3 * 416), 3);
    EXPECT_EQ(CDrawDataXList::ColumnsPerPage(520 + 4 * 416 - 1), 3);
    EXPECT_EQ(CDrawDataXList::ColumnsPerPage(935), 1);
    EXPECT_EQ(CDrawDataXList::ColumnsPerPage(600), 1);
    EXPECT_EQ(CDrawDataXList::ColumnsPerPage(-5000), 1);
}

// Prints every page of table X of the document into a PDF file (A4
// landscape, no printer margins), as the view's print loop does; returns
// the number of pages. Stops after 50 pages whatever DoPrint says.
int PrintToPdf(const CZedezuziDocData& d, const std::string& path) {
    QPdfWriter writer(QString::fromStdString(path));
    writer.setResolution(300);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    QPainter painter(&writer);
    int pages = 0;
    for (unsigned page = 1; page <= 50; ++page) {
        if (page > 1)
            writer.newPage();
        fw::CDC dc(&painter, true);
        CPrintInfo info;
        info.m_nCurPage = page;
        info.m_sizePage = fw::CSize(writer.width(), writer.height());
        DoSetPrintMapping(&dc, d.m_nSearchKind, info, d.m_infoPrint,
                          d.m_listDrawDataX.GetExtent(d.m_listCandidate.GetCount()).cy,
                          CDrawDataYList::kTableWidth);
        ++pages;
        if (d.m_listDrawDataX.DoPrint(&dc, info, d.m_infoPrint) != 1)
            break;
    }
    painter.end();
    return pages;
}

std::string LastLine(const std::string& page) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= page.size()) {
        size_t end = page.find('\n', start);
        std::string line = page.substr(start, end == std::string::npos ? end : end - start);
        size_t a = line.find_first_not_of(' ');
        if (a != std::string::npos)
            lines.push_back(line.substr(a, line.find_last_not_of(' ') - a + 1));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return lines.empty() ? std::string() : lines.back();
}

class TableXPrinting : public TableXTest {
protected:
    // Seven moulded-case breakers of the default maker, in type order.
    void SevenCandidates(CZedezuziDocData& d) {
        d.DoSetDefaults(m_db.m_pBreaker, m_db.m_pList, cattest::ProgramVersion());
        d.m_nSearchKind = kSearchOptional;
        d.m_InfoBaseOptional.m_nVoltage = 400;
        d.m_InfoBaseOptional.m_dRatedValue = 63;
        d.m_nOptionalPoles = 3;
        for (int32_t type : {122, 124, 125, 127, 128, 129, 130}) {
            CCandidate* c = d.m_listCandidate.DoAddNewCandidate();
            c->m_lManufactureID = 1;
            c->m_lGroupID = 2;
            c->m_nLVCBCode = 11;
            c->m_lTypeID = type;
        }
        d.DoRebuildTables(m_db.m_pBreaker);
    }
    QTemporaryDir m_dir;
};

TEST_F(TableXPrinting, SevenColumnsThreeToAPageGiveThreePagesWithTheBlockRepeated) {
    if (!cattest::HavePdfToText())
        GTEST_SKIP() << "poppler-utils' pdftotext is not installed";
    CZedezuziDocData d;
    SevenCandidates(d);
    // A4 landscape, 297 x 210 mm. The print mapping fits the table's height
    // (20 + 4 x 55 + 1430 = 1670) to 210 - (20 + 10 + 4) = 176 mm; margins
    // 45 + 45 leave 297 - 90 = 207 mm across, that is 2070 x 1670 / 1760 =
    // 1964 table units: (1964 - 520) / 416 = 3 columns a page.
    d.m_infoPrint.m_nMarginLeft = 45;
    d.m_infoPrint.m_nMarginRight = 45;
    std::string path = m_dir.filePath("seven.pdf").toStdString();
    EXPECT_EQ(PrintToPdf(d, path), 3);
    std::vector<std::string> pages = cattest::PdfPages(path);
    ASSERT_EQ(pages.size(), 3u);
    const std::vector<std::vector<std::string>> onPage = {
        {"KVC-63S", "KVC-125S", "KVC-125H"}, {"KVC-250S", "KVC-250H", "KVC-400S"}, {"KVC-400H"}};
    const std::vector<std::string> all = {"KVC-63S",  "KVC-125S", "KVC-125H", "KVC-250S",
                                          "KVC-250H", "KVC-400S", "KVC-400H"};
    for (size_t p = 0; p < 3; ++p) {
        const std::string& text = pages[p];
        EXPECT_EQ(LastLine(text), std::to_string(p + 1));
        EXPECT_NE(text.find("[Search conditions]"), std::string::npos) << p;
        EXPECT_NE(text.find("Situation of production"), std::string::npos) << p;
        EXPECT_NE(text.find("690V"), std::string::npos) << p;
        for (const std::string& type : all) {
            bool expected = std::find(onPage[p].begin(), onPage[p].end(), type) != onPage[p].end();
            EXPECT_EQ(text.find(type) != std::string::npos, expected) << type << " page " << p + 1;
        }
    }
}

TEST_F(TableXPrinting, PageTooNarrowForAColumnStillEndsWithOneColumnAPage) {
    CZedezuziDocData d;
    SevenCandidates(d);
    // 297 - 2 x 130 = 37 mm across: less than the header block alone.
    d.m_infoPrint.m_nMarginLeft = 130;
    d.m_infoPrint.m_nMarginRight = 130;
    std::string path = m_dir.filePath("narrow.pdf").toStdString();
    EXPECT_EQ(PrintToPdf(d, path), 7);
    if (!cattest::HavePdfToText())
        return;
    std::vector<std::string> pages = cattest::PdfPages(path);
    ASSERT_EQ(pages.size(), 7u);
    EXPECT_EQ(LastLine(pages[6]), "7");
}

} // namespace

namespace {

TEST(TableXExtent, ThousandsOfCandidatesDoNotOverflowTheExtent) {
    CDrawDataXList list;
    list.DoMakeTableEmpty();
    // 520 + 416 x 2^30 would not fit in 32 bits.
    fw::CSize extent = list.GetExtent(1 << 30);
    EXPECT_EQ(extent.cx, CDrawDataXList::kMaxExtent);
    EXPECT_EQ(extent.cy, 20 + 2 * 55 + 1430);
    EXPECT_EQ(list.GetExtent(3).cx, 520 + 3 * 416);
}

} // namespace
