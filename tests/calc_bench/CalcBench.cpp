// The Calculation command's work on generated radial skeletons: every
// calculation point's three-phase and earth-fault loop reductions and the
// junctions', each on a pruned copy of the whole skeleton.

#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CTovarineDocData.h"
#include "resources/StringTables.h"
#include "tests/app/shell/model/CalcNetwork.h"

#include <benchmark/benchmark.h>

namespace {

// Elements and calculation points as the arguments give them.
void BM_Calculation(benchmark::State& state) {
    CTovarineDocData doc;
    tvtest::RadialShape shape;
    shape.elements = static_cast<int>(state.range(0));
    shape.calcPoints = static_cast<int>(state.range(1));
    shape.motorEffects = 8;
    shape.ties = 10;
    const int placed = tvtest::BuildRadial(doc, shape);
    for (auto _ : state)
        doc.DoCalculateAll();
    state.counters["elements"] = placed;
    state.counters["points"] = static_cast<double>(shape.calcPoints);
}
BENCHMARK(BM_Calculation)
    ->Args({200, 50})
    ->Args({500, 125})
    ->Args({1000, 250})
    ->Args({2000, 500})
    ->Unit(benchmark::kMillisecond);

// A meshed skeleton (second feeders closing rings) is no tree: every fault
// runs the pruning passes themselves, which still find their neighbours
// through the skeleton's index.
void BM_CalculationMeshed(benchmark::State& state) {
    CTovarineDocData doc;
    tvtest::RadialShape shape;
    shape.elements = static_cast<int>(state.range(0));
    shape.calcPoints = static_cast<int>(state.range(1));
    shape.ties = 4;
    shape.rings = 3;
    const int placed = tvtest::BuildRadial(doc, shape);
    for (auto _ : state)
        doc.DoCalculateAll();
    state.counters["elements"] = placed;
}
BENCHMARK(BM_CalculationMeshed)
    ->Args({200, 50})
    ->Args({500, 125})
    ->Args({2000, 500})
    ->Unit(benchmark::kMillisecond);

// The whole command: the undo snapshot of the project, the calculation,
// the mode.
void BM_CalculationCommand(benchmark::State& state) {
    CTovarineDocData doc;
    tvtest::RadialShape shape;
    shape.ties = 10;
    tvtest::BuildRadial(doc, shape);
    for (auto _ : state) {
        doc.m_nMode = 2;
        doc.DoModeCalculation();
    }
}
BENCHMARK(BM_CalculationCommand)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    RegisterTovarineStrings();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
