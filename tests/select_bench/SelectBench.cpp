// The selection modes on a project of 300 low-voltage breakers: a main
// breaker of 800 A on a 1000 kVA transformer, 23 sub-main breakers of 400 A
// each feeding a bus of twelve 100 A feeder breakers with a load below each.
// The automatic selection by Icu of every breaker, then the cascade and the
// discrimination by Inst. of every pair (each feeder under its sub-main,
// each sub-main under the main breaker), as the breakers' own operations
// and as the document's commands on the selected pair.

#include "app/elements/protection/CEleLVCB.h"
#include "app/records/ElementKinds.h"
#include "app/records/ModelDatabases.h"
#include "app/records/TovarineIds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "breakerdata/recordsets/CVersion.h"
#include "breakerdata/recordsets/DorventaDatabases.h"
#include "equipdata/Sarquine.h"
#include "listdata/Quenlor.h"
#include "resources/StringTables.h"
#include "tests/app/TestNetwork.h"

#include "app/elements/supply/CEleTrans3.h"
#include "framework/MessageBox.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr int kSubMains = 23;
constexpr int kFeeders = 12;

// The four databases of the build as the models' handles.
struct Databases {
    Databases() {
        CVersion expected;
        expected.m_strCountry = "Japan";
        expected.m_strMaker = "KESTRAVAL";
        expected.m_strProduct = "TOVARINE2";
        expected.m_strVersion = "1.20";
        expected.m_strLanguage = "English";
        expected.m_strMdbVersion = "1.52";
        CVersion curve = expected;
        dbs.pBreaker = DLLGetMDBDorventa(&expected, nullptr);
        dbs.pCurve = DLLGetMDBOrbelune(&curve);
        dbs.pEquip = DLLGetMDBSarquine();
        dbs.pList = DLLGetMDBQuenlor();
        SetModelDatabases(dbs);
    }
    ~Databases() {
        SetModelDatabases({});
        DLLDelMDBDorventa(dbs.pBreaker);
        DLLDelMDBOrbelune(dbs.pCurve);
        DLLDelMDBSarquine(dbs.pEquip);
        DLLDelMDBQuenlor(dbs.pList);
    }
    bool IsOpen() const { return dbs.pBreaker && dbs.pCurve && dbs.pEquip && dbs.pList; }
    CModelDatabases dbs;
};

struct Pair {
    CObjElement* down;
    CObjElement* up;
};

// The project, checked and calculated; the pairs of breakers.
struct Project {
    CTovarineDocData doc;
    std::vector<CObjElement*> breakers;
    std::vector<Pair> pairs;
    bool ready = false;

    CObjElement* Draw(int32_t kind, int col, int row, int cells = 0) {
        CObjElement* e = tvtest::Place(doc, kind, col, row, 0, cells);
        e->DoInitNewElement(doc);
        return e;
    }
    static void Rate(CObjElement* e, double rated) {
        CInfoBase& i = tvtest::ModelOf<CEleLVCB>(e).GetAdjust()->m_infoBase;
        i.m_lManufactureID = 1;
        i.m_lGroupID = 2;
        i.m_nLVCBCode = 11;
        i.m_dRatedValue = rated;
    }
    Project() {
        tvtest::PlaceElement(doc, {"S", kKindSource, 0, 0, 0, {500, 25}});
        CObjElement* t = tvtest::PlaceElement(doc, {"T", kKindTrans3, 0, 2, 0, {1000, 5, 5}});
        tvtest::ModelOf<CEleTrans3>(t).m_dRushPeak = 10.0;
        tvtest::ModelOf<CEleTrans3>(t).m_dDampingTime = 100.0;
        CObjElement* main = Draw(kKindLVCB, 0, 5);
        Rate(main, 800.0);
        breakers.push_back(main);
        Draw(kKindZeroCond, 0, 8, kSubMains * (kFeeders + 1) + 1);
        for (int j = 0; j < kSubMains; ++j) {
            const int col = j * (kFeeders + 1) + 1;
            CObjElement* sub = Draw(kKindLVCB, col, 9);
            Rate(sub, 400.0);
            breakers.push_back(sub);
            pairs.push_back({sub, main});
            Draw(kKindZeroCond, col, 12, kFeeders);
            for (int k = 0; k < kFeeders; ++k) {
                CObjElement* cb = Draw(kKindLVCB, col + k, 13);
                Rate(cb, 100.0);
                Draw(kKindLoad, col + k, 16);
                breakers.push_back(cb);
                pairs.push_back({cb, sub});
            }
        }
        const CTovarineDocData::CModeResult check = doc.DoModeCheck();
        if (!check.bPassed) {
            std::fprintf(stderr, "check failed: %u %s\n", check.nMessage, check.strName.c_str());
            return;
        }
        doc.DoModeCalculation();
        ready = doc.m_nMode == 3;
    }
    void SelectByIcu() {
        doc.m_nMode = 3;
        doc.m_nSubMode = 0;
        doc.DoModeSelect(2);
    }
    void SelectOnly(const Pair& p) {
        for (auto& group : doc.m_listGroups) {
            CObjElement* e = group->GetElement();
            group->DoSelect(0, e == p.down || e == p.up, doc.m_nMode);
        }
    }
};

