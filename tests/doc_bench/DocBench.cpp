// What saving and opening a large project costs: a generated project of
// 2,000 elements (200 installations of a source, a transformer, a bus-bar,
// a zero conductor and three feeders of a cable and a consumer; half of the
// feeders grouped; the motors on a co-ordination graph) stored and loaded
// through the archive alone, and as the document does it with the compound
// file on disk.

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

CObjElement* Place(CTovarineDocData& doc, int32_t kind, int col, int row) {
    CObjGroup* group = doc.m_listGroups.AddNewGroup();
    auto e = std::make_unique<CObjElement>(kind);
    fw::CPoint at(kGridUnit * col + 1, kGridUnit * row + 1);
    e->SetSymbolRect(&at, nullptr);
    CObjElement* raw = e.get();
    group->SetElement(std::move(e));
    raw->DoInitNewElement(doc);
    return raw;
}

// The installations on a grid of 20 a row, each 7 cells wide and 16 high.
void Generate(CTovarineDocData& doc) {
    doc.m_infoProject.m_strProject = "Benchmark";
    doc.m_listGraphs.DoAddNewGraph(1, 0, 10.0, 1e5, 0.01, 1e5);
    for (int k = 0; k < kInstallations; ++k) {
        const int col = (k % 20) * 7;
        const int row = (k / 20) * 16;
        Place(doc, kKindSource, col + 2, row);
        Place(doc, kKindTrans3, col + 2, row + 2);
        Place(doc, kKindBusBar, col + 2, row + 5);
        Place(doc, kKindZeroCond, col, row + 9);
        for (int f = 0; f < 3; ++f) {
            CObjElement* cable = Place(doc, kKindWire, col + 2 * f, row + 10);
            CObjElement* consumer =
                Place(doc, f == 1 ? kKindLoad : kKindMotor, col + 2 * f, row + 14);
            if (consumer->GetKind() == kKindMotor)
                consumer->AddToGraph(1, 0);
            if ((k + f) % 2 != 0)
                continue;
            for (auto& group : doc.m_listGroups)
                if (group->GetElement() == cable || group->GetElement() == consumer)
                    group->m_nSelected = 1;
            CObjGroup* feeder = doc.m_listGroups.AddNewGroup();
            feeder->DoGroupSelected(nullptr, doc.m_listGroups);
            feeder->m_strName = "Feeder";
            doc.m_listGroups.SetSelectAll(0, true, true);
        }
    }
}

CTovarineDocData& Project() {
    static CTovarineDocData doc;
    static const bool generated = (Generate(doc), true);
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
    for (auto _ : state) {
        fw::CArchive ar = fw::CArchive::ForStoring();
        doc.Serialize(ar);
        fw::CCompoundFile file;
        file.SetStream("Contents", ar.Bytes());
        file.Save(path);
    }
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
