// The protection reports on a drawn network taken through Check, the
// calculation, the automatic selection by Icu and the cascade command, as the
// user does: which rows each report holds and their texts, worked out by
// hand from the network's impedances and the breaker data's rows quoted
// beside each case.

#include "app/elements/conductors/CEleWire.h"
#include "app/elements/protection/CEleHVCB.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/supply/CEleSource.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/protection/CObjAdjust.h"
#include "app/records/ElementKinds.h"
#include "app/records/TovarineIds.h"
#include "app/reports/CPrintDataList.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "framework/MessageBox.h"
#include "tests/app/TestNetwork.h"
#include "tests/app/elements/protection/ProtectionTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using tvtest::ModelOf;
using Doc = CTovarineDocData;

std::vector<std::string> Firsts(const CPrintDataList& list) {
    std::vector<std::string> texts;
    for (size_t i = 0; i < list.GetCount(); ++i)
        texts.push_back(list.GetAt(i).m_strText[0]);
    return texts;
}

// The data rows of a report, each as its cells' texts.
std::vector<const CPrintData*> DataRows(const CPrintDataList& list) {
    std::vector<const CPrintData*> rows;
    for (size_t i = 0; i < list.GetCount(); ++i)
        if (list.GetAt(i).m_nType == kRowData)
            rows.push_back(&list.GetAt(i));
    return rows;
}

// Message boxes answered and remembered instead of shown.
class QuietMessages {
public:
    QuietMessages() {
        m_previous = fw::SetMessageSink([this](const fw::MessageRequest& r) {
            shown.push_back(r.text);
            return fw::mb::IdOk;
        });
    }
    ~QuietMessages() { fw::SetMessageSink(m_previous); }
    QuietMessages(const QuietMessages&) = delete;
    QuietMessages& operator=(const QuietMessages&) = delete;
    std::vector<std::string> shown;

private:
    fw::MessageSink m_previous;
};

// Wire values: length (m), then R and X per metre (mohm/m) of the phases,
// of N and of PE.
const std::vector<double> kFeeder{50, 0.0754, 0.08, 0.0754, 0.08, 0.153, 0.085};
const std::vector<double> kBranch{20, 0.0754, 0.08, 0.0754, 0.08, 0.153, 0.085};

