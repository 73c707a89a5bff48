// The whole ladder of a project through the main frame's commands: Check,
// Calculation, automatic selection by Icu then by Ics, cascade,
// discrimination, wire protection and electric shock, each result read where
// the user sees it: the messages, the breakers' fill colours and labels, the
// wire's label and the co-ordination view that the pair commands bring up.
//
// The project: a source of 500 MVA, a transformer of 300 kVA (4 %, X/R 5),
// a main breaker of 400 A, a bus and two feeders of a 25 A moulded-case
// breaker, a 2.5 mm2 wire and a motor. At the bus I"k3 is about
// 300 kVA / (sqrt 3 x 400 V) / (0.04 + 0.3 / 500) = 10.7 kA: the selection
// by Icu gives the feeders KVC-63S (122, Icu 15 kA, Ics 7.5 kA) and keeps the
// main breaker's KVC-400H (130, 70 kA) given by hand.

#include "ShellTestSupport.h"
#include "app/elements/conductors/CEleWire.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/protection/CObjAdjust.h"
#include "app/protection/CObjGraph.h"
#include "app/records/ElementKinds.h"
#include "app/records/TovarineIds.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CTovarineDoc.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "framework/MessageBox.h"
#include "tests/app/TestNetwork.h"
#include "tests/app/elements/ModelDatabasesTestSupport.h"
#include "tests/app/protection/AdjustTestSupport.h"
#include "tests/common/MessageCapture.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using tvtest::ModelOf;

void SetIk3(CCalcPoint& p, double amps) {
    p.m_dBaseCapacity = 10000.0;
    p.m_zSource.m_nKind = 4;
    p.m_zSource.m_dR = 0.0;
    p.m_zSource.m_dX = 10000.0 * 1000.0 * 100.0 / (std::sqrt(3.0) * 400.0 * amps);
}

struct Ladder {
    Ladder() {
        doc = dynamic_cast<CTovarineDoc*>(p.app->GetActiveDocument());
        if (!doc)
            return;
        tvtest::PlaceElement(*doc, {"S", kKindSource, 0, 0, 0, {500, 25}});
        CObjElement* t = tvtest::PlaceElement(*doc, {"T", kKindTrans3, 0, 2, 0, {300, 4, 5}, true});
        ModelOf<CEleTrans3>(t).m_dRushPeak = 10.0;
        ModelOf<CEleTrans3>(t).m_dDampingTime = 100.0;
        main = Draw(kKindLVCB, 0, 5);
        Draw(kKindZeroCond, 0, 8, 6);
        for (int col : {1, 3}) {
            CObjElement* cb = Draw(kKindLVCB, col, 9);
            CObjElement* w = Draw(kKindWire, col, 12);
            Draw(kKindMotor, col, 16);
            CInfoBase& i = Breaker(cb).GetAdjust()->m_infoBase;
            i.m_lManufactureID = 1;
            i.m_lGroupID = 2;
            i.m_nLVCBCode = 11;
            i.m_dRatedValue = 25.0;
            tvtest::MarkCalcPoint(w);
            feeders.push_back(cb);
            wires.push_back(w);
        }
        // The first feeder on IT earthing without neutral, so that the shock
        // check is offered (not for the list's default TT).
        Breaker(feeders[0]).SetEarthingSystem(5);
        CEleLVCB& m = Breaker(main);
        m.GetAdjust()->m_infoBase.m_dRatedValue = 400.0;
        SetIk3(m.m_calcPoint2, 60000.0);
        m.DoSelectAutomatic(CEleLVCB::kAtSecondPoint, 1);
    }
    CObjElement* Draw(int32_t kind, int col, int row, int cells = 0) {
        CObjElement* e = tvtest::Place(*doc, kind, col, row, 0, cells);
        e->DoInitNewElement(*doc);
        return e;
    }
    static CEleLVCB& Breaker(const CObjElement* e) { return ModelOf<CEleLVCB>(e); }
    bool Ready() const { return doc && main && Breaker(main).GetTypeID() == 130; }
    // A click on each element's symbol in the skeleton view.
    void Select(std::initializer_list<CObjElement*> elements) {
        for (auto& group : doc->m_listGroups) {
            const bool hit =
                std::find(elements.begin(), elements.end(), group->GetElement()) != elements.end();
            group->DoSelect(0, hit, doc->m_nMode);
        }
    }
    void Command(unsigned id) {
        p.Main()->ExecuteCommand(id);
        QApplication::processEvents();
    }
    uint32_t Fill(const CObjElement* e) const {
        return Breaker(e).GetFillColour(doc->m_nMode, false, 0);
    }

