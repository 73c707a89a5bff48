// The sub-mode commands of the document on a drawn and calculated network:
// which of them each mode and selection enables, the pair commands with the
// graphs they open, and the electric-shock command.
//
// The network: a source of 500 MVA, a high-voltage breaker, a transformer of
// 300 kVA (4 %, X/R 5), a main low-voltage breaker of 400 A, a bus, and two
// feeders of a 25 A breaker, a wire and a motor. At the bus I"k3 is about
// 300 kVA / (sqrt 3 x 400 V) / (0.04 + 0.3 / 500) = 10.7 kA, so the
// automatic selection by Icu gives the feeders, chosen among the
// moulded-case breakers, KVC-63S (122; KVC-32S's 7.5 kA is short, its
// 15 kA is enough) and the main breaker the type it
// was given by hand, KVC-400H (130, 70 kA; a candidate, so it stays).

#include "tests/app/TestNetwork.h"

#include "app/elements/conductors/CEleWire.h"
#include "app/elements/protection/CEleHVCB.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/protection/CGraphNo.h"
#include "app/protection/CObjAdjust.h"
#include "app/protection/CObjGraph.h"
#include "app/records/CObjRefV2.h"
#include "app/records/ElementKinds.h"
#include "app/records/TovarineIds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "tests/app/elements/protection/ProtectionTestSupport.h"
#include "tests/common/MessageCapture.h"

#include "framework/DeviceContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Doc = CTovarineDocData;
using tvtest::ModelOf;

// A point whose source-side three-phase current at 400 V is `amps`: base
// 10 000 kVA and a reactance alone, %X = S x 1e5 / (sqrt 3 x V x I).
void SetIk3(CCalcPoint& p, double amps) {
    p.m_dBaseCapacity = 10000.0;
    p.m_zSource.m_nKind = 4;
    p.m_zSource.m_dR = 0.0;
    p.m_zSource.m_dX = 10000.0 * 1000.0 * 100.0 / (std::sqrt(3.0) * 400.0 * amps);
}

// A document that keeps the hints its views were sent.
class RecordingDoc : public CTovarineDocData {
public:
    void UpdateAllViews(int32_t hint, const fw::CObject*) override { hints.push_back(hint); }
    std::vector<int32_t> hints;
};

class SubModeCommands : public protecttest::WithAllDatabases {
protected:
    CObjElement* Draw(int32_t kind, int col, int row, int cells = 0) {
        CObjElement* e = tvtest::Place(doc, kind, col, row, 0, cells);
        e->DoInitNewElement(doc);
        return e;
    }
    void SetUp() override {
        protecttest::WithAllDatabases::SetUp();
        tvtest::PlaceElement(doc, {"S", kKindSource, 0, 0, 0, {500, 25}});
        hcb = Draw(kKindHVCB, 0, 2);
        CObjElement* t = tvtest::PlaceElement(doc, {"T", kKindTrans3, 0, 4, 0, {300, 4, 5}, true});
        ModelOf<CEleTrans3>(t).m_dRushPeak = 10.0;
        ModelOf<CEleTrans3>(t).m_dDampingTime = 100.0;
        main = Draw(kKindLVCB, 0, 7);
        Draw(kKindZeroCond, 0, 10, 6);
        for (int col : {1, 3}) {
            CObjElement* cb = Draw(kKindLVCB, col, 11);
            CObjElement* w = Draw(kKindWire, col, 14);
            Draw(kKindMotor, col, 18);
            // Chosen by hand among the moulded-case breakers (maker 1,
            // group 2, code 11), 25 A; the type is left to the selection.
            CInfoBase& i = Breaker(cb).GetAdjust()->m_infoBase;
            i.m_lManufactureID = 1;
            i.m_lGroupID = 2;
            i.m_nLVCBCode = 11;
            i.m_dRatedValue = 25.0;
            tvtest::MarkCalcPoint(w);
            feeders.push_back(cb);
            wires.push_back(w);
        }
        // The list's default earthing is TT, for which the shock check is
        // not offered; the first feeder's breaker is set to IT (three
        // phases without neutral, 3 poles: as the earthing check wants).
        Breaker(feeders[0]).SetEarthingSystem(5);
        ModelOf<CEleHVCB>(hcb).m_nCalcPoint = 1;
        // The main breaker as its dialog would leave it: KVC-400H, 400 A.
        CEleLVCB& m = Breaker(main);
        m.GetAdjust()->m_infoBase.m_dRatedValue = 400.0;
        SetIk3(m.m_calcPoint2, 60000.0);
        ASSERT_EQ(m.DoSelectAutomatic(CEleLVCB::kAtSecondPoint, 1), 1);
        ASSERT_EQ(m.GetTypeID(), 130);

        Doc::CModeResult check = doc.DoModeCheck();
        ASSERT_TRUE(check.bPassed) << check.nMessage << " " << check.strName;
        ASSERT_TRUE(doc.DoModeCalculation().bRan);
        Doc::CModeResult icu = doc.DoModeSelect(2);
        ASSERT_TRUE(icu.listFailed.empty()) << icu.listFailed.front();
        ASSERT_EQ(m.GetTypeID(), 130);
        for (CObjElement* cb : feeders)
            ASSERT_EQ(Breaker(cb).GetTypeID(), 122);
        ASSERT_NEAR(Breaker(feeders[0]).GetSelectionIk(2), 10670.0, 100.0);
    }
    static CEleLVCB& Breaker(const CObjElement* e) { return ModelOf<CEleLVCB>(e); }
    // Selects the elements as a click in the skeleton view does: each
    // element's group and the element itself; every other one is
    // deselected.
    void Select(std::initializer_list<CObjElement*> elements) {
        for (auto& group : doc.m_listGroups) {
            const bool hit =
                std::find(elements.begin(), elements.end(), group->GetElement()) != elements.end();
            group->DoSelect(0, hit, doc.m_nMode);
        }
    }

