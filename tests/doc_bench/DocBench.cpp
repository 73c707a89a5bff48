// What saving and opening a large project costs: a generated project of
// 2,000 elements (200 installations of a source, a transformer, a bus-bar,
// a zero conductor and three feeders of a cable and a consumer; half of the
// feeders grouped; the motors on a co-ordination graph) stored and loaded
// through the archive alone, and as the document does it with the compound
// file on disk.

#include "GeneratedProject.h"

#include "app/records/ElementKinds.h"
#include "app/records/ModelDatabases.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "equipdata/Sarquine.h"
#include "framework/Archive.h"
#include "framework/CompoundFile.h"
#include "framework/ProgramFolder.h"
#include "listdata/Quenlor.h"
#include "resources/StringTables.h"

#include <QCoreApplication>
#include <QDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kInstallations = 200; // 10 elements each

CTovarineDocData& Project() {
    static CTovarineDocData doc;
    static const bool generated = (benchproject::Generate(doc, kInstallations), true);
    (void)generated;
    return doc;
}

std::vector<uint8_t> Store(CTovarineDocData& doc) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    doc.Serialize(ar);
    return ar.Bytes();
}

void Load(CTovarineDocData& doc, const std::vector<uint8_t>& bytes) {
    fw::CArchive ar = fw::CArchive::ForLoading(bytes);
    doc.Serialize(ar);
    if (ar.Remaining() != 0)
        std::abort();
}

std::string TempPath() {
    return QDir::tempPath().toStdString() + "/doc_bench_" +
           std::to_string(QCoreApplication::applicationPid()) + ".tv2";
}

void ReportSize(benchmark::State& state, size_t bytes) {
    CObjElementList all;
    Project().CollectElements(all);
    state.counters["elements"] = static_cast<double>(all.GetCount());
    state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_StoreArchive(benchmark::State& state) {
    CTovarineDocData& doc = Project();
    size_t size = 0;
    for (auto _ : state) {
        std::vector<uint8_t> bytes = Store(doc);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    ReportSize(state, size);
}
BENCHMARK(BM_StoreArchive)->Unit(benchmark::kMillisecond);

void BM_LoadArchive(benchmark::State& state) {
    const std::vector<uint8_t> bytes = Store(Project());
    for (auto _ : state) {
        CTovarineDocData doc;
        Load(doc, bytes);
        benchmark::DoNotOptimize(doc.m_listGroups.GetCount());
    }
    ReportSize(state, bytes.size());
}
BENCHMARK(BM_LoadArchive)->Unit(benchmark::kMillisecond);

// As the document saves: the archive, the "Contents" stream, the compound
// file written to a temporary file and renamed over the old one.
void BM_SaveFile(benchmark::State& state) {
    CTovarineDocData& doc = Project();
    const std::string path = TempPath();
    for (auto _ : state)
        benchproject::SaveFile(doc, path);
    std::remove(path.c_str());
}
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond);

// As the document opens: the compound file read, its "Contents" stream
// loaded into a new document.
void BM_OpenFile(benchmark::State& state) {
    const std::string path = TempPath();
    fw::CCompoundFile written;
    written.SetStream("Contents", Store(Project()));
    written.Save(path);
    for (auto _ : state) {
        fw::CCompoundFile file = fw::CCompoundFile::Load(path);
        CTovarineDocData doc;
        Load(doc, *file.FindStream("Contents"));
        benchmark::DoNotOptimize(doc.m_listGroups.GetCount());
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_OpenFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    fw::ForceCLocale();
    RegisterTovarineStrings();
    // The elements are set up from the reference databases, as when placed.
    fw::CDatabase* equipment = DLLGetMDBSarquine();
    fw::CDatabase* list = DLLGetMDBQuenlor();
    CModelDatabases dbs;
    dbs.pEquip = equipment;
    dbs.pList = list;
    SetModelDatabases(dbs);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    SetModelDatabases(CModelDatabases());
    DLLDelMDBQuenlor(list);
    DLLDelMDBSarquine(equipment);
    return 0;
}
