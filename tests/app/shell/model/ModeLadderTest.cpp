// The mode ladder on networks drawn as a user draws them: each symbol placed
// on its cell and set up from the reference databases and its neighbours.
// Drawing, Check skeleton and Calculation, with their undo snapshots, their
// messages and the enabling of the mode buttons.

#include "tests/app/TestNetwork.h"

#include "app/calc/CCalcPoint.h"
#include "app/elements/conductors/CEleWire.h"
#include "app/elements/supply/CEleCapacitor.h"
#include "app/elements/supply/CEleMotor.h"
#include "app/elements/supply/CEleTrans1.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/records/ElementKinds.h"
#include "app/records/TovarineIds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "framework/StringTable.h"
#include "tests/app/elements/ModelDatabasesTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using Doc = CTovarineDocData;

// Buttons of the ladder and the modes in which each is enabled and checked,
// sub-mode by sub-mode, as the mode commands' rules give them.
struct ButtonRow {
    uint32_t id;
    const char* enabledIn; // "m.s" pairs, e.g. "1.0 2.0"
    const char* checkedIn;
};

bool In(const char* list, int32_t mode, int32_t subMode) {
    const std::string key = std::to_string(mode) + "." + std::to_string(subMode);
    const std::string all = std::string(" ") + list + " ";
    return all.find(" " + key + " ") != std::string::npos;
}

TEST(ModeButtons, FollowTheLadder) {
    // Modes 1 to 8, sub-modes 0 (none), 1 (by Ics) and 2 (by Icu).
    const char* everywhere = "1.0 1.1 1.2 2.0 2.1 2.2 3.0 3.1 3.2 4.0 4.1 4.2 5.0 5.1 5.2 "
                             "6.0 6.1 6.2 7.0 7.1 7.2 8.0 8.1 8.2";
    const char* fromThree = "3.0 3.1 3.2 4.0 4.1 4.2 5.0 5.1 5.2 6.0 6.1 6.2 7.0 7.1 7.2 "
                            "8.0 8.1 8.2";
    // Once a selection is made (sub-mode 1 or 2), or from mode 5 on.
    const char* afterSelection = "1.1 1.2 2.1 2.2 3.1 3.2 4.1 4.2 5.0 5.1 5.2 6.0 6.1 6.2 "
                                 "7.0 7.1 7.2 8.0 8.1 8.2";
    const std::vector<ButtonRow> rows = {
        {tvid::ID_MODE_DRAWING, everywhere, "1.0 1.1 1.2"},
        {tvid::ID_MODE_CHECK, "1.0 1.1 1.2 2.0 2.1 2.2", "2.0 2.1 2.2"},
        {tvid::ID_MODE_CALCULATION, "2.0 2.1 2.2 3.0 3.1 3.2", "3.0 3.1 3.2"},
        {tvid::ID_MODE_ICU, fromThree, "4.2"},
        {tvid::ID_MODE_ICS, fromThree, "4.1"},
        {tvid::ID_MODE_CASCADE, afterSelection, "5.1 5.2"},
        {tvid::ID_MODE_DISCRIMINATION, afterSelection, "6.0 6.1 6.2"},
        {tvid::ID_MODE_WIRE_PROTECTION, afterSelection, "7.0 7.1 7.2"},
        {tvid::ID_MODE_SHOCK, afterSelection, "8.0 8.1 8.2"},
        {tvid::ID_MODE_TYPE12, "", ""},
    };
    for (const ButtonRow& row : rows) {
        for (int32_t m = 1; m <= 8; ++m) {
            for (int32_t s = 0; s <= 2; ++s) {
                EXPECT_EQ(Doc::IsModeCommandEnabled(row.id, m, s), In(row.enabledIn, m, s))
                    << "button " << row.id << " in mode " << m << "." << s;
                EXPECT_EQ(Doc::IsModeCommandChecked(row.id, m, s), In(row.checkedIn, m, s))
                    << "button " << row.id << " in mode " << m << "." << s;
            }
        }
    }
}