    RecordingDoc doc;
    CObjElement* hcb = nullptr;
    CObjElement* main = nullptr;
    std::vector<CObjElement*> feeders;
    std::vector<CObjElement*> wires;
};

// Which command each mode enables for each selection. The rules: one
// breaker chosen again by Icu or Ics in modes 3 and 4; at the second point,
// the shock check and the let-through graphs whatever the mode; the pair
// commands in their modes for a pair on one circuit (cascade only on one
// voltage level, so never with the high-voltage breaker; the table only
// between two low-voltage breakers); the wire checks in mode 7 for a wire
// the breaker feeds; the shock check not for TT earthing. KVC-400H 400 A has no current-limiting or
// I2t curve in the data; KVC-63S 25 A has both.
TEST_F(SubModeCommands, EachModeEnablesTheCommandsThatFitTheSelection) {
    using namespace tvid;
    const unsigned commands[] = {
        ID_SELECT_ONE_ICU,    ID_SELECT_ONE_ICS,          ID_SELECT_SECOND_POINT,
        ID_SELECT_CASCADE,    ID_SELECT_BY_TABLE,         ID_SELECT_BY_INST,
        ID_SELECT_BY_INST_DC, ID_SELECT_BY_INST_LIMITING, ID_PROTECT_I2T,
        ID_PROTECT_ENERGY,    ID_PROTECT_I2T_END,         ID_PROTECT_ENERGY_END,
        ID_SHOCK_CHECK,       ID_DISPLAY_LIMIT_CURVE,     ID_DISPLAY_I2T_CURVE};
    const std::string all = "12345678";
    struct Case {
        const char* what;
        std::vector<CObjElement*> selected;
        std::map<unsigned, std::string> modes; // the others: never
    };
    CObjElement* cb = feeders[0];
    const Case cases[] = {
        {"one feeder breaker",
         {cb},
         {{ID_SELECT_ONE_ICU, "34"},
          {ID_SELECT_ONE_ICS, "34"},
          {ID_SELECT_SECOND_POINT, all},
          {ID_SHOCK_CHECK, all},
          {ID_DISPLAY_LIMIT_CURVE, all},
          {ID_DISPLAY_I2T_CURVE, all}}},
        {"the main breaker alone", {main}, {{ID_SELECT_ONE_ICU, "34"}, {ID_SELECT_ONE_ICS, "34"}}},
        {"the main and a feeder breaker",
         {main, cb},
         {{ID_SELECT_CASCADE, "5"},
          {ID_SELECT_BY_TABLE, "6"},
          {ID_SELECT_BY_INST, "6"},
          {ID_SELECT_BY_INST_DC, "6"},
          {ID_SELECT_BY_INST_LIMITING, "6"}}},
        {"a feeder breaker and its wire",
         {cb, wires[0]},
         {{ID_SELECT_ONE_ICU, "34"},
          {ID_SELECT_ONE_ICS, "34"},
          {ID_SELECT_SECOND_POINT, all},
          {ID_PROTECT_I2T, "7"},
          {ID_PROTECT_ENERGY, "7"},
          {ID_PROTECT_I2T_END, "7"},
          {ID_PROTECT_ENERGY_END, "7"},
          {ID_SHOCK_CHECK, all},
          {ID_DISPLAY_LIMIT_CURVE, all},
          {ID_DISPLAY_I2T_CURVE, all}}},
        {"the other feeder's breaker (TT) and the first feeder's wire",
         {feeders[1], wires[0]},
         {{ID_SELECT_ONE_ICU, "34"},
          {ID_SELECT_ONE_ICS, "34"},
          {ID_SELECT_SECOND_POINT, all},
          {ID_DISPLAY_LIMIT_CURVE, all},
          {ID_DISPLAY_I2T_CURVE, all}}},
        {"the high-voltage breaker and the main breaker",
         {hcb, main},
         {{ID_SELECT_ONE_ICU, "34"},
          {ID_SELECT_ONE_ICS, "34"},
          {ID_SELECT_BY_INST, "6"},
          {ID_SELECT_BY_INST_DC, "6"},
          {ID_SELECT_BY_INST_LIMITING, "6"}}},
        // The main breaker lies between them: the feeder's upstream device is
        // the main breaker, not the high-voltage one.
        {"the high-voltage breaker and a feeder breaker",
         {hcb, cb},
         {{ID_SELECT_ONE_ICU, "34"},
          {ID_SELECT_ONE_ICS, "34"},
          {ID_SELECT_SECOND_POINT, all},
          {ID_SHOCK_CHECK, all},
          {ID_DISPLAY_LIMIT_CURVE, all},
          {ID_DISPLAY_I2T_CURVE, all}}},
        {"two feeder breakers side by side", {cb, feeders[1]}, {}},
        // The cascade and the table want two low-voltage breakers whatever
        // else is selected; the instantaneous methods two breakers in all.
        {"the high-voltage, the main and a feeder breaker",
         {hcb, main, cb},
         {{ID_SELECT_CASCADE, "5"}, {ID_SELECT_BY_TABLE, "6"}}},
    };
    const int32_t mode = doc.m_nMode;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (auto& group : doc.m_listGroups) {
            const bool hit = std::find(c.selected.begin(), c.selected.end(), group->GetElement()) !=
                             c.selected.end();
            group->DoSelect(0, hit, doc.m_nMode);
        }
        for (unsigned id : commands) {
            std::string enabled;
            for (char m : all) {
                doc.m_nMode = m - '0';
                if (doc.IsSubModeCommandEnabled(id))
                    enabled += m;
            }
            const auto want = c.modes.find(id);
            EXPECT_EQ(enabled, want == c.modes.end() ? "" : want->second) << "command " << id;
        }
    }
    // A pair member need not be a calculation point: switched on with its
    // data complete is enough.
    Select({main, cb});
    Breaker(cb).m_nCalcPoint = 0;
    doc.m_nMode = 5;
    EXPECT_TRUE(doc.IsSubModeCommandEnabled(ID_SELECT_CASCADE));
    doc.m_nMode = 6;
    for (unsigned id :
         {ID_SELECT_BY_TABLE, ID_SELECT_BY_INST, ID_SELECT_BY_INST_DC, ID_SELECT_BY_INST_LIMITING})
        EXPECT_TRUE(doc.IsSubModeCommandEnabled(id)) << id;
    // Switched off, it is not.
    Breaker(cb).m_nOff = 1;
    EXPECT_FALSE(doc.IsSubModeCommandEnabled(ID_SELECT_BY_INST));
    doc.m_nMode = 5;
    EXPECT_FALSE(doc.IsSubModeCommandEnabled(ID_SELECT_CASCADE));
    doc.m_nMode = mode;
}

