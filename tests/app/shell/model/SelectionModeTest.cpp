// The selection modes on a drawn network: the automatic selection of every
// low-voltage breaker by Icu and by Ics after Check and Calculation, the wire
// checks that follow it, the message naming the breakers without a type, the
// later modes, and the breaker parts of the skeleton checks.

#include "tests/app/TestNetwork.h"

#include "app/elements/conductors/CEleWire.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/protection/ProtectCycles.h"
#include "app/protection/CObjAdjust.h"
#include "app/protection/CObjGraph.h"
#include "app/records/DialogSeam.h"
#include "app/records/ElementKinds.h"
#include "app/records/TovarineIds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "tests/app/elements/protection/ProtectionTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Doc = CTovarineDocData;
using tvtest::ModelOf;

TEST(SelectionMessage, NamesTheBreakersWithoutAType) {
    Doc::CModeResult result;
    result.nMessage = 25375;
    const std::string done = "The automatic selection by Icu was completed.\r\n";
    EXPECT_EQ(Doc::GetSelectionMessage(result),
              done + "In order to select by cascade, please push button of C.\nIn order to "
                     "select by discrimination, please push button of D.\nIn order to check "
                     "wire protection, please push button of W.\nIn order to check protection "
                     "against electric shock, please push button of E.");
    const std::string none = done + "But there is no appropriate circuit breaker for ";
    result.listFailed = {"CB1"};
    EXPECT_EQ(Doc::GetSelectionMessage(result), none + "CB1.");
    result.listFailed = {"CB1", "CB2"};
    EXPECT_EQ(Doc::GetSelectionMessage(result), none + "CB1 and CB2.");
    result.listFailed = {"CB1", "CB2", "CB5"};
    EXPECT_EQ(Doc::GetSelectionMessage(result), none + "CB1, CB2 and CB5.");
}

// Source, transformer and a bus; below it two feeders, each a breaker, a
// wire and a motor, drawn and set up as the skeleton view does.
class SelectionModes : public protecttest::WithAllDatabases {
protected:
    CObjElement* Draw(int32_t kind, int col, int row, int cells = 0) {
        CObjElement* e = tvtest::Place(doc, kind, col, row, 0, cells);
        e->DoInitNewElement(doc);
        return e;
    }
    void DrawNetwork() {
        Draw(kKindSource, 0, 0);
        Draw(kKindTrans3, 0, 2);
        Draw(kKindZeroCond, 0, 5, 6);
        for (int col : {1, 3}) {
            CObjElement* cb = Draw(kKindLVCB, col, 6);
            CObjElement* w = Draw(kKindWire, col, 9);
            Draw(kKindMotor, col, 13);
            // The rating its dialog would give it: 25 A, a standard rating
            // within what the wire carries (25.2 A) and above the motor's
            // current.
            ASSERT_GE(ModelOf<CEleWire>(w).m_phase3.GetCurrentCapacity(), 25.0);
            ModelOf<CEleLVCB>(cb).GetAdjust()->m_infoBase.m_dRatedValue = 25.0;
            breakers.push_back(cb);
            wires.push_back(w);
        }
    }
    void CheckAndCalculate() {
        Doc::CModeResult check = doc.DoModeCheck();
        ASSERT_TRUE(check.bPassed) << check.nMessage << " " << check.strName;
        ASSERT_TRUE(doc.DoModeCalculation().bPassed);
    }
    CEleLVCB& Breaker(size_t i) { return ModelOf<CEleLVCB>(breakers.at(i)); }

    Doc doc;
    std::vector<CObjElement*> breakers;
    std::vector<CObjElement*> wires;
};

