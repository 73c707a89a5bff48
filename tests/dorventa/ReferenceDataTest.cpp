// The breaker and curve databases built from data/: they open against the
// program's version record, their keys resolve, every list has its default,
// the values the code depends on are present, every device reads its
// settings and curves, and the curves keep the bands of their standards.

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CInfoLine.h"
#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/model/COneCurve.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/model/CReadPart.h"
#include "breakerdata/recordsets/CVersion.h"
#include "breakerdata/recordsets/DorventaDatabases.h"
#include "framework/ProgramFolder.h"
#include "framework/StringTable.h"
#include "tests/common/MessageCapture.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

CVersion ProgramVersion() {
    CVersion v;
    v.m_strCountry = fw::LoadString(24960);
    v.m_strLanguage = fw::LoadString(24961);
    v.m_strMaker = fw::LoadString(24962);
    v.m_strProduct = fw::LoadString(24963);
    v.m_strVersion = fw::LoadString(24965);
    v.m_strMdbVersion = fw::LoadString(24966);
    return v;
}

// Both reference databases as the program opens them.
class ReferenceData : public ::testing::Test {
protected:
    void SetUp() override {
        CVersion expected = ProgramVersion();
        m_breaker.reset(
            dorventa::DoGetMDBDorventaIn(fw::GetProgramFolder(), &expected, &m_dbVersion));
        m_curve.reset(dorventa::DoGetMDBOrbeluneIn(fw::GetProgramFolder(), &expected));
        ASSERT_NE(m_breaker, nullptr);
        ASSERT_NE(m_curve, nullptr);
    }

    static int64_t Scalar(fw::CDatabase* db, const std::string& sql) {
        sqlite3_stmt* stmt = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db->Handle(), sql.c_str(), -1, &stmt, nullptr), SQLITE_OK)
            << sql << ": " << sqlite3_errmsg(db->Handle());
        int64_t value = -1;
        if (stmt && sqlite3_step(stmt) == SQLITE_ROW)
            value = sqlite3_column_int64(stmt, 0);
        sqlite3_finalize(stmt);
        return value;
    }

    static std::vector<std::vector<int64_t>> Rows(fw::CDatabase* db, const std::string& sql) {
        sqlite3_stmt* stmt = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db->Handle(), sql.c_str(), -1, &stmt, nullptr), SQLITE_OK)
            << sql;
        std::vector<std::vector<int64_t>> rows;
        while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
            std::vector<int64_t> row;
            for (int i = 0; i < sqlite3_column_count(stmt); ++i)
                row.push_back(sqlite3_column_int64(stmt, i));
            rows.push_back(row);
        }
        sqlite3_finalize(stmt);
        return rows;
    }

    struct Closer {
        void operator()(fw::CDatabase* db) const { DLLDelMDBDorventa(db); }
    };
    std::unique_ptr<fw::CDatabase, Closer> m_breaker;
    std::unique_ptr<fw::CDatabase, Closer> m_curve;
    CVersion m_dbVersion;
    tvtest::MessageCapture m_messages;
};

// The computed curves of one device at its default settings.
struct DeviceCurves {
    CInfoBase info;
    CReadBase base;
    CInfoPartList settings;
    CReadPartList parts;
    std::vector<COneCurveList> typical, upper, lower;
};