// Message boxes of failed pairs answered at once.
struct QuietMessages {
    QuietMessages() {
        previous = fw::SetMessageSink([](const fw::MessageRequest&) { return fw::mb::IdOk; });
    }
    ~QuietMessages() { fw::SetMessageSink(previous); }
    fw::MessageSink previous;
};

Project& TheProject() {
    static Databases databases;
    static Project project;
    return project;
}

void BM_SelectionByIcu(benchmark::State& state) {
    Project& p = TheProject();
    if (!p.ready) {
        state.SkipWithError("the project did not check and calculate");
        return;
    }
    for (auto _ : state)
        p.SelectByIcu();
    state.counters["breakers"] = static_cast<double>(p.breakers.size());
}
BENCHMARK(BM_SelectionByIcu)->Unit(benchmark::kMillisecond);

// The parts of the command: the breakers' own selection (the types kept,
// each searched again in the database), the wire checks, the undo snapshot.
void BM_SelectionParts(benchmark::State& state) {
    Project& p = TheProject();
    if (!p.ready) {
        state.SkipWithError("the project did not check and calculate");
        return;
    }
    p.SelectByIcu();
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0:
            p.doc.DoSelectBreakers(2, nullptr, 0, 0, nullptr);
            break;
        case 1:
            p.doc.IsOkWireProtection();
            break;
        default:
            p.doc.SaveUndo();
            break;
        }
    }
}
BENCHMARK(BM_SelectionParts)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("part")
    ->Unit(benchmark::kMillisecond);

// Every pair by the breaker's operation, the upstream found by the document.
void RunPairs(Project& p, bool cascade, int* good) {
    *good = 0;
    for (const Pair& pair : p.pairs) {
        CEleLVCB& down = tvtest::ModelOf<CEleLVCB>(pair.down);
        CEleLVCB::CUpstream u;
        u.nKind = kKindLVCB;
        u.nNumber = pair.up->GetNumber();
        down.m_currentSelect.m_nUpstreamKind = u.nKind;
        down.m_currentSelect.m_nUpstreamNumber = u.nNumber;
        u.pAdjust = p.doc.GetUpstreamAdjust(down.m_currentSelect, &u.dRated, &u.dIinst, &u.dIcu);
        const double result = cascade ? down.DoSelectBackUpByTable(u)
                                      : down.DoSelectLimit(CEleLVCB::kMethodInst, 50, u);
        *good += result > 0.0 ? 1 : 0;
    }
}

void BM_PairsByOperation(benchmark::State& state) {
    Project& p = TheProject();
    if (!p.ready) {
        state.SkipWithError("the project did not check and calculate");
        return;
    }
    QuietMessages quiet;
    p.SelectByIcu();
    const bool cascade = state.range(0) == 1;
    int good = 0;
    for (auto _ : state)
        RunPairs(p, cascade, &good);
    state.counters["pairs"] = static_cast<double>(p.pairs.size());
    state.counters["good"] = good;
}
BENCHMARK(BM_PairsByOperation)->Arg(1)->Arg(0)->ArgName("cascade")->Unit(benchmark::kMillisecond);

// Every pair as the user gives the command: the pair selected, then the
// command (undo snapshot, the operation, the graph made or made current).
void BM_PairsByCommand(benchmark::State& state) {
    Project& p = TheProject();
    if (!p.ready) {
        state.SkipWithError("the project did not check and calculate");
        return;
    }
    QuietMessages quiet;
    p.SelectByIcu();
    const bool cascade = state.range(0) == 1;
    p.doc.m_nMode = cascade ? 5 : 6;
    const unsigned id = cascade ? tvid::ID_SELECT_CASCADE : tvid::ID_SELECT_BY_INST;
    int shown = 0;
    for (auto _ : state) {
        shown = 0;
        for (const Pair& pair : p.pairs) {
            p.SelectOnly(pair);
            shown += p.doc.DoSubModeCommand(id) ? 1 : 0;
        }
    }
    state.counters["pairs"] = static_cast<double>(p.pairs.size());
    state.counters["graphs shown"] = shown;
}
BENCHMARK(BM_PairsByCommand)->Arg(1)->Arg(0)->ArgName("cascade")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    RegisterTovarineStrings();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