// The pair commands on the main breaker (KVC-400H 400 A: instantaneous
// lower edge 0.8 x 10 x 400 = 3200 A, Icu and Ics 70 kA) and a feeder
// breaker (KVC-63S 25 A: Icu 15 kA, instantaneous upper edge 300 A):
// - Cascade: the table's rows for KVC-63S under KVC-400H are 230 V 85 kA
//   and 415 V 50 kA; the first not below 400 V gives Icu-back 50 kA, above
//   the own 15 kA; Iinst 3200 A is within 15 kA and I"k3 10.7 kA within
//   50 kA: Icu-back 50 kA, shown on a new cascade graph.
// - Table: the table holds KVC-63S only under KVC-400S, so nothing is found:
//   the message, no graph.
// - Inst.: no overlap (the feeder's no-trip region ends at 300 A, where its
//   thermal edge is at 5.5 s and the main breaker's lower thermal edge at
//   1990 A): Is = 3200 A; Inst. DC 3200 x sqrt 2 / 1.44 = 3142.70 A; with
//   current-limiting, the cut-off 4525.48 A lies between the KVC-63S 25 A
//   curve's (6000 A, 4062 A) and (8000 A, 4758 A) (header 16, 415 V):
//   f = ln(4525.48 / 4062) / ln(4758 / 4062) = 0.68320, Is = 6000 x
//   (8000 / 6000)^0.68320 = 7303.13 A. All three on one discrimination
//   graph, made by the first and made current again by the others.
TEST_F(SubModeCommands, PairCommandsStoreTheResultAndShowItsGraph) {
    tvtest::MessageCapture messages;
    CEleLVCB& down = Breaker(feeders[0]);
    Select({main, feeders[0]});
    ASSERT_TRUE(doc.DoModeWork(5).bRan);
    const int32_t graphsBefore = doc.GetCounter(0);
    doc.hints.clear();
    doc.SetModifiedFlag(false);

    ASSERT_TRUE(doc.IsSubModeCommandEnabled(tvid::ID_SELECT_CASCADE));
    CObjGraph* cascade = doc.DoSubModeCommand(tvid::ID_SELECT_CASCADE);
    ASSERT_NE(cascade, nullptr);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(cascade->m_nKind, 1u);
    EXPECT_EQ(cascade->m_nCurrent, 1u);
    EXPECT_EQ(static_cast<int32_t>(cascade->m_nGraphNo), graphsBefore + 1);
    EXPECT_EQ(doc.GetCounter(0), graphsBefore + 1);
    EXPECT_EQ(main->IsOnGraph(cascade->m_nGraphNo), 1);
    EXPECT_EQ(feeders[0]->IsOnGraph(cascade->m_nGraphNo), 1);
    EXPECT_EQ(feeders[1]->IsOnGraph(cascade->m_nGraphNo), 0);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.HasUndo());
    EXPECT_EQ(doc.hints, std::vector<int32_t>{8});
    const CCurrent& m = down.m_currentSelect;
    EXPECT_EQ(m.m_nSelectedBy, 3u);
    EXPECT_EQ(m.m_dIcuBack, 50000.0);
    EXPECT_EQ(m.m_nUpstreamKind, 2u);
    EXPECT_EQ(m.m_nUpstreamNumber, main->GetNumber());
    EXPECT_EQ(m.m_nUpstreamTypeID, 130u);
    EXPECT_EQ(m.m_dUpstreamCurrent, 3200.0);
    EXPECT_EQ(m.m_dIcu, 70000.0);
    EXPECT_EQ(down.DoGetTextSelectResult(0), "Icu-back");
    EXPECT_EQ(down.GetFillColour(doc.m_nMode, false, 0), 0x00FFFFu);
    // Again: the same graph, made current; no second one.
    const int32_t count = doc.m_listGraphs.GetCount();
    EXPECT_EQ(doc.DoSubModeCommand(tvid::ID_SELECT_CASCADE), cascade);
    EXPECT_EQ(doc.m_listGraphs.GetCount(), count);

    ASSERT_TRUE(doc.DoModeWork(6).bRan);
    messages.Clear();
    EXPECT_EQ(doc.DoSubModeCommand(tvid::ID_SELECT_BY_TABLE), nullptr);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "This combination is not found in the authorized table.");
    EXPECT_EQ(m.m_nSelectedBy, 4u);
    EXPECT_EQ(m.m_nResult, 0u);
    EXPECT_EQ(m.m_dIs, -1.0);
    EXPECT_EQ(doc.m_listGraphs.GetCount(), count);
    EXPECT_TRUE(doc.IsModified());

    struct Case {
        unsigned id;
        uint32_t code;
        double is;
    };
    const Case cases[] = {{tvid::ID_SELECT_BY_INST, 5, 3200.0},
                          {tvid::ID_SELECT_BY_INST_DC, 6, 3142.6968},
                          {tvid::ID_SELECT_BY_INST_LIMITING, 7, 7303.1298}};
    CObjGraph* discrimination = nullptr;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        CObjGraph* graph = doc.DoSubModeCommand(c.id);
        ASSERT_NE(graph, nullptr);
        EXPECT_EQ(graph->m_nKind, 2u);
        EXPECT_EQ(graph->m_nCurrent, 1u);
        EXPECT_EQ(cascade->m_nCurrent, 0u);
        if (!discrimination)
            discrimination = graph;
        EXPECT_EQ(graph, discrimination);
        EXPECT_EQ(m.m_nSelectedBy, c.code);
        EXPECT_EQ(m.m_nResult, 1u);
        EXPECT_NEAR(m.m_dIs, c.is, 0.01);
        EXPECT_TRUE(doc.IsSubModeCommandChecked(c.id));
        EXPECT_EQ(down.DoGetTextDiscrimResult(), "Partial");
        EXPECT_EQ(down.GetFillColour(doc.m_nMode, false, 0), 0x00FF00u);
    }
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_EQ(doc.m_listGraphs.GetCount(), count + 1);
    EXPECT_EQ(main->IsOnGraph(discrimination->m_nGraphNo), 1);
    EXPECT_EQ(feeders[0]->IsOnGraph(discrimination->m_nGraphNo), 1);
    // Undo gives back the marker as it was before the last command.
    const std::string name = feeders[0]->GetName();
    ASSERT_TRUE(doc.DoRestoreUndo());
    CObjElementList all;
    doc.CollectElements(all);
    const CObjElement* again = nullptr;
    for (const CObjElement* e : all)
        again = e->GetName() == name ? e : again;
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(Breaker(again).m_currentSelect.m_nSelectedBy, 6u);
}