// A network drawn symbol by symbol, top to bottom: each element is set up
// from the databases and takes its circuit values from what it touches.
class DrawnNetwork : public elementtest::WithDatabases {
protected:
    CObjElement* Draw(const std::string& name, int32_t kind, int col, int row, int cells = 0) {
        CObjElement* e = tvtest::Place(doc, kind, col, row, 0, cells);
        e->DoInitNewElement(doc);
        elements[name] = e;
        return e;
    }
    // Source, transformer, bus, a wire to a motor and a load hanging on it.
    void DrawRadial() {
        Draw("S", kKindSource, 0, 0);
        Draw("T", kKindTrans3, 0, 2);
        Draw("ZC", kKindZeroCond, 0, 5, 6);
        Draw("W", kKindWire, 1, 6);
        Draw("M", kKindMotor, 1, 10);
        Draw("L", kKindLoad, 4, 6);
        for (const char* point : {"W", "T", "ZC"})
            tvtest::MarkCalcPoint(elements[point]);
    }
    CTovarineDocData doc;
    std::map<std::string, CObjElement*> elements;
};

TEST_F(DrawnNetwork, CheckPassesAndPushesOnlyTheVoltages) {
    DrawRadial();
    ASSERT_EQ(doc.m_nMode, 1);
    // Codes that differ from what the supplies would give: the check pushes
    // the voltage and the single-phase flag alone (earthing 0, wire system 0
    // and poles -1 leave them), so these stay as they are.
    CObjElement* w = elements["W"];
    w->SetEarthingSystem(1);
    w->SetWireSystem(3);
    elements["ZC"]->SetEarthingSystem(1);
    elements["ZC"]->SetWireSystem(3);
    w->SetVoltage(230);
    std::map<CObjElement*, std::tuple<uint32_t, uint32_t, int32_t>> before;
    for (auto& [name, e] : elements)
        before[e] = {e->GetEarthingSystem(), e->GetWireSystem(), e->GetPoles()};

    Doc::CModeResult result = doc.DoModeCheck();
    ASSERT_TRUE(result.bRan);
    EXPECT_TRUE(result.bPassed) << "message " << result.nMessage;
    EXPECT_EQ(result.nMessage, tvid::IDS_CHECK_DONE);
    EXPECT_EQ(doc.m_nMode, 2);
    EXPECT_TRUE(doc.HasUndo());
    EXPECT_TRUE(doc.IsModified());
    for (auto& [name, e] : elements) {
        EXPECT_EQ(before[e],
                  std::make_tuple(e->GetEarthingSystem(), e->GetWireSystem(), e->GetPoles()))
            << name;
    }
    // Every element below the transformer carries its secondary voltage.
    const int32_t secondary = elements["T"]->GetVoltage(1);
    ASSERT_GT(secondary, 0);
    for (const char* name : {"ZC", "W", "M", "L"})
        EXPECT_EQ(elements[name]->GetVoltage(0), secondary) << name;
    EXPECT_EQ(elements["T"]->GetVoltage(0), elements["S"]->GetVoltage(0));
}

TEST_F(DrawnNetwork, CheckInItsOwnModeDoesNothing) {
    DrawRadial();
    doc.m_nMode = 2;
    Doc::CModeResult result = doc.DoModeCheck();
    EXPECT_FALSE(result.bRan);
    EXPECT_EQ(result.nMessage, 0u);
    EXPECT_FALSE(doc.HasUndo());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DrawnNetwork, OverlappingSymbolsStopTheCheckWithoutAnUndoSnapshot) {
    DrawRadial();
    CObjElement* extra = Draw("X", kKindLoad, 1, 8); // lies over the wire's lower half
    Doc::CModeResult result = doc.DoModeCheck();
    EXPECT_TRUE(result.bRan);
    EXPECT_FALSE(result.bPassed);
    EXPECT_EQ(result.nMessage, tvid::IDS_OVERLAPS);
    EXPECT_EQ(doc.m_nMode, 1);
    EXPECT_FALSE(doc.HasUndo());
    EXPECT_EQ(extra->GetErrorMark(), 1u);
    EXPECT_EQ(elements["W"]->GetErrorMark(), 1u);
    EXPECT_EQ(elements["M"]->GetErrorMark(), 0u);
}

TEST_F(DrawnNetwork, AFailedCheckKeepsItsSnapshotAndTheModeAndNamesTheKind) {
    DrawRadial();
    tvtest::ModelOf<CEleMotor>(elements["M"]).m_dCapacity = 0.0;
    elements["W"]->SetVoltage(230);
    Doc::CModeResult result = doc.DoModeCheck();
    EXPECT_TRUE(result.bRan);
    EXPECT_FALSE(result.bPassed);
    EXPECT_EQ(result.nMessage, 25368u); // "Please input right data of motors."
    EXPECT_EQ(fw::LoadString(result.nMessage), "Please input right data of motors.");
    EXPECT_EQ(doc.m_nMode, 1);
    EXPECT_TRUE(doc.HasUndo());
    // The voltages pushed before the failing test stay pushed.
    EXPECT_EQ(elements["W"]->GetVoltage(0), elements["T"]->GetVoltage(1));
    // Undo gives back the project as it was before the check.
    ASSERT_TRUE(doc.DoRestoreUndo());
    CObjElementList all;
    doc.CollectElements(all);
    bool found230 = false;
    for (CObjElement* e : all)
        found230 |= e->GetKind() == kKindWire && e->GetVoltage(0) == 230;
    EXPECT_TRUE(found230);
}