// A source (500 MVA, X/R 25, 6600 V), a transformer (2000 kVA, 5 %, X/R 5,
// 400 V) onto a bus; below it a 400 A breaker CBU, a 50 m wire W1, a 100 A
// breaker CBD, a 20 m wire W2 and a load. CBD is drawn first, so that it
// is number 1 and CBU number 2. Both breakers are moulded-case breakers of
// maker 1 (group 2, code 11), 3 poles, TN-S, chosen by hand until the
// selection; reference capacity 1000 kVA, 50 Hz.
//
// Per cent values on 1000 kVA (the current of the base at 400 V is
// 1 000 000 / (sqrt 3 x 400) = 1443.376 A; 100 % is 400^2 / 1000 kVA =
// 160 mohm):
//   source: %Z = 1000 / 500 000 x 100 = 0.2, %R = 0.2 / sqrt(1 + 25^2) =
//   0.0079936, %X = 0.1998401;
//   transformer: %Z = 5 x 1000 / 2000 = 2.5, %R = 2.5 / sqrt 26 =
//   0.4902903, %X = 2.4514517;
//   at the bus and CBU: %R = 0.4982839, %X = 2.6512918, %Z = 2.6977091:
//   I"k3 = 1443.376 / 0.026977091 = 53 504 A;
//   W1: R = 50 x 0.0754 = 3.77 mohm = 2.35625 %, X = 50 x 0.08 = 4 mohm =
//   2.5 %;
//   at CBD: %R = 2.8545339, %X = 5.1512918, %Z = 5.8893270: I"k3 =
//   1443.376 / 0.05889327 = 24 508 A.
class ProtectionReports : public protecttest::WithAllDatabases {
protected:
    // Each symbol drawn and set up as the skeleton view does, then given the
    // values worked with below.
    CObjElement* Draw(const std::string& name, int32_t kind, int col, int row, int cells = 0) {
        CObjElement* e = tvtest::Place(doc, kind, col, row, 0, cells);
        e->DoInitNewElement(doc);
        byName[name] = e;
        return e;
    }
    // The wire's length and impedances as given, its sizes (mm2 of the
    // phases, N and PE) and a basic current of the phases whose Iz carries
    // the breaker above it (factors 1).
    static void SetWire(CEleWire& w, const std::vector<double>& v, std::vector<double> sizes,
                        double basicCurrent) {
        w.m_basic.m_dLength = v[0];
        CEleWirePhase* groups[] = {&w.m_phase3, &w.m_phaseN, &w.m_phasePE};
        for (size_t g = 0; g < 3; ++g) {
            CEleWirePhase& p = *groups[g];
            p.m_dRPerMetre = p.m_dRPerMetreCalc = v[1 + 2 * g];
            p.m_dXPerMetre = p.m_dXPerMetreCalc = v[2 + 2 * g];
            p.m_dCoreSize = sizes[g];
            p.m_nCores = 1;
            p.m_dBasicCurrent = p.m_dBasicCurrentCalc = basicCurrent;
            p.m_dAmbientFactor = p.m_dAmbientFactorCalc = 1.0;
            p.m_dGroupFactor = p.m_dGroupFactorCalc = 1.0;
        }
    }
    void SetUp() override {
        protecttest::WithAllDatabases::SetUp();
        auto& s = ModelOf<CEleSource>(Draw("S", kKindSource, 0, 0));
        s.m_nCapacity = 500;
        s.m_dXR = 25.0;
        auto& t = ModelOf<CEleTrans3>(Draw("T", kKindTrans3, 0, 2));
        t.m_dCapacity = 2000.0;
        t.m_dPercentZ = 5.0;
        t.m_dXR = 5.0;
        Draw("ZC", kKindZeroCond, 0, 5, 6);
        Draw("CBD", kKindLVCB, 1, 13);
        Draw("CBU", kKindLVCB, 1, 6);
        SetWire(ModelOf<CEleWire>(Draw("W1", kKindWire, 1, 9)), kFeeder, {240, 240, 120}, 500);
        SetWire(ModelOf<CEleWire>(Draw("W2", kKindWire, 1, 16)), kBranch, {35, 35, 35}, 150);
        Draw("L", kKindLoad, 1, 20);
        for (const char* name : {"T", "ZC", "CBD", "CBU", "W1", "W2"})
            tvtest::MarkCalcPoint(byName.at(name));
        for (const char* name : {"CBD", "CBU"}) {
            CEleLVCB& b = Breaker(name);
            b.m_nPoles = 3;
            b.m_nUseCode = 1;
            b.m_nEarthing = 1;
            b.m_nWireSystem = 3;
            CInfoBase& i = b.GetAdjust()->m_infoBase;
            i.m_lManufactureID = 1;
            i.m_strManufactureName = "KESTRAVAL";
            i.m_lGroupID = 2;
            i.m_strGroupName = "Moulded-case circuit breakers";
            i.m_nKindFlag = 2;
            i.m_nLVCBCode = 11;
            i.m_nVoltage = 400;
            i.m_dRatedValue = name == std::string("CBD") ? 100.0 : 400.0;
            b.m_dDisconnectTime = b.GetDisconnectTime();
        }
    }

    CEleLVCB& Breaker(const std::string& name) { return ModelOf<CEleLVCB>(byName.at(name)); }

    // Check, calculation and the selection by Icu, each as its button does.
    void CheckCalculateSelect() {
        Doc::CModeResult check = doc.DoModeCheck();
        ASSERT_TRUE(check.bPassed) << check.nMessage << " " << check.strName;
        ASSERT_TRUE(doc.DoModeCalculation().bPassed);
        Doc::CModeResult icu = doc.DoModeSelect(2);
        ASSERT_TRUE(icu.bRan);
        ASSERT_TRUE(icu.listFailed.empty());
    }

    // The cascade command on the two breakers, in cascade mode.
    void Cascade() {
        ASSERT_TRUE(doc.DoModeWork(5).bRan);
        for (auto& [name, e] : byName)
            e->SetSelect(name == "CBD" || name == "CBU" ? 1 : 0);
        QuietMessages quiet;
        doc.DoSubModeCommand(tvid::ID_SELECT_CASCADE);
        EXPECT_TRUE(quiet.shown.empty()) << quiet.shown.front();
        for (auto& [name, e] : byName)
            e->SetSelect(0);
    }

    std::unique_ptr<CPrintDataList> Report(int32_t kind) {
        auto list = std::make_unique<CPrintDataList>();
        EXPECT_TRUE(list->DoMakeRows(kind, doc));
        return list;
    }

    Doc doc;
    std::map<std::string, CObjElement*> byName;
};

// The lines of a cell.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(text.substr(from, at - from));
    lines.push_back(text.substr(from));
    return lines;
}

// Line n of each of the three four-line blocks of a conductor cell.
std::vector<std::string> Blocks(const std::string& text, size_t n = 0) {
    const std::vector<std::string> lines = Lines(text);
    std::vector<std::string> out;
    for (size_t at = n; at < lines.size(); at += 4)
        out.push_back(lines[at]);
    return out;
}

using Texts = std::vector<std::string>;

Texts Cells(const CPrintData& row) {
    return Texts(row.m_strText.begin(), row.m_strText.begin() + row.m_nCount);
}