TEST_F(SelectionModes, EveryBreakerChosenByIcuThenTheLaterModes) {
    DrawNetwork();
    CheckAndCalculate();
    Doc::CModeResult icu = doc.DoModeSelect(2);
    EXPECT_TRUE(icu.bRan);
    EXPECT_EQ(icu.nMessage, 25375u);
    EXPECT_TRUE(icu.listFailed.empty());
    EXPECT_EQ(doc.m_nMode, 4);
    EXPECT_EQ(doc.m_nSubMode, 2);
    for (size_t i = 0; i < breakers.size(); ++i) {
        SCOPED_TRACE(breakers[i]->GetName());
        CEleLVCB& b = Breaker(i);
        EXPECT_GT(b.GetTypeID(), 0);
        EXPECT_EQ(b.m_nCriterion, 2u);
        // What it shows meets what it was chosen for.
        EXPECT_GE(b.m_currentOwn.m_dIcu, b.GetSelectionIk(2));
        EXPECT_GT(b.GetSelectionIk(2), 0.0);
        EXPECT_EQ(b.DoGetTextSelectResult(0), "Icu");
        // The wire below was checked against it.
        EXPECT_EQ(ModelOf<CEleWire>(wires[i]).m_nCheckDone, 1u);
    }
    // I"k3 at the breakers is 17.6 kA. The 25 A, 3-pole types of maker 1
    // at 400 V (lIcu / lIcs): miniature KVM-6 6 / 6 kA, KVM-10 10 / 7.5 kA,
    // KVM-H15 15 / 11.25 kA; moulded-case KVC-32S 7.5 kA, KVC-63S 15 kA,
    // KVC-63H (123) 25 / 18.75 kA, KVC-125S 25 kA: the first that reaches
    // 17.6 kA in the groups' order is KVC-63H.
    EXPECT_EQ(Breaker(0).GetTypeID(), 123);
    EXPECT_EQ(Breaker(1).GetTypeID(), 123);

    // The same button again does nothing.
    EXPECT_FALSE(doc.DoModeSelect(2).bRan);
    // Cascade, and back: mode 4 again without a new selection.
    EXPECT_TRUE(doc.DoModeWork(5).bRan);
    EXPECT_EQ(doc.m_nMode, 5);
    EXPECT_FALSE(doc.DoModeWork(5).bRan);
    Doc::CModeResult back = doc.DoModeSelect(2);
    EXPECT_TRUE(back.bRan);
    EXPECT_EQ(back.nMessage, 0u);
    EXPECT_EQ(doc.m_nMode, 4);
    // By Ics: the selection runs again with criterion 1.
    Doc::CModeResult ics = doc.DoModeSelect(1);
    // Its message names the criterion it ran by.
    EXPECT_EQ(
        Doc::GetSelectionMessage(ics).rfind("The automatic selection by Ics was completed.\r\n", 0),
        0u);
    EXPECT_EQ(doc.m_nSubMode, 1);
    EXPECT_EQ(Breaker(0).m_nCriterion, 1u);
    // Its Ics of 18.75 kA reaches 17.6 kA too: the type stays.
    EXPECT_EQ(Breaker(0).GetTypeID(), 123);
    EXPECT_GE(Breaker(0).m_currentOwn.m_dIcs, Breaker(0).GetSelectionIk(1));
    EXPECT_EQ(Breaker(0).DoGetTextSelectResult(0), "Ics");
    // Undo returns to the selection by Icu.
    ASSERT_TRUE(doc.DoRestoreUndo());
    EXPECT_EQ(doc.m_nSubMode, 2);
}

TEST_F(SelectionModes, ABreakerNothingCanProtectIsNamed) {
    DrawNetwork();
    CheckAndCalculate();
    // No low-voltage type is rated 5000 A (the largest frame is 4000 A).
    Breaker(1).GetAdjust()->m_infoBase.m_dRatedValue = 5000.0;
    Doc::CModeResult icu = doc.DoModeSelect(2);
    ASSERT_EQ(icu.listFailed.size(), 1u);
    EXPECT_EQ(icu.listFailed[0], breakers[1]->GetName());
    EXPECT_EQ(doc.m_nMode, 4);
    EXPECT_EQ(doc.m_nSubMode, 2);
    EXPECT_GT(Breaker(0).GetTypeID(), 0);
    EXPECT_EQ(Breaker(1).GetTypeID(), 0);
    EXPECT_EQ(Breaker(1).DoGetTextSelectResult(0), "NG by In or Ue");
    EXPECT_NE(
        Doc::GetSelectionMessage(icu).find("circuit breaker for " + breakers[1]->GetName() + "."),
        std::string::npos);
}

// A breaker without a device record has nothing to test for its earthing;
// the breakers after it still are.
TEST_F(SelectionModes, EarthingTestGoesOnPastABreakerWithoutDevice) {
    CObjElement* bare = tvtest::Place(doc, kKindLVCB, 0, 0);
    ModelOf<CEleLVCB>(bare).m_listAdjust.DoDeleteAllObjAdjust();
    CObjElement* elcb = tvtest::Place(doc, kKindLVCB, 2, 0);
    CEleLVCB& b = ModelOf<CEleLVCB>(elcb);
    b.GetAdjust()->m_infoBase.m_nLVCBCode = 20;
    b.m_nEarthing = 3; // TN-C: no earth-leakage breaker
    CObjElementList list;
    doc.CollectElements(list);
    ASSERT_EQ(list.GetAt(0), bare);
    std::string name;
    EXPECT_EQ(doc.IsOkEarthingSystem(list, name), 25389u);
    EXPECT_EQ(name, elcb->GetName());
    EXPECT_EQ(elcb->GetCheckFlag(), 1);
}

} // namespace

