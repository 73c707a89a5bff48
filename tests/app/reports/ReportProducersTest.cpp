// The producers: which rows each report holds for a document, in which
// order, and the rows' texts worked out by hand from the elements' data.

#include "app/elements/conductors/CEleWire.h"
#include "app/elements/protection/CEleContactor.h"
#include "app/elements/protection/CEleHVCB.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/protection/CEleThermal.h"
#include "app/elements/supply/CEleSource.h"
#include "app/elements/supply/CEleTrans1.h"
#include "app/records/ElementKinds.h"
#include "app/reports/CPrintDataList.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CTovarineDocData.h"
#include "framework/Archive.h"
#include "framework/CompoundFile.h"
#include "tests/app/elements/ModelDatabasesTestSupport.h"
#include "tests/app/shell/model/CalcNetwork.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using tvtest::CalcNet;

std::vector<std::string> Firsts(const CPrintDataList& list) {
    std::vector<std::string> texts;
    for (size_t i = 0; i < list.GetCount(); ++i)
        texts.push_back(list.GetAt(i).m_strText[0]);
    return texts;
}

const CPrintData* RowOf(const CPrintDataList& list, const std::string& name) {
    for (size_t i = 0; i < list.GetCount(); ++i)
        if (list.GetAt(i).m_nType == kRowData && list.GetAt(i).m_strText[0] == name)
            return &list.GetAt(i);
    return nullptr;
}

const std::vector<double> kWire{20, 0.0754, 0.08, 0.0754, 0.08, 0.153, 0.085};

// A source (500 MVA, X/R 25, 6600 V) feeding a transformer (1000 kVA, 5 %,
// X/R 5, 400 V) onto a zero conductor with a wire (20 m, wire system 3) and
// a load below; reference capacity 1000 kVA, 50 Hz.
//   source: %Z = 1000 / 500 000 x 100 = 0.2 %, %R = 0.2 / sqrt 626 =
//   0.0079936, %X = 0.199840; Z = 0.002 x 6600^2 / 1 000 000 ohm =
//   87.12 mohm, R = 3.482, X = 87.05;
//   transformer: %R = 5 / sqrt 26 = 0.98058, %X = 4.90290; Z = 0.05 x 400^2
//   / 1 000 000 = 8.000 mohm, R = 1.569, X = 7.845; In = 1 000 000 /
//   (400 sqrt 3) = 1443.4 A;
//   at the transformer and the zero conductor: %R = 0.98858, %X = 5.10274,
//   %Z = 5.19762: I"k3 = 1443.376 / 0.0519762 = 27 770 A.
struct ReportNet : CalcNet {
    ReportNet()
        : CalcNet({{"S", kKindSource, 0, 0, 0, {500, 25}},
                   {"T", kKindTrans3, 0, 2, 0, {1000, 5, 5}, true},
                   {"ZC", kKindZeroCond, 0, 5, 0, {6}, true},
                   {"W", kKindWire, 1, 6, 0, kWire, true},
                   {"L", kKindLoad, 1, 10}}) {}
};

TEST(ReportProducersTest, EmptyDocumentShowsEveryTitleWithNoData) {
    CTovarineDocData doc;
    CPrintDataList data;
    data.DoMakeRowsElementData(doc);
    std::vector<std::string> expected{"", "[Reference capacity and Frequency]",
                                      "Reference capacity : 1000kVA,   Frequency : 50Hz"};
    for (const char* title :
         {"[Source]", "[High-voltage circuit breaker]", "[Transformer]", "[Generator]",
          "[Motor effect]", "[Zero conductor]", "[Bus-duct]", "[Bus-bar]", "[Wire]",
          "[Low-voltage circuit breaker]", "[Contactor + Thermal relay]", "[Motor]",
          "[General load]", "[Capacitor]"}) {
        expected.push_back(title);
        expected.push_back("No data");
    }
    EXPECT_EQ(Firsts(data), expected);

    CPrintDataList force;
    force.DoMakeRowsForceVoltDrop(doc);
    EXPECT_EQ(Firsts(force), (std::vector<std::string>{"", "[Bus-duct]", "No data", "[Bus-bar]",
                                                       "No data", "[Wire]", "No data"}));
    // The calculation results wait for the calculation: the gate line.
    for (int32_t mode : {1, 2}) {
        doc.m_nMode = mode;
        CPrintDataList results;
        results.DoMakeRowsCalcResults(doc);
        EXPECT_EQ(Firsts(results), (std::vector<std::string>{"", "No data"}));
        EXPECT_EQ(results.GetAt(1).m_nSpace, 0);
    }
}