// The selection by Icu picks, for CBU (400 A at 53 504 A), the 400 A types
// of group 2 at 400 V (Break_Capacity, lIcu / lIcs): KVC-400S (129), KVC-630S
// (131), KVC-800S (132) 50 / 37.5 kA fall short; KVC-400H (130) 70 / 70 kA
// is the only candidate. For CBD (100 A at 24 508 A): KVC-125S (124) 25 /
// 12.5 kA and KVC-125H (125) 50 / 37.5 kA, the S frame first; CBD takes 124.
// The cascade of 124 under 130 reads the rows 230 V 85 kA and 415 V 50 kA:
// the first not below 400 V gives Icu-back 50 kA, above CBD's 24 508 A.
// Instantaneous setting of 130: 10 x In. Maker 1 is not maker 2: the
// manufacturer cell stays empty.
TEST_F(ProtectionReports, AutomaticSelectionAndBackUpAfterTheCascade) {
    CheckCalculateSelect();
    EXPECT_EQ(Breaker("CBU").GetTypeID(), 130);
    EXPECT_EQ(Breaker("CBD").GetTypeID(), 124);
    // Before the cascade nothing is backed up.
    EXPECT_EQ(Firsts(*Report(3)), (Texts{"", "No data"}));
    Cascade();
    ASSERT_EQ(byName["CBU"]->GetName(), "CB1");
    ASSERT_EQ(byName["CBD"]->GetName(), "CB2");

    auto selection = Report(2);
    // CB1, a separator, CB2 in the place of its own candidate, then the
    // other candidate.
    EXPECT_EQ(Firsts(*selection), (Texts{"", "Ref.No.", "CB1", "", "CB2", ""}));
    std::vector<const CPrintData*> rows = DataRows(*selection);
    ASSERT_EQ(rows.size(), 4u);
    for (const CPrintData* row : rows) {
        EXPECT_EQ(row->m_nKind, kKindLVCB);
        EXPECT_EQ(row->m_nHeight, 70);
        EXPECT_EQ(row->m_nCount, 18);
        EXPECT_EQ(row->GetTotalWidth(), 2886);
    }
    Texts cb1 = Cells(*rows[0]);
    EXPECT_EQ(cb1[0], "CB1");
    EXPECT_EQ(cb1[1], "400V");
    EXPECT_EQ(cb1[2], "");
    EXPECT_EQ(cb1[3], "Moulded-case circuit breakers");
    EXPECT_EQ(cb1[4], "KVC-400H");
    EXPECT_EQ(cb1[5], "3Poles");
    EXPECT_EQ(cb1[6], "400A");
    // Overload of 130: the fixed text 1.05-1.30 x In and no time dial; two
    // trip elements, so no short-time delay.
    EXPECT_EQ(cb1[7], "1.05-1.30(xIn)\r\n-");
    EXPECT_EQ(cb1[8], "-\r\n-");
    EXPECT_EQ(cb1[9], "10(xIn)");
    EXPECT_EQ(cb1[10], "70.00kA");
    EXPECT_EQ(cb1[11], "70.00kA");
    EXPECT_EQ(cb1[12], "-"); // no cascade of its own
    EXPECT_EQ(cb1[13], "-");
    EXPECT_EQ(cb1[14], "ON");
    EXPECT_EQ(cb1[15], "53.504kA");
    EXPECT_EQ(cb1[16], "Icu"); // 53 504 A within 70 kA
    EXPECT_EQ(cb1[17], "x");
    EXPECT_EQ(Cells(*rows[1]), Texts(18, ""));
    Texts cb2 = Cells(*rows[2]);
    EXPECT_EQ(cb2[0], "CB2");
    EXPECT_EQ(cb2[4], "KVC-125S");
    EXPECT_EQ(rows[2]->m_nFormat[4], kCellMulti);
    EXPECT_EQ(cb2[6], "100A");
    // 124: the same overload dial and the fixed instantaneous text 10 x In.
    EXPECT_EQ(cb2[7], "1.05-1.30(xIn)\r\n-");
    EXPECT_EQ(cb2[9], "10(xIn)");
    EXPECT_EQ(cb2[10], "12.50kA");
    EXPECT_EQ(cb2[11], "25.00kA");
    EXPECT_EQ(cb2[12], "50.00kA");
    EXPECT_EQ(cb2[13], "KVC-400H");
    EXPECT_EQ(cb2[15], "24.508kA");
    EXPECT_EQ(cb2[16], "Icu-back"); // 24 508 A within the 50 kA of the cascade
    EXPECT_EQ(cb2[17], "x");
    Texts other(18, "");
    other[3] = "Moulded-case circuit breakers";
    other[4] = "KVC-125H";
    other[10] = "37.50kA";
    other[11] = "50.00kA";
    EXPECT_EQ(Cells(*rows[3]), other);
    EXPECT_EQ(rows[3]->m_nSpace, 20);

    auto backUp = Report(3);
    EXPECT_EQ(Firsts(*backUp), (Texts{"", "Ref.No.", "CB1", "CB2"}));
    rows = DataRows(*backUp);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(
        Cells(*rows[0]),
        (Texts{"CB1", "Upstream", "400V", "", "Moulded-case circuit breakers", "KVC-400H", "3Poles",
               "400A", "10(xIn)", "70.00kA", "70.00kA", "-", "-", "53.504kA", "Icu"}));
    Texts down = Cells(*rows[1]);
    EXPECT_EQ(down[1], "Downstream");
    EXPECT_EQ(down[5], "KVC-125S");
    EXPECT_EQ(down[11], "50.00kA");
    EXPECT_EQ(down[12], "KVC-400H");
    EXPECT_EQ(down[13], "24.508kA");
    EXPECT_EQ(down[14], "Icu-back");
    EXPECT_EQ(rows[1]->m_nHeight, 35);
    EXPECT_EQ(rows[1]->m_nSpace, 20);
    EXPECT_EQ(rows[1]->GetTotalWidth(), 2730);

    // The data of elements: the selection's verdict from the selection
    // modes on.
    auto data = Report(0);
    for (const CPrintData* row : DataRows(*data)) {
        if (row->m_strText[0] == "CB1") {
            EXPECT_EQ(row->m_strText[16], "Icu");
        }
        if (row->m_strText[0] == "CB2") {
            EXPECT_EQ(row->m_strText[12], "50.00kA");
            EXPECT_EQ(row->m_strText[13], "KVC-400H");
            EXPECT_EQ(row->m_strText[16], "Icu-back");
        }
    }
    // Nothing discriminated, nothing checked against shock yet.
    EXPECT_EQ(Firsts(*Report(4)), (Texts{"", "No data"}));
    EXPECT_EQ(Firsts(*Report(7)), (Texts{"", "No data"}));

    // A candidate without a positive Ics shows the no-data text; a breaker
    // of maker 2 shows its maker's name.
    CEleLVCB& cbd = Breaker("CBD");
    ASSERT_EQ(cbd.m_listCandidate.GetCount(), 2);
    cbd.m_listCandidate.GetAt(1)->m_dIcs = 0.0;
    CInfoBase& info = cbd.GetAdjust()->m_infoBase;
    info.m_lManufactureID = 2;
    info.m_strManufactureName = "Orvinda Electric";
    auto again = Report(2);
    rows = DataRows(*again);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[3]->m_strText[10], "No data");
    EXPECT_EQ(rows[3]->m_strText[11], "50.00kA");
    EXPECT_EQ(rows[2]->m_strText[2], "Orvinda Electric");
    EXPECT_EQ(rows[0]->m_strText[2], "");
}