// Reads a device's defaults from its type id (operating kind `index`) and
// computes every element's curves as the device characteristic does.
::testing::AssertionResult ReadDevice(fw::CDatabase* breaker, fw::CDatabase* curve, DeviceCurves& d,
                                      int index) {
    int32_t rated = d.info.DoReadDefaultByTypeID(breaker, &d.base, index);
    if (rated <= 0)
        return ::testing::AssertionFailure() << "no default rating";
    if (d.settings.DoReadDefaultAllInfoPart(breaker, rated, &d.parts) <= 0)
        return ::testing::AssertionFailure() << "no trip elements";
    if (d.parts.DoReadAllCurveInfos(breaker, curve, &d.settings) <= 0)
        return ::testing::AssertionFailure() << "curves not read";
    CInfoLine line;
    auto setting = d.settings.begin();
    for (auto part = d.parts.begin(); part != d.parts.end() && setting != d.settings.end();
         ++part, ++setting) {
        const CReadPart& p = **part;
        const CInfoPart& s = **setting;
        if (p.m_listReadCurve.IsEmpty())
            return ::testing::AssertionFailure() << p.m_strElementName << " has no curves";
        d.typical.emplace_back();
        d.upper.emplace_back();
        d.lower.emplace_back();
        if (!d.typical.back().DoCalcSetAllOneCurves(2, d.info, d.base, s, p, 0.0))
            return ::testing::AssertionFailure() << p.m_strElementName << ": no typical curve";
        if (!d.upper.back().DoCalcSetAllOneCurves(1, d.info, d.base, s, p, 0.0) &&
            !d.upper.back().DoCalcSetErrorCurves(1, d.info, d.base, s, p, line, 0.0))
            return ::testing::AssertionFailure() << p.m_strElementName << ": no upper curve";
        if (!d.lower.back().DoCalcSetAllOneCurves(3, d.info, d.base, s, p, 0.0) &&
            !d.lower.back().DoCalcSetErrorCurves(3, d.info, d.base, s, p, line, 0.0))
            return ::testing::AssertionFailure() << p.m_strElementName << ": no lower curve";
    }
    return ::testing::AssertionSuccess();
}

// Time of a computed curve at a current (A), log-log interpolated; -1 when
// the current lies outside the curve.
double TimeAt(const COneCurveList& curves, double current, double voltage) {
    const COneCurve* c = curves.GetHead();
    if (!c)
        return -1.0;
    double x = current * voltage;
    const CdPoint* prev = nullptr;
    for (const auto& p : c->m_listPoint) {
        if (prev && prev->m_dX <= x && x <= p->m_dX && p->m_dX > prev->m_dX) {
            double f = std::log(x / prev->m_dX) / std::log(p->m_dX / prev->m_dX);
            return std::exp(std::log(prev->m_dY) + f * std::log(p->m_dY / prev->m_dY));
        }
        prev = p.get();
    }
    return -1.0;
}

} // namespace

TEST_F(ReferenceData, OpenAgainstTheProgramVersionRecord) {
    EXPECT_EQ(m_messages.Count(), 0u);
    EXPECT_EQ(m_dbVersion.m_strMdbVersion.substr(0, 4), fw::LoadString(24966).substr(0, 4));
    EXPECT_EQ(m_dbVersion.m_strLocation, "International");
    EXPECT_EQ(Scalar(m_breaker.get(), "SELECT count(*) FROM [Version]"), 1);
    EXPECT_EQ(Scalar(m_curve.get(), "SELECT count(*) FROM [Version]"), 1);
}