TEST_F(DrawnNetwork, ACapacitorBelowASinglePhaseTransformerFailsTheSinglePhaseTest) {
    Draw("S", kKindSource, 0, 0);
    Draw("T1", kKindTrans1, 0, 2);
    Draw("W", kKindWire, 0, 6);
    CObjElement* cap = Draw("C", kKindCapacitor, 0, 10);
    Doc::CModeResult result = doc.DoModeCheck();
    EXPECT_EQ(result.nMessage, tvid::IDS_SINGLE_PHASE_WRONG);
    EXPECT_FALSE(result.bPassed);
    EXPECT_EQ(doc.m_nMode, 1);
    EXPECT_TRUE(doc.HasUndo());
    EXPECT_EQ(cap->GetErrorMark(), 1u);
    // The wire took the single-phase flag from the transformer on the way.
    EXPECT_EQ(elements["W"]->IsSinglePhase(), 1);
}

TEST_F(DrawnNetwork, CalculationStoresTheResultsAndTheLabelsShowThem) {
    DrawRadial();
    ASSERT_TRUE(doc.DoModeCheck().bPassed);
    auto* wire = &tvtest::ModelOf<CEleWire>(elements["W"]);
    const std::string ik3 = fw::LoadString(26497); // I"k3
    EXPECT_EQ(wire->GetTextLabel(doc.m_nMode).find(ik3), std::string::npos);

    Doc::CModeResult result = doc.DoModeCalculation();
    EXPECT_TRUE(result.bRan);
    EXPECT_TRUE(result.bPassed);
    EXPECT_EQ(result.nMessage, tvid::IDS_CALCULATION_DONE);
    EXPECT_EQ(doc.m_nMode, 3);
    double atWire = 0.0;
    tvtest::CalcPointOf(elements["W"])->DoCalcIk3Total(wire->m_nVoltage, &atWire);
    EXPECT_GT(atWire, 0.0);
    // The skeleton label of a calculation point shows its currents now.
    EXPECT_NE(wire->GetTextLabel(doc.m_nMode).find(ik3), std::string::npos);
    EXPECT_NE(tvtest::ModelOf<CEleTrans3>(elements["T"]).DoGetTextLabelV1(doc.m_nMode).find(ik3),
              std::string::npos);

    // Again in mode 3: nothing.
    EXPECT_FALSE(doc.DoModeCalculation().bRan);
    // Undo returns to the checked skeleton, without results.
    ASSERT_TRUE(doc.DoRestoreUndo());
    EXPECT_EQ(doc.m_nMode, 2);
    CObjElementList all;
    doc.CollectElements(all);
    for (CObjElement* e : all) {
        const CCalcPoint* point = tvtest::CalcPointOf(e);
        if (!point)
            continue;
        double back = 0.0;
        point->DoCalcIk3Total(400, &back);
        EXPECT_EQ(back, 0.0) << e->GetName();
    }
}

TEST_F(DrawnNetwork, DrawingGoesBackToTheFirstStep) {
    DrawRadial();
    EXPECT_FALSE(doc.DoModeDrawing().bRan); // already there
    EXPECT_FALSE(doc.HasUndo());
    doc.m_nMode = 4;
    doc.m_nSubMode = 2;
    Doc::CModeResult result = doc.DoModeDrawing();
    EXPECT_TRUE(result.bRan);
    EXPECT_EQ(doc.m_nMode, 1);
    EXPECT_EQ(doc.m_nSubMode, 0);
    EXPECT_TRUE(doc.HasUndo());
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.DoRestoreUndo());
    EXPECT_EQ(doc.m_nMode, 4);
    EXPECT_EQ(doc.m_nSubMode, 2);
}

