// The Calculation command's work on generated radial skeletons: every
// calculation point's three-phase and earth-fault loop reductions and the
// junctions', each on a pruned copy of the whole skeleton.

#include "app/records/ElementKinds.h"
#include "app/shell/model/CCalcSkeleton.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CTovarineDocData.h"
#include "framework/SafeFile.h"
#include "resources/StringTables.h"
#include "tests/app/shell/model/CalcNetwork.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <numeric>
#include <string>
#include <vector>

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
    ->Args({5000, 1250})
    ->Args({20000, 5000})
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
    ->Args({5000, 1250})
    ->Args({20000, 5000})
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

// --- the generated network as a nodal system, for scripts/calc_compare.py -----

// The network the benchmark calculates, written as text: each element's two
// ends (one node for a zero conductor), joined where the skeleton connects
// them; "B a b R X RN XN" an element in series between two nodes (percent on
// the base capacity: phases, and neutral of the loop), "S a R X RN XN" an
// in-feed (source, transformer's supply side, generator, motor effect)
// between a node and the reference, "P a" a calculation point.
int DumpNetwork(const tvtest::RadialShape& shape, const char* path) {
    CTovarineDocData doc;
    tvtest::BuildRadial(doc, shape);
    CObjElementList all;
    doc.CollectElements(all);
    const CCalcSkeleton skeleton(all);
    const size_t n = all.GetCount();
    std::vector<size_t> parent(2 * n);
    std::iota(parent.begin(), parent.end(), 0);
    auto find = [&](size_t x) {
        while (parent[x] != x)
            x = parent[x] = parent[parent[x]];
        return x;
    };
    auto join = [&](size_t a, size_t b) { parent[find(a)] = find(b); };
    // Upper or left end 2i, lower or right end 2i + 1.
    auto end = [](size_t i, int32_t d) { return 2 * i + (d == kDirUp || d == kDirLeft ? 0 : 1); };
    const CEleDocSettings settings = doc.GetEleSettings();
    std::vector<CPercentZ> z(n);
    std::vector<CPercentZ> zn(n);
    for (size_t i = 0; i < n; ++i) {
        CObjElement* e = all.GetAt(i);
        z[i] = e->DoCalcPercentZ(settings);
        zn[i] = e->DoCalcPercentZNPE(settings);
        if (e->GetKind() == kKindZeroCond || (z[i].m_dR == 0.0 && z[i].m_dX == 0.0))
            join(2 * i, 2 * i + 1);
        for (int32_t d : {kDirUp, kDirDown, kDirLeft, kDirRight}) {
            const int32_t opposite = d == kDirUp     ? kDirDown
                                     : d == kDirDown ? kDirUp
                                     : d == kDirLeft ? kDirRight
                                                     : kDirLeft;
            if (const std::vector<int32_t>* next = skeleton.Neighbours(static_cast<int32_t>(i), d))
                for (int32_t c : *next)
                    join(end(i, d), end(static_cast<size_t>(c), opposite));
        }
    }
    FILE* out = std::fopen(path, "w");
    if (!out)
        return 1;
    std::fprintf(out, "# %zu elements, tree %d, path form %d\n", n, skeleton.IsTree() ? 1 : 0,
                 skeleton.IsPathForm() ? 1 : 0);
    for (size_t i = 0; i < n; ++i) {
        const int32_t kind = all.GetAt(i)->GetKind();
        const CPercentZ& p = z[i];
        const CPercentZ& q = zn[i];
        const size_t a = find(2 * i);
        const size_t b = find(2 * i + 1);
        switch (kind) {
        case kKindSource:
        case kKindGenerator:
            std::fprintf(out, "S %zu %.17g %.17g %.17g %.17g\n", b, p.m_dR, p.m_dX, q.m_dRN,
                         q.m_dXN);
            break;
        case kKindMotorEff:
            std::fprintf(out, "S %zu %.17g %.17g %.17g %.17g\n", a, p.m_dR, p.m_dX, q.m_dRN,
                         q.m_dXN);
            break;
        case kKindZeroCond:
        case kKindMotor:
        case kKindLoad:
        case kKindCapacitor:
            break;
        default:
            if (a != b)
                std::fprintf(out, "B %zu %zu %.17g %.17g %.17g %.17g\n", a, b, p.m_dR, p.m_dX,
                             q.m_dRN, q.m_dXN);
            break;
        }
    }
    CObjElementList order;
    order.CollectCalcOrder(all);
    for (CObjElement* e : order) {
        for (size_t i = 0; i < n; ++i) {
            if (all.GetAt(i) == e)
                std::fprintf(out, "P %zu\n", find(2 * i + 1));
        }
    }
    return std::fclose(out) == 0 ? 0 : 1;
}

// With elements 0 the networks have 100 to 460 symbols by their seed, else
// that many each.
int StoreResults(int seeds, const char* path, int elements) {
    std::vector<uint8_t> all;
    for (int seed = 1; seed <= seeds; ++seed) {
        for (int meshed = 0; meshed < 2; ++meshed) {
            tvtest::RadialShape shape;
            shape.seed = static_cast<unsigned>(seed);
            shape.elements = elements > 0 ? elements : 100 + (seed % 7) * 60;
            shape.calcPoints = shape.elements / 3;
            shape.motorEffects = seed % 4;
            shape.generators = seed % 3;
            shape.ties = seed % 5;
            shape.rings = meshed ? 1 + seed % 4 : 0;
            CTovarineDocData doc;
            tvtest::BuildRadial(doc, shape);
            doc.DoCalculateAll();
            const std::vector<uint8_t> bytes = tvtest::StoredBytes(doc);
            all.insert(all.end(), bytes.begin(), bytes.end());
        }
    }
    try {
        fw::WriteFileSafely(path, all);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    RegisterTovarineStrings();
    // calc_bench --dump radial|meshed ELEMENTS POINTS FILE writes the
    // network of that benchmark instead of running the benchmarks.
    if (argc == 6 && std::strcmp(argv[1], "--dump") == 0) {
        tvtest::RadialShape shape;
        const bool meshed = std::strcmp(argv[2], "meshed") == 0;
        shape.elements = std::atoi(argv[3]);
        shape.calcPoints = std::atoi(argv[4]);
        shape.ties = meshed ? 4 : 10;
        shape.rings = meshed ? 3 : 0;
        return DumpNetwork(shape, argv[5]);
    }
    // calc_bench --store SEEDS FILE [ELEMENTS] calculates generated radial
    // and meshed networks (seeds 1 to SEEDS, up to 460 symbols each, or
    // about ELEMENTS) and writes what each project stores, one after the
    // other: two builds that calculate alike write the same file (compare
    // with cmp).
    if ((argc == 4 || argc == 5) && std::strcmp(argv[1], "--store") == 0)
        return StoreResults(std::atoi(argv[2]), argv[3], argc == 5 ? std::atoi(argv[4]) : 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
