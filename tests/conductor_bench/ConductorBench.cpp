// What a conductor's sheet does on every keystroke, and what a calculation
// asks of each conductor: a group computed again from the equipment tables
// (three look-ups for a wire, two for a bus-bar, one for a bus-duct), and a
// percent impedance.

#include "app/elements/conductors/CEleBusBar.h"
#include "app/elements/conductors/CEleBusDuct.h"
#include "app/elements/conductors/CEleWire.h"
#include "app/records/ModelDatabases.h"
#include "equipdata/Sarquine.h"
#include "framework/ProgramFolder.h"
#include "resources/StringTables.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_WireGroupRecalc(benchmark::State& state) {
    CEleWireBasic basic;
    basic.m_nMaterial = 1;
    basic.m_nInsulation = 1;
    basic.m_nCoreKind = 1;
    basic.m_nMethod = 6;
    basic.m_nCircuits = 2;
    basic.m_dAmbientTemp = 30.0;
    CEleWirePhase g;
    g.m_dCoreSize = 240.0;
    g.m_nCores = 2;
    for (auto _ : state) {
        g.CalcPhaseImpedance(50.0, basic, 0.0, 0.0, 0.0);
        g.CalcPhaseAmpacity(basic, g.m_dCoreSize, g.m_nCores);
        benchmark::DoNotOptimize(g.m_dXPerMetre);
    }
}
BENCHMARK(BM_WireGroupRecalc);

void BM_BusBarGroupRecalc(benchmark::State& state) {
    CEleBusBarBasic basic;
    basic.m_nMaterial = 1;
    basic.m_nSurface = 1;
    basic.m_nInstallation = 1;
    basic.m_dMaxTemp = 65.0;
    basic.m_dAmbientTemp = 35.0;
    CEleBusBarPhase g;
    for (auto _ : state) {
        g.DoCalcZByValues(50.0, basic, 100, 10, 2, 200, 0.0);
        g.DoCalcIByValues(basic, 100, 10, 2);
        benchmark::DoNotOptimize(g.m_dRPerMetre);
    }
}
BENCHMARK(BM_BusBarGroupRecalc);

void BM_BusDuctLookUp(benchmark::State& state) {
    CEleBusDuctBasic basic;
    basic.m_nMaterial = 1;
    CEleBusDuctPhase g;
    g.m_dRatedCurrent = 2500.0;
    for (auto _ : state) {
        g.DoReadByRatedCurrent(50.0, basic);
        benchmark::DoNotOptimize(g.m_dRPerMetre);
    }
}
BENCHMARK(BM_BusDuctLookUp);

void BM_WirePercentZ(benchmark::State& state) {
    CEleWire w;
    w.m_nVoltage = 400;
    w.m_basic.m_nWireSystem = 3;
    w.m_basic.m_dLength = 50.0;
    for (CEleWirePhase* g : {&w.m_phase3, &w.m_phaseN, &w.m_phasePE}) {
        g->m_dRPerMetre = 0.0746;
        g->m_dXPerMetre = 0.08;
        g->m_nCores = 1;
    }
    CEleDocSettings settings;
    for (auto _ : state) {
        CPercentZ z;
        CPercentZ npe;
        w.DoCalcPercentZ(z, settings);
        w.DoCalcPercentZNPE(npe, settings);
        benchmark::DoNotOptimize(z.m_dR + npe.m_dRPE);
    }
}
BENCHMARK(BM_WirePercentZ);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    fw::ForceCLocale();
    RegisterTovarineStrings();
    fw::CDatabase* equipment = DLLGetMDBSarquine();
    CModelDatabases dbs;
    dbs.pEquip = equipment;
    SetModelDatabases(dbs);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    SetModelDatabases(CModelDatabases());
    DLLDelMDBSarquine(equipment);
    return 0;
}
