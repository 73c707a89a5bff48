// Building the reports of a generated radial project of about 2,000
// elements, calculated: each report's producer on an empty row list, and
// every report one after another.

#include "app/elements/protection/CEleLVCB.h"
#include "app/protection/CObjAdjust.h"
#include "app/records/ElementKinds.h"
#include "app/records/ModelDatabases.h"
#include "app/reports/CPrintDataList.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CTovarineDocData.h"
#include "breakerdata/recordsets/CVersion.h"
#include "breakerdata/recordsets/DorventaDatabases.h"
#include "equipdata/Sarquine.h"
#include "listdata/Quenlor.h"
#include "resources/StringTables.h"
#include "tests/app/shell/model/CalcNetwork.h"

#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

namespace {

CTovarineDocData& Project() {
    static CTovarineDocData* doc = [] {
        auto* d = new CTovarineDocData;
        tvtest::RadialShape shape;
        shape.elements = 2000;
        shape.calcPoints = 500;
        shape.motorEffects = 8;
        shape.generators = 2;
        shape.ties = 10;
        tvtest::BuildRadial(*d, shape);
        d->DoModeCalculation();
        return d;
    }();
    return *doc;
}

void BM_Report(benchmark::State& state) {
    CTovarineDocData& doc = Project();
    const int32_t kind = static_cast<int32_t>(state.range(0));
    size_t rows = 0;
    for (auto _ : state) {
        CPrintDataList list;
        list.DoMakeRows(kind, doc);
        rows = list.GetCount();
        benchmark::DoNotOptimize(list.DoGetExtent(kind));
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_Report)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

// A project in the selection modes with the reference databases open: a
// bus with 150 feeders, each a 400 A breaker, a 50 m wire, a 100 A breaker,
// a 20 m wire and a load (752 elements), every breaker chosen by Icu (the
// wires below checked with it); every second feeder's lower breaker given
// a cascade result against the upper one and every other a discrimination
// result, and every breaker checked against electric shock, so that each of
// the protection reports holds rows for all of them.
CTovarineDocData& SelectedProject() {
    static CTovarineDocData* doc = [] {
        CVersion expected;
        expected.m_strCountry = "Japan";
        expected.m_strMaker = "KESTRAVAL";
        expected.m_strProduct = "TOVARINE2";
        expected.m_strVersion = "1.20";
        expected.m_strLanguage = "English";
        expected.m_strMdbVersion = "1.52";
        CVersion curveExpected = expected;
        CModelDatabases dbs = GetModelDatabases();
        dbs.pBreaker = DLLGetMDBDorventa(&expected, nullptr);
        dbs.pCurve = DLLGetMDBOrbelune(&curveExpected);
        dbs.pEquip = DLLGetMDBSarquine();
        dbs.pList = DLLGetMDBQuenlor();
        SetModelDatabases(dbs);
        auto* d = new CTovarineDocData;
        constexpr int kFeeders = 150;
        const std::vector<double> feeder{50, 0.0754, 0.08, 0.0754, 0.08, 0.153, 0.085};
        const std::vector<double> branch{20, 0.0754, 0.08, 0.0754, 0.08, 0.153, 0.085};
        tvtest::PlaceElement(*d, {"S", kKindSource, 0, 0, 0, {500, 25}});
        tvtest::PlaceElement(*d, {"T", kKindTrans3, 0, 2, 0, {2000, 5, 5}, true});
        tvtest::PlaceElement(
            *d, {"ZC", kKindZeroCond, 0, 5, 0, {static_cast<double>(2 * kFeeders + 2)}, true});
        std::vector<std::pair<CObjElement*, CObjElement*>> pairs;
        for (int i = 0; i < kFeeders; ++i) {
            const int col = 1 + 2 * i;
            CObjElement* up = tvtest::Place(*d, kKindLVCB, col, 6);
            tvtest::PlaceElement(*d, {"", kKindWire, col, 9, 0, feeder, true});
            CObjElement* down = tvtest::Place(*d, kKindLVCB, col, 13);
            tvtest::PlaceElement(*d, {"", kKindWire, col, 16, 0, branch, true});
            tvtest::PlaceElement(*d, {"", kKindLoad, col, 20});
            pairs.emplace_back(up, down);
        }
        for (auto& [up, down] : pairs)
            for (CObjElement* e : {up, down}) {
                // Set up as the skeleton view does, then chosen by hand.
                e->DoInitNewElement(*d);
                tvtest::MarkCalcPoint(e);
                auto* b = static_cast<CEleLVCB*>(e->GetElement());
                b->m_nPoles = 3;
                b->m_nUseCode = 1;
                b->m_nEarthing = 1;
                b->m_nWireSystem = 3;
                CInfoBase& info = b->GetAdjust()->m_infoBase;
                info.m_lManufactureID = 1;
                info.m_lGroupID = 2;
                info.m_nKindFlag = 2;
                info.m_nLVCBCode = 11;
                info.m_nVoltage = 400;
                info.m_dRatedValue = e == up ? 400.0 : 100.0;
                b->SetShockCheckFlag(1);
            }
        d->DoModeCalculation();
        d->DoModeSelect(CEleLVCB::kByIcu);
        bool cascade = true;
        for (auto& [up, down] : pairs) {
            CCurrent& m = static_cast<CEleLVCB*>(down->GetElement())->m_currentSelect;
            m.m_nSelectedBy = cascade ? CCurrent::kCascade : CCurrent::kInst;
            m.m_nUpstreamKind = 2;
            m.m_nUpstreamNumber = up->GetNumber();
            m.m_nUpstreamTypeID =
                static_cast<uint32_t>(static_cast<CEleLVCB*>(up->GetElement())->GetTypeID());
            m.m_dIcuBack = 50000.0;
            m.m_dIs = 8000.0;
            m.m_nResult = 1;
            cascade = !cascade;
        }
        return d;
    }();
    return *doc;
}

void BM_ProtectionReport(benchmark::State& state) {
    CTovarineDocData& doc = SelectedProject();
    const int32_t kind = static_cast<int32_t>(state.range(0));
    size_t rows = 0;
    for (auto _ : state) {
        CPrintDataList list;
        list.DoMakeRows(kind, doc);
        rows = list.GetCount();
        benchmark::DoNotOptimize(list.DoGetExtent(kind));
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ProtectionReport)
    ->Arg(2)
    ->Arg(3)
    ->Arg(4)
    ->Arg(6)
    ->Arg(7)
    ->Unit(benchmark::kMillisecond);

void BM_EveryReport(benchmark::State& state) {
    CTovarineDocData& doc = Project();
    for (auto _ : state) {
        for (int32_t kind = 0; kind <= 7; ++kind) {
            CPrintDataList list;
            list.DoMakeRows(kind, doc);
            benchmark::DoNotOptimize(list.GetCount());
        }
    }
}
BENCHMARK(BM_EveryReport)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    RegisterTovarineStrings();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