TEST(ReportProducersTest, DataOfElementsBeforeAndAfterTheCalculation) {
    ReportNet net;
    CPrintDataList before;
    before.DoMakeRowsElementData(net.doc);
    const CPrintData* source = RowOf(before, "SOURCE1");
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(source->m_nHeight, 70);
    EXPECT_EQ(source->m_nSpace, 20);
    EXPECT_EQ(source->m_strText[1], "6600V");
    EXPECT_EQ(source->m_strText[2], "3Phases");
    EXPECT_EQ(source->m_strText[3], "500MVA");
    EXPECT_EQ(source->m_strText[5], "0.007994%r\r\n3.482mohms");
    EXPECT_EQ(source->m_strText[6], "0.1998%r\r\n87.05mohms");
    EXPECT_EQ(source->m_strText[7], "0.2000%r\r\n87.12mohms");
    EXPECT_EQ(source->m_nFormat[7], kCellMulti);

    const CPrintData* trans = RowOf(before, "T1");
    ASSERT_NE(trans, nullptr);
    EXPECT_EQ(trans->m_nHeight, 105);
    EXPECT_EQ(trans->m_strText[5], "1443A");
    EXPECT_EQ(trans->m_strText[7], "0.9806%e\r\n0.9806%r\r\n1.569mohms");
    EXPECT_EQ(trans->m_strText[12], "Not\r\ncalculated");
    EXPECT_EQ(trans->m_nFormat[12], kCellMulti);

    // The zero conductor's row is one line high: "Not calculated" on one
    // line, as the rule for such rows asks (two lines overflowed the row).
    const CPrintData* zero = RowOf(before, "ZC1");
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->m_nHeight, 35);
    EXPECT_EQ(zero->m_strText[2], "Phases");
    EXPECT_EQ(zero->m_strText[3], "Not calculated");

    // Wire system 3: a 420-high row, phases, N and PE four lines apart.
    const CPrintData* wire = RowOf(before, "W1");
    ASSERT_NE(wire, nullptr);
    EXPECT_EQ(wire->m_nHeight, 420);
    EXPECT_EQ(wire->m_strText[2], "3Phases\r\n\r\n\r\n\r\nN\r\n\r\n\r\n\r\nPE");
    EXPECT_EQ(wire->m_nFormat[2], kCellMulti);
    EXPECT_EQ(wire->m_strText[7], "20m");
    // Per group R/m (typed: "*"), R = 0.0754 x 20 = 1.508 mohm and %R =
    // 1.508 / 160 x 100 = 0.9425 %; the next block four lines lower.
    const std::string blocks = "*0.07540mohms/m\r\n1.508mohms\r\n0.9425%r\r\n\r\n*0.07540mohms/m";
    EXPECT_EQ(wire->m_strText[11].substr(0, blocks.size()), blocks);
    EXPECT_EQ(wire->m_strText[14], "Not\r\ncalculated");

    net.doc.DoModeCalculation();
    ASSERT_EQ(net.doc.m_nMode, 3);
    CPrintDataList after;
    after.DoMakeRowsElementData(net.doc);
    EXPECT_EQ(RowOf(after, "T1")->m_strText[12], "27.770kA");
    EXPECT_EQ(RowOf(after, "ZC1")->m_strText[3], "27.770kA");
}

TEST(ReportProducersTest, CalculationResultsInCircuitOrder) {
    ReportNet net;
    net.doc.DoModeCalculation();
    CPrintDataList results;
    results.DoMakeRowsCalcResults(net.doc);
    // The supply's chain, the zero conductor, what hangs below it; the load
    // has no row.
    EXPECT_EQ(Firsts(results),
              (std::vector<std::string>{"", "Ref.No.", "SOURCE1", "T1", "ZC1", "W1"}));
    EXPECT_EQ(results.GetAt(1).m_nType, kRowHeader);
    EXPECT_EQ(results.GetTail()->m_nSpace, 20);

    const CPrintData* source = RowOf(results, "SOURCE1");
    EXPECT_EQ(source->m_strText[1], "Source");
    EXPECT_EQ(source->m_strText[4], "500MVA\r\n25");
    for (int i = 8; i <= 12; ++i)
        EXPECT_EQ(source->m_strText[i], "-");
    const CPrintData* trans = RowOf(results, "T1");
    EXPECT_EQ(trans->m_nHeight, 140);
    EXPECT_EQ(trans->m_strText[2], "400V");
    EXPECT_EQ(trans->m_strText[8], "0.9886%r\r\n1.582mohms\r\n0.9886%r\r\n1.582mohms");
    EXPECT_EQ(trans->m_strText[12].substr(0, 12), "27.770kAsym\r");
    const CPrintData* zero = RowOf(results, "ZC1");
    EXPECT_EQ(zero->m_strText[1], "Total\r\nImpedance");
    EXPECT_EQ(zero->m_strText[5], "0.9886%r\r\n1.582mohms");
    EXPECT_EQ(zero->m_strText[11], "-");
    EXPECT_EQ(zero->m_strText[12].substr(0, 11), "27.770kAsym");
    const CPrintData* wire = RowOf(results, "W1");
    EXPECT_EQ(wire->m_strText[1], "Wire");
    EXPECT_EQ(wire->m_nHeight, 105);
    // Its own R with the typed per-metre value's "*", its total at the point
    // (0.98858 + 0.9425 = 1.9311 %), three-phase: "-" under "direct".
    EXPECT_EQ(wire->m_strText[5], "0.9425%r\r\n*1.508mohms");
    EXPECT_EQ(wire->m_strText[8].substr(0, 8), "1.931%r\r");
    EXPECT_EQ(wire->m_strText[11], "-");
}

