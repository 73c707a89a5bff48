// The edit of every protective device as the skeleton view runs it: the
// element object opens the real dialog (offscreen, on the reference
// databases) on a drawn and calculated feeder. Cancel leaves the element
// and the document as they were; OK takes one undo snapshot; a change that
// makes the results wrong sends the document back to the check.

#include "app/elements/conductors/CEleWire.h"
#include "app/elements/protection/CEleContactor.h"
#include "app/elements/protection/CEleHVCB.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/protection/CEleThermal.h"
#include "app/elements/protection/dialogs/RegisterProtectionDialogs.h"
#include "app/protection/CObjAdjust.h"
#include "app/records/DialogSeam.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CTovarineDocData.h"
#include "framework/Archive.h"
#include "framework/MessageBox.h"

#include "tests/app/TestNetwork.h"
#include "tests/app/elements/conductors/SheetTestSupport.h"
#include "tests/app/elements/protection/ProtectionTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace sheettest;

namespace {

// The project document, counting the undo snapshots it is asked for.
class FlowDocument : public CTovarineDocData {
public:
    void SaveUndo() override {
        ++undoSnapshots;
        CTovarineDocData::SaveUndo();
    }
    int undoSnapshots = 0;
};

std::vector<uint8_t> RecordOf(CObjElement* e) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    e->Serialize(ar);
    return ar.Bytes();
}

// The feeder of every protective device, each set up from the databases and
// its neighbours as the skeleton view sets it up: source, high-voltage
// breaker, transformer, zero conductor, low-voltage breaker, wire,
// contactor, thermal relay, motor.
class ProtectEditFlow : public protecttest::WithAllDatabases {
protected:
    void SetUp() override {
        WithAllDatabases::SetUp();
        m_previousSink = fw::SetMessageSink([this](const fw::MessageRequest& r) {
            messages.push_back(r.text);
            return fw::mb::IdOk;
        });
        RegisterProtectionDialogs();
        Draw(kKindSource, 0, 0);
        hcb = Draw(kKindHVCB, 0, 2);
        Draw(kKindTrans3, 0, 4);
        Draw(kKindZeroCond, 0, 7, 6);
        cb = Draw(kKindLVCB, 1, 8);
        CObjElement* w = Draw(kKindWire, 1, 11);
        mc = Draw(kKindContactor, 1, 15);
        thr = Draw(kKindThermal, 1, 17);
        Draw(kKindMotor, 1, 19);
        tvtest::ModelOf<CEleLVCB>(cb).GetAdjust()->m_infoBase.m_dRatedValue =
            tvtest::ModelOf<CEleWire>(w).m_phase3.GetCurrentCapacity();
    }
    void TearDown() override {
        DialogSeam<CEleHVCB>::run = nullptr;
        DialogSeam<CEleLVCB>::run = nullptr;
        DialogSeam<CEleContactor>::run = nullptr;
        DialogSeam<CEleThermal>::run = nullptr;
        fw::SetMessageSink(m_previousSink);
    }

    CObjElement* Draw(int32_t kind, int col, int row, int cells = 0) {
        CObjElement* e = tvtest::Place(doc, kind, col, row, 0, cells);
        e->DoInitNewElement(doc);
        return e;
    }

    // Check and Calculation: the document in mode 3.
    void Calculate() {
        if (doc.m_nMode != 1)
            doc.DoModeDrawing();
        CTovarineDocData::CModeResult check = doc.DoModeCheck();
        ASSERT_TRUE(check.bPassed) << check.nMessage << " " << check.strName;
        doc.DoModeCalculation();
        ASSERT_EQ(3, doc.m_nMode);
        doc.undoSnapshots = 0;
    }

    // The element's edit as a double click runs it; the user works the
    // dialog with act once it is up.
    int32_t Edit(CObjElement* e, const std::function<void(QDialog&)>& act) {
        bool opened = false;
        // A timer of this call only: should no dialog open, nothing fires
        // after the call.
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dlg)
                return;
            opened = true;
            act(*dlg);
            if (dlg->isVisible())
                dlg->reject(); // a step that did not close it must not hang the test
        });
        timer.start(0);
        int32_t oldVolts[2] = {0, 0};
        int32_t newVolts[2] = {0, 0};
        const int32_t result = e->DoEditElement(doc, nullptr, {}, oldVolts, newVolts);
        EXPECT_TRUE(opened) << "the element's own dialog opened";
        return result;
    }

    CObjElement* ByKind(int32_t kind) const {
        switch (kind) {
        case kKindHVCB:
            return hcb;
        case kKindLVCB:
            return cb;
        case kKindContactor:
            return mc;
        default:
            return thr;
        }
    }

    FlowDocument doc;
    CObjElement* hcb = nullptr;
    CObjElement* cb = nullptr;
    CObjElement* mc = nullptr;
    CObjElement* thr = nullptr;
    std::vector<std::string> messages;

