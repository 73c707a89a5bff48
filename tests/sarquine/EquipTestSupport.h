#pragma once

// Helpers of the equipment-database tests: the real database, and the shared
// combo and fixture helpers.

#include "equipdata/Sarquine.h"
#include "tests/common/ComboTestSupport.h"

#include <gtest/gtest.h>

namespace equiptest {

// The equipment database built beside the test program, as the application
// holds it.
class RealDb {
public:
    RealDb() : m_db(DLLGetMDBSarquine()) {}
    ~RealDb() { DLLDelMDBSarquine(m_db); }
    RealDb(const RealDb&) = delete;
    RealDb& operator=(const RealDb&) = delete;
    fw::CDatabase* Get() const { return m_db; }

private:
    fw::CDatabase* m_db;
};

using tvtest::Data;
using tvtest::OpenFixture;
using tvtest::RefusingCombo;
using tvtest::Selected;
using tvtest::StringTableSwap;
using tvtest::Texts;

} // namespace equiptest
