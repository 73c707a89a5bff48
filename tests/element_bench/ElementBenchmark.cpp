// The element object on a large project: 2000 elements of every kind with a
// model, written and read back as a group writes them (object records), deep
// copies as the undo snapshot takes them, and one dispatched question to
// every element as the circuit walks ask it.

#include "app/shell/model/CObjElement.h"
#include "app/shell/model/ElementKindTable.h"
#include "framework/Archive.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int kElements = 2000;

std::vector<std::unique_ptr<CObjElement>> MakeProject() {
    std::vector<int32_t> kinds;
    for (int32_t kind = 1; kind <= 16; ++kind)
        if (ElementKindTable::HasModel(kind))
            kinds.push_back(kind);
    std::vector<std::unique_ptr<CObjElement>> elements;
    for (int i = 0; i < kElements; ++i) {
        auto element = std::make_unique<CObjElement>(kinds[i % kinds.size()]);
        element->SetVoltage(400);
        elements.push_back(std::move(element));
    }
    return elements;
}

std::vector<uint8_t> Store(const std::vector<std::unique_ptr<CObjElement>>& elements) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    for (const auto& element : elements)
        ar.WriteObject(element.get());
    return ar.Bytes();
}

void BM_StoreElements(benchmark::State& state) {
    auto elements = MakeProject();
    size_t bytes = 0;
    for (auto _ : state) {
        bytes = Store(elements).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_StoreElements)->Unit(benchmark::kMillisecond);

void BM_LoadElements(benchmark::State& state) {
    const std::vector<uint8_t> bytes = Store(MakeProject());
    for (auto _ : state) {
        fw::CArchive ar = fw::CArchive::ForLoading(bytes);
        int loaded = 0;
        while (ar.Remaining() > 0) {
            std::unique_ptr<CObjElement> element = ar.ReadOwned<CObjElement>();
            loaded += element ? 1 : 0;
        }
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK(BM_LoadElements)->Unit(benchmark::kMillisecond);

void BM_CopyElements(benchmark::State& state) {
    auto elements = MakeProject();
    for (auto _ : state) {
        std::vector<CObjElement> copies;
        copies.reserve(elements.size());
        for (const auto& element : elements)
            copies.emplace_back(*element);
        benchmark::DoNotOptimize(copies.data());
    }
}
BENCHMARK(BM_CopyElements)->Unit(benchmark::kMillisecond);

void BM_DispatchVoltage(benchmark::State& state) {
    auto elements = MakeProject();
    for (auto _ : state) {
        int64_t sum = 0;
        for (const auto& element : elements)
            sum += element->GetVoltage(1) + element->HasUpperTerminal();
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_DispatchVoltage)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