// Two sources through one zero conductor: the first source's chain, the
// second's, the zero conductor, then what hangs below it.
TEST(ReportProducersTest, TwoSourcesThroughOneZeroConductor) {
    CalcNet net({{"S1", kKindSource, 0, 0, 0, {500, 25}},
                 {"T1", kKindTrans3, 0, 2, 0, {1000, 5, 5}, true},
                 {"S2", kKindSource, 3, 0, 0, {500, 25}},
                 {"T2", kKindTrans3, 3, 2, 0, {1000, 5, 5}},
                 {"ZC", kKindZeroCond, 0, 5, 0, {6}, true},
                 {"W", kKindWire, 1, 6, 0, kWire, true},
                 {"L", kKindLoad, 1, 10}});
    net.doc.DoModeCalculation();
    CPrintDataList results;
    results.DoMakeRowsCalcResults(net.doc);
    EXPECT_EQ(Firsts(results), (std::vector<std::string>{"", "Ref.No.", "SOURCE1", "T1", "SOURCE2",
                                                         "T2", "ZC1", "W1"}));
}

// A horizontal bus-bar joining two zero conductors: the first zero
// conductor's supply chain, the first zero conductor, its branch below, then
// the walk to its right meets the bus-bar and stops at the second zero
// conductor, which comes in its turn with its own branch.
TEST(ReportProducersTest, CalculationResultsWalkSidewaysToTheNextZeroConductor) {
    const std::vector<double> busBar{10, 0.03, 0.14, 0.06, 0.16, 0.12, 0.18};
    CalcNet net({{"S", kKindSource, 0, 0, 0, {500, 25}},
                 {"T", kKindTrans3, 0, 2, 0, {1000, 5, 5}},
                 {"ZC1", kKindZeroCond, 0, 5, 0, {6}, true},
                 {"W0", kKindWire, 2, 6, 0, kWire},
                 {"L0", kKindLoad, 2, 10},
                 {"HB", kKindBusBar, 6, 5, 1, busBar, true},
                 {"ZC2", kKindZeroCond, 10, 5, 0, {6}, true},
                 {"W", kKindWire, 10, 6, 0, kWire, true},
                 {"L", kKindLoad, 10, 10}});
    net.doc.DoModeCalculation();
    CPrintDataList results;
    results.DoMakeRowsCalcResults(net.doc);
    EXPECT_EQ(Firsts(results), (std::vector<std::string>{"", "Ref.No.", "SOURCE1", "T1", "ZC1",
                                                         "W1", "BB1", "ZC2", "W2"}));
    // The bus-bar at its point, the wire W1 not one: "-" from column 9 on.
    EXPECT_NE(RowOf(results, "BB1")->m_strText[12], "-");
    for (int i = 8; i <= 12; ++i)
        EXPECT_EQ(RowOf(results, "W1")->m_strText[i], "-");
}

} // namespace

namespace {

// The selection reports wait for a selection sub-command after the
// calculation; the wire-protection and shock reports for the calculation.
// Past their gate a document without breakers has nothing to show.
TEST(ReportProducersTest, ProtectionReportsGatesAndNoData) {
    struct Case {
        int32_t report, mode, subMode;
        bool gate;
    } const cases[] = {{2, 1, 0, true},  {2, 2, 1, true},  {2, 3, 0, true},  {2, 4, 1, false},
                       {3, 2, 2, true},  {3, 5, 0, true},  {3, 5, 2, false}, {4, 1, 1, true},
                       {4, 6, 1, false}, {6, 2, 0, true},  {6, 3, 0, false}, {7, 1, 0, true},
                       {7, 8, 0, false}, {1, 3, 0, false}, {1, 2, 0, true}};
    for (const Case& c : cases) {
        ReportNet net;
        net.doc.m_nMode = c.mode;
        net.doc.m_nSubMode = c.subMode;
        CPrintDataList list;
        ASSERT_TRUE(list.DoMakeRows(c.report, net.doc)) << c.report;
        if (c.report == 1 && !c.gate) {
            EXPECT_EQ(list.GetAt(1).m_nType, kRowHeader);
            continue;
        }
        ASSERT_EQ(list.GetCount(), 2u) << c.report << " in mode " << c.mode;
        EXPECT_EQ(list.GetAt(0).m_nType, kRowFrame);
        EXPECT_EQ(list.GetAt(1).m_strText[0], "No data");
        // The gate line has no space below it; the no-data line of an empty
        // selection has the standard 10.
        EXPECT_EQ(list.GetAt(1).m_nSpace, c.gate ? 0 : 10)
            << c.report << " in mode " << c.mode << "/" << c.subMode;
    }
}

} // namespace