namespace {

// The I2t graph of one selected breaker: a new graph of kind 11 with the
// ranges 1000 to 1e6 A and 1e5 to 1e8 A2s, and the same graph made current
// again the second time.
TEST_F(SelectionModes, TheI2tGraphOfABreakerIsMadeOnce) {
    CObjElement* e = tvtest::Place(doc, kKindLVCB, 0, 0);
    CEleLVCB& b = ModelOf<CEleLVCB>(e);
    CInfoBase& i = b.GetAdjust()->m_infoBase;
    i.m_lTypeID = 124;
    i.m_nVoltage = 400;
    i.m_dRatedValue = 100.0;
    e->SetSelect(1);
    ASSERT_TRUE(doc.IsSubModeCommandEnabled(tvid::ID_DISPLAY_I2T_CURVE));
    CObjGraph* graph = doc.DoSubModeCommand(tvid::ID_DISPLAY_I2T_CURVE);
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->m_nKind, 11u);
    EXPECT_EQ(graph->m_dCurrentMin, 1000.0);
    EXPECT_EQ(graph->m_dCurrentMax, 1000000.0);
    EXPECT_EQ(graph->m_dTimeMin, 100000.0);
    EXPECT_EQ(graph->m_dTimeMax, 100000000.0);
    EXPECT_NE(b.m_listGraphNoI2t.DoFindGraphNo(graph->m_nGraphNo), nullptr);
    EXPECT_EQ(doc.DoSubModeCommand(tvid::ID_DISPLAY_I2T_CURVE), graph);
    EXPECT_EQ(doc.m_listGraphs.GetCount(), 1);
    EXPECT_EQ(graph->m_nCurrent, 1u);
    // Nothing selected: the commands are off.
    e->SetSelect(0);
    EXPECT_FALSE(doc.IsSubModeCommandEnabled(tvid::ID_DISPLAY_I2T_CURVE));
    EXPECT_FALSE(doc.IsSubModeCommandEnabled(tvid::ID_SHOCK_CHECK));
}

// The wire checks by I2t ask their durations in the protection dialog: it
// gets the document's frequency, the wire's system and its stored
// durations; OK stores what it returned and runs the check, Cancel leaves
// the wire as it was even when the dialog changed its copy.
TEST_F(SelectionModes, TheI2tWireCheckAsksItsDurationsFirst) {
    DrawNetwork();
    CheckAndCalculate();
    CEleWire& w = ModelOf<CEleWire>(wires[0]);
    w.m_dDuration[0] = 1.0;
    w.m_dDuration[1] = 1.5;
    w.m_dDuration[2] = 2.0;
    breakers[0]->SetSelect(1);
    wires[0]->SetSelect(1);

    CProtectCycles seen;
    bool confirm = false;
    DialogSeam<CProtectCycles>::run = [&](CProtectCycles& cycles) {
        seen = cycles;
        cycles.dCycles[0] = 5.0;
        cycles.dCycles[1] = 6.0;
        cycles.dCycles[2] = 7.0;
        return confirm;
    };
    EXPECT_FALSE(doc.DoWireCheckByI2tAsked(tvid::ID_PROTECT_I2T));
    EXPECT_EQ(seen.nFrequency, 50);
    EXPECT_EQ(seen.nWireSystem, w.GetWireSystem());
    EXPECT_EQ(seen.dCycles[0], 1.0);
    EXPECT_EQ(seen.dCycles[1], 1.5);
    EXPECT_EQ(seen.dCycles[2], 2.0);
    EXPECT_EQ(w.m_dDuration[0], 1.0);
    EXPECT_EQ(w.m_dDuration[2], 2.0);

    confirm = true;
    EXPECT_TRUE(doc.DoWireCheckByI2tAsked(tvid::ID_PROTECT_I2T));
    EXPECT_EQ(w.m_dDuration[0], 5.0);
    EXPECT_EQ(w.m_dDuration[1], 6.0);
    EXPECT_EQ(w.m_dDuration[2], 7.0);

    // Two wires selected: no dialog, nothing changes.
    wires[1]->SetSelect(1);
    seen = CProtectCycles{};
    EXPECT_FALSE(doc.DoWireCheckByI2tAsked(tvid::ID_PROTECT_I2T_END));
    EXPECT_EQ(seen.dCycles[0], 0.0);
    DialogSeam<CProtectCycles>::run = nullptr;
}

} // namespace