TEST_F(ReferenceData, EveryKeyResolves) {
    const char* orphans[] = {
        "SELECT count(*) FROM Break_Group g WHERE g.lManufactureID NOT IN "
        "(SELECT lManufactureID FROM Manufacture)",
        "SELECT count(*) FROM Break_Type t WHERE t.lGroupID NOT IN (SELECT lGroupID FROM "
        "Break_Group g WHERE g.lManufactureID = t.lManufactureID)",
        "SELECT count(*) FROM Break_Type t WHERE (SELECT count(*) FROM Break_Info i WHERE "
        "i.lTypeID = t.lTypeID) <> 1",
        "SELECT count(*) FROM Break_Type t WHERE NOT EXISTS (SELECT 1 FROM Break_Poles p WHERE "
        "p.lTypeID = t.lTypeID)",
        "SELECT count(*) FROM Break_OpeKind o WHERE o.lTypeID NOT IN (SELECT lTypeID FROM "
        "Break_Type)",
        "SELECT count(*) FROM Break_Rated r WHERE r.lOpeKindID NOT IN (SELECT lOpeKindID FROM "
        "Break_OpeKind)",
        "SELECT count(*) FROM Break_Magni r WHERE r.lOpeKindID NOT IN (SELECT lOpeKindID FROM "
        "Break_OpeKind)",
        "SELECT count(*) FROM Break_Element e WHERE e.lBreakRatedID NOT IN (SELECT "
        "lBreakRatedID FROM Break_Rated)",
        "SELECT count(*) FROM Dial_Character c WHERE c.lElementID NOT IN (SELECT lElementID "
        "FROM Break_Element)",
        "SELECT count(*) FROM Break_Element e WHERE NOT EXISTS (SELECT 1 FROM Dial_Character c "
        "WHERE c.lElementID = e.lElementID)",
        "SELECT count(*) FROM Dial_Character c WHERE NOT EXISTS (SELECT 1 FROM Curve_Standard s "
        "WHERE s.lDialCharID = c.lDialCharID)",
        "SELECT count(*) FROM Break_Capacity c WHERE c.lTypeID NOT IN (SELECT lTypeID FROM "
        "Break_Type)",
        "SELECT count(*) FROM Break_Type t JOIN Break_Group g USING (lGroupID) WHERE "
        "g.nKindFlag = 2 AND NOT EXISTS (SELECT 1 FROM Break_Capacity c WHERE c.lTypeID = "
        "t.lTypeID)",
        "SELECT count(*) FROM Break_Cascade x WHERE x.lTypeID NOT IN (SELECT lTypeID FROM "
        "Break_Type) OR x.lMainTypeID NOT IN (SELECT lTypeID FROM Break_Type)",
        "SELECT count(*) FROM Break_Selective x WHERE x.lTypeID NOT IN (SELECT lTypeID FROM "
        "Break_Type) OR x.lMainTypeID NOT IN (SELECT lTypeID FROM Break_Type)",
        // Co-ordination rows name a breaker, a contactor and a thermal relay.
        "SELECT count(*) FROM Break_Coordination x WHERE "
        "(SELECT g.nKindFlag FROM Break_Type t JOIN Break_Group g USING (lGroupID) WHERE "
        "t.lTypeID = x.lLVCBTypeID) IS NOT 2 OR "
        "(SELECT g.nKindFlag FROM Break_Type t JOIN Break_Group g USING (lGroupID) WHERE "
        "t.lTypeID = x.lContactorTypeID) IS NOT 4 OR "
        "(SELECT g.nKindFlag FROM Break_Type t JOIN Break_Group g USING (lGroupID) WHERE "
        "t.lTypeID = x.lThermalTypeID) IS NOT 3",
        "SELECT count(*) FROM Break_MPLTC x WHERE x.lTypeID NOT IN (SELECT lTypeID FROM "
        "Break_Type)",
        "SELECT count(*) FROM Break_MPEI2t x WHERE x.lTypeID NOT IN (SELECT lTypeID FROM "
        "Break_Type)",
    };
    for (const char* sql : orphans)
        EXPECT_EQ(Scalar(m_breaker.get(), sql), 0) << sql;

    // Links into the curve database.
    std::set<int64_t> headers, mpltc, mpei2t;
    for (const auto& r : Rows(m_curve.get(), "SELECT lCurveHeaderID FROM Curve_Header"))
        headers.insert(r[0]);
    for (const auto& r : Rows(m_curve.get(), "SELECT lHeaderID FROM MPLTC_Header"))
        mpltc.insert(r[0]);
    for (const auto& r : Rows(m_curve.get(), "SELECT lHeaderID FROM MPEI2t_Header"))
        mpei2t.insert(r[0]);
    for (const auto& r : Rows(m_breaker.get(), "SELECT lCurveHeaderID FROM Curve_Standard"))
        EXPECT_EQ(headers.count(r[0]), 1u) << "curve header " << r[0];
    for (const auto& r : Rows(m_breaker.get(), "SELECT lHeaderID FROM Break_MPLTC"))
        EXPECT_EQ(mpltc.count(r[0]), 1u) << "MPLTC header " << r[0];
    for (const auto& r : Rows(m_breaker.get(), "SELECT lHeaderID FROM Break_MPEI2t"))
        EXPECT_EQ(mpei2t.count(r[0]), 1u) << "MPEI2t header " << r[0];
    // A header has points unless it only keeps a formula.
    EXPECT_EQ(Scalar(m_curve.get(),
                     "SELECT count(*) FROM Curve_Header h WHERE bSaveFormula = 0 AND NOT EXISTS "
                     "(SELECT 1 FROM Curve_Point p WHERE p.lCurveHeaderID = h.lCurveHeaderID)"),
              0);
    EXPECT_EQ(Scalar(m_curve.get(),
                     "SELECT count(*) FROM MPLTC_Header h WHERE NOT EXISTS (SELECT 1 FROM "
                     "MPLTC_Point p WHERE p.lHeaderID = h.lHeaderID)"),
              0);
}