// The steps each command takes, in order: the undo snapshot, the wait
// cursor, the redraw of all views with hint 8 (other hints, sent by the
// values pushed down the circuits, are left out) and the update of the
// embedded items.
class StepsDoc : public CTovarineDocData {
public:
    void SaveUndo() override {
        steps += "undo ";
        CTovarineDocData::SaveUndo();
    }
    void UpdateAllViews(int32_t hint, const fw::CObject* object) override {
        if (hint == 8 && object == nullptr)
            steps += "redraw ";
    }
    void UpdateAllItems() override { steps += "items "; }
    void BeginWaitCursor() override { steps += "wait "; }
    void EndWaitCursor() override { steps += "done "; }
    std::string steps;
};

class ModeSteps : public elementtest::WithDatabases {
protected:
    CObjElement* Draw(int32_t kind, int col, int row, int cells = 0) {
        CObjElement* e = tvtest::Place(doc, kind, col, row, 0, cells);
        e->DoInitNewElement(doc);
        return e;
    }
    void DrawRadial() {
        Draw(kKindSource, 0, 0);
        Draw(kKindTrans3, 0, 2);
        Draw(kKindZeroCond, 0, 5, 6);
        bus = doc.m_listGroups.GetTail();
        Draw(kKindWire, 1, 6);
        Draw(kKindLoad, 1, 10);
        bus->DoSetTrackerStyle(1);
        doc.steps.clear();
    }
    CObjGroup* bus = nullptr; // the zero conductor's group
    StepsDoc doc;
};

TEST_F(ModeSteps, CheckAndCalculation) {
    DrawRadial();
    // A bus takes its side handles in the drawing mode only.
    ASSERT_NE(bus->m_tracker.GetHandleMask(), 0u);
    ASSERT_TRUE(doc.DoModeCheck().bPassed);
    // The cursor ends before the views are redrawn and the message shown.
    EXPECT_EQ(doc.steps, "undo wait done redraw items ");
    EXPECT_EQ(bus->m_tracker.GetHandleMask(), 0u);
    doc.steps.clear();
    ASSERT_TRUE(doc.DoModeCalculation().bPassed);
    // Here the cursor ends after the redraw and the items.
    EXPECT_EQ(doc.steps, "undo wait redraw items done ");
    doc.steps.clear();
    EXPECT_FALSE(doc.DoModeCalculation().bRan);
    EXPECT_EQ(doc.steps, "");
    // Drawing redraws the views and leaves the items alone.
    ASSERT_TRUE(doc.DoModeDrawing().bRan);
    EXPECT_EQ(doc.steps, "undo redraw ");
    EXPECT_NE(bus->m_tracker.GetHandleMask(), 0u);
    doc.steps.clear();
    EXPECT_FALSE(doc.DoModeDrawing().bRan);
    EXPECT_EQ(doc.steps, "");
}

TEST_F(ModeSteps, FailedChecks) {
    DrawRadial();
    // Overlapping symbols: no snapshot and no wait cursor.
    CObjElement* over = Draw(kKindLoad, 1, 8);
    doc.steps.clear();
    EXPECT_EQ(doc.DoModeCheck().nMessage, tvid::IDS_OVERLAPS);
    EXPECT_EQ(doc.steps, "redraw items ");
    // A capacitor under a single-phase transformer under the bus: the
    // single-phase test fails after the snapshot, with the cursor ended
    // first.
    fw::CPoint away(40 * 20 + 1, 1);
    over->SetSymbolRect(&away, nullptr);
    CObjElement* t1 = Draw(kKindTrans1, 4, 6);
    fw::CRect r;
    t1->GetSymbolRect(&r);
    CObjElement* cap = Draw(kKindCapacitor, 4, r.bottom / 40);
    doc.steps.clear();
    EXPECT_EQ(doc.DoModeCheck().nMessage, tvid::IDS_SINGLE_PHASE_WRONG);
    EXPECT_EQ(doc.steps, "undo wait done redraw items ");
    EXPECT_EQ(doc.m_nMode, 1);
    // A later test failing: the same steps.
    fw::CPoint away2(40 * 24 + 1, 1);
    cap->SetSymbolRect(&away2, nullptr);
    fw::CPoint away3(40 * 28 + 1, 1);
    t1->SetSymbolRect(&away3, nullptr);
    tvtest::ModelOf<CEleTrans1>(t1).m_dCapacity = 0.0;
    doc.steps.clear();
    EXPECT_EQ(doc.DoModeCheck().nMessage, 25372u);
    EXPECT_EQ(doc.steps, "undo wait done redraw items ");
    EXPECT_EQ(doc.m_nMode, 1);
}

} // namespace