// The downstream row names the upstream type from what the cascade stored:
// the upstream breaker deleted, and its number taken over by the breaker
// itself after the renumbering, or naming no element at all, leave the
// "Upstream" row out and the "Downstream" row whole.
TEST_F(ProtectionReports, AMissingUpstreamBreakerLeavesItsRowOut) {
    CheckCalculateSelect();
    Cascade();
    ASSERT_EQ(Breaker("CBD").m_currentSelect.m_nUpstreamNumber, 1u);
    for (auto it = doc.m_listGroups.begin(); it != doc.m_listGroups.end(); ++it)
        if ((*it)->GetElement() == byName["CBU"]) {
            doc.m_listGroups.DeleteAt(it);
            break;
        }
    byName.erase("CBU");
    for (uint32_t number : {1u, 7u}) {
        SCOPED_TRACE(number);
        Breaker("CBD").m_currentSelect.m_nUpstreamNumber = number;
        auto backUp = Report(3);
        // CBD is number 1 now.
        EXPECT_EQ(Firsts(*backUp), (Texts{"", "Ref.No.", "CB1"}));
        std::vector<const CPrintData*> rows = DataRows(*backUp);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0]->m_strText[1], "Downstream");
        EXPECT_EQ(rows[0]->m_strText[12], "KVC-400H");
        EXPECT_EQ(rows[0]->m_nSpace, 20);
        // The discrimination report likewise.
        Breaker("CBD").m_currentSelect.m_nSelectedBy = CCurrent::kInst;
        auto discrimination = Report(4);
        rows = DataRows(*discrimination);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0]->m_strText[0], "CB1");
        EXPECT_EQ(rows[0]->m_strText[1], "Downstream");
        EXPECT_EQ(rows[0]->m_strText[14], "KVC-400H");
        // A high-voltage upstream that does not exist.
        Breaker("CBD").m_currentSelect.m_nUpstreamKind = 1;
        auto underHigh = Report(4);
        rows = DataRows(*underHigh);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0]->m_strText[1], "Downstream");
        Breaker("CBD").m_currentSelect.m_nUpstreamKind = 2;
        Breaker("CBD").m_currentSelect.m_nSelectedBy = CCurrent::kCascade;
    }
}