TEST_F(ReferenceData, EveryListHasOneDefault) {
    const char* lists[] = {
        "SELECT count(*) FROM (SELECT sum(bIsDefault) d FROM Manufacture) WHERE d <> 1",
        "SELECT count(*) FROM (SELECT sum(bIsDefault) d FROM Break_Group GROUP BY "
        "lManufactureID, nKindFlag) WHERE d <> 1",
        "SELECT count(*) FROM (SELECT sum(bIsDefault) d FROM Break_Type GROUP BY lGroupID) "
        "WHERE d <> 1",
        "SELECT count(*) FROM (SELECT sum(r.bIsDefault) d FROM Break_Rated r JOIN "
        "Break_OpeKind o USING (lOpeKindID) WHERE o.nRatedFlag IN (2, 4) GROUP BY "
        "r.lOpeKindID) WHERE d <> 1",
        "SELECT count(*) FROM (SELECT sum(m.bIsDefault) d FROM Break_Magni m JOIN "
        "Break_OpeKind o USING (lOpeKindID) WHERE o.nMagniFlag = 2 GROUP BY m.lOpeKindID) "
        "WHERE d <> 1",
        "SELECT count(*) FROM (SELECT sum(bIsDefault) d FROM Dial_Character GROUP BY "
        "lElementID) WHERE d <> 1",
        "SELECT count(*) FROM (SELECT sum(v.bIsDefault) d FROM Dial_Current v JOIN "
        "Dial_Character c USING (lDialCharID) WHERE c.nCurrentFlag = 2 GROUP BY "
        "v.lDialCharID) WHERE d <> 1",
        "SELECT count(*) FROM (SELECT sum(v.bIsDefault) d FROM Dial_Time v JOIN Dial_Character "
        "c USING (lDialCharID) WHERE c.nTimeFlag = 2 GROUP BY v.lDialCharID) WHERE d <> 1",
        "SELECT count(*) FROM (SELECT sum(v.bIsDefault) d FROM Dial_MagniCurrent v JOIN "
        "Dial_Character c USING (lDialCharID) WHERE c.nMagniCurrentFlag = 2 GROUP BY "
        "v.lDialCharID) WHERE d <> 1",
        "SELECT count(*) FROM (SELECT sum(v.bIsDefault) d FROM Dial_MagniTime v JOIN "
        "Dial_Character c USING (lDialCharID) WHERE c.nMagniTimeFlag = 2 GROUP BY "
        "v.lDialCharID) WHERE d <> 1",
        // A dial of a kind has rows of that kind: one range for a continuous dial.
        "SELECT count(*) FROM Dial_Character c WHERE c.nCurrentFlag = 3 AND (SELECT count(*) "
        "FROM Dial_Current v WHERE v.lDialCharID = c.lDialCharID AND v.dContiWidthValue > 0) "
        "<> 1",
        "SELECT count(*) FROM Dial_Character c WHERE c.nTimeFlag = 3 AND (SELECT count(*) "
        "FROM Dial_Time v WHERE v.lDialCharID = c.lDialCharID AND v.dContiWidthValue > 0) <> 1",
        "SELECT count(*) FROM Break_Rated r JOIN Break_OpeKind o USING (lOpeKindID) WHERE "
        "o.nRatedFlag IN (3, 4) AND r.dContiWidthValue <= 0",
    };
    for (const char* sql : lists)
        EXPECT_EQ(Scalar(m_breaker.get(), sql), 0) << sql;
}