namespace {

void OpenSample(CTovarineDocData& doc, const std::string& name) {
    const std::string path = std::string(TV_SOURCE_DIR) + "/examples/" + name;
    fw::CCompoundFile file = fw::CCompoundFile::Load(path);
    const std::vector<uint8_t>* contents = file.FindStream("Contents");
    ASSERT_NE(contents, nullptr) << path;
    fw::CArchive ar = fw::CArchive::ForLoading(*contents);
    doc.Serialize(ar);
}

// The sample projects: the data-of-elements report has a row for every
// element of the kinds it shows (none lost to the numbering), each in its
// kind's section; after the calculation the results list every element
// that is no consumer, each once.
TEST(ReportProducersTest, SampleProjectsShowEveryElement) {
    for (const char* name : {"small-installation.tv2", "groups-and-settings.tv2"}) {
        CTovarineDocData doc;
        OpenSample(doc, name);
        CObjElementList all;
        doc.CollectElements(all);
        size_t shown = 0;
        size_t calculated = 0;
        for (CObjElement* e : all) {
            const int32_t k = e->GetKind();
            if (k >= kKindHVCB && k <= kKindBusDuct)
                ++shown;
            if (k >= kKindHVCB && k <= kKindBusDuct && k != kKindMotor && k != kKindLoad &&
                k != kKindCapacitor)
                ++calculated;
        }
        ASSERT_GT(shown, 0u) << name;
        CPrintDataList data;
        data.DoMakeRowsElementData(doc);
        size_t rows = 0;
        int32_t section = 0;
        for (size_t i = 0; i < data.GetCount(); ++i) {
            const CPrintData& row = data.GetAt(i);
            if (row.m_nType == kRowTitle)
                section = row.m_nKind;
            if (row.m_nType != kRowData)
                continue;
            ++rows;
            EXPECT_EQ(row.m_nKind, section) << row.m_strText[0];
        }
        EXPECT_EQ(rows, shown) << name;

        ASSERT_TRUE(doc.DoModeCheck().bPassed) << name;
        ASSERT_TRUE(doc.DoModeCalculation().bPassed) << name;
        CPrintDataList results;
        results.DoMakeRowsCalcResults(doc);
        std::vector<std::string> names;
        for (size_t i = 0; i < results.GetCount(); ++i)
            if (results.GetAt(i).m_nType == kRowData)
                names.push_back(results.GetAt(i).m_strText[0]);
        EXPECT_EQ(names.size(), calculated) << name;
        std::sort(names.begin(), names.end());
        EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end()) << name;
        for (int32_t kind = 0; kind <= 7; ++kind) {
            CPrintDataList list;
            EXPECT_TRUE(list.DoMakeRows(kind, doc)) << name << " report " << kind;
        }
    }
}

} // namespace

namespace {

// A contactor hanging from the zero conductor, a calculation point: with no
// thermal relay below it, it still gets its own row ("-" in the relay's
// cells; two contactors paired by position with one relay lost a row).
// At a three-phase point its totals are the zero conductor's (nothing lies
// between), the current triple under "direct" and under "total" alike.
TEST(ReportProducersTest, ContactorRowsWithoutARelay) {
    CalcNet net({{"S", kKindSource, 0, 0, 0, {500, 25}},
                 {"T", kKindTrans3, 0, 2, 0, {1000, 5, 5}},
                 {"ZC", kKindZeroCond, 0, 5, 0, {6}, true},
                 {"MC", kKindContactor, 1, 6, 0, {}, true},
                 {"MC2", kKindContactor, 4, 6}});
    CPrintDataList data;
    data.DoMakeRowsElementData(net.doc);
    const CPrintData* first = RowOf(data, "MC1");
    const CPrintData* second = RowOf(data, "MC2");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->m_nKind, kKindContactor);
    EXPECT_EQ(first->m_nHeight, 35);
    EXPECT_EQ(first->m_nCount, 10);
    for (int i = 5; i <= 8; ++i)
        EXPECT_EQ(first->m_strText[i], "-");
    EXPECT_EQ(first->m_strText[9], "Not calculated");
    EXPECT_EQ(second->m_nSpace, 20);

    static_cast<CEleContactor*>(net["MC"]->GetElement())->m_nCalcPoint = 1;
    ASSERT_EQ(net["MC"]->IsCalcPoint(), 1);
    ASSERT_TRUE(net.doc.DoModeCalculation().bPassed);
    CPrintDataList results;
    results.DoMakeRowsCalcResults(net.doc);
    const CPrintData* row = RowOf(results, "MC1");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->m_strText[1], "Contactor");
    EXPECT_EQ(row->m_nHeight, 105);
    for (int i = 5; i <= 7; ++i)
        EXPECT_EQ(row->m_strText[i], "-");
    // Its voltage is its device type's, which this test (without the
    // breaker database) does not give it: the percentages only.
    EXPECT_EQ(row->m_strText[8].substr(0, 8), "0.9886%r");
    EXPECT_EQ(row->m_strText[9].substr(0, 7), "5.103%r");
    EXPECT_NE(row->m_strText[11].find("sym\r\n"), std::string::npos);
    EXPECT_EQ(row->m_strText[11], row->m_strText[12]);
    // Not a calculation point: "-" from column 9 on.
    const CPrintData* other = RowOf(results, "MC2");
    ASSERT_NE(other, nullptr);
    for (int i = 8; i <= 12; ++i)
        EXPECT_EQ(other->m_strText[i], "-");
}