private:
    fw::MessageSink m_previousSink;
};

constexpr int32_t kProtective[] = {kKindHVCB, kKindLVCB, kKindContactor, kKindThermal};

// Cancel after a change in the dialog: the element's record, the mode and
// the undo are as before.
TEST_F(ProtectEditFlow, CancelChangesNothing) {
    Calculate();
    for (int32_t kind : kProtective) {
        SCOPED_TRACE(kind);
        CObjElement* e = ByKind(kind);
        const std::vector<uint8_t> before = RecordOf(e);
        const int32_t result = Edit(e, [](QDialog& dlg) {
            Type(&dlg, 1060, "EDITED");
            Click(&dlg, 1181); // the calculation point
            Click(&dlg, 2);
        });
        EXPECT_EQ(kEditCancelled, result);
        EXPECT_EQ(before, RecordOf(e));
        EXPECT_EQ(3, doc.m_nMode);
        EXPECT_EQ(0, doc.undoSnapshots);
    }
}

// OK takes the edited copy back after exactly one undo snapshot; a new name
// leaves the results standing.
TEST_F(ProtectEditFlow, OkTakesOneUndoSnapshot) {
    Calculate();
    for (int32_t kind : kProtective) {
        SCOPED_TRACE(kind);
        CObjElement* e = ByKind(kind);
        doc.undoSnapshots = 0;
        const std::string name = "EDITED" + std::to_string(kind);
        const int32_t result = Edit(e, [&](QDialog& dlg) {
            Type(&dlg, 1060, name);
            Click(&dlg, 1);
        });
        EXPECT_EQ(1, result);
        EXPECT_EQ(name, e->GetName());
        EXPECT_EQ(1, doc.undoSnapshots);
        EXPECT_EQ(3, doc.m_nMode) << "a name does not change the results";
    }
}

// After the calculation, a device made a calculation point (or a breaker
// switched off or on) needs a new calculation: the document goes back to
// the check; taking the calculation point away does not.
TEST_F(ProtectEditFlow, ChangesThatInvalidateTheResultsReturnToTheCheck) {
    struct Case {
        int32_t kind;
        bool calcPointBefore;
        unsigned click; // 1181 calculation point, 1189 OFF
        int32_t modeAfter;
    } cases[] = {
        {kKindHVCB, false, 1181, 2},      {kKindHVCB, true, 1181, 3},
        {kKindHVCB, true, 1189, 2},       {kKindLVCB, false, 1181, 2},
        {kKindLVCB, true, 1181, 3},       {kKindLVCB, true, 1189, 2},
        {kKindContactor, false, 1181, 2}, {kKindContactor, true, 1181, 3},
        {kKindThermal, false, 1181, 2},   {kKindThermal, true, 1181, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + " click " + std::to_string(c.click) +
                     (c.calcPointBefore ? " from a calculation point" : ""));
        CObjElement* e = ByKind(c.kind);
        tvtest::MarkCalcPoint(e, c.calcPointBefore);
        Calculate();
        const int32_t result = Edit(e, [&](QDialog& dlg) {
            Click(&dlg, c.click);
            Click(&dlg, 1);
        });
        EXPECT_EQ(1, result);
        EXPECT_EQ(1, doc.undoSnapshots);
        EXPECT_EQ(c.modeAfter, doc.m_nMode);
        // Switched on again for the next case.
        tvtest::ModelOf<CEleLVCB>(cb).m_nOff = 0;
        tvtest::ModelOf<CEleHVCB>(hcb).m_nOff = 0;
    }
}

// A low-voltage breaker given another rated current after the calculation:
// the capacity check of its conductors is stale too, the document goes back
// to drawing; the same rated current typed again leaves the results.
TEST_F(ProtectEditFlow, AnotherRatedCurrentReturnsToDrawing) {
    Calculate();
    const std::string rated = tvtest::ModelOf<CEleLVCB>(cb).DoGetTextRatedCurrent(0);
    ASSERT_FALSE(rated.empty());
    EXPECT_EQ(1, Edit(cb, [&](QDialog& dlg) {
                  Type(&dlg, 1015, rated);
                  Click(&dlg, 1);
              }));
    EXPECT_EQ(3, doc.m_nMode);
    EXPECT_EQ(1, Edit(cb, [](QDialog& dlg) {
                  Type(&dlg, 1015, "50");
                  Click(&dlg, 1);
              }));
    EXPECT_EQ(50.0, tvtest::ModelOf<CEleLVCB>(cb).GetAdjust()->m_infoBase.m_dRatedValue);
    EXPECT_EQ(1, doc.m_nMode);
    EXPECT_EQ(2, doc.undoSnapshots);
}

