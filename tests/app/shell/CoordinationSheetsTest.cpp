// The co-ordination view with its two sheets: a picked curve opens the dial
// adjustment sheet, whose changes reach the view and, with what changed, the
// breaker, and which closes when its element is deleted; the measure command
// opens the gap-line sheet and the view then paints the reference lines,
// which go when the sheet closes.

#include "ShellTestSupport.h"
#include "TwoBreakerGraph.h"

#include "app/elements/protection/CEleLVCB.h"
#include "app/protection/CObjAdjust.h"
#include "app/protection/dialogs/CAdjustPart.h"
#include "app/protection/dialogs/CAdjustSheet.h"
#include "app/protection/dialogs/CDlgGapLine.h"
#include "app/protection/dialogs/CDlgGapLineSheet.h"
#include "app/protection/dialogs/UpDown.h"
#include "app/records/ElementKinds.h"
#include "app/records/TovarineIds.h"
#include "app/shell/CChildFrame2.h"
#include "app/shell/CTovarineDoc.h"
#include "app/shell/CTovarineView2.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "tests/app/TestNetwork.h"
#include "tests/app/elements/ModelDatabasesTestSupport.h"
#include "tests/app/protection/AdjustTestSupport.h"
#include "tests/common/MessageCapture.h"

#include "framework/DeviceContext.h"
#include "framework/Resources.h"

#include <QApplication>
#include <QCheckBox>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using shelltest::StartedProgram;

// The two-breaker graph (KVC-125S "CB1", KVA-16N "CB2") with what the sheets'
// tests look at.
struct Coordination : shelltest::TwoBreakerGraph {
    // What a paint draws, kept.
    std::vector<fw::CDrawRecord> Paint() {
        fw::CRecordingDC dc;
        view->OnPrepareDC(&dc);
        view->OnDraw(&dc);
        return dc.Records();
    }
    // A device point on the middle of the breaker's shown curve.
    fw::CPoint OnCurve(CObjElement* e) {
        const CObjAdjust* a = tvtest::ModelOf<CEleLVCB>(e).GetAdjust();
        const CdPointList& points =
            a->m_listUpperPoint.IsEmpty() ? a->m_listTypicalPoint : a->m_listUpperPoint;
        if (points.IsEmpty())
            return fw::CPoint(-100, -100);
        const CdPoint* m = points.GetAt(points.GetCount() / 2);
        fw::CPoint point(static_cast<int>(m->m_dX), static_cast<int>(m->m_dY));
        auto dc = view->GetClientDC();
        dc->LPtoDP(&point);
        return point;
    }
};

#define REQUIRE_READY(c) ASSERT_TRUE((c).Ready()) << "program, view, graph or breakers missing"

// The reference lines a paint drew: the blue 20-wide strokes.
int ReferenceStrokes(const std::vector<fw::CDrawRecord>& records) {
    return static_cast<int>(std::count_if(records.begin(), records.end(), [](const auto& r) {
        return r.kind == fw::CDrawRecord::Polyline && r.pen.color == 0xFF0000 && r.pen.width == 20;
    }));
}

} // namespace

TEST(CoordinationSheets, PickedCurveOpensTheAdjustmentSheetWhichClosesWhenItsElementGoes) {
    Coordination c;
    REQUIRE_READY(c);
    c.Paint();
    c.view->OnLButtonDown(0, c.OnCurve(c.cb2));
    QPointer<CAdjustSheet> sheet = c.view->findChild<CAdjustSheet*>();
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet->windowTitle().toStdString(), "Adjust of dial - [CB2] - [KVA-16N]");
    // A dial step reaches the document through the view.
    c.doc->SetModifiedFlag(false);
    CAdjustPart* shortTime = sheet->GetPartPages()[1];
    sheet->SetActivePage(shortTime);
    fw::FindControlAs<QPushButton>(shortTime, 1038)->click();
    EXPECT_TRUE(c.doc->IsModified());
    EXPECT_EQ(tvtest::ModelOf<CEleLVCB>(c.cb2).GetAdjust()->m_listInfoPart.GetAt(1)->m_dCurrent,
              800.0);
    // The breaker deleted in the skeleton: the sheet closes at the hint.
    for (auto& g : c.doc->m_listGroups)
        g->SetSelected(g->GetElement() == c.cb2 ? 1 : 0);
    fw::CRecordingDC dc;
    c.doc->m_listGroups.DoDeleteSelected(*c.doc, &dc, 0);
    c.doc->UpdateAllViews(5, nullptr);
    shelltest::FlushDeletes();
    EXPECT_TRUE(sheet.isNull());
    // The view holds no sheet: the next pick opens a new one.
    c.Paint();
    c.view->OnLButtonDown(0, c.OnCurve(c.cb1));
    EXPECT_NE(c.view->findChild<CAdjustSheet*>(), nullptr);
}