// A contactor with a thermal relay (a calculation point) directly below it,
// hung from the zero conductor of ReportNet above a wire. The relay adds no
// impedance, so its point holds the zero conductor's values worked out
// above: %R 0.98858, %X 5.10274, %Z 5.19762 on 1000 kVA; at 400 V the base
// is 400^2 / 1000 kVA = 160 mohm, so R = 1.582, X = 8.164, Z = 8.316 mohm;
// I"k3 = 27.770 kA, the same triple under "direct" and "total".
TEST(ReportProducersTest, ThermalRelayRowsBesideItsContactor) {
    CalcNet net({{"S", kKindSource, 0, 0, 0, {500, 25}},
                 {"T", kKindTrans3, 0, 2, 0, {1000, 5, 5}, true},
                 {"ZC", kKindZeroCond, 0, 5, 0, {6}, true},
                 {"MC", kKindContactor, 1, 6},
                 {"THR", kKindThermal, 1, 8, 0, {}, true},
                 {"W", kKindWire, 1, 10, 0, kWire, true},
                 {"L", kKindLoad, 1, 14}});
    auto& relay = tvtest::ModelOf<CEleThermal>(net["THR"]);
    CObjAdjust* adjust = relay.GetAdjust();
    ASSERT_NE(adjust, nullptr);
    adjust->m_infoBase.m_strTypeName = "KTH-12";
    adjust->m_infoBase.m_dRatedValue = 10.0;
    CReadDial& dial = adjust->m_readBase.m_dialRated;
    dial.m_nKind = 4;
    dial.m_strUnit = "A";
    CReadValue* value = dial.m_listValue.DoAddNewReadValue();
    value->m_strName = "7-10";
    value->m_dValue = 10.0;
    CInfoPart* part = adjust->m_listInfoPart.GetAt(0);
    if (!part)
        part = adjust->m_listInfoPart.DoAddNewInfoPart();
    part->m_strCharacterName = "Heater";

    CPrintDataList before;
    before.DoMakeRowsElementData(net.doc);
    const CPrintData* row = RowOf(before, "MC1");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(RowOf(before, "THR1"), nullptr); // the pair shares one row
    EXPECT_EQ(row->m_strText[5], "THR1");
    EXPECT_EQ(row->m_strText[6], "KTH-12");
    EXPECT_EQ(row->m_strText[7], "7-10(A)");
    EXPECT_EQ(row->m_strText[8], "Heater"); // no reference part: the part's name
    EXPECT_EQ(row->m_strText[9], "Not calculated");

    ASSERT_TRUE(net.doc.DoModeCalculation().bPassed);
    CPrintDataList after;
    after.DoMakeRowsElementData(net.doc);
    row = RowOf(after, "MC1");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->m_strText[9], "27.770kA");

    CPrintDataList results;
    results.DoMakeRowsCalcResults(net.doc);
    EXPECT_EQ(Firsts(results), (std::vector<std::string>{"", "Ref.No.", "SOURCE1", "T1", "ZC1",
                                                         "MC1", "THR1", "W1"}));
    row = RowOf(results, "THR1");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->m_nKind, kKindThermal);
    EXPECT_EQ(row->m_nHeight, 105);
    EXPECT_EQ(row->m_nCount, 13);
    EXPECT_EQ(row->m_strText[1], "Thermal relay");
    EXPECT_EQ(row->m_strText[2], "400V");
    EXPECT_EQ(row->m_strText[3], "3Phases");
    EXPECT_EQ(row->m_strText[4], "7-10(A)");
    for (int i = 5; i <= 7; ++i)
        EXPECT_EQ(row->m_strText[i], "-") << i;
    EXPECT_EQ(row->m_strText[8], "0.9886%r\r\n1.582mohms");
    EXPECT_EQ(row->m_strText[9], "5.103%r\r\n8.164mohms");
    EXPECT_EQ(row->m_strText[10], "5.198%r\r\n8.316mohms");
    EXPECT_EQ(row->m_strText[11].substr(0, 12), "27.770kAsym\r");
    EXPECT_EQ(row->m_strText[11], row->m_strText[12]);
    // The contactor above it is no calculation point.
    row = RowOf(results, "MC1");
    ASSERT_NE(row, nullptr);
    for (int i = 8; i <= 12; ++i)
        EXPECT_EQ(row->m_strText[i], "-") << i;

    // No longer a calculation point: "-" in the short-circuit cells.
    relay.m_nCalcPoint = 0;
    CPrintDataList data;
    data.DoMakeRowsElementData(net.doc);
    EXPECT_EQ(RowOf(data, "MC1")->m_strText[9], "-");
    CPrintDataList plain;
    plain.DoMakeRowsCalcResults(net.doc);
    row = RowOf(plain, "THR1");
    ASSERT_NE(row, nullptr);
    for (int i = 8; i <= 12; ++i)
        EXPECT_EQ(row->m_strText[i], "-") << i;
}

} // namespace

// The network of ReportNet with a low-voltage breaker (100 A, a calculation
// point) between the zero conductor and the wire: the breaker adds no
// impedance, so its point holds the zero conductor's values worked out above
// (0.9886 %r, 1.582 mohm; I"k3 27.770 kA both direct and total, the supply
// being the transformer's alone).
struct BreakerNet : CalcNet {
    explicit BreakerNet(bool off = false)
        : CalcNet({{"S", kKindSource, 0, 0, 0, {500, 25}},
                   {"T", kKindTrans3, 0, 2, 0, {1000, 5, 5}, true},
                   {"ZC", kKindZeroCond, 0, 5, 0, {6}, true},
                   {"CB", kKindLVCB, 1, 6, 0, {100}, true, off},
                   {"W", kKindWire, 1, 9, 0, kWire, true},
                   {"L", kKindLoad, 1, 13}}) {
        tvtest::ModelOf<CEleLVCB>((*this)["CB"]).m_nCriterion = CEleLVCB::kByIcu;
    }
};

