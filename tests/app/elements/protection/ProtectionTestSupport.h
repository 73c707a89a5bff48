#pragma once

// Shared by the tests of the protective elements: all four reference
// databases of the build handed to the models for the life of one test, and
// the records read and written as a file of a version holds them.

#include "app/records/FileVersion.h"
#include "app/records/ModelDatabases.h"
#include "breakerdata/recordsets/CVersion.h"
#include "breakerdata/recordsets/DorventaDatabases.h"
#include "framework/Archive.h"
#include "tests/app/elements/ModelDatabasesTestSupport.h"
#include "tests/common/HexFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace protecttest {

// The breaker and curve databases beside the equipment and list databases.
class BreakerDatabasesScope {
public:
    BreakerDatabasesScope() : m_previous(GetModelDatabases()) {
        CVersion expected;
        expected.m_strCountry = "Japan";
        expected.m_strMaker = "KESTRAVAL";
        expected.m_strProduct = "TOVARINE2";
        expected.m_strVersion = "1.20";
        expected.m_strLanguage = "English";
        expected.m_strMdbVersion = "1.52";
        CVersion curveExpected = expected;
        m_breaker = DLLGetMDBDorventa(&expected, nullptr);
        m_curve = DLLGetMDBOrbelune(&curveExpected);
        CModelDatabases dbs = GetModelDatabases();
        dbs.pBreaker = m_breaker;
        dbs.pCurve = m_curve;
        SetModelDatabases(dbs);
    }
    ~BreakerDatabasesScope() {
        SetModelDatabases(m_previous);
        DLLDelMDBDorventa(m_breaker);
        DLLDelMDBOrbelune(m_curve);
    }
    BreakerDatabasesScope(const BreakerDatabasesScope&) = delete;
    BreakerDatabasesScope& operator=(const BreakerDatabasesScope&) = delete;
    bool IsOpen() const { return m_breaker && m_curve; }

private:
    CModelDatabases m_previous;
    fw::CDatabase* m_breaker = nullptr;
    fw::CDatabase* m_curve = nullptr;
};

class WithAllDatabases : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dbs.IsOpen());
        ASSERT_TRUE(m_breakers.IsOpen());
    }
    elementtest::ModelDatabasesScope m_dbs;
    BreakerDatabasesScope m_breakers;
};

inline std::vector<uint8_t> Fixture(const std::string& path) {
    return tvtest::ReadHexFixture(path);
}

template <class Model> std::vector<uint8_t> Store(Model& model) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    model.Serialize(ar);
    return ar.Bytes();
}

// Loads a record as a file of the version holds it; the whole record must
// be taken.
template <class Model> void Load(Model& model, const std::vector<uint8_t>& bytes, double version) {
    fw::CArchive ar = fw::CArchive::ForLoading(bytes);
    ar.SetReadVersion(version);
    model.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u) << "version " << version;
}

// Every record cut short anywhere raises the archive error.
template <class Model>
void ExpectCutShortRefused(const std::vector<uint8_t>& bytes, double version) {
    for (size_t keep = 0; keep < bytes.size(); ++keep) {
        std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(keep));
        fw::CArchive ar = fw::CArchive::ForLoading(cut);
        ar.SetReadVersion(version);
        Model model;
        EXPECT_THROW(model.Serialize(ar), fw::CArchiveException) << "cut at " << keep;
    }
}

} // namespace protecttest