// A change in the sheet reaches the breaker with what changed. KVA-16N "CB2"
// at 400 V (capacity row 206) breaks 65 kA, 50 kA with its instantaneous
// release locked; TN-S at 400 V asks for disconnection within 0.4 s, which
// the upper band edge reaches on the short-time pick-up: 1.1 x 6 x 1600 =
// 10 560 A, at 8 x Ir 1.1 x 8 x 1600 = 14 080 A.
TEST(CoordinationSheets, SheetChangeReachesTheBreakerWithWhatChanged) {
    Coordination c;
    REQUIRE_READY(c);
    auto& cb1 = tvtest::ModelOf<CEleLVCB>(c.cb1);
    auto& cb2 = tvtest::ModelOf<CEleLVCB>(c.cb2);
    // CB1 was chosen by cascade below CB2, and CB2's shock check ran.
    cb1.m_currentSelect.m_nSelectedBy = CCurrent::kCascade;
    cb1.m_currentSelect.m_nUpstreamKind = kKindLVCB;
    cb1.m_currentSelect.m_nUpstreamNumber = cb2.m_nNumber;
    cb1.m_currentSelect.m_dIcuBack = 50000.0;
    cb2.GetAdjust()->m_infoLine.m_nBandFlag = 1;
    cb2.SetEarthingSystem(1);
    cb2.DoCalcShockTripCurrent();
    ASSERT_NEAR(cb2.m_dIa, 10560.0, 0.5);
    c.Paint();
    ASSERT_EQ(cb2.m_currentOwn.m_dIcu, 65000.0);
    c.view->OnLButtonDown(0, c.OnCurve(c.cb2));
    QPointer<CAdjustSheet> sheet = c.view->findChild<CAdjustSheet*>();
    ASSERT_FALSE(sheet.isNull());

    // The lock of the instantaneous release: the capacities read again, the
    // cascade worked out against the old setting gone.
    CAdjustPart* inst = sheet->GetPartPages().back();
    sheet->SetActivePage(inst);
    fw::FindControlAs<QCheckBox>(inst, 1049)->click();
    EXPECT_EQ(cb2.m_currentOwn.m_dIcu, 50000.0);
    EXPECT_EQ(cb2.m_currentOwn.m_dIcs, 50000.0);
    EXPECT_EQ(cb1.m_currentSelect.m_nSelectedBy, 0u);
    EXPECT_EQ(cb1.m_currentSelect.m_dIcuBack, 0.0);

    // The short-time pick-up a step up: the shock check ran again.
    CAdjustPart* shortTime = sheet->GetPartPages()[1];
    sheet->SetActivePage(shortTime);
    fw::FindControlAs<QPushButton>(shortTime, 1038)->click();
    EXPECT_NEAR(cb2.m_dIa, 14080.0, 0.5);
}

TEST(CoordinationSheets, MeasureOpensTheGapSheetAndThePaintShowsTheReference) {
    Coordination c;
    REQUIRE_READY(c);
    EXPECT_EQ(ReferenceStrokes(c.Paint()), 0);
    c.view->OnMeasure();
    ASSERT_TRUE(c.view->IsGapSheetOpen());
    QPointer<CDlgGapLineSheet> sheet = c.view->findChild<CDlgGapLineSheet*>();
    ASSERT_FALSE(sheet.isNull());
    // Both standard lines, each with its four end strokes.
    EXPECT_EQ(ReferenceStrokes(c.Paint()), 10);
    // A measure switched off leaves one line.
    fw::FindControlAs<QCheckBox>(sheet->GetGapPage(), 1228)->click();
    EXPECT_EQ(ReferenceStrokes(c.Paint()), 5);
    // Esc: the view forgets the sheet and paints no reference.
    sheet->reject();
    EXPECT_FALSE(c.view->IsGapSheetOpen());
    EXPECT_EQ(ReferenceStrokes(c.Paint()), 0);
    shelltest::FlushDeletes();
    EXPECT_TRUE(sheet.isNull());
}