// Two breakers that are no pair for the command: given anyway, it only
// marks the document modified and redraws.
TEST_F(SubModeCommands, APairNotOnOneCircuitOnlyRedraws) {
    tvtest::MessageCapture messages;
    Select({feeders[0], feeders[1]});
    ASSERT_TRUE(doc.DoModeWork(6).bRan);
    doc.hints.clear();
    doc.SetModifiedFlag(false);
    const int32_t count = doc.m_listGraphs.GetCount();
    EXPECT_EQ(doc.DoSubModeCommand(tvid::ID_SELECT_BY_TABLE), nullptr);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.hints, std::vector<int32_t>{8});
    EXPECT_EQ(doc.m_listGraphs.GetCount(), count);
    EXPECT_EQ(Breaker(feeders[0]).m_currentSelect.m_nSelectedBy, 0u);
    EXPECT_EQ(Breaker(feeders[1]).m_currentSelect.m_nSelectedBy, 0u);
    // The table and the cascade are for two low-voltage breakers: with the
    // high-voltage breaker above the main one they do nothing either.
    Select({hcb, main});
    for (unsigned id : {tvid::ID_SELECT_BY_TABLE, tvid::ID_SELECT_CASCADE}) {
        EXPECT_EQ(doc.DoSubModeCommand(id), nullptr) << id;
        EXPECT_EQ(Breaker(main).m_currentSelect.m_nSelectedBy, 0u) << id;
    }
    EXPECT_EQ(messages.Count(), 0u);
}

