#pragma once

// A started program with a project holding two low-voltage breakers of real
// types from the reference breaker database (124 KVC-125S, 172 KVA-16N) on
// one co-ordination graph at 400 V, and its
// co-ordination view open, for the tests of the view, its sheets and its
// output.

#include "ShellTestSupport.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/protection/CObjAdjust.h"
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

#include <QApplication>

#include <cstdint>

namespace shelltest {

struct TwoBreakerGraph {
    TwoBreakerGraph() {
        p.Main()->resize(1200, 900);
        p.Main()->show();
        QApplication::processEvents();
        doc = dynamic_cast<CTovarineDoc*>(p.app->GetActiveDocument());
        if (!doc)
            return;
        cb1 = AddBreaker(2, 2, "CB1", 0xFF0000, 124); // blue
        cb2 = AddBreaker(6, 2, "CB2", 0x00C000, 172); // green
        for (auto& g : doc->m_listGroups)
            g->SetSelected(1);
        graph = doc->DoCreateGraph();
        graph->m_nStdVoltage = 400;
        for (auto& g : doc->m_listGroups)
            g->SetSelected(0);
        // A new graph shows its curves selected; the tests start from none.
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

    CObjElement* AddBreaker(int col, int row, const char* name, uint32_t colour, int32_t type) {
        CObjElement* e = tvtest::Place(*doc, kKindLVCB, col, row);
        auto& b = tvtest::ModelOf<CEleLVCB>(e);
        b.m_strName = name;
        b.SetVoltage(400);
        // The element came with its first characteristic.
        CObjAdjust* a = b.GetAdjust() ? b.GetAdjust() : b.DoAddNewObjAdjust();
        adjusttest::ReadLoaded(*a, 2, type, 400);
        a->m_infoLine.m_crColor = colour;
        a->m_infoLine.m_nWidth = 10;
        e->DoCalcCurve(50);
        return e;
    }

    bool Ready() const { return doc && view && graph && cb1 && cb2; }

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

} // namespace shelltest