TEST(ReportProducersTest, BreakerRowsInTheDataOfElementsAndTheCalculationResults) {
    BreakerNet net;
    CPrintDataList before;
    before.DoMakeRowsElementData(net.doc);
    const CPrintData* row = RowOf(before, "CB1");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->m_nKind, kKindLVCB);
    EXPECT_EQ(row->m_nHeight, 70);
    EXPECT_EQ(row->m_nCount, 17);
    EXPECT_EQ(row->GetTotalWidth(), 2860);
    EXPECT_EQ(row->m_strText[1], "400V");
    EXPECT_EQ(row->m_strText[6], "100A");
    EXPECT_EQ(row->m_strText[12], "-"); // Icu-back before the selection modes
    EXPECT_EQ(row->m_strText[13], "-");
    EXPECT_EQ(row->m_strText[14], "ON");
    EXPECT_EQ(row->m_strText[15], "Not\r\ncalculated");
    EXPECT_EQ(row->m_nFormat[15], kCellMulti);
    EXPECT_EQ(row->m_strText[16], "Not\r\nselected");
    EXPECT_EQ(row->m_nFormat[16], kCellMulti);
    EXPECT_EQ(row->m_nFormat[4], kCellMulti); // the type name, as the table says

    net.doc.DoModeCalculation();
    ASSERT_EQ(net.doc.m_nMode, 3);
    CPrintDataList after;
    after.DoMakeRowsElementData(net.doc);
    row = RowOf(after, "CB1");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->m_strText[15], "27.770kA"); // by Icu: the direct I"k3
    EXPECT_EQ(row->m_strText[16], "Not\r\nselected");

    CPrintDataList results;
    results.DoMakeRowsCalcResults(net.doc);
    EXPECT_EQ(Firsts(results),
              (std::vector<std::string>{"", "Ref.No.", "SOURCE1", "T1", "ZC1", "CB1", "W1"}));
    row = RowOf(results, "CB1");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->m_nHeight, 140);
    EXPECT_EQ(row->m_strText[1], "Low-voltage\r\ncircuit breaker");
    EXPECT_EQ(row->m_strText[3], "3Phases");
    EXPECT_EQ(row->m_strText[4], "100A");
    for (int i = 5; i <= 7; ++i)
        EXPECT_EQ(row->m_strText[i], "-") << i;
    // Total, then direct: the same at the breaker, fed by the transformer
    // alone.
    EXPECT_EQ(row->m_strText[8], "0.9886%r\r\n1.582mohms\r\n0.9886%r\r\n1.582mohms");
    EXPECT_EQ(row->m_strText[11].substr(0, 12), "27.770kAsym\r");
    EXPECT_EQ(row->m_strText[12].substr(0, 12), "27.770kAsym\r");
}

TEST(ReportProducersTest, ABreakerSwitchedOffShowsNoResultsThoughMarkedAsAPoint) {
    BreakerNet net(true);
    net.doc.DoModeCalculation();
    CPrintDataList results;
    results.DoMakeRowsCalcResults(net.doc);
    const CPrintData* row = RowOf(results, "CB1");
    ASSERT_NE(row, nullptr);
    for (int i = 8; i <= 12; ++i)
        EXPECT_EQ(row->m_strText[i], "-") << i;
    CPrintDataList data;
    data.DoMakeRowsElementData(net.doc);
    row = RowOf(data, "CB1");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->m_strText[14], "OFF");
    EXPECT_EQ(row->m_strText[15], "-");
}

// A high-voltage breaker (600 A, 12.5 kA, a calculation point) between the
// source of ReportNet and its transformer. The breaker adds no impedance; at
// 6600 V on 1000 kVA the source's 0.2 % gives In = 1 000 000 / (sqrt 3 x 6600)
// = 87.477 A and I"k3 = 87.477 / 0.002 = 43 739 A, direct and total alike
// (nothing else feeds the high-voltage side); R = 0.0079936 % = 3.482 mohm at
// 6600 V as for the source.
TEST(ReportProducersTest, HighVoltageBreakerRows) {
    CalcNet net({{"S", kKindSource, 0, 0, 0, {500, 25}},
                 {"HCB", kKindHVCB, 0, 2, 0, {}, true},
                 {"T", kKindTrans3, 0, 4, 0, {1000, 5, 5}, true},
                 {"ZC", kKindZeroCond, 0, 7, 0, {6}, true},
                 {"W", kKindWire, 1, 8, 0, kWire, true},
                 {"L", kKindLoad, 1, 12}});
    auto& hcb = tvtest::ModelOf<CEleHVCB>(net["HCB"]);
    hcb.SetVoltage(6600);
    hcb.m_nCalcPoint = 1;
    hcb.m_dRatedCurrent = 600;
    hcb.m_dBreakingCapacity = 12.5;

    CPrintDataList before;
    before.DoMakeRowsElementData(net.doc);
    const CPrintData* row = RowOf(before, "HCB1");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->m_nKind, kKindHVCB);
    EXPECT_EQ(row->m_nHeight, 70);
    EXPECT_EQ(row->m_nCount, 13);
    // 182 + 156 + 182 + 182 + 208 + 208 + 234 + 260 + 234 + 234 + 182 + 182 + 208
    EXPECT_EQ(row->GetTotalWidth(), 2652);
    EXPECT_EQ(row->m_strText[1], "6600V");
    EXPECT_EQ(row->m_strText[11], "ON");
    EXPECT_EQ(row->m_strText[12], "Not\r\ncalculated");
    EXPECT_EQ(row->m_nFormat[7], kCellMulti);

    net.doc.DoModeCalculation();
    ASSERT_EQ(net.doc.m_nMode, 3);
    CPrintDataList after;
    after.DoMakeRowsElementData(net.doc);
    row = RowOf(after, "HCB1");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->m_strText[12], "43.739kA\r\n43.739kA");

    CPrintDataList results;
    results.DoMakeRowsCalcResults(net.doc);
    EXPECT_EQ(Firsts(results),
              (std::vector<std::string>{"", "Ref.No.", "SOURCE1", "HCB1", "T1", "ZC1", "W1"}));
    row = RowOf(results, "HCB1");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->m_nHeight, 140);
    EXPECT_EQ(row->m_strText[1], "High-voltage\r\ncircuit breaker");
    EXPECT_EQ(row->m_strText[2], "6600V");
    EXPECT_EQ(row->m_strText[3], "3Phases");
    for (int i = 5; i <= 7; ++i)
        EXPECT_EQ(row->m_strText[i], "-") << i;
    EXPECT_EQ(row->m_strText[8], "0.007994%r\r\n3.482mohms\r\n0.007994%r\r\n3.482mohms");
    EXPECT_EQ(row->m_strText[11].substr(0, 12), "43.739kAsym\r");
    EXPECT_EQ(row->m_strText[12].substr(0, 12), "43.739kAsym\r");
}