// The electric-shock check of a feeder breaker: its point is the wire, the
// last conductor before the motor, whose calculation point it copies; the
// trip current Ia is where its characteristic (the upper band's
// instantaneous trip, 1.2 x 10 x 25 = 300 A) reaches the disconnection time
// of 400 V, IT without neutral, 0.4 s; the graph of kind 3 shows the
// breaker alone.
TEST_F(SubModeCommands, TheShockCommandChecksAtTheLastConductorBelow) {
    CEleLVCB& b = Breaker(feeders[0]);
    Select({feeders[0]});
    ASSERT_TRUE(doc.DoModeWork(8).bRan);
    ASSERT_TRUE(doc.IsSubModeCommandEnabled(tvid::ID_SHOCK_CHECK));
    CObjGraph* graph = doc.DoSubModeCommand(tvid::ID_SHOCK_CHECK);
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->m_nKind, 3u);
    EXPECT_EQ(feeders[0]->IsOnGraph(graph->m_nGraphNo), 1);
    EXPECT_EQ(main->IsOnGraph(graph->m_nGraphNo), 0);
    EXPECT_EQ(b.m_strShockPoint, wires[0]->GetName());
    double atWire = 0.0, atPoint = 0.0;
    tvtest::CalcPointOf(wires[0])->DoCalcIk3Total(400, &atWire);
    b.m_calcPointShock.DoCalcIk3Total(400, &atPoint);
    EXPECT_GT(atWire, 0.0);
    EXPECT_EQ(atPoint, atWire);
    EXPECT_EQ(b.GetShockCheckFlag(), 1);
    EXPECT_EQ(b.m_dDisconnectTime, 0.4);
    EXPECT_NEAR(b.m_dIa, 300.0, 300.0 * 0.005);
    // IT without neutral: the line-to-line fault at the wire's end, below
    // the bus's 10.7 kA (within the breaker's 15 kA) and far above 300 A.
    const double ief = b.GetShockEarthFaultCurrent();
    EXPECT_GT(ief, 300.0);
    EXPECT_LT(ief, 10670.0);
    EXPECT_EQ(b.DoGetTextShockResult(), "Good");
    EXPECT_TRUE(doc.IsModified());
    // The earth-fault line at the wire's end is labelled on the new graph.
    EXPECT_NE(b.m_calcPointShock.m_listGraphNo.DoFindGraphNo(graph->m_nGraphNo), nullptr);
    // Once more: the same graph, and the wire's point copied in again does
    // not take the label's registration away (the wire's point has none).
    EXPECT_EQ(doc.DoSubModeCommand(tvid::ID_SHOCK_CHECK), graph);
    EXPECT_NE(b.m_calcPointShock.m_listGraphNo.DoFindGraphNo(graph->m_nGraphNo), nullptr);
}

// Across the transformer: the high-voltage relay KOR-D1 (301) above the
// main breaker, on a 150/5 A transformer, its inverse-time element (SI,
// t = TMS x 0.14 / (M^0.02 - 1)) at the tap 6 A and TMS 1.0, so that its
// band lies right of the main breaker's: the lower edge (X -5 %, t -7.5 %)
// at 10 s is at 0.95 x 180 A x 6600 / 400 x 1.903 = 5370 A on the 400 V
// side, where the main breaker's upper thermal edge is at 3550 A. Its
// instantaneous unit at the default 50 A, X +-10 %: 50 x 150 / 5 = 1500 A
// on the primary side, lower edge 1350 A.
// - GetUpstreamAdjust finds the relay by kind 1 and number: its rated value
//   (the CT secondary, 5 A), Iinst 1350 A at its own 6600 V, no Icu.
// - By Inst.: the start referred to the 400 V graph is 1350 x 6600 / 400 =
//   22 275 A, within the main breaker's Icu of 70 kA: Is = 22 275 A, and
//   with I"k3 10.7 kA below it "Practically total".
// - By Inst. DC: 22 275 x sqrt 2 / Kp(22 275) = 31 501.6 / 2.07 =
//   15 218.2 A.
// - With current-limiting: KVC-400H has no current-limiting curve.
TEST_F(SubModeCommands, AHighVoltageBreakerAboveTheTransformer) {
    tvtest::MessageCapture messages;
    CObjAdjust& relay = *ModelOf<CEleHVCB>(hcb).GetAdjust();
    relay.m_infoBase.m_nCT1Current = 150;
    relay.m_infoBase.m_nCT2Current = 5;
    relay.m_infoLine.m_nBandFlag = 1;
    ASSERT_EQ(relay.m_listInfoPart.GetCount(), 2);
    relay.m_listInfoPart.GetHead()->m_dCurrent = 6.0;
    relay.m_listInfoPart.GetHead()->m_dTime = 1.0;
    ASSERT_EQ(relay.m_listInfoPart.GetTail()->m_dMagniCurrent, 50.0);

    CCurrent marker;
    marker.m_nUpstreamKind = 1;
    marker.m_nUpstreamNumber = hcb->GetNumber();
    double rated = -1.0, iinst = -1.0, icu = -1.0;
    EXPECT_EQ(doc.GetUpstreamAdjust(marker, &rated, &iinst, &icu), &relay);
    EXPECT_EQ(rated, 5.0);
    EXPECT_NEAR(iinst, 1350.0, 1e-9);
    EXPECT_EQ(icu, 0.0);
    EXPECT_NEAR(marker.m_dUpstreamCurrent, 1350.0, 1e-9);
    EXPECT_EQ(marker.m_dIcu, 0.0);
    // A low-voltage breaker of that number is another element.
    marker.m_nUpstreamKind = 2;
    EXPECT_NE(doc.GetUpstreamAdjust(marker, &rated, &iinst, &icu), &relay);

    CEleLVCB& down = Breaker(main);
    Select({hcb, main});
    ASSERT_TRUE(doc.DoModeWork(6).bRan);
    struct Case {
        unsigned id;
        uint32_t code;
        double is;
    };
    const Case cases[] = {{tvid::ID_SELECT_BY_INST, 5, 22275.0},
                          {tvid::ID_SELECT_BY_INST_DC, 6, 15218.168}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        CObjGraph* graph = doc.DoSubModeCommand(c.id);
        ASSERT_NE(graph, nullptr);
        EXPECT_EQ(graph->m_nKind, 2u);
        EXPECT_EQ(down.DoGetTextDiscrimResult(), "Practically\r\ntotal");
        EXPECT_EQ(hcb->IsOnGraph(graph->m_nGraphNo), 1);
        EXPECT_EQ(main->IsOnGraph(graph->m_nGraphNo), 1);
        const CCurrent& m = down.m_currentSelect;
        EXPECT_EQ(m.m_nSelectedBy, c.code);
        EXPECT_EQ(m.m_nResult, 1u);
        EXPECT_NEAR(m.m_dIs, c.is, 0.01);
        EXPECT_NEAR(m.m_dUpstreamCurrent, c.is, 0.01);
        EXPECT_EQ(m.m_nUpstreamKind, 1u);
        EXPECT_EQ(m.m_nUpstreamNumber, hcb->GetNumber());
        EXPECT_EQ(m.m_nUpstreamTypeID, 301u);
        EXPECT_EQ(m.m_dIcu, 0.0);
    }
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(doc.DoSubModeCommand(tvid::ID_SELECT_BY_INST_LIMITING), nullptr);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "The current-limiting curve is not found in the data.");
    EXPECT_EQ(down.m_currentSelect.m_nResult, 0u);
}