TEST_F(ReferenceData, TheValuesTheCodeDependsOnArePresent) {
    const char* present[] = {
        "SELECT count(*) FROM Manufacture WHERE lManufactureID = 1 AND bIsDefault = 1",
        "SELECT count(*) FROM Manufacture WHERE lManufactureID = 3",
        "SELECT count(*) FROM Break_Group WHERE lManufactureID = 2 AND nKindFlag = 2 AND "
        "nLVCBCode = 10",
        "SELECT count(*) = 8 FROM (SELECT DISTINCT nLVCBCode FROM Break_Group WHERE "
        "lManufactureID = 1 AND nKindFlag = 2 AND nLVCBCode IN (10, 11, 12, 13, 14, 20, 21, "
        "30))",
        "SELECT count(*) = 4 FROM (SELECT DISTINCT nKindFlag FROM Break_Group WHERE "
        "lManufactureID = 1)",
        "SELECT count(*) = 3 FROM (SELECT DISTINCT nRatedFlag FROM Break_OpeKind WHERE "
        "nRatedFlag IN (2, 3, 4))",
        "SELECT count(*) = 2 FROM (SELECT DISTINCT nMagniFlag FROM Break_OpeKind WHERE "
        "nMagniFlag IN (2, 3))",
        "SELECT count(*) = 3 FROM (SELECT DISTINCT nUse FROM Break_Info WHERE nUse IN (0, 1, "
        "11))",
        "SELECT count(*) = 4 FROM (SELECT DISTINCT nCurrentFlag FROM Dial_Character)",
        "SELECT count(*) = 2 FROM (SELECT DISTINCT nMagniCurrentFlag FROM Dial_Character WHERE "
        "nMagniCurrentFlag IN (2, 3))",
        "SELECT count(*) = 2 FROM (SELECT DISTINCT nTimeFlag FROM Dial_Character WHERE "
        "nTimeFlag IN (2, 3))",
        "SELECT count(*) = 2 FROM (SELECT DISTINCT nMagniTimeFlag FROM Dial_Character WHERE "
        "nMagniTimeFlag IN (2, 3))",
        "SELECT count(*) = 3 FROM (SELECT DISTINCT nLinkNumber FROM Dial_Character WHERE "
        "bIsLink = 1)",
        "SELECT count(*) FROM Dial_Character WHERE bIsLink = 0",
        "SELECT count(*) FROM Dial_Character WHERE bIsCurrent = 1",
        "SELECT count(*) FROM Dial_Character WHERE bDispCurrentMulti = 1",
        "SELECT count(*) FROM Dial_Character WHERE bIsNoneSadamu = 1",
        "SELECT count(*) FROM Dial_Character WHERE bUseLock = 1",
        "SELECT count(*) FROM Dial_Character WHERE bUseTimer = 1",
        "SELECT count(*) FROM Dial_Character WHERE bMCR = 1",
        "SELECT count(*) FROM Break_Type WHERE bJisNewOld = 1",
        "SELECT count(*) FROM Break_Type WHERE bDelete = 1",
        "SELECT count(*) FROM Break_Type WHERE bCanUseCT = 1",
        "SELECT count(*) FROM Break_OpeKind WHERE bUseBreakingTime = 1",
        // The operating-kind reader treats these two ids apart: contactors.
        "SELECT count(*) = 2 FROM Break_Type t JOIN Break_Group g USING (lGroupID) WHERE "
        "t.lTypeID IN (495, 500) AND g.nKindFlag = 4",
        // Ground-fault breakers carry a second operating kind.
        "SELECT count(*) FROM Break_Type t JOIN Break_Group g USING (lGroupID) WHERE "
        "g.nLVCBCode = 30 AND (SELECT count(*) FROM Break_OpeKind o WHERE o.lTypeID = "
        "t.lTypeID) = 2",
        "SELECT count(*) = 10 FROM (SELECT DISTINCT lVoltage FROM Break_Capacity WHERE lVoltage "
        "IN (690, 600, 525, 500, 440, 415, 400, 380, 240, 230))",
        "SELECT count(*) FROM Break_Capacity WHERE lIcsJIS8201 > 0",
        "SELECT count(*) FROM Break_Capacity WHERE lIcuMCRLock > 0",
        "SELECT count(*) FROM Break_Poles WHERE nHsCurrent1 > 0 AND dHsTime > 0",
        "SELECT count(*) FROM Break_Poles WHERE nTdCurrent1 > 0 AND dTdTime1 > 0",
        "SELECT count(*) = 2 FROM (SELECT DISTINCT nType FROM Break_Coordination)",
        "SELECT count(*) FROM Break_Cascade",
        "SELECT count(*) FROM Break_Selective",
        "SELECT count(*) FROM Break_MPLTC",
        "SELECT count(*) FROM Break_MPEI2t",
    };
    for (const char* sql : present)
        EXPECT_GT(Scalar(m_breaker.get(), sql), 0) << sql;
    const char* curves[] = {
        "SELECT count(*) = 3 FROM (SELECT DISTINCT nCurveKind FROM Curve_Header)",
        "SELECT count(*) = 2 FROM (SELECT DISTINCT nSettingFlag FROM Curve_Header)",
        "SELECT count(*) FROM Curve_Header WHERE bSaveFormula = 1",
        "SELECT count(*) FROM Curve_Header WHERE dSaturationTime > 0",
        "SELECT count(*) FROM Curve_Point WHERE bUseInst = 1",
    };
    for (const char* sql : curves)
        EXPECT_GT(Scalar(m_curve.get(), sql), 0) << sql;
}

