// Computing and merging the curves of one device, as the co-ordination view
// does for every device on every redraw.

#include "tests/dorventa/CurveDevices.h"

#include "framework/ProgramFolder.h"
#include "resources/StringTables.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

struct Fixture {
    dvtest::OpenDatabases db;
    dvtest::CurveDevice device;
};

Fixture& Acb() {
    static std::unique_ptr<Fixture> f = [] {
        auto fixture = std::make_unique<Fixture>();
        // Air circuit breaker KVA-16N: long time, short time, instantaneous.
        dvtest::ReadDevice(fixture->db, fixture->device, 2, 172, 400);
        return fixture;
    }();
    return *f;
}

// Typical, upper and lower curves of the three elements, each list mapped
// onto the graph and merged into its envelope.
void BM_ComputeAndMergeThreeElementsWithBand(benchmark::State& state) {
    const dvtest::CurveDevice& d = Acb().device;
    dvtest::Graph graph;
    for (auto _ : state) {
        dvtest::DeviceCurves curves;
        dvtest::ComputeCurves(d, curves);
        CdPointList typical, upper, lower;
        dvtest::MergeOnGraph(curves.typical, graph, typical);
        dvtest::MergeOnGraph(curves.upper, graph, upper);
        dvtest::MergeOnGraph(curves.lower, graph, lower);
        benchmark::DoNotOptimize(typical.GetCount() + upper.GetCount() + lower.GetCount());
    }
}
BENCHMARK(BM_ComputeAndMergeThreeElementsWithBand)->Unit(benchmark::kMicrosecond);

// The merge alone, on curves already computed and mapped.
void BM_MergeOnly(benchmark::State& state) {
    const dvtest::CurveDevice& d = Acb().device;
    dvtest::Graph graph;
    dvtest::DeviceCurves curves;
    dvtest::ComputeCurves(d, curves);
    graph.Map(curves.typical);
    graph.Map(curves.upper);
    graph.Map(curves.lower);
    for (auto _ : state) {
        for (const COneCurveList* list : {&curves.typical, &curves.upper, &curves.lower}) {
            COneCurveList work;
            work.DoCopyAllOneCurves(*list);
            CdPointList envelope;
            envelope.DoMakeOneCurve(work);
            benchmark::DoNotOptimize(envelope.GetCount());
        }
    }
}
BENCHMARK(BM_MergeOnly)->Unit(benchmark::kMicrosecond);

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