// The let-through curves of the first feeder breaker (KVC-63S 25 A at
// 400 V) on the graphs their commands make. The data's curves for the type
// and rating at 400 V are those of 415 V (header 16): current-limiting from
// (500 A, 750 A) to (50 kA, 13 040 A); I2t from (500 A, 2.5) to (50 kA,
// 542.3), kept in 1000 A2s and read as 2500 and 542 300 A2s. Both graphs are
// laid out in (1000, 600, 9500, 9800) over three decades on each axis: time
// decade trunc(9200 / 3) = 3066, current decade trunc(trunc(8500 / 3) x
// 1082 / 1000) = trunc(2833 x 1.082) = 3065, origin (1000, 600), no
// standard voltage. So x = 1000 + 3065 log10(I / 1000 A):
//   500 A: 1000 - 922.66 = 77;   50 kA: 1000 + 5207.34 = 6207;
// limiting y = 600 + 3066 log10(Ip / 1000 A):
//   750 A: 600 - 383.06 = 217;   13 040 A: 600 + 3419.44 = 4019;
// I2t y = 600 + 3066 log10(I2t / 1e5 A2s):
//   2500: 600 - 4911.92 = -4312;  542 300: 600 + 2251.18 = 2851.
// The label, first placed 50 units right of the last point, stands at
// (6257, y of the last point). Its text: the type, the rating dial's entry
// "25" with the dial's unit "A", and "AC" with the curve's voltage.
// The curve's area to erase is its points' rectangle (co-ordinates
// truncated) with 50 units about it: limiting (77 - 50, 216 - 50, 6207 +
// 50, 4019 + 50), I2t (27, -4311 - 50, 6257, 2851 + 50).
struct LetThroughCase {
    unsigned id;
    uint32_t kind;
    fw::CPoint first, last;
    fw::CRect area;
};

const LetThroughCase kLetThroughCases[] = {{tvid::ID_DISPLAY_LIMIT_CURVE,
                                            CObjGraph::kCurrentLimiting,
                                            {77, 217},
                                            {6207, 4019},
                                            fw::CRect(27, 166, 6257, 4069)},
                                           {tvid::ID_DISPLAY_I2T_CURVE,
                                            CObjGraph::kLetThrough,
                                            {77, -4312},
                                            {6207, 2851},
                                            fw::CRect(27, -4361, 6257, 2901)}};