    shelltest::StartedProgram p;
    elementtest::ModelDatabasesScope dbs;
    adjusttest::BreakerDatabasesScope breakers;
    tvtest::MessageCapture messages;
    CTovarineDoc* doc = nullptr;
    CObjElement* main = nullptr;
    std::vector<CObjElement*> feeders;
    std::vector<CObjElement*> wires;
};

TEST(SelectionLadder, EveryModeShowsItsResults) {
    Ladder l;
    ASSERT_TRUE(l.Ready());
    CTovarineDoc& doc = *l.doc;
    CEleLVCB& feeder = Ladder::Breaker(l.feeders[0]);

    l.Command(tvid::ID_MODE_CHECK);
    ASSERT_EQ(doc.m_nMode, 2) << (l.messages.Count() ? l.messages.Last().text : "");
    EXPECT_EQ(feeder.DoGetRatingsText(doc.m_nMode).find("I\"k3"), std::string::npos);

    l.Command(tvid::ID_MODE_CALCULATION);
    ASSERT_EQ(doc.m_nMode, 3);
    EXPECT_EQ(l.messages.Last().caption, "Calculation");
    // The fault currents join the breaker's label.
    EXPECT_NE(feeder.DoGetRatingsText(doc.m_nMode).find("I\"k3"), std::string::npos);

    // By Icu: every breaker chosen, painted in the Icu colour; the wires
    // checked by the I2t calculation: (k I)^2 t / f of at least
    // 10 670^2 x 0.02 = 2.28e6 A2s against at most (135 x 2.5)^2 =
    // 113 906 A2s for a 2.5 mm2 conductor, so both wires are marked.
    l.Command(tvid::ID_MODE_ICU);
    ASSERT_EQ(doc.m_nMode, 4);
    EXPECT_EQ(l.messages.Last().caption, "Automatic selection");
    EXPECT_EQ(l.messages.Last().text.rfind("The automatic selection by Icu was completed.\r\n"
                                           "In order to select by cascade",
                                           0),
              0u);
    for (CObjElement* cb : {l.main, l.feeders[0], l.feeders[1]}) {
        SCOPED_TRACE(cb->GetName());
        EXPECT_EQ(Ladder::Breaker(cb).DoGetTextSelectResult(0), "Icu");
        EXPECT_EQ(l.Fill(cb), 0xFFFF00u);
    }
    EXPECT_EQ(feeder.GetTypeID(), 122);
    for (CObjElement* w : l.wires)
        EXPECT_NE(ModelOf<CEleWire>(w).GetTextNameLine().find("NG by\r\nshort-circuit"),
                  std::string::npos);

    // By Ics: KVC-63S keeps its type only while it is a candidate, and its
    // Ics of 7.5 kA is short of 10.7 kA: both feeders are named and shown
    // as not good, in grey; the main breaker's Ics of 70 kA passes.
    l.Command(tvid::ID_MODE_ICS);
    ASSERT_EQ(doc.m_nMode, 4);
    EXPECT_EQ(doc.m_nSubMode, 1);
    EXPECT_EQ(l.messages.Last().text, "The automatic selection by Ics was completed.\r\nBut there "
                                      "is no appropriate circuit breaker for " +
                                          l.feeders[0]->GetName() + " and " +
                                          l.feeders[1]->GetName() + ".");
    EXPECT_EQ(feeder.DoGetTextSelectResult(0), "NG by Ics");
    EXPECT_EQ(l.Fill(l.feeders[0]), 0xC0C0C0u);
    EXPECT_EQ(Ladder::Breaker(l.main).DoGetTextSelectResult(0), "Ics");
    EXPECT_EQ(l.Fill(l.main), 0xFF0000u);

    // Cascade of the first feeder under the main breaker: the table's
    // 415 V row gives Icu-back 50 kA, above the feeder's 15 kA and I"k3;
    // the cascade colour and label; the co-ordination view comes up.
    l.Command(tvid::ID_MODE_CASCADE);
    ASSERT_EQ(doc.m_nMode, 5);
    l.Select({l.main, l.feeders[0]});
    const size_t said = l.messages.Count();
    l.Command(tvid::ID_SELECT_CASCADE);
    EXPECT_EQ(l.messages.Count(), said);
    EXPECT_EQ(feeder.m_currentSelect.m_dIcuBack, 50000.0);
    EXPECT_EQ(feeder.DoGetTextSelectResult(0), "Icu-back");
    EXPECT_EQ(l.Fill(l.feeders[0]), 0x00FFFFu);
    ASSERT_NE(doc.m_listGraphs.GetCurrentGraph(), nullptr);
    EXPECT_EQ(doc.m_listGraphs.GetCurrentGraph()->m_nKind, 1u);
    EXPECT_NE(l.p.Main()->CoordinationFrame, nullptr);

    // Discrimination by Inst.: the main breaker's lower instantaneous edge,
    // 0.8 x 10 x 400 = 3200 A, is the limit, below I"k3: "Partial".
    l.Command(tvid::ID_MODE_DISCRIMINATION);
    ASSERT_EQ(doc.m_nMode, 6);
    l.Select({l.main, l.feeders[0]});
    l.Command(tvid::ID_SELECT_BY_INST);
    EXPECT_EQ(l.messages.Count(), said);
    EXPECT_EQ(feeder.m_currentSelect.m_dIs, 3200.0);
    EXPECT_EQ(feeder.DoGetTextDiscrimResult(), "Partial");
    EXPECT_EQ(l.Fill(l.feeders[0]), 0x00FF00u);
    EXPECT_EQ(doc.m_listGraphs.GetCurrentGraph()->m_nKind, 2u);

    // Wire protection by let-through energy: the I2t curve of KVC-63S 25 A
    // (415 V) gives between 127 400 A2s (10 kA) and 183 500 A2s (15 kA) at
    // 10.7 kA, above (135 x 2.5)^2 = 113 906 A2s whatever the insulation:
    // the wire stays marked, by its phase conductors, now by this method.
    l.Command(tvid::ID_MODE_WIRE_PROTECTION);
    ASSERT_EQ(doc.m_nMode, 7);
    l.Select({l.feeders[0], l.wires[0]});
    l.Command(tvid::ID_PROTECT_ENERGY);
    const CEleWire& wire = ModelOf<CEleWire>(l.wires[0]);
    EXPECT_EQ(wire.m_nCheckMode, 1u);
    EXPECT_EQ(wire.m_nFailingGroup, 1u);
    EXPECT_NE(wire.GetTextNameLine().find("NG by\r\nshort-circuit"), std::string::npos);

    // Electric shock: at the wire's end, with Ia on the characteristic's
    // instantaneous part, 1.2 x 10 x 25 = 300 A. The wire has no length, so
    // the fault at its end on IT without neutral is the line-to-line one of
    // the bus, sqrt 3 / 2 x 10.7 kA = 9.2 kA: far above Ia, but above the
    // Ics of 7.5 kA that the capacity test takes after the selection by Ics.
    l.Command(tvid::ID_MODE_SHOCK);
    ASSERT_EQ(doc.m_nMode, 8);
    l.Select({l.feeders[0]});
    l.Command(tvid::ID_SHOCK_CHECK);
    EXPECT_EQ(feeder.m_strShockPoint, l.wires[0]->GetName());
    EXPECT_NEAR(feeder.m_dIa, 300.0, 1.5);
    EXPECT_NEAR(feeder.GetShockEarthFaultCurrent(),
                std::sqrt(3.0) / 2.0 * feeder.GetSelectionIk(CEleLVCB::kByIcs), 1.0);
    EXPECT_EQ(feeder.m_currentOwn.m_dIcs, 7500.0);
    EXPECT_EQ(feeder.DoGetTextShockResult(), "NG");
    EXPECT_EQ(doc.m_listGraphs.GetCurrentGraph()->m_nKind, 3u);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