// The wire checks that follow the selection by Icu: each wire under the
// breaker nearest above it (W1 under CBU, W2 under CBD), checked by the
// I2t calculation with the breaker's currents over 1 cycle at 50 Hz
// (0.02 s). Currents at the breakers, V / sqrt 3 = 230.94 V over the loop
// (mohm, 100 % = 160 mohm):
//   CBU: three-phase 53 504 A; the loops through N and PE have nothing of
//   their own above the bus: 53 504 A as well;
//   CBD: 24 508 A; the phase term 5.88933 % = 4.5673 + j8.2421 mohm, N of
//   W1 3.77 + j4.0: |8.3373 + j12.2421| = 14.8117, 15 592 A; PE of W1
//   50 x (0.153 + j0.085) = 7.65 + j4.25: |12.2173 + j12.4921| = 17.4734,
//   13 217 A.
// Energy (k I)^2 x 1 / 50, k the effective coefficient over 1 cycle at the
// current's power factor cos phi (0.2 above 50 kA, 0.25 above 20 kA, 0.3
// above 10 kA): k = sqrt((b/2 + T sin^2 phi (1 - e^(-2b/T)) / 2) x 2 / b),
// b = 2 pi, T = tan phi:
//   cos 0.2: T = 4.898979, sin^2 = 0.96, e^(-2b/T) = 0.0769115, k = 1.300361;
//   cos 0.25: T = 3.872983, sin^2 = 0.9375, e^.. = 0.0389833, k = 1.247137;
//   cos 0.3: T = 3.179797, sin^2 = 0.91, e^.. = 0.0192174, k = 1.204858.
//   W1 phases: (1.300361 x 53 504)^2 / 50 = 96.81 MA2s, minimum size
//   sqrt(96.81e6) / 115 = 85.56 mm2 (copper, PVC: k 115) within 240 mm2;
//   W2 phases: (1.247137 x 24 508)^2 / 50 = 18.68 MA2s, 37.59 mm2 above
//   35 mm2: not good; N: (1.204858 x 15 592)^2 / 50 = 7.058 MA2s,
//   sqrt / 115 = 23.10 mm2; PE: (1.204858 x 13 217)^2 / 50 = 5.072 MA2s,
//   19.58 mm2.
TEST_F(ProtectionReports, WireProtectionOfEachGroup) {
    for (const char* name : {"W1", "W2"}) {
        ModelOf<CEleWire>(byName.at(name)).SetEarthingSystem(1);
        ModelOf<CEleWire>(byName.at(name)).SetWireSystem(3);
    }
    CheckCalculateSelect();
    auto wires = Report(6);
    EXPECT_EQ(Firsts(*wires), (Texts{"", "Ref.No.", "W1", "W2"}));
    std::vector<const CPrintData*> rows = DataRows(*wires);
    ASSERT_EQ(rows.size(), 2u);
    const CPrintData& w1 = *rows[0];
    EXPECT_EQ(w1.m_nKind, kKindLVCB);
    EXPECT_EQ(w1.m_nHeight, 420);
    EXPECT_EQ(w1.GetTotalWidth(), 2860);
    EXPECT_EQ(w1.m_strText[1], "400V");
    EXPECT_EQ(w1.m_strText[2], "3Phases\r\n\r\n\r\n\r\nN\r\n\r\n\r\n\r\nPE");
    EXPECT_EQ(Blocks(w1.m_strText[3], 0), (Texts{"Cu", "Cu", "Cu"}));
    EXPECT_EQ(Blocks(w1.m_strText[3], 3), (Texts{"Multi-Core", "Multi-Core", "Multi-Core"}));
    EXPECT_EQ(Blocks(w1.m_strText[4]), (Texts{"115", "115", "115"}));
    EXPECT_EQ(Blocks(w1.m_strText[6]), (Texts{"240mm²x1", "240mm²x1", "120mm²x1"}));
    EXPECT_EQ(Blocks(w1.m_strText[7]), (Texts{"500.0A", "500.0A", "500.0A"}));
    EXPECT_EQ(w1.m_strText[8], "400A");
    EXPECT_EQ(w1.m_strText[9], "KVC-400H");
    EXPECT_EQ(Blocks(w1.m_strText[10]), (Texts{"53.504kA", "53.504kA", "53.504kA"}));
    EXPECT_EQ(Blocks(w1.m_strText[11]), (Texts{"0.020s", "0.020s", "0.020s"}));
    EXPECT_EQ(Blocks(w1.m_strText[12]), (Texts{"96.8MA^2s", "96.8MA^2s", "96.8MA^2s"}));
    EXPECT_EQ(Blocks(w1.m_strText[13]), (Texts{"85.56mm²", "85.56mm²", "85.56mm²"}));
    EXPECT_EQ(Blocks(w1.m_strText[14]), (Texts{"Good", "Good", "Good"}));

    const CPrintData& w2 = *rows[1];
    EXPECT_EQ(w2.m_nSpace, 20);
    EXPECT_EQ(w2.m_strText[8], "100A");
    EXPECT_EQ(w2.m_strText[9], "KVC-125S");
    EXPECT_EQ(Blocks(w2.m_strText[10]), (Texts{"24.508kA", "15.592kA", "13.217kA"}));
    EXPECT_EQ(Blocks(w2.m_strText[12]), (Texts{"18.7MA^2s", "7.06MA^2s", "5.07MA^2s"}));
    EXPECT_EQ(Blocks(w2.m_strText[13]), (Texts{"37.59mm²", "23.10mm²", "19.58mm²"}));
    EXPECT_EQ(Blocks(w2.m_strText[14]), (Texts{"Not good", "Good", "Good"}));

    // By the breaker's let-through energy the duration does not count.
    ModelOf<CEleWire>(byName.at("W2")).m_nCheckMode = 1;
    auto byEnergy = Report(6);
    EXPECT_EQ(DataRows(*byEnergy)[1]->m_strText[11],
              "Depend on\r\nLet-through\r\nenergy\r\n\r\nDepend on\r\nLet-through\r\nenergy"
              "\r\n\r\nDepend on\r\nLet-through\r\nenergy");
    // Before the selection modes the check's cells hold "-" per group.
    doc.m_nMode = 3;
    auto before = Report(6);
    rows = DataRows(*before);
    ASSERT_EQ(rows.size(), 2u);
    for (int i = 10; i <= 14; ++i)
        EXPECT_EQ(rows[1]->m_strText[i], "-\r\n\r\n\r\n\r\n-\r\n\r\n\r\n\r\n-") << i;
    EXPECT_EQ(rows[1]->m_strText[9], "KVC-125S");
}

