#pragma once

// The reference databases of the build handed to the models, as the
// application hands over its open handles, for the life of one test.

#include "app/records/ModelDatabases.h"
#include "app/shell/model/CElementDocument.h"
#include "equipdata/Sarquine.h"
#include "listdata/Quenlor.h"

#include <gtest/gtest.h>

#include <map>

namespace condtest {

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

// A test that reads the reference databases.
class WithDatabases : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dbs.IsOpen()); }
    ModelDatabasesScope m_dbs;
};

// A document of its own for the element object: counters, the settings a
// new or edited element takes, the circuit values its neighbours report,
// and a record of what the element asked for.
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
    void DoReturnToCheckMode() override {
        mode = 2;
        ++returnsToCheck;
    }
    int32_t FindVoltage(CObjElement*, int32_t* singlePhase, int32_t) override {
        if (singlePhase)
            *singlePhase = foundSinglePhase;
        return foundVoltage;
    }
    uint32_t FindWireSystem(CObjElement*, int32_t) override { return foundWireSystem; }
    uint32_t FindEarthingSystem(CObjElement*, int32_t) override { return foundEarthing; }
    double GetUpstreamCapacity(CObjElement*) override { return 0.0; }
    void DoPropagateDown(CObjElement*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void DoPropagateUp(CObjElement*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void DoPropagateLeft(CObjElement*, int32_t, int32_t, int32_t, int32_t) override {}
    void DoPropagateRight(CObjElement*, int32_t, int32_t, int32_t, int32_t) override {}

    std::map<int32_t, int32_t> counters;
    int32_t mode = 1;
    int32_t frequency = 50;
    double baseCapacity = 1000.0;
    int32_t foundVoltage = 400;
    int32_t foundSinglePhase = 0;
    uint32_t foundWireSystem = 0;
    uint32_t foundEarthing = 0;
    int undoSnapshots = 0;
    int returnsToCheck = 0;
};

} // namespace condtest
