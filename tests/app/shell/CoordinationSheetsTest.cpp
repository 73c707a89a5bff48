// The co-ordination view with its two sheets: a picked curve opens the dial
// adjustment sheet, whose changes reach the view and which closes when its
// element is deleted; the measure command opens the gap-line sheet and the
// view then paints the reference lines, which go when the sheet closes.

#include "ShellTestSupport.h"

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

// Two breakers (KVC-125S "CB1", KVA-16N "CB2") on one graph at 400 V, the
// co-ordination view open.
struct Coordination {
    Coordination() {
        p.Main()->resize(1200, 900);
        p.Main()->show();
        QApplication::processEvents();
        doc = dynamic_cast<CTovarineDoc*>(p.app->GetActiveDocument());
        if (!doc)
            return;
        cb1 = AddBreaker(2, 2, "CB1", 124);
        cb2 = AddBreaker(6, 2, "CB2", 172);
        for (auto& g : doc->m_listGroups)
            g->SetSelected(1);
        graph = doc->DoCreateGraph();
        graph->m_nStdVoltage = 400;
        for (auto& g : doc->m_listGroups)
            g->SetSelected(0);
        cb1->SetSelectCurve(0);
        cb2->SetSelectCurve(0);
        p.Main()->ExecuteCommand(tvid::ID_VIEW_COORDINATION);
        QApplication::processEvents();
        if (p.Main()->CoordinationFrame)
            view = dynamic_cast<CTovarineView2*>(p.Main()->CoordinationFrame->GetActiveView());
        if (view) {
            view->resize(1000, 700);
            doc->UpdateAllViews(9, nullptr);
        }
    }
    CObjElement* AddBreaker(int col, int row, const char* name, int32_t type) {
        CObjElement* e = tvtest::Place(*doc, kKindLVCB, col, row);
        auto& b = tvtest::ModelOf<CEleLVCB>(e);
        b.m_strName = name;
        b.SetVoltage(400);
        CObjAdjust* a = b.GetAdjust() ? b.GetAdjust() : b.DoAddNewObjAdjust();
        adjusttest::ReadLoaded(*a, 2, type, 400);
        e->DoCalcCurve(50);
        return e;
    }
    bool Ready() const { return doc && view && graph && cb1 && cb2; }
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

    StartedProgram p;
    elementtest::ModelDatabasesScope dbs;
    adjusttest::BreakerDatabasesScope breakers;
    tvtest::MessageCapture messages;
    CTovarineDoc* doc = nullptr;
    CObjGraph* graph = nullptr;
    CObjElement* cb1 = nullptr;
    CObjElement* cb2 = nullptr;
    CTovarineView2* view = nullptr;
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