// The selection's wire check takes each wire with the breaker nearest above
// it. W2 made 50 mm2 in every group: under CBD (values above) its groups need
// 37.59, 23.10 and 19.58 mm2 and pass; under CBU, whose 53 504 A gives
// 96.81 MA2s, the phases would need 85.56 mm2 and fail. W1 under CBU needs
// 85.56 mm2 in each group (N and PE loops carry 53 504 A too; PE of PVC
// multi-core k 115) within its 240 / 240 / 120 mm2.
TEST_F(ProtectionReports, WireCheckOfTheSelectionUsesTheNearestBreakerAbove) {
    CEleWire& w2 = ModelOf<CEleWire>(byName.at("W2"));
    for (const char* name : {"W1", "W2"}) {
        ModelOf<CEleWire>(byName.at(name)).SetEarthingSystem(1);
        ModelOf<CEleWire>(byName.at(name)).SetWireSystem(3);
    }
    for (CEleWirePhase* p : {&w2.m_phase3, &w2.m_phaseN, &w2.m_phasePE})
        p->m_dCoreSize = 50.0;
    CheckCalculateSelect();
    EXPECT_EQ(w2.m_nCheckDone, 1u);
    EXPECT_EQ(w2.m_nFailingGroup, 0u);
    EXPECT_EQ(w2.GetErrorMark(), 0u);
    EXPECT_EQ(doc.IsOkWireProtection(), 1);
    // The same wire a size too small for CBD fails with its phases.
    for (CEleWirePhase* p : {&w2.m_phase3, &w2.m_phaseN, &w2.m_phasePE})
        p->m_dCoreSize = 35.0;
    EXPECT_EQ(doc.IsOkWireProtection(), 0);
    EXPECT_EQ(w2.m_nFailingGroup, 1u);
}