TEST_F(ReferenceData, CapacitiesAndBackUpPairsAreConsistent) {
    EXPECT_EQ(Scalar(m_breaker.get(), "SELECT count(*) FROM Break_Capacity WHERE lIcs > lIcu OR "
                                      "lIcu <= 0 OR lIcsJIS8201 > lIcuJIS8201"),
              0);
    // Icu-back lies above the downstream Icu and not above the upstream Icu.
    EXPECT_EQ(Scalar(m_breaker.get(),
                     "SELECT count(*) FROM Break_Cascade x WHERE x.lIcuBack <= (SELECT lIcu FROM "
                     "Break_Capacity c WHERE c.lTypeID = x.lTypeID AND c.lVoltage = x.lVoltage) "
                     "OR x.lIcuBack > (SELECT lIcu FROM Break_Capacity c WHERE c.lTypeID = "
                     "x.lMainTypeID AND c.lVoltage = x.lVoltage)"),
              0);
    // A selectivity limit never passes the downstream Icu.
    EXPECT_EQ(Scalar(m_breaker.get(),
                     "SELECT count(*) FROM Break_Selective x WHERE x.dIs <= 0 OR x.dIs > (SELECT "
                     "lIcu FROM Break_Capacity c WHERE c.lTypeID = x.lTypeID AND c.lVoltage = "
                     "x.lVoltage)"),
              0);
    // Curve points come in ascending current.
    EXPECT_EQ(Scalar(m_curve.get(), "SELECT count(*) FROM Curve_Point a JOIN Curve_Point b ON "
                                    "b.lCurveHeaderID = a.lCurveHeaderID AND b.lPointID = "
                                    "a.lPointID + 1 WHERE b.dXPoint < a.dXPoint"),
              0);
}