TEST_F(SubModeCommands, LetThroughCurvesAreDrawnHitAndSelectedOnTheirGraphs) {
    CObjElement* e = feeders[0];
    CEleLVCB& b = Breaker(e);
    b.SetSelectCurve(0);
    for (const LetThroughCase& c : kLetThroughCases) {
        SCOPED_TRACE(c.kind);
        Select({e});
        CObjGraph* graph = doc.DoSubModeCommand(c.id);
        ASSERT_NE(graph, nullptr);
        ASSERT_EQ(graph->m_nKind, c.kind);
        const bool limit = c.kind == CObjGraph::kCurrentLimiting;
        // The points are not stored: drawing reads them again.
        CdPointList& points = limit ? b.m_listLimitPoints : b.m_listI2tPoints;
        points.DoDeleteAllPoints();
        // The graph shows the breaker, though its characteristic is not on it.
        EXPECT_EQ(doc.GetElementsOnGraph(graph), std::vector<CObjElement*>{e});
        EXPECT_EQ(e->IsOnGraph(graph->m_nGraphNo), 1);

        fw::CRecordingDC dc;
        e->DoDrawCurve(&dc, graph, doc.GetEleSettings());
        std::vector<const fw::CDrawRecord*> lines;
        std::vector<const fw::CDrawRecord*> texts;
        for (const auto& r : dc.Records()) {
            if (r.kind == fw::CDrawRecord::Polyline)
                lines.push_back(&r);
            if (r.kind == fw::CDrawRecord::Text)
                texts.push_back(&r);
        }
        ASSERT_EQ(lines.size(), 1u);
        ASSERT_EQ(lines[0]->points.size(), 16u);
        EXPECT_EQ(lines[0]->points.front(), c.first);
        EXPECT_EQ(lines[0]->points.back(), c.last);
        // The default line: black, solid, 10 units wide.
        EXPECT_EQ(lines[0]->pen.color, 0u);
        EXPECT_EQ(lines[0]->pen.width, 10);
        // The breaker keeps its curve in amperes.
        ASSERT_EQ(points.GetCount(), 16);
        EXPECT_EQ(points.GetHead()->m_dX, 500.0);

        EXPECT_EQ(limit ? b.DoGetTextLimitLabel() : b.DoGetTextI2tLabel(),
                  "KVC-63S\r\n25A\r\nAC415V");
        ASSERT_EQ(texts.size(), 3u);
        EXPECT_EQ(texts[0]->text, "KVC-63S");
        EXPECT_EQ(texts[1]->text, "25A");
        EXPECT_EQ(texts[2]->text, "AC415V");
        EXPECT_EQ(texts[0]->points.front(), fw::CPoint(c.last.x + 50, c.last.y));
        const CGraphNoList& list = limit ? b.m_listGraphNoLimit : b.m_listGraphNoI2t;
        const CGraphNo* entry = list.DoFindGraphNo(graph->m_nGraphNo);
        ASSERT_NE(entry, nullptr);
        ASSERT_EQ(entry->m_listRefV2.GetCount(), 1);
        const fw::CRect label = entry->m_listRefV2.GetAtIndex(0)->m_rect;
        EXPECT_EQ(label.left, c.last.x + 50);
        EXPECT_EQ(label.top, c.last.y);

        // Hit tests: the label and the curve, and nothing far from both.
        const fw::CPoint inLabel((label.left + label.right) / 2, (label.top + label.bottom) / 2);
        // Halfway along the last segment as drawn.
        const fw::CPoint& p14 = lines[0]->points[14];
        const fw::CPoint onCurve((p14.x + c.last.x) / 2, (p14.y + c.last.y) / 2);
        const fw::CPoint away(c.last.x + 3000, c.last.y - 3000);
        EXPECT_EQ(e->IsHittedCurve(&dc, graph, inLabel, 100), 1);
        EXPECT_EQ(e->IsHittedCurve(&dc, graph, onCurve, 0), 1);
        EXPECT_EQ(e->IsHittedCurve(&dc, graph, away, 0), 0);
        EXPECT_EQ(e->IsHittedCurve(&dc, graph, away, 100), 0);

        // What the view erases when the curve or its label changes.
        std::vector<fw::CRect> erased;
        const CEleInvalidate collect = [&erased](const fw::CRect& r) { erased.push_back(r); };
        e->DoInvalidateCurve(&dc, graph, 0, collect);
        e->DoInvalidateCurve(&dc, graph, 100, collect);
        ASSERT_EQ(erased.size(), 2u);
        EXPECT_EQ(erased[0], c.area);
        EXPECT_EQ(erased[1], entry->m_listRefV2.GetAtIndex(0)->GetRect());

        // Without a graph the label is selected on every graph.
        e->DoSelectCurve(nullptr, 1, 0, 100);
        EXPECT_EQ(e->IsSelectedCurve(graph, 100), 1);
        e->DoSelectCurve(nullptr, 0, 0, 100);
        EXPECT_EQ(e->IsSelectedCurve(graph, 100), 0);

        // A click on the curve picks the breaker for its dial sheet.
        const std::vector<CCurveOwner*> owners{e};
        EXPECT_EQ(graph->DoSelectSingleAt(&dc, owners, 0, onCurve, nullptr), e);
        EXPECT_EQ(e->IsSelectedCurve(graph, 0), 1);
        EXPECT_EQ(e->IsSelectedCurve(graph, 100), 0);
        // A click on the label selects it and its curve, and gives the view
        // the label to drag.
        EXPECT_EQ(e->GetCurveRefV2(graph), nullptr);
        EXPECT_EQ(graph->DoSelectSingleAt(&dc, owners, 0, inLabel, nullptr), nullptr);
        EXPECT_EQ(e->IsSelectedCurve(graph, 100), 1);
        EXPECT_EQ(e->IsSelectedCurve(graph, 0), 1);
        EXPECT_EQ(e->GetCurveRefV2(graph), entry->m_listRefV2.GetAtIndex(0));
        doc.DoSelectByCurves(doc.m_listGroups, graph);
        EXPECT_EQ(e->GetSelect(), 1);
        // A click on nothing clears both.
        EXPECT_EQ(graph->DoSelectSingleAt(&dc, owners, 0, away, nullptr), nullptr);
        EXPECT_EQ(e->IsSelectedCurve(graph, 100), 0);
        EXPECT_EQ(e->IsSelectedCurve(graph, 0), 0);

        // Selected and drawn again: red, the label red with it.
        e->DoSelectCurve(graph, 1, 0, 0);
        fw::CRecordingDC again;
        e->DoDrawCurve(&again, graph, doc.GetEleSettings());
        for (const auto& r : again.Records()) {
            if (r.kind == fw::CDrawRecord::Polyline) {
                EXPECT_EQ(r.pen.color, 0x0000FFu);
            }
            if (r.kind == fw::CDrawRecord::Text) {
                EXPECT_EQ(r.textColor, 0x0000FFu);
            }
        }
        e->DoSelectCurve(graph, 0, 0, 0);
    }
}