// Discrimination by Inst. of CBD under CBU: the upstream curve is shown as
// a band, whose lower edge of the instantaneous trip of KVC-400H at 10 x
// 400 A is 20 % below it (dXErrorMinus 20 of its curve): Is = 3200 A, and
// I"k3 24 508 A above it is partial discrimination.
TEST_F(ProtectionReports, DiscriminationOfALowVoltagePair) {
    CheckCalculateSelect();
    ASSERT_TRUE(doc.DoModeWork(6).bRan);
    byName["CBD"]->SetSelect(1);
    byName["CBU"]->SetSelect(1);
    {
        QuietMessages quiet;
        doc.DoSubModeCommand(tvid::ID_SELECT_BY_INST);
        EXPECT_TRUE(quiet.shown.empty());
    }
    auto list = Report(4);
    EXPECT_EQ(Firsts(*list),
              (Texts{"", "Table : \"Discriminated by the table\"",
                     "Inst. : \"Discriminated by the instantaneous pick up current of upstream "
                     "breaker\"",
                     "Inst. DC : \"Discriminated by the instantaneous pick up current of upstream "
                     "breaker in consideration of DC component\"",
                     "Inst. with current-limiting : \"Discriminated by the instantaneous pick up "
                     "current of upstream breaker in consideration of current-limiting function\"",
                     "Ref.No.", "CB1", "CB2"}));
    EXPECT_EQ(list->GetAt(1).m_nIndent, 26);
    EXPECT_EQ(list->GetAt(1).m_nSpace, 10);
    std::vector<const CPrintData*> rows = DataRows(*list);
    ASSERT_EQ(rows.size(), 2u);
    Texts up = Cells(*rows[0]);
    EXPECT_EQ(up[1], "Upstream");
    EXPECT_EQ(up[5], "KVC-400H");
    EXPECT_EQ(up[10], "10(xIn)\r\nBand");
    EXPECT_EQ(up[14], "-"); // its own back-up type: none
    EXPECT_EQ(up[15], "");  // the row given the marker shows no current
    EXPECT_EQ(up[16], "-");
    Texts down = Cells(*rows[1]);
    EXPECT_EQ(down[1], "Downstream");
    EXPECT_EQ(down[13], "3.2kA\r\nInst.");
    EXPECT_EQ(down[14], "KVC-400H");
    EXPECT_EQ(down[15], "24.508kA");
    EXPECT_EQ(down[16], "Partial");
    EXPECT_EQ(rows[1]->m_nSpace, 20);
    EXPECT_EQ(rows[1]->GetTotalWidth(), 2912);
    // A discrimination is no cascade.
    EXPECT_EQ(Firsts(*Report(3)), (Texts{"", "No data"}));
}

// The shock check of CBD down to the end of W2. TN-S at 400 V: 0.4 s. The
// instantaneous trip of KVC-125S at 10 x 100 A with its band 20 % above:
// Ia = 1200 A, Zs = 230.94 / 1200 = 0.1925 ohm. The earth-fault loop at
// W2's end: the phase term at CBD 4.5673 + j8.2421, W2's phases 20 x
// (0.0754 + j0.08) = 1.508 + j1.6, the PE of W1 7.65 + j4.25 and of W2
// 20 x (0.153 + j0.085) = 3.06 + j1.7: |16.7853 + j15.7921| = 23.0466 mohm,
// Ief = 230.94 / 23.0466 = 10 021 A: within Icu 25 kA and above Ia: good.
// U0 = 400 / sqrt 3 = 231 V.
TEST_F(ProtectionReports, ProtectionAgainstElectricShock) {
    for (const char* name : {"W1", "W2"}) {
        ModelOf<CEleWire>(byName.at(name)).SetEarthingSystem(1);
        ModelOf<CEleWire>(byName.at(name)).SetWireSystem(3);
    }
    CheckCalculateSelect();
    ASSERT_TRUE(doc.DoModeWork(8).bRan);
    byName["CBD"]->SetSelect(1);
    doc.DoSubModeCommand(tvid::ID_SHOCK_CHECK);
    auto list = Report(7);
    EXPECT_EQ(Firsts(*list), (Texts{"", "Ref.No.", "CB2"}));
    std::vector<const CPrintData*> rows = DataRows(*list);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]->m_nHeight, 70);
    EXPECT_EQ(rows[0]->m_nSpace, 20);
    EXPECT_EQ(rows[0]->GetTotalWidth(), 2886);
    Texts cells = Cells(*rows[0]);
    EXPECT_EQ(cells[4], "KVC-125S");
    EXPECT_EQ(cells[6], "100A");
    EXPECT_EQ(cells[10], "TN-S");
    EXPECT_EQ(cells[11], "231V");
    EXPECT_EQ(cells[12], "0.40s");
    EXPECT_EQ(cells[13], "1.20kA");
    EXPECT_EQ(cells[14], "0.1925ohms");
    EXPECT_EQ(cells[15], "10.021kA");
    EXPECT_EQ(cells[16], "Good");
}

// A low-voltage breaker discriminated against the high-voltage breaker of
// its transformer: the "Upstream" row is the high-voltage breaker's own
// (140 high, of no element table), then the low-voltage "Downstream" row.
// The source (500 MVA) and the transformer (1000 kVA, 5 %) give 27 770 A at
// the bus and the breaker (the high-voltage breaker adds nothing); at that
// current the 100 A types of group 2 leave KVC-125H (125, 50 kA) as the
// first candidate. The discrimination's result is set as the command leaves
// it: by Inst., limit 8000 A, the upstream curve typical: I"k3 above it and
// below 50 kA is partial.
class HighVoltageDiscrimination : public protecttest::WithAllDatabases {
protected:
    CObjElement* Draw(int32_t kind, int col, int row, int cells = 0) {
        CObjElement* e = tvtest::Place(doc, kind, col, row, 0, cells);
        e->DoInitNewElement(doc);
        return e;
    }
    Doc doc;
};