// The JIS C 8201 columns are filled for the types rated by that standard
// only: the search stores a row's JIS values whenever it has them, so a
// type judged on its plain columns must not have them.
TEST_F(ReferenceData, JisValuesOnlyForJisRatedTypes) {
    EXPECT_EQ(Scalar(m_breaker.get(),
                     "SELECT count(*) FROM Break_Capacity c JOIN Break_Type t ON t.lTypeID = "
                     "c.lTypeID WHERE (c.lIcuJIS8201 > 0 OR c.lIcsJIS8201 > 0 OR c.lIqJIS8201 > "
                     "0) AND t.bJisNewOld <> 1"),
              0);
    EXPECT_GT(Scalar(m_breaker.get(), "SELECT count(*) FROM Break_Capacity WHERE lIcuJIS8201 > 0"),
              0);
}

// A curve's saturation time is the time it keeps: no point lies below it,
// and a curve whose times no dial scales (standard time 0) and that ends on
// a plateau (short time, ground fault, a relay's instantaneous unit) has the
// plateau as its saturation time.
TEST_F(ReferenceData, SaturationTimesAreThePlateausOfTheCurves) {
    EXPECT_EQ(Scalar(m_curve.get(),
                     "SELECT count(*) FROM Curve_Header h WHERE h.dSaturationTime > 0 AND EXISTS "
                     "(SELECT 1 FROM Curve_Point p WHERE p.lCurveHeaderID = h.lCurveHeaderID AND "
                     "p.dYPoint < h.dSaturationTime)"),
              0);
    const std::string last = "(SELECT dYPoint FROM Curve_Point p WHERE p.lCurveHeaderID = "
                             "h.lCurveHeaderID ORDER BY dXPoint DESC, dYPoint ASC LIMIT 1";
    const std::string plateaus =
        "FROM Curve_Header h WHERE h.dStdTimeValue = 0 AND " + last + ") = " + last + " OFFSET 1)";
    EXPECT_EQ(Scalar(m_curve.get(),
                     "SELECT count(*) " + plateaus + " AND h.dSaturationTime <> " + last + ")"),
              0);
    // Twelve short-time curves (four bands, typical and two edges), four
    // ground-fault curves, one instantaneous relay unit.
    EXPECT_EQ(Scalar(m_curve.get(), "SELECT count(*) " + plateaus), 17);
}

