#pragma once

// What the supply elements' tests share: the reference databases of the
// build handed to the models for the life of a test.

#include "app/records/ModelDatabases.h"
#include "equipdata/Sarquine.h"
#include "listdata/Quenlor.h"

namespace supplytest {

class ModelDatabasesScope {
public:
    ModelDatabasesScope() : m_previous(GetModelDatabases()) {
        m_equip = DLLGetMDBSarquine();
        m_list = DLLGetMDBQuenlor();
        CModelDatabases dbs = m_previous;
        dbs.pEquip = m_equip;
        dbs.pList = m_list;
        SetModelDatabases(dbs);
    }
    ~ModelDatabasesScope() {
        SetModelDatabases(m_previous);
        DLLDelMDBSarquine(m_equip);
        DLLDelMDBQuenlor(m_list);
    }
    ModelDatabasesScope(const ModelDatabasesScope&) = delete;
    ModelDatabasesScope& operator=(const ModelDatabasesScope&) = delete;

    bool IsOpen() const { return m_equip && m_list; }

private:
    CModelDatabases m_previous;
    fw::CDatabase* m_equip = nullptr;
    fw::CDatabase* m_list = nullptr;
};

} // namespace supplytest

#include "app/shell/model/CElementDocument.h"

#include <map>

namespace supplytest {

// A document of its own for the element object: counters, settings, what
// the neighbour queries answer, and a count of undo snapshots and hooks.
class TestDocument : public CElementDocument {
public:
    int32_t GetCounter(int32_t kind) const override {
        auto it = counters.find(kind);
        return it == counters.end() ? 0 : it->second;
    }
    int32_t IncrementCounter(int32_t kind) override { return ++counters[kind]; }
    int32_t GetMode() const override { return mode; }
    int32_t GetFrequency() const override { return frequency; }
    double GetBaseCapacity() const override { return baseCapacity; }
    void SaveUndo() override { ++undoSnapshots; }
    void DoChangeFrequency(int32_t f) override {
        ++frequencyChanges;
        frequency = f;
    }
    void DoReturnToCheckMode() override {
        ++checkModeReturns;
        mode = 2;
    }
    int32_t FindVoltage(CObjElement*, int32_t* singlePhase, int32_t mask) override {
        if (singlePhase)
            *singlePhase = foundSinglePhase;
        if (mask == 16)
            return voltageUp;
        if (mask == 64)
            return voltageDown;
        return voltage;
    }
    uint32_t FindWireSystem(CObjElement*, int32_t) override { return wireSystem; }
    uint32_t FindEarthingSystem(CObjElement*, int32_t) override { return earthing; }
    double GetUpstreamCapacity(CObjElement*) override { return 0.0; }
    void DoPropagateDown(CObjElement*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void DoPropagateUp(CObjElement*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void DoPropagateLeft(CObjElement*, int32_t, int32_t, int32_t, int32_t) override {}
    void DoPropagateRight(CObjElement*, int32_t, int32_t, int32_t, int32_t) override {}

    std::map<int32_t, int32_t> counters;
    int32_t mode = 1;
    int32_t frequency = 50;
    double baseCapacity = 1000.0;
    int undoSnapshots = 0;
    int frequencyChanges = 0;
    int checkModeReturns = 0;
    // What the neighbour queries find: the voltage of the directions asked
    // (up alone, down alone, any other mask), the single-phase flag, the
    // earthing and the wire system; 0 is "none found".
    int32_t voltage = 0;
    int32_t voltageUp = 0;
    int32_t voltageDown = 0;
    int32_t foundSinglePhase = 0;
    uint32_t earthing = 0;
    uint32_t wireSystem = 0;
};

} // namespace supplytest
