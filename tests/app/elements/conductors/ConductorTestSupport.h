#pragma once

// The reference databases of the build handed to the models, as the
// application hands over its open handles, for the life of one test.

#include "app/records/ModelDatabases.h"
#include "equipdata/Sarquine.h"
#include "listdata/Quenlor.h"

#include <gtest/gtest.h>

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

} // namespace condtest
