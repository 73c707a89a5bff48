// The characteristics of a co-ordination graph: 200 breakers read from the
// databases as a loaded document holds them, their curves computed and laid
// on one graph, as the view does after loading; and one device recomputed
// and laid out again after a dial change, as the dial sheet does on every
// click.

#include "tests/app/protection/AdjustTestSupport.h"

#include "framework/ProgramFolder.h"
#include "resources/StringTables.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int kBreakers = 200;

// Breakers of the database: the MCCB KVC-125S (thermal-magnetic) and the
// air circuit breaker KVA-16N (long time, short time, instantaneous).
constexpr int32_t kTypes[] = {124, 172};

void BM_BuildTwoHundredBreakersOnOneGraph(benchmark::State& state) {
    adjusttest::BreakerDatabasesScope dbs;
    const CObjGraph graph = adjusttest::WorkedGraph(400);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::unique_ptr<CObjAdjust>> breakers;
        for (int i = 0; i < kBreakers; ++i) {
            auto adjust = std::make_unique<CObjAdjust>();
            adjusttest::ReadLoaded(*adjust, 2, kTypes[i % 2], 400);
            breakers.push_back(std::move(adjust));
        }
        state.ResumeTiming();
        for (auto& adjust : breakers) {
            adjust->DoCalcCurve(50);
            benchmark::DoNotOptimize(adjust->DoMakeAdjustCurve(graph, 25000.0));
        }
    }
    state.SetItemsProcessed(state.iterations() * kBreakers);
}
BENCHMARK(BM_BuildTwoHundredBreakersOnOneGraph)->Unit(benchmark::kMillisecond);

void BM_RecomputeOneDeviceAfterADialChange(benchmark::State& state) {
    adjusttest::BreakerDatabasesScope dbs;
    const CObjGraph graph = adjusttest::WorkedGraph(400);
    CObjAdjust adjust;
    adjusttest::ReadLoaded(adjust, 2, 172, 400);
    adjust.DoCalcCurve(50);
    CInfoPart& shortTime = *adjust.m_listInfoPart.GetAt(1);
    const double settings[] = {shortTime.m_dTime, shortTime.m_dTime * 2};
    int turn = 0;
    for (auto _ : state) {
        shortTime.m_dTime = settings[turn++ % 2];
        adjust.DoCalcCurve(50);
        benchmark::DoNotOptimize(adjust.DoMakeAdjustCurve(graph, 25000.0));
    }
}
BENCHMARK(BM_RecomputeOneDeviceAfterADialChange)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    fw::ForceCLocale();
    RegisterTovarineStrings();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