// Past their gates the protection reports show "No data" until a breaker
// qualifies for them: a calculation point for the automatic selection, a
// cascade or discrimination result, a checked wire under it, its shock
// check.
TEST(ReportProducersTest, ProtectionReportsOfABreakerWithoutResultsShowNoData) {
    BreakerNet net;
    net.doc.DoModeCalculation();
    ASSERT_EQ(net.doc.m_nMode, 3);
    auto noData = [&](int32_t kind) {
        CPrintDataList list;
        const bool made = list.DoMakeRows(kind, net.doc);
        return made && list.GetCount() == 2 && list.GetAt(1).m_strText[0] == "No data";
    };
    for (int32_t kind : {6, 7})
        EXPECT_TRUE(noData(kind)) << kind;
    // A selection sub-mode opens the gate of 2 to 4.
    net.doc.m_nMode = 4;
    net.doc.m_nSubMode = 2;
    for (int32_t kind : {3, 4, 6, 7})
        EXPECT_TRUE(noData(kind)) << kind;
    // The breaker is a calculation point: the selection report would list it.
    EXPECT_FALSE(noData(2));

    auto& cb = tvtest::ModelOf<CEleLVCB>(net["CB"]);
    auto& wire = tvtest::ModelOf<CEleWire>(net["W"]);
    struct Case {
        int32_t kind;
        std::function<void()> mark;
    } cases[] = {{3, [&] { cb.m_currentSelect.m_nSelectedBy = CCurrent::kCascade; }},
                 {4, [&] { cb.m_currentSelect.m_nSelectedBy = CCurrent::kTable; }},
                 {6, [&] { wire.m_nCheckDone = 1; }},
                 {7, [&] { cb.m_nShockCheck = 1; }}};
    for (const Case& c : cases) {
        c.mark();
        EXPECT_FALSE(noData(c.kind)) << c.kind;
    }
}

// A single-phase three-wire circuit drawn and checked as the user does it:
// a source, a single-phase transformer, a zero conductor and a wire at a
// calculation point to a load. Each row of a single-phase circuit holds two
// blocks, the full voltage's and the half voltage's, seven lines in a
// 245-high row.
class SinglePhaseReport : public elementtest::WithDatabases {
protected:
    CObjElement* Draw(int32_t kind, int col, int row, int cells = 0) {
        CObjElement* e = tvtest::Place(doc, kind, col, row, 0, cells);
        e->DoInitNewElement(doc);
        return e;
    }
    CTovarineDocData doc;
};

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(text.substr(from, at - from));
    lines.push_back(text.substr(from));
    return lines;
}

TEST_F(SinglePhaseReport, RowsOfASinglePhaseCircuitHoldTwoBlocks) {
    Draw(kKindSource, 0, 0);
    CObjElement* t1 = Draw(kKindTrans1, 0, 2);
    fw::CRect r;
    t1->GetSymbolRect(&r);
    const int below = (r.bottom + 1) / 40;
    CObjElement* zc = Draw(kKindZeroCond, 0, below, 6);
    CObjElement* w = Draw(kKindWire, 1, below + 1);
    Draw(kKindLoad, 1, below + 5);
    for (CObjElement* e : {t1, zc, w})
        tvtest::MarkCalcPoint(e);
    CTovarineDocData::CModeResult check = doc.DoModeCheck();
    ASSERT_TRUE(check.bPassed) << check.nMessage << " " << check.strName;
    ASSERT_EQ(w->IsSinglePhase(), 1);
    ASSERT_TRUE(doc.DoModeCalculation().bPassed);

    CPrintDataList results;
    results.DoMakeRowsCalcResults(doc);
    const CPrintData* wire = RowOf(results, w->GetName());
    ASSERT_NE(wire, nullptr);
    EXPECT_EQ(wire->m_nHeight, 245);
    // Phase: the full-voltage line, an empty line, the half-voltage line.
    EXPECT_EQ(SplitLines(wire->m_strText[3]),
              (std::vector<std::string>{"1Phases", "(V)", "", "1Phases", "(V/2)"}));
    // Impedances: two pairs with two empty lines between (six lines,
    // centred in the seven of the row).
    for (int col : {5, 6, 7, 8, 9, 10}) {
        const std::vector<std::string> lines = SplitLines(wire->m_strText[col]);
        ASSERT_EQ(lines.size(), 6u) << col << ": " << wire->m_strText[col];
        EXPECT_EQ(lines[2], "") << col;
        EXPECT_EQ(lines[3], "") << col;
        EXPECT_EQ(lines[0].substr(lines[0].size() - 2), "%r") << col;
        EXPECT_EQ(lines[4].substr(lines[4].size() - 2), "%r") << col;
        EXPECT_EQ(wire->m_nFormat[col], kCellMulti) << col;
        EXPECT_EQ(CPrintData::GetMultiLinePad(wire->m_nHeight, wire->m_strText[col]), 17) << col;
    }
    // Currents: two triples, one empty line between; nothing under
    // "total" in a single-phase circuit.
    const std::vector<std::string> currents = SplitLines(wire->m_strText[11]);
    ASSERT_EQ(currents.size(), 7u);
    EXPECT_EQ(currents[3], "");
    EXPECT_NE(currents[0].find("kAsym"), std::string::npos);
    EXPECT_NE(currents[4].find("kAsym"), std::string::npos);
    EXPECT_NE(currents[6].find("peak"), std::string::npos);
    EXPECT_EQ(wire->m_strText[12], "-");
    // The zero conductor's row the same way.
    const CPrintData* zero = RowOf(results, zc->GetName());
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->m_nHeight, 245);
    EXPECT_EQ(SplitLines(zero->m_strText[5]).size(), 6u);
    EXPECT_EQ(SplitLines(zero->m_strText[11]).size(), 7u);
    EXPECT_EQ(zero->m_strText[12], "-");
}