// A breaker given another type: the results worked out against it as the
// upstream breaker go (the low-voltage breaker's and the high-voltage
// breaker's alike); a result naming another breaker stays.
TEST_F(ProtectEditFlow, AnotherTypeClearsTheResultsThatNameItUpstream) {
    CObjElement* below = Draw(kKindLVCB, 20, 2);
    CObjElement* other = Draw(kKindLVCB, 24, 2);
    auto name = [](CObjElement* marked, CObjElement* upstream) {
        CCurrent& m = tvtest::ModelOf<CEleLVCB>(marked).m_currentSelect;
        m.m_nSelectedBy = CCurrent::kInst;
        m.m_nUpstreamKind = static_cast<uint32_t>(upstream->GetKind());
        m.m_nUpstreamNumber = upstream->GetNumber();
        m.m_dIs = 5000.0;
        m.m_nResult = 1;
    };
    name(below, cb);
    name(other, hcb);
    EXPECT_EQ(1, Edit(cb, [](QDialog& dlg) {
                  Type(&dlg, 1060, "CB-A");
                  Click(&dlg, 1);
              }));
    EXPECT_EQ(CCurrent::kInst, tvtest::ModelOf<CEleLVCB>(below).m_currentSelect.m_nSelectedBy)
        << "the same type keeps the result";
    EXPECT_EQ(1, Edit(cb, [](QDialog& dlg) {
                  Type(&dlg, 1015, "100");
                  Choose(&dlg, 1009, "KESTRAVAL");
                  Choose(&dlg, 1010, "Moulded-case circuit breakers");
                  Choose(&dlg, 1011, "KVC-125S");
                  Click(&dlg, 1);
              }));
    EXPECT_EQ(124, tvtest::ModelOf<CEleLVCB>(cb).GetAdjust()->m_infoBase.m_lTypeID);
    EXPECT_EQ(0u, tvtest::ModelOf<CEleLVCB>(below).m_currentSelect.m_nSelectedBy);
    EXPECT_EQ(0.0, tvtest::ModelOf<CEleLVCB>(below).m_currentSelect.m_dIs);
    EXPECT_EQ(CCurrent::kInst, tvtest::ModelOf<CEleLVCB>(other).m_currentSelect.m_nSelectedBy);

    EXPECT_EQ(1, Edit(hcb, [](QDialog& dlg) {
                  Choose(&dlg, 1011, "KOR-T3");
                  Click(&dlg, 1);
              }));
    EXPECT_EQ(0u, tvtest::ModelOf<CEleLVCB>(other).m_currentSelect.m_nSelectedBy);
}

// The breaker's dialog reaches the document for the upstream breaker of its
// result: a discrimination by Inst. against the high-voltage breaker, worked
// out again for the type chosen, still names that breaker and its relay.
TEST_F(ProtectEditFlow, TypeChosenInTheDialogWorksTheResultOutWithTheDocument) {
    CCurrent& m = tvtest::ModelOf<CEleLVCB>(cb).m_currentSelect;
    m.m_nSelectedBy = CCurrent::kInst;
    m.m_nUpstreamKind = 1;
    m.m_nUpstreamNumber = hcb->GetNumber();
    EXPECT_EQ(1, Edit(cb, [](QDialog& dlg) {
                  Type(&dlg, 1015, "100");
                  Choose(&dlg, 1009, "KESTRAVAL");
                  Choose(&dlg, 1010, "Moulded-case circuit breakers");
                  Choose(&dlg, 1011, "KVC-125S");
                  Click(&dlg, 1);
              }));
    EXPECT_EQ(CCurrent::kInst, m.m_nSelectedBy);
    EXPECT_EQ(1u, m.m_nUpstreamKind);
    EXPECT_EQ(hcb->GetNumber(), m.m_nUpstreamNumber);
    EXPECT_EQ(
        static_cast<uint32_t>(tvtest::ModelOf<CEleHVCB>(hcb).GetAdjust()->m_infoBase.m_lTypeID),
        m.m_nUpstreamTypeID);
}

// The neighbours fix the voltage of every device of the feeder: their
// dialogs keep the voltage box disabled. A breaker and a relay drawn apart
// from any circuit have nothing that fixes it.
TEST_F(ProtectEditFlow, VoltageFixedByTheNeighboursLocksTheVoltageBox) {
    CObjElement* loneBreaker = Draw(kKindLVCB, 20, 2);
    CObjElement* loneHigh = Draw(kKindHVCB, 24, 2);
    CObjElement* loneRelay = Draw(kKindThermal, 28, 2);
    struct Case {
        CObjElement* e;
        bool locked;
    } cases[] = {{hcb, true},          {cb, true},        {thr, true},
                 {loneBreaker, false}, {loneHigh, false}, {loneRelay, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.e->GetName());
        bool enabled = !c.locked;
        std::string shown;
        Edit(c.e, [&](QDialog& dlg) {
            enabled = Enabled(&dlg, 1089);
            shown = Text(&dlg, 1089);
            Click(&dlg, 2);
        });
        EXPECT_EQ(!c.locked, enabled);
        EXPECT_EQ(std::to_string(c.e->GetVoltage()), shown);
    }
}

} // namespace
