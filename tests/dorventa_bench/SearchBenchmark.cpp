// One automatic selection as a project runs it for each breaker: a 400 V
// breaker of 100 A, Icu search over the whole reference breaker database
// (every maker and breaker code walked).

#include "breakerdata/model/CCandidate.h"
#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_TypeLVCB.h"
#include "breakerdata/recordsets/CRSManufacture.h"
#include "breakerdata/recordsets/RecordsetFrame.h"
#include "framework/Database.h"
#include "framework/ProgramFolder.h"
#include "resources/StringTables.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SearchByIcu400V100A(benchmark::State& state) {
    fw::CDatabase db;
    db.Open(dorventa::GetPathMDBDorventa());
    CInfoBase selection;
    selection.m_nKindFlag = 2;
    selection.m_nVoltage = 400;
    selection.m_dRatedValue = 100;
    CCandidateList list;
    for (auto _ : state) {
        list.DoSearchGetByCapacity(&db, &selection, 0, 3, 25000, 2);
        benchmark::DoNotOptimize(list.GetCount());
    }
    state.counters["candidates"] = list.GetCount();
}
BENCHMARK(BM_SearchByIcu400V100A)->Unit(benchmark::kMicrosecond);

// The parts of one step of the walk: the maker row, the group lookup and one
// pass over the selection join for one group.
void BM_StepMaker(benchmark::State& state) {
    fw::CDatabase db;
    db.Open(dorventa::GetPathMDBDorventa());
    CInfoBase s;
    for (auto _ : state) {
        CRSManufacture rs(&db);
        benchmark::DoNotOptimize(rs.DoReadByManufactureID(1, &s));
    }
}
BENCHMARK(BM_StepMaker)->Unit(benchmark::kMicrosecond);

void BM_StepGroup(benchmark::State& state) {
    fw::CDatabase db;
    db.Open(dorventa::GetPathMDBDorventa());
    std::string name;
    for (auto _ : state) {
        CRSBreak_Group rs(&db);
        benchmark::DoNotOptimize(rs.DoReadGetGroupID(1, 2, 11, name));
    }
}
BENCHMARK(BM_StepGroup)->Unit(benchmark::kMicrosecond);

void BM_StepPass(benchmark::State& state) {
    fw::CDatabase db;
    db.Open(dorventa::GetPathMDBDorventa());
    CInfoBase s;
    s.m_lManufactureID = 1;
    s.m_lGroupID = 2;
    s.m_nKindFlag = 2;
    s.m_nVoltage = 400;
    s.m_dRatedValue = 100;
    CCandidateList list;
    for (auto _ : state) {
        list.DoDeleteAllCandidate();
        CRSBreak_TypeLVCB rs(&db);
        rs.DoSearchSetToList(&list, &s, 0, 3, 25000, 2);
        benchmark::DoNotOptimize(list.GetCount());
    }
}
BENCHMARK(BM_StepPass)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    fw::ForceCLocale();
    RegisterTovarineStrings();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