namespace {

// The single-phase transformer's row with its own values worked by hand: a
// source of 500 MVA (X/R 25) and a 50 kVA transformer 6600 / 210 V whose
// full winding has 2 % at X/R 1 on the capacity and whose half winding 3 %
// at X/R 1 on half the capacity; reference capacity 1000 kVA.
//   full winding: %R = %X = 2 / sqrt 2 = 1.414214 % own, on the reference
//   x 1000 / 50 = 28.28427 %, %Z 40.00 %; milliohms at 210 V on 50 kVA:
//   1.414214 x (210^2 / 50 / 1000) x 10 = 1.414214 x 8.82 = 12.47, Z =
//   2 x 8.82 = 17.64;
//   half winding: 3 / sqrt 2 = 2.121320 % own, on the reference x 1000 /
//   25 = 84.85281 %, %Z 120.0 %; milliohms at 105 V on 25 kVA: x (105^2 /
//   25 / 1000) x 10 = 4.41: R = 9.355, Z = 13.23;
//   at the transformer (full winding): the source's 0.0079936 + j0.1998401
//   % added: 28.29226 + j28.48411 %, in milliohms at 210 V on 1000 kVA
//   (x 0.441): 12.48 + j12.56.
TEST_F(SinglePhaseReport, TheSinglePhaseTransformerRowHoldsBothWindings) {
    auto& s = tvtest::ModelOf<CEleSource>(Draw(kKindSource, 0, 0));
    s.m_nCapacity = 500;
    s.m_dXR = 25.0;
    CObjElement* t1 = Draw(kKindTrans1, 0, 2);
    auto& t = tvtest::ModelOf<CEleTrans1>(t1);
    t.m_nVoltage2 = 210;
    t.m_dCapacity = 50.0;
    t.m_part2.m_dPercentZ = 2.0;
    t.m_part2.m_dXR = 1.0;
    t.m_part1.m_dPercentZ = 3.0;
    t.m_part1.m_dXR = 1.0;
    fw::CRect r;
    t1->GetSymbolRect(&r);
    const int below = (r.bottom + 1) / 40;
    CObjElement* zc = Draw(kKindZeroCond, 0, below, 6);
    CObjElement* w = Draw(kKindWire, 1, below + 1);
    Draw(kKindLoad, 1, below + 5);
    for (CObjElement* e : {t1, zc, w})
        tvtest::MarkCalcPoint(e);
    CTovarineDocData::CModeResult check = doc.DoModeCheck();
    ASSERT_TRUE(check.bPassed) << check.nMessage << " " << check.strName;
    ASSERT_TRUE(doc.DoModeCalculation().bPassed);

    CPrintDataList results;
    results.DoMakeRowsCalcResults(doc);
    const CPrintData* row = RowOf(results, t1->GetName());
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->m_nHeight, 245);
    EXPECT_EQ(row->m_strText[2], "210V\r\n-\r\n105V");
    EXPECT_EQ(SplitLines(row->m_strText[4]),
              (std::vector<std::string>{"50kVA", "2.000%e", "1", "3.000%e", "1"}));
    // Own values: full winding, two empty lines, half winding.
    EXPECT_EQ(row->m_strText[5], "28.28%r\r\n12.47mohms\r\n\r\n\r\n84.85%r\r\n9.355mohms");
    EXPECT_EQ(row->m_strText[6], "28.28%r\r\n12.47mohms\r\n\r\n\r\n84.85%r\r\n9.355mohms");
    EXPECT_EQ(row->m_strText[7], "40.00%r\r\n17.64mohms\r\n\r\n\r\n120.0%r\r\n13.23mohms");
    // At its point, the full winding's block.
    EXPECT_EQ(SplitLines(row->m_strText[8])[0], "28.29%r");
    EXPECT_EQ(SplitLines(row->m_strText[8])[1], "12.48mohms");
    EXPECT_EQ(SplitLines(row->m_strText[9])[0], "28.48%r");
    EXPECT_EQ(SplitLines(row->m_strText[9])[1], "12.56mohms");
    EXPECT_EQ(row->m_strText[12], "-");
}

} // namespace
