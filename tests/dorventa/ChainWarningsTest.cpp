// The reading chain on selections that name what the database no longer
// has: the not-found warnings, and what the records keep.

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/model/CReadPart.h"

#include "framework/Database.h"
#include "tests/common/FixtureDb.h"
#include "tests/common/MessageCapture.h"
#include "tests/dorventa/SchemaFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// One maker with an air-breaker group (default type 1, fixed rating 100 or
// 200, a continuous multiplier) and an empty group; rating 20 has two trip
// elements, rating 10 one, rating 30 none.
const char* kBreakerRows = R"(
INSERT INTO [Manufacture] VALUES (1, 1, 'Kestraval');
INSERT INTO [Break_Group] VALUES (2, 2, 1, 13, 1, 'Air');
INSERT INTO [Break_Group] VALUES (5, 2, 1, 14, 0, 'Empty');
INSERT INTO [Break_Group] VALUES (6, 3, 1, 0, 1, 'Thermal');
INSERT INTO [Break_Type] ([lTypeID], [lManufactureID], [lGroupID], [bIsDefault], [sTypeName])
    VALUES (1, 1, 2, 1, 'KA-16');
INSERT INTO [Break_Info] ([lInfoID], [lTypeID]) VALUES (1, 1);
INSERT INTO [Break_OpeKind] VALUES (7, 1, 1, 'Standard', 2, 'Rated current', 'A', 3, 'Ir/In',
    '', 0, 0);
INSERT INTO [Break_OpeKind] VALUES (8, 1, 0, 'Special', 2, 'Rated current', 'A', 0, '', '', 0, 0);
INSERT INTO [Break_Rated] VALUES (10, 7, 0, '100', 100, 0, 0, 0, 0);
INSERT INTO [Break_Rated] VALUES (20, 7, 1, '200', 200, 0, 0, 0, 0);
INSERT INTO [Break_Rated] VALUES (30, 8, 1, '300', 300, 0, 0, 0, 0);
INSERT INTO [Break_Magni] VALUES (1, 7, 1, 'r', 0, 0.9, 0.5, 0.1, 1.0);
INSERT INTO [Break_Element] VALUES (201, 20, 1, 'Long time');
INSERT INTO [Break_Element] VALUES (202, 20, 2, 'Instantaneous');
INSERT INTO [Break_Element] VALUES (101, 10, 1, 'Long time');
INSERT INTO [Dial_Character] ([lDialCharID], [lElementID], [bIsDefault], [sCharacterName],
    [nCurrentFlag], [nTimeFlag]) VALUES (1, 201, 1, 'Standard', 3, 2);
INSERT INTO [Dial_Character] ([lDialCharID], [lElementID], [bIsDefault], [sCharacterName],
    [nCurrentFlag]) VALUES (2, 202, 1, 'Fixed', 2);
INSERT INTO [Dial_Character] ([lDialCharID], [lElementID], [bIsDefault], [sCharacterName])
    VALUES (3, 101, 1, 'Standard');
INSERT INTO [Dial_Current] VALUES (1, 1, 1, 'r', 0, 100, 80, 10, 120);
INSERT INTO [Dial_Time] VALUES (1, 1, 0, '5', 5, 0, 0, 0, 0);
INSERT INTO [Dial_Time] VALUES (2, 1, 1, '10', 10, 0, 0, 0, 0);
INSERT INTO [Dial_Current] VALUES (2, 2, 0, '8', 800, 0, 0, 0, 0);
INSERT INTO [Dial_Current] VALUES (3, 2, 1, '10', 1000, 0, 0, 0, 0);
INSERT INTO [Curve_Standard] VALUES (1, 501, 1, 400, 0, 0);
INSERT INTO [Curve_Standard] VALUES (2, 502, 1, 400, 0, 0);
INSERT INTO [Curve_Standard] VALUES (3, 503, 2, 400, 0, 0);
INSERT INTO [Curve_Standard] VALUES (4, 504, 3, 400, 0, 0);
)";

// Header 501 with points, 502 a formula, 503 without points; 504 missing.
const char* kCurveRows = R"(
INSERT INTO [Curve_Header] ([lCurveHeaderID], [nCurveKind], [bSaveFormula], [dXErrorPlus])
    VALUES (501, 2, 0, 10);
INSERT INTO [Curve_Header] ([lCurveHeaderID], [nCurveKind], [bSaveFormula], [sFormula])
    VALUES (502, 2, 1, 't=80/(I^2-1)');
INSERT INTO [Curve_Header] ([lCurveHeaderID], [nCurveKind]) VALUES (503, 2);
INSERT INTO [Curve_Point] VALUES (1, 501, 1.05, 7200, 0);
INSERT INTO [Curve_Point] VALUES (2, 501, 10, 0.02, 1);
)";