TEST_F(ReferenceData, DefaultDeviceOfEveryKindReadsItsCurves) {
    for (int kind : {1, 2, 3}) {
        SCOPED_TRACE(kind);
        DeviceCurves d;
        d.info.m_nKindFlag = kind;
        d.info.m_nVoltage = kind == 1 ? 6600 : 400;
        d.info.m_bUseCT = kind == 1 ? 1 : 0;
        d.info.m_nCT1Current = 100;
        d.info.m_nCT2Current = 5;
        ASSERT_GT(d.info.DoReadDefaultInfoBase(m_breaker.get(), &d.base, 0), 0);
        EXPECT_EQ(d.info.m_lManufactureID, 1);
        EXPECT_TRUE(ReadDevice(m_breaker.get(), m_curve.get(), d, 0));
    }
    CInfoBase contactor;
    CReadBase base;
    contactor.m_nKindFlag = 4;
    EXPECT_EQ(contactor.DoReadDefaultInfoBase(m_breaker.get(), &base, 0), 0);
    EXPECT_GT(contactor.m_lTypeID, 0);
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(ReferenceData, EveryTypeAndOperatingKindReadsItsSettingsAndCurves) {
    auto types = Rows(m_breaker.get(),
                      "SELECT t.lTypeID, g.nKindFlag, (SELECT count(*) FROM Break_OpeKind o WHERE "
                      "o.lTypeID = t.lTypeID) FROM Break_Type t JOIN Break_Group g USING "
                      "(lGroupID) WHERE g.nKindFlag IN (1, 2, 3) ORDER BY t.lTypeID");
    ASSERT_GT(types.size(), 40u);
    for (const auto& t : types) {
        for (int index = 0; index < t[2]; ++index) {
            SCOPED_TRACE("type " + std::to_string(t[0]) + " operating kind " +
                         std::to_string(index));
            DeviceCurves d;
            d.info.m_lTypeID = static_cast<int32_t>(t[0]);
            d.info.m_nKindFlag = static_cast<int32_t>(t[1]);
            d.info.m_nVoltage = t[1] == 1 ? 6600 : 400;
            d.info.m_bUseCT = t[1] == 1 ? 1 : 0;
            d.info.m_nCT1Current = 200;
            d.info.m_nCT2Current = 5;
            EXPECT_TRUE(ReadDevice(m_breaker.get(), m_curve.get(), d, index));
        }
    }
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(ReferenceData, MiniatureBreakerKeepsTheBandsOfIec60898) {
    DeviceCurves d; // KVM-10, C 16 A by default
    d.info.m_lTypeID = 102;
    d.info.m_nKindFlag = 2;
    d.info.m_nVoltage = 230;
    ASSERT_TRUE(ReadDevice(m_breaker.get(), m_curve.get(), d, 0));
    ASSERT_EQ(d.info.m_dRatedValue, 16.0);
    ASSERT_EQ(d.settings.GetAt(1)->m_strCharacterName, "C");
    const double in = 16.0, v = 230.0;
    // Overload: no trip below 1.13 In, trip within 1 h at 1.45 In, between
    // 1 s and 60 s at 2.55 In.
    ASSERT_FALSE(d.lower[0].IsEmpty());
    EXPECT_GE(d.lower[0].GetHead()->m_listPoint.GetHead()->m_dX, 1.13 * in * v * 0.999);
    EXPECT_LE(TimeAt(d.upper[0], 1.45 * in, v), 3600.0);
    EXPECT_GT(TimeAt(d.upper[0], 1.45 * in, v), 0.0);
    EXPECT_GE(TimeAt(d.lower[0], 2.55 * in, v), 1.0);
    EXPECT_LE(TimeAt(d.upper[0], 2.55 * in, v), 60.0);
    // Instantaneous band C: 5 to 10 In.
    EXPECT_NEAR(d.upper[1].GetHead()->m_dInstValue / v, 10.0 * in, 0.01 * in);
    EXPECT_NEAR(d.lower[1].GetHead()->m_dInstValue / v, 5.0 * in, 0.01 * in);
}

TEST_F(ReferenceData, StandardInverseRelayFollowsIec60255) {
    DeviceCurves d; // KOR-D1, SI, tap 5 A, TMS 0.5 by default
    d.info.m_lTypeID = 301;
    d.info.m_nKindFlag = 1;
    d.info.m_nVoltage = 6600;
    d.info.m_bUseCT = 1;
    d.info.m_nCT1Current = 100;
    d.info.m_nCT2Current = 5;
    ASSERT_TRUE(ReadDevice(m_breaker.get(), m_curve.get(), d, 0));
    ASSERT_EQ(d.settings.GetHead()->m_dCurrent, 5.0);
    ASSERT_EQ(d.settings.GetHead()->m_dTime, 0.5);
    // Pick-up 100 A primary; at 10 times it t = 0.5 x 0.14 / (10^0.02 - 1).
    double expected = 0.5 * 0.14 / (std::pow(10.0, 0.02) - 1.0);
    EXPECT_NEAR(TimeAt(d.typical[0], 1000.0, 6600.0), expected, expected * 0.01);
}
