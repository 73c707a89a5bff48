// Building the reports of a generated radial project of about 2,000
// elements, calculated: each report's producer on an empty row list, and
// every report one after another.

#include "app/reports/CPrintDataList.h"
#include "app/shell/model/CTovarineDocData.h"
#include "resources/StringTables.h"
#include "tests/app/shell/model/CalcNetwork.h"

#include <benchmark/benchmark.h>

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