class ChainWarnings : public ::testing::Test {
protected:
    ChainWarnings()
        : m_breakerFile("BEGIN;" + dvtest::BreakerSchema() + kBreakerRows + "COMMIT;"),
          m_curveFile("BEGIN;" + dvtest::CurveSchema() + kCurveRows + "COMMIT;", "orbelune.mdb") {
        m_breaker.Open(m_breakerFile.Path());
        m_curves.Open(m_curveFile.Path());
    }

    // The selection a document stored for the air breaker at 200 A.
    static CInfoBase Stored() {
        CInfoBase info;
        info.m_lManufactureID = 1;
        info.m_strManufactureName = "Kestraval";
        info.m_lGroupID = 2;
        info.m_strGroupName = "Air";
        info.m_nKindFlag = 2;
        info.m_nLVCBCode = 13;
        info.m_lTypeID = 1;
        info.m_strTypeName = "KA-16";
        info.m_lOpeKindID = 7;
        info.m_strOpeKindName = "Standard";
        info.m_lBreakRatedID = 20;
        info.m_strRatedName = "200";
        info.m_dRatedValue = 200;
        info.m_dMagniValue = 0.8;
        info.m_nVoltage = 400;
        return info;
    }

    std::string Warning(const std::string& value, const std::string& table,
                        const std::string& file = "dorventa.mdb") {
        return "\"" + value + "\" can not found on \"" + table + "\" of \"" + file + "\".";
    }

    tvtest::FixtureDb m_breakerFile;
    tvtest::FixtureDb m_curveFile;
    fw::CDatabase m_breaker;
    fw::CDatabase m_curves;
    tvtest::MessageCapture m_messages;
};

} // namespace