// The DXF drawing of a let-through graph writes the curve and its label as
// the screen shows them. On the DXF layout (400, 1200, 2214, 3806) the
// current decade is trunc(1814 / 3) = 604 and the time decade trunc(2606 /
// 3) = 868: the limiting curve's first vertex is (400 - 604 x 0.30103,
// 1200 - 868 x 0.12494) x 0.1 = (21.8178, 109.155), written with five
// significant digits.
TEST_F(SubModeCommands, LetThroughCurveGoesIntoTheDxfDrawing) {
    Select({feeders[0]});
    CObjGraph* graph = doc.DoSubModeCommand(tvid::ID_DISPLAY_LIMIT_CURVE);
    ASSERT_NE(graph, nullptr);
    fw::CRecordingDC dc;
    feeders[0]->DoDrawCurve(&dc, graph, doc.GetEleSettings());
    std::ostringstream out;
    doc.DoDXFOutGraph(out, *graph);
    const std::string text = out.str();
    EXPECT_NE(text.find("0\nPOLYLINE\n8\n4\n6\nCONTINUOUS\n"), std::string::npos);
    // The value after a group code, from the first vertex on.
    const size_t vertex = text.find("\nVERTEX\n");
    ASSERT_NE(vertex, std::string::npos);
    EXPECT_NE(text.find("\n10\n21.818\n20\n109.16\n", vertex), std::string::npos);
    for (const char* line : {"\nKVC-63S\n", "\n25A\n", "\nAC415V\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    // The characteristic has no place on this graph: one polyline.
    size_t polylines = 0;
    for (size_t at = text.find("POLYLINE"); at != std::string::npos;
         at = text.find("POLYLINE", at + 1))
        ++polylines;
    EXPECT_EQ(polylines, 1u);
}

// Taking the curve off its graph takes the breaker's registration with it;
// the command gives it a new graph afterwards. A breaker whose curve is not
// selected stays.
TEST_F(SubModeCommands, DeletingALetThroughCurveForgetsItsGraph) {
    CObjElement* e = feeders[0];
    CEleLVCB& b = Breaker(e);
    for (const LetThroughCase& c : kLetThroughCases) {
        SCOPED_TRACE(c.kind);
        Select({e});
        CObjGraph* graph = doc.DoSubModeCommand(c.id);
        ASSERT_NE(graph, nullptr);
        const uint32_t number = graph->m_nGraphNo;
        const CGraphNoList& list =
            c.kind == CObjGraph::kCurrentLimiting ? b.m_listGraphNoLimit : b.m_listGraphNoI2t;
        e->SetSelectCurve(0);
        EXPECT_EQ(doc.DoRemoveSelectedCurves(*graph), 0);
        EXPECT_NE(list.DoFindGraphNo(number), nullptr);

        e->DoSelectCurve(graph, 1, 0, 0);
        EXPECT_EQ(doc.DoRemoveSelectedCurves(*graph), 1);
        EXPECT_EQ(list.DoFindGraphNo(number), nullptr);
        EXPECT_EQ(e->IsOnGraph(number), 0);
        EXPECT_TRUE(doc.GetElementsOnGraph(graph).empty());
        EXPECT_EQ(e->IsSelectedCurve(graph, 0), 0);
        // The command no longer finds the old graph: it makes a new one.
        Select({e});
        CObjGraph* next = doc.DoSubModeCommand(c.id);
        ASSERT_NE(next, nullptr);
        EXPECT_NE(next->m_nGraphNo, number);
    }
}

// A breaker taken off a cascade graph takes its selection marker's label
// with it: left registered, the label would come back at its old place, and
// still selected, when the breaker is put on the graph again.
TEST_F(SubModeCommands, TakingABreakerOffTheCascadeGraphTakesItsMarkerLabel) {
    CObjElement* e = feeders[0];
    CEleLVCB& down = Breaker(e);
    Select({main, e});
    ASSERT_TRUE(doc.DoModeWork(5).bRan);
    CObjGraph* cascade = doc.DoSubModeCommand(tvid::ID_SELECT_CASCADE);
    ASSERT_NE(cascade, nullptr);
    const uint32_t number = cascade->m_nGraphNo;
    CGraphNo* entry = down.m_currentSelect.m_listGraphNo.DoFindGraphNo(number);
    ASSERT_NE(entry, nullptr);
    // The user moved the Icu-back label and left it selected.
    CObjRefV2* label = entry->m_listRefV2.GetAtIndex(0);
    ASSERT_NE(label, nullptr);
    label->m_ptOffset = fw::CPoint(700, -300);
    label->m_nSelected = 1;

    Breaker(main).SetSelectCurve(0);
    down.SetSelectCurve(1);
    EXPECT_EQ(doc.DoRemoveSelectedCurves(*cascade), 1);
    EXPECT_EQ(e->IsOnGraph(number), 0);
    EXPECT_EQ(main->IsOnGraph(number), 1);
    EXPECT_EQ(down.m_currentSelect.m_listGraphNo.DoFindGraphNo(number), nullptr);
    EXPECT_EQ(down.m_currentOwn.m_listGraphNo.DoFindGraphNo(number), nullptr);

    // Back on the graph: a new label, unselected, at its first place.
    e->AddToGraph(number, 0, CObjGraph::kCascade);
    entry = down.m_currentSelect.m_listGraphNo.DoFindGraphNo(number);
    ASSERT_NE(entry, nullptr);
    ASSERT_EQ(entry->m_listRefV2.GetCount(), 1);
    EXPECT_EQ(entry->m_listRefV2.GetAtIndex(0)->m_ptOffset, fw::CPoint(0, 0));
    EXPECT_EQ(entry->m_listRefV2.GetAtIndex(0)->m_nSelected, 0);
    EXPECT_EQ(e->IsSelectedCurve(cascade, 400), 0);
}

} // namespace
