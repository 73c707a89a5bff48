// What a user waits for in the catalogue program: an Optional search with
// its table over every maker, the rebuild of that table after opening a
// document, one printed page, the pagination of a long co-ordination table,
// and a save and load of a document's stream.

#include "catalogue/model/CDrawDataY.h"
#include "catalogue/model/CPrintInfo.h"
#include "catalogue/model/CZedezuziDocData.h"
#include "catalogue/model/PrintMapping.h"

#include "breakerdata/model/CReadCoordination.h"
#include "breakerdata/recordsets/DorventaDatabases.h"
#include "listdata/Quenlor.h"

#include "framework/Archive.h"
#include "framework/CompoundFile.h"
#include "framework/DeviceContext.h"
#include "framework/ProgramFolder.h"
#include "resources/StringTables.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

CVersion Program() {
    CVersion v;
    v.m_strCountry = "Japan";
    v.m_strMaker = "KESTRAVAL";
    v.m_strProduct = "TOVARINE2";
    v.m_strVersion = "1.00";
    v.m_strLanguage = "English";
    v.m_strMdbVersion = "1.52";
    return v;
}

struct Databases {
    Databases() {
        CVersion expected = Program();
        CVersion reading = expected;
        breaker = DLLGetMDBDorventa(&expected, &reading);
        list = DLLGetMDBQuenlor();
    }
    ~Databases() {
        DLLDelMDBDorventa(breaker);
        DLLDelMDBQuenlor(list);
    }
    fw::CDatabase* breaker = nullptr;
    fw::CDatabase* list = nullptr;
};

// An Optional search over every maker: 400 V, 100 A, no capacity bound.
void PrepareOptional(CZedezuziDocData& d, const Databases& db) {
    d.DoSetDefaults(db.breaker, db.list, Program());
    d.m_nSearchKind = kSearchOptional;
    d.m_InfoBaseOptional.m_lManufactureID = 0;
    d.m_InfoBaseOptional.m_strManufactureName.clear();
    d.m_InfoBaseOptional.m_nVoltage = 400;
    d.m_InfoBaseOptional.m_dRatedValue = 100;
    d.m_dOptionalCapacity = 0;
    d.m_nOptionalPoles = 3;
}

void BM_OptionalSearchWithTable(benchmark::State& state) {
    Databases db;
    CZedezuziDocData d;
    PrepareOptional(d, db);
    for (auto _ : state) {
        d.DoSearch(db.breaker);
        benchmark::DoNotOptimize(d.m_listDrawDataX.GetCount());
    }
    state.counters["columns"] = d.m_listCandidate.GetCount();
}
BENCHMARK(BM_OptionalSearchWithTable)->Unit(benchmark::kMillisecond);

void BM_RebuildAfterOpen(benchmark::State& state) {
    Databases db;
    CZedezuziDocData d;
    PrepareOptional(d, db);
    d.DoSearch(db.breaker);
    for (auto _ : state) {
        d.DoRebuildTables(db.breaker);
        benchmark::DoNotOptimize(d.m_listDrawDataX.GetCount());
    }
    state.counters["columns"] = d.m_listCandidate.GetCount();
}
BENCHMARK(BM_RebuildAfterOpen)->Unit(benchmark::kMillisecond);

void BM_PrintFirstPageOfTableX(benchmark::State& state) {
    Databases db;
    CZedezuziDocData d;
    PrepareOptional(d, db);
    d.DoSearch(db.breaker);
    CPrintInfo info;
    info.m_sizePage = fw::CSize(7016, 4961); // A4 landscape at 600 dpi
    for (auto _ : state) {
        fw::CRecordingDC dc(600, true);
        DoSetPrintMapping(&dc, kSearchOptional, info, d.m_infoPrint,
                          d.m_listDrawDataX.GetExtent(d.m_listCandidate.GetCount()).cy, 2184);
        benchmark::DoNotOptimize(d.m_listDrawDataX.DoPrint(&dc, info, d.m_infoPrint));
    }
}
BENCHMARK(BM_PrintFirstPageOfTableX)->Unit(benchmark::kMillisecond);

void BM_PaginateLongCoordinationTable(benchmark::State& state) {
    CReadCoordinationList rows;
    for (int i = 0; i < state.range(0); ++i)
        rows.DoAddNewReadCoordination()->m_dP = 1 + i;
    CDrawDataYList list;
    list.DoMakeConditions(1, 1);
    list.DoMakeTable(nullptr, rows);
    for (auto _ : state)
        benchmark::DoNotOptimize(list.DoPaginate(1374).size());
}
BENCHMARK(BM_PaginateLongCoordinationTable)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_SaveAndLoadDocument(benchmark::State& state) {
    Databases db;
    CZedezuziDocData d;
    PrepareOptional(d, db);
    d.DoSearch(db.breaker);
    CVersion program = Program();
    CVersion last = program;
    CVersionList accepted;
    *accepted.DoAddNewVersion() = program;
    CZedezuziVersions versions{&program, &last, &accepted};
    for (auto _ : state) {
        fw::CArchive store = fw::CArchive::ForStoring();
        d.Serialize(store, versions);
        fw::CCompoundFile file;
        file.SetStream("Contents", store.Bytes());
        fw::CCompoundFile back = fw::CCompoundFile::FromBytes(file.ToBytes(), "memory");
        fw::CArchive load = fw::CArchive::ForLoading(*back.FindStream("Contents"));
        CZedezuziDocData loaded;
        loaded.Serialize(load, versions);
        benchmark::DoNotOptimize(loaded.m_listCandidate.GetCount());
    }
}
BENCHMARK(BM_SaveAndLoadDocument)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // Fonts for the printed page, without a screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    fw::ForceCLocale();
    RegisterZedezuziStrings();
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    return 0;
}