TEST_F(ChainWarnings, StoredSelectionReadsWithoutAWord) {
    CInfoBase info = Stored();
    CReadBase base;
    EXPECT_EQ(base.DoReadReadBase(&m_breaker, &info), 20);
    EXPECT_EQ(base.m_dRatedValue, 200.0);
    EXPECT_EQ(base.m_dMaxRatedValue, 200.0);
    EXPECT_EQ(base.m_dialMagni.m_listValue.GetCount(), 6);
    EXPECT_EQ(info.m_dMagniValue, 0.8);
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(ChainWarnings, MakerThatNoLongerExists) {
    // The type row names a maker the catalogue no longer has.
    tvtest::FixtureDb moved("BEGIN;" + dvtest::BreakerSchema() + kBreakerRows +
                            "UPDATE [Break_Type] SET [lManufactureID] = 9; COMMIT;");
    fw::CDatabase db;
    db.Open(moved.Path());
    CInfoBase info = Stored();
    CReadBase base;
    EXPECT_EQ(base.DoReadReadBase(&db, &info), 0);
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(m_messages.Last().text, Warning("Kestraval", "Manufacturer"));
    // What the document stored is not wiped.
    EXPECT_EQ(info.m_strManufactureName, "Kestraval");
    EXPECT_EQ(base.m_bIsRead, 0);
}

TEST_F(ChainWarnings, StoredMakerIsTakenFromTheType) {
    CInfoBase info = Stored();
    info.m_lManufactureID = 9;
    info.m_strManufactureName = "Gone Maker";
    CReadBase base;
    EXPECT_EQ(base.DoReadReadBase(&m_breaker, &info), 20);
    EXPECT_EQ(info.m_lManufactureID, 1);
    EXPECT_EQ(info.m_strManufactureName, "Kestraval");
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(ChainWarnings, DefaultMakerMissingWarnsWithTheStoredName) {
    tvtest::FixtureDb empty("BEGIN;" + dvtest::BreakerSchema() + "COMMIT;");
    fw::CDatabase db;
    db.Open(empty.Path());
    CInfoBase info = Stored();
    CReadBase base;
    EXPECT_EQ(info.DoReadDefaultInfoBase(&db, &base, 0), 0);
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(m_messages.Last().text, Warning("Kestraval", "Manufacturer"));
}

TEST_F(ChainWarnings, GroupWithoutTypesWarnsWithTheStoredType) {
    CInfoBase info = Stored();
    info.m_lGroupID = 5;
    info.m_lTypeID = 99;
    info.m_strTypeName = "KA-Old";
    CReadBase base;
    EXPECT_EQ(base.DoReadReadBase(&m_breaker, &info), 0);
    EXPECT_EQ(info.m_lTypeID, 0);
    EXPECT_EQ(info.m_strTypeName, "KA-Old");
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(m_messages.Last().text, Warning("KA-Old", "Break_Type"));
}

TEST_F(ChainWarnings, WithdrawnTypeGivesWayToItsGroupsDefault) {
    CInfoBase info = Stored();
    info.m_lTypeID = 99;
    info.m_strTypeName = "KA-Old";
    CReadBase base;
    EXPECT_EQ(base.DoReadReadBase(&m_breaker, &info), 20);
    EXPECT_EQ(info.m_lTypeID, 1);
    EXPECT_EQ(info.m_strTypeName, "KA-16");
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(ChainWarnings, GroupThatNoLongerExists) {
    CInfoBase info = Stored();
    // The type names group 2; a type row naming a gone group is what a
    // damaged catalogue gives. Move the type to a group that is gone.
    tvtest::FixtureDb moved("BEGIN;" + dvtest::BreakerSchema() + kBreakerRows +
                            "UPDATE [Break_Type] SET [lGroupID] = 8; COMMIT;");
    fw::CDatabase db;
    db.Open(moved.Path());
    CReadBase base;
    EXPECT_EQ(base.DoReadReadBase(&db, &info), 0);
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(m_messages.Last().text, Warning("Air", "Break_Group"));
    // What the document stored is not wiped.
    EXPECT_EQ(info.m_strGroupName, "Air");
    EXPECT_EQ(info.m_lGroupID, 8);
}

TEST_F(ChainWarnings, OperatingKindFoundByNameOrElseById) {
    CInfoBase byName = Stored();
    byName.m_lOpeKindID = 55;
    CReadBase base;
    EXPECT_EQ(base.DoReadReadBase(&m_breaker, &byName), 20);
    EXPECT_EQ(byName.m_lOpeKindID, 7);

    CInfoBase byId = Stored();
    byId.m_strOpeKindName = "Renamed";
    CReadBase base2;
    EXPECT_EQ(base2.DoReadReadBase(&m_breaker, &byId), 20);
    EXPECT_EQ(byId.m_strOpeKindName, "Standard");
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(ChainWarnings, OperatingKindThatNoLongerExistsIsReported_FaultSilentWhenItsIdWasSet) {
    CInfoBase info = Stored();
    info.m_lOpeKindID = 55;
    info.m_strOpeKindName = "Withdrawn";
    CReadBase base;
    EXPECT_EQ(base.DoReadReadBase(&m_breaker, &info), 0);
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(m_messages.Last().text, Warning("Withdrawn", "Break_OpeKind"));
    EXPECT_EQ(info.m_lOpeKindID, 55);
    EXPECT_EQ(info.m_strOpeKindName, "Withdrawn");
    EXPECT_EQ(base.m_bIsRead, 0);
}

TEST_F(ChainWarnings, RatedValueThatNoLongerExists) {
    CInfoBase info = Stored();
    info.m_dRatedValue = 150;
    CReadBase base;
    EXPECT_EQ(base.DoReadReadBase(&m_breaker, &info), 0);
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(m_messages.Last().text, Warning("150.000000", "Break_Rated"));
    EXPECT_EQ(base.m_bIsRead, 0);
}

TEST_F(ChainWarnings, OperatingKindIndexBeyondTheTypeWarnsOnlyForTheFirst) {
    CInfoBase info = Stored();
    CReadBase base;
    EXPECT_EQ(info.DoReadDefaultByTypeID(&m_breaker, &base, 5), 0);
    EXPECT_EQ(m_messages.Count(), 0u);
    CInfoBase second = Stored();
    EXPECT_EQ(second.DoReadDefaultByTypeID(&m_breaker, &base, 1), 30);
    EXPECT_EQ(second.m_dRatedValue, 300.0);
}

TEST_F(ChainWarnings, DefaultsOfAThermalMakerWithoutItsKindOfGroup) {
    CInfoBase info;
    info.m_nKindFlag = 1;
    info.m_strGroupName = "Relays";
    CReadBase base;
    EXPECT_EQ(info.DoReadDefaultInfoBase(&m_breaker, &base, 0), 0);
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(m_messages.Last().text, Warning("Relays", "Break_Group"));
}

TEST_F(ChainWarnings, TripElementsOfARatingWithoutAny) {
    CInfoPartList settings;
    settings.DoAddNewInfoPart();
    CReadPartList parts;
    EXPECT_EQ(settings.DoReadDefaultAllInfoPart(&m_breaker, 30, &parts), 0);
    EXPECT_TRUE(settings.IsEmpty());
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(m_messages.Last().text, Warning("30.000000", "Break_Element"));
    EXPECT_EQ(parts.DoReadAllReadParts(&m_breaker, 30, &settings), 0);
    EXPECT_EQ(m_messages.Count(), 2u);
}

TEST_F(ChainWarnings, MoreElementsThanStoredSettingsGetDefaults) {
    CInfoPartList settings;
    CInfoPart* first = settings.DoAddNewInfoPart();
    first->m_strCharacterName = "standard"; // the database ignores letter case
    first->m_dCurrent = 90;
    first->m_dTime = 7; // no longer on the time dial
    CReadPartList parts;
    EXPECT_EQ(parts.DoReadAllReadParts(&m_breaker, 20, &settings), 2);
    ASSERT_EQ(settings.GetCount(), 2);
    EXPECT_EQ(first->m_lDialCharID, 1);
    EXPECT_EQ(first->m_strCharacterName, "standard");
    EXPECT_EQ(first->m_dCurrent, 90.0); // a continuous setting stays
    EXPECT_EQ(first->m_dTime, 10.0);    // the fixed one returns to its default
    EXPECT_EQ(parts.GetAt(0)->m_dialCurrent.m_listValue.GetCount(), 5);
    EXPECT_EQ(settings.GetAt(1)->m_strCharacterName, "Fixed");
    EXPECT_EQ(settings.GetAt(1)->m_dCurrent, 1000.0);
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(ChainWarnings, FewerElementsThanStoredSettingsLeaveTheSurplus) {
    CInfoPartList settings;
    settings.DoAddNewInfoPart()->m_strCharacterName = "Standard";
    CInfoPart* surplus = settings.DoAddNewInfoPart();
    surplus->m_strCharacterName = "Extra";
    surplus->m_dCurrent = 42;
    CReadPartList parts;
    EXPECT_EQ(parts.DoReadAllReadParts(&m_breaker, 10, &settings), 1);
    EXPECT_EQ(settings.GetCount(), 2);
    EXPECT_EQ(surplus->m_dCurrent, 42.0);
    EXPECT_EQ(surplus->m_lDialCharID, 0);
}

TEST_F(ChainWarnings, ReadPartsTwiceKeepsTheFirstResultEvenAfterAFailure) {
    CInfoPartList settings;
    settings.DoAddNewInfoPart()->m_strCharacterName = "Gone character";
    CReadPartList parts;
    EXPECT_EQ(parts.DoReadAllReadParts(&m_breaker, 20, &settings), 0);
    EXPECT_EQ(parts.GetCount(), 2); // the parts read stay
    EXPECT_EQ(settings.GetHead()->m_strCharacterName, "Gone character");
    EXPECT_EQ(parts.DoReadAllReadParts(&m_breaker, 20, &settings), 2);
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(ChainWarnings, CurvesWithAFormulaAMissingHeaderAndMissingPoints) {
    CInfoPartList settings;
    CReadPartList parts;
    ASSERT_EQ(settings.DoReadDefaultAllInfoPart(&m_breaker, 20, &parts), 2);
    EXPECT_EQ(parts.DoReadAllCurveInfos(&m_breaker, &m_curves, &settings), 2);
    // Element 1: the point curve and the formula curve, no warning between.
    const CReadCurveList& first = parts.GetAt(0)->m_listReadCurve;
    ASSERT_EQ(first.GetCount(), 2);
    EXPECT_EQ(first.GetAt(0)->m_listPoint.GetCount(), 2);
    EXPECT_EQ(first.GetAt(0)->m_dInstX, 10.0);
    EXPECT_EQ(first.GetAt(0)->m_dXErrorPlus, 10.0);
    EXPECT_EQ(first.GetAt(1)->m_strFormula, "t=80/(I^2-1)");
    EXPECT_TRUE(first.GetAt(1)->m_listPoint.IsEmpty());
    // Element 2: a header without points.
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(m_messages.Last().text, Warning("503.000000", "Curve_Point", "orbelune.mdb"));
    // Read again: the curves are there already.
    EXPECT_EQ(parts.GetAt(0)->DoReadCurveInfos(&m_breaker, &m_curves, 1), 0);
    EXPECT_EQ(parts.GetAt(0)->m_listReadCurve.GetCount(), 2);

    CReadPart lone;
    EXPECT_EQ(lone.DoReadCurveInfos(&m_breaker, &m_curves, 3), 0);
    EXPECT_EQ(m_messages.Last().text, Warning("504.000000", "Curve_Header", "orbelune.mdb"));
}

TEST_F(ChainWarnings, CurvesOfMoreSettingsThanPartsStopAtTheParts) {
    CInfoPartList settings;
    CReadPartList parts;
    ASSERT_EQ(settings.DoReadDefaultAllInfoPart(&m_breaker, 10, &parts), 1);
    settings.DoAddNewInfoPart()->m_lDialCharID = 2;
    EXPECT_EQ(parts.DoReadAllCurveInfos(&m_breaker, &m_curves, &settings), 1);
}
