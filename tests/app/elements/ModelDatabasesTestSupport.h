#pragma once

// Shared by the tests of the supply and conductor elements: the reference
// databases of the build handed to the models, as the application hands
// over its open handles, for the life of one scope or test; and what their
// documents for the element object answer alike.

#include "app/records/ModelDatabases.h"
#include "app/shell/model/CElementDocument.h"
#include "equipdata/Sarquine.h"
#include "listdata/Quenlor.h"

#include <gtest/gtest.h>

#include <map>

namespace elementtest {

// The build's equipment and list databases as the models' handles for the
// life of the scope; the handles before it come back at its end.
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

// The base of the tests' documents: the counters by kind, the mode, the
// frequency and the base capacity from its fields; no capacity above and no
// propagation to the neighbours unless a test's document answers otherwise.
class TestDocumentBase : public CElementDocument {
public:
    int32_t GetCounter(int32_t kind) const override {
        auto it = counters.find(kind);
        return it == counters.end() ? 0 : it->second;
    }
    int32_t IncrementCounter(int32_t kind) override { return ++counters[kind]; }
    int32_t GetMode() const override { return mode; }
    int32_t GetFrequency() const override { return frequency; }
    double GetBaseCapacity() const override { return baseCapacity; }
    double GetUpstreamCapacity(CObjElement*) override { return 0.0; }
    void DoPropagateDown(CObjElement*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void DoPropagateUp(CObjElement*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void DoPropagateLeft(CObjElement*, int32_t, int32_t, int32_t, int32_t) override {}
    void DoPropagateRight(CObjElement*, int32_t, int32_t, int32_t, int32_t) override {}

    std::map<int32_t, int32_t> counters;
    int32_t mode = 1;
    int32_t frequency = 50;
    double baseCapacity = 1000.0;
};

} // namespace elementtest