TEST_F(HighVoltageDiscrimination, TheUpstreamRowIsTheHighVoltageBreakers) {
    auto& s = ModelOf<CEleSource>(Draw(kKindSource, 0, 0));
    s.m_nCapacity = 500;
    s.m_dXR = 25.0;
    CObjElement* hcb = Draw(kKindHVCB, 0, 2);
    auto& t = ModelOf<CEleTrans3>(Draw(kKindTrans3, 0, 4));
    t.m_dCapacity = 1000.0;
    t.m_dPercentZ = 5.0;
    t.m_dXR = 5.0;
    Draw(kKindZeroCond, 0, 7, 6);
    CObjElement* cb = Draw(kKindLVCB, 1, 8);
    Draw(kKindWire, 1, 11);
    Draw(kKindLoad, 1, 15);
    tvtest::MarkCalcPoint(cb);
    CEleLVCB& b = ModelOf<CEleLVCB>(cb);
    b.m_nPoles = 3;
    b.m_nUseCode = 1;
    CInfoBase& i = b.GetAdjust()->m_infoBase;
    i.m_lManufactureID = 1;
    i.m_lGroupID = 2;
    i.m_nLVCBCode = 11;
    i.m_nVoltage = 400;
    i.m_dRatedValue = 100.0;
    ASSERT_TRUE(doc.DoModeCalculation().bPassed);
    ASSERT_EQ(b.DoSelectAutomatic(CEleLVCB::kByIcu, 0), 1);
    ASSERT_EQ(b.GetTypeID(), 125);

    const CEleHVCB& h = ModelOf<CEleHVCB>(hcb);
    ASSERT_GT(h.GetAdjust()->m_infoBase.m_lTypeID, 0);
    CCurrent& marker = b.m_currentSelect;
    marker.m_nSelectedBy = CCurrent::kInst;
    marker.m_nUpstreamKind = 1;
    marker.m_nUpstreamNumber = hcb->GetNumber();
    marker.m_nUpstreamTypeID = static_cast<uint32_t>(h.GetAdjust()->m_infoBase.m_lTypeID);
    marker.m_dIs = 8000.0;
    marker.m_nResult = 1;
    marker.m_nBand = 0;
    doc.m_nMode = 6;
    doc.m_nSubMode = 2;

    CPrintDataList list;
    ASSERT_TRUE(list.DoMakeRows(4, doc));
    std::vector<const CPrintData*> rows = DataRows(list);
    ASSERT_EQ(rows.size(), 2u);
    // The relay's default product of the data: KOR-D1 on a 100/5 A CT, its
    // first part "SI Standard inverse" at 5 A and 0.50, a definite-time
    // second part.
    const CPrintData& up = *rows[0];
    EXPECT_EQ(up.m_nKind, 0);
    EXPECT_EQ(up.m_nHeight, 140);
    EXPECT_EQ(up.m_nCount, 17);
    Texts expected(17, "");
    expected[0] = "HCB1";
    expected[1] = "Upstream";
    expected[2] = "6600V";
    expected[4] = "Digital over-current relays";
    expected[5] = "KOR-D1";
    expected[7] = "100A\r\n/\r\n5A";
    expected[8] = "SI\r\nStandard\r\ninverse\r\n5(A)\r\n0.50";
    expected[10] = "Definite\r\nTyp.";
    EXPECT_EQ(Cells(up), expected);
    for (int c : {7, 8, 10})
        EXPECT_EQ(up.m_nFormat[c], kCellMulti) << c;

    const CPrintData& down = *rows[1];
    EXPECT_EQ(down.m_nKind, kKindLVCB);
    EXPECT_EQ(down.m_nHeight, 70);
    EXPECT_EQ(down.m_nSpace, 20);
    Texts cells = Cells(down);
    EXPECT_EQ(cells[0], "CB1");
    EXPECT_EQ(cells[1], "Downstream");
    EXPECT_EQ(cells[5], "KVC-125H");
    EXPECT_EQ(cells[11], "37.50kA");
    EXPECT_EQ(cells[12], "50.00kA");
    EXPECT_EQ(cells[13], "8kA\r\nInst.");
    EXPECT_EQ(cells[14], "KOR-D1"); // the high-voltage type, by its stored id
    EXPECT_EQ(cells[15], "27.770kA");
    EXPECT_EQ(cells[16], "Partial");
}

} // namespace
