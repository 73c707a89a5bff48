// The value tables: fixed values, continuous ranges expanded on their
// whole-number grid, the mixed rating, and the rating text.

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/recordsets/CRSBreak_Magni.h"
#include "breakerdata/recordsets/CRSBreak_Rated.h"
#include "breakerdata/recordsets/CRSDial_Current.h"
#include "breakerdata/recordsets/CRSDial_Time.h"
#include "breakerdata/recordsets/RowReading.h"

#include "framework/Combo.h"
#include "tests/common/FixtureDb.h"
#include "tests/common/MessageCapture.h"
#include "tests/dorventa/SchemaFixture.h"

#include "tests/common/ComboTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Rated rows by operating kind:
//  1 continuous 10/5/30 default 20    2 continuous 10/5/30 default 12
//  3 continuous 0.25/0.25/1           4 fixed 100..250, 250 the default
//  5 mixed: a fixed row and two ranges 6 two ranges only
//  7 a range with no step, then a good one
const char* kRows = R"(
INSERT INTO [Break_Rated] VALUES (11, 1, 1, '10-30A', 25, 20, 10, 5, 30);
INSERT INTO [Break_Rated] VALUES (21, 2, 1, '10-30A', 25, 12, 10, 5, 30);
INSERT INTO [Break_Rated] VALUES (31, 3, 1, 'q', 0.5, 0.5, 0.25, 0.25, 1);
INSERT INTO [Break_Rated] VALUES (45, 4, 1, '250A', 250, 0, 250, 0, 250);
INSERT INTO [Break_Rated] VALUES (41, 4, 0, '100A', 100, 0, 100, 0, 100);
INSERT INTO [Break_Rated] VALUES (43, 4, 0, '160A', 160, 0, 160, 0, 160);
INSERT INTO [Break_Rated] VALUES (42, 4, 0, '125A', 125, 0, 125, 0, 125);
INSERT INTO [Break_Rated] VALUES (44, 4, 0, '200A', 200, 0, 200, 0, 200);
INSERT INTO [Break_Rated] VALUES (51, 5, 0, '0.1-0.16', 0.13, 0.13, 0.1, 0.01, 0.16);
INSERT INTO [Break_Rated] VALUES (52, 5, 1, '4-6', 5, 5, 4, 0.5, 6);
INSERT INTO [Break_Rated] VALUES (53, 5, 0, '8', 8, 8, 8, 1, 8);
INSERT INTO [Break_Rated] VALUES (61, 6, 0, 'a', 60, 70, 60, 10, 100);
INSERT INTO [Break_Rated] VALUES (62, 6, 1, 'b', 10, 20, 10, 10, 50);
INSERT INTO [Break_Rated] VALUES (71, 7, 0, 'bad', 1, 1, 1, 0, 3);
INSERT INTO [Break_Rated] VALUES (72, 7, 1, 'good', 5, 5, 5, 1, 6);

INSERT INTO [Break_Magni] VALUES (1, 4, 0, '0.8', 0.8, 0, 0, 0, 0);
INSERT INTO [Break_Magni] VALUES (2, 4, 1, '1.0', 1.0, 0, 0, 0, 0);
INSERT INTO [Break_Magni] VALUES (3, 1, 1, 'r', 0, 0.9, 0.8, 0.1, 1.0);

INSERT INTO [Dial_Current] VALUES (1, 7, 1, 'x', 100, 100, 80, 10, 120);
INSERT INTO [Dial_Current] VALUES (2, 8, 1, 'x', 110, 110, 80, 10, 120);
INSERT INTO [Dial_Current] VALUES (3, 9, 1, 'x', 1, 1, 1, 2, 6);
INSERT INTO [Dial_Current] VALUES (4, 10, 1, 'x', 75, 75, 50, 25, 100);
INSERT INTO [Dial_Current] VALUES (5, 11, 1, 'x', 1, 1, 1, 0.0000001, 2);
INSERT INTO [Dial_Time] VALUES (1, 7, 0, '0.1', 0.1, 0, 0, 0, 0);
INSERT INTO [Dial_Time] VALUES (2, 7, 1, '0.2', 0.2, 0, 0, 0, 0);
INSERT INTO [Dial_Time] VALUES (3, 7, 0, '0.3', 0.3, 0, 0, 0, 0);
)";

class DialValues : public ::testing::Test {
protected:
    DialValues() : m_fixture("BEGIN;" + dvtest::BreakerSchema() + kRows + "COMMIT;") {
        m_db.Open(m_fixture.Path());
    }

    static std::vector<std::string> Texts(const fw::CMemoryCombo& box) {
        std::vector<std::string> texts;
        for (int i = 0; i < box.GetCount(); ++i)
            texts.push_back(box.GetLBText(i));
        return texts;
    }
    static std::vector<std::string> Names(const CReadDial& dial) {
        std::vector<std::string> names;
        for (const auto& v : dial.m_listValue)
            names.push_back(v->m_strName);
        return names;
    }
    static std::vector<double> Values(const CReadDial& dial) {
        std::vector<double> values;
        for (const auto& v : dial.m_listValue)
            values.push_back(v->m_dValue);
        return values;
    }

    tvtest::FixtureDb m_fixture;
    fw::CDatabase m_db;
    tvtest::MessageCapture m_messages;
};

using Strings = std::vector<std::string>;

} // namespace

TEST_F(DialValues, ContinuousRatingWithItsDefaultOnTheGrid) {
    fw::CMemoryCombo box;
    CInfoBase info;
    CReadBase base;
    CRSBreak_Rated rated(&m_db);
    EXPECT_EQ(rated.DoReadSetDefaultContinue(&box, 1, &info, &base, &base.m_dialRated, 1), 11);
    EXPECT_EQ(Texts(box), (Strings{"10", "15", "20", "25", "30"}));
    EXPECT_EQ(box.GetItemData(0), 0); // the decimal count
    EXPECT_EQ(box.GetCurSel(), 2);
    EXPECT_EQ(info.m_dRatedValue, 20.0);
    EXPECT_EQ(info.m_lBreakRatedID, 11);
    EXPECT_EQ(info.m_strRatedName, "10-30A");
    EXPECT_EQ(base.m_dRatedValue, 25.0);
    EXPECT_EQ(base.m_dMaxRatedValue, 30.0);
    EXPECT_EQ(Values(base.m_dialRated), (std::vector<double>{10, 15, 20, 25, 30}));
    EXPECT_EQ(base.m_dialRated.m_listValue.GetHead()->m_lID, 11);
}

TEST_F(DialValues, DefaultOffTheGridSelectsNothingButIsTaken) {
    fw::CMemoryCombo box;
    CInfoBase info;
    CReadBase base;
    CRSBreak_Rated rated(&m_db);
    EXPECT_EQ(rated.DoReadSetDefaultContinue(&box, 2, &info, &base, &base.m_dialRated, 1), 21);
    EXPECT_EQ(box.GetCount(), 5);
    EXPECT_EQ(box.GetCurSel(), -1);
    EXPECT_EQ(info.m_dRatedValue, 12.0);
}

TEST_F(DialValues, QuarterStepsTakeTwoDecimals) {
    fw::CMemoryCombo box;
    CReadDial dial;
    CRSBreak_Rated rated(&m_db);
    EXPECT_EQ(rated.DoReadSetDefaultContinue(&box, 3, nullptr, nullptr, &dial, 1), 31);
    EXPECT_EQ(Texts(box), (Strings{"0.25", "0.50", "0.75", "1.00"}));
    EXPECT_EQ(box.GetItemData(3), 2);
    EXPECT_EQ(box.GetCurSel(), 1);
    EXPECT_EQ(Values(dial), (std::vector<double>{0.25, 0.5, 0.75, 1.0}));
}

TEST_F(DialValues, RangesEndAtTheLastWholeStep) {
    struct Case {
        int32_t owner;
        Strings texts;
    };
    const Case cases[] = {{9, {"1", "3", "5"}}, {10, {"50", "75", "100"}}};
    for (const Case& c : cases) {
        fw::CMemoryCombo box;
        CReadDial dial;
        CInfoPart part;
        CRSDial_Current(&m_db).DoReadSetDefaultContinue(&box, c.owner, &dial, &part, 0, 1);
        EXPECT_EQ(Texts(box), c.texts) << c.owner;
        EXPECT_EQ(Names(dial), c.texts) << c.owner;
    }
    CReadDial dial;
    EXPECT_EQ(CRSBreak_Magni(&m_db).DoReadRangeContinueByID(1, &dial), 3);
    EXPECT_EQ(Names(dial), (Strings{"0.8", "0.9", "1.0"}));
}

TEST_F(DialValues, ShowAsMultipleTextsTellTheSettingsApart_FaultUndividedDecimals) {
    fw::CMemoryCombo box;
    CReadDial dial;
    CInfoPart part;
    CRSDial_Current current(&m_db);
    EXPECT_EQ(current.DoReadSetDefaultContinue(&box, 7, &dial, &part, 1, 1), 1);
    EXPECT_EQ(Texts(box), (Strings{"0.8", "0.9", "1", "1.1", "1.2"}));
    EXPECT_EQ(Names(dial), Texts(box));
    // The values themselves stay as stored.
    EXPECT_EQ(Values(dial), (std::vector<double>{80, 90, 100, 110, 120}));
    EXPECT_EQ(part.m_dCurrent, 100.0);
    EXPECT_EQ(box.GetCurSel(), 2);

    // The default is found by the same texts.
    fw::CMemoryCombo box2;
    EXPECT_EQ(current.DoReadSetDefaultContinue(&box2, 8, &dial, &part, 1, 1), 2);
    EXPECT_EQ(box2.GetCurSel(), 3);
    EXPECT_EQ(part.m_dCurrent, 110.0);

    // Without the flag the values are written as they are.
    fw::CMemoryCombo plain;
    current.DoReadSetDefaultContinue(&plain, 7, &dial, &part, 0, 1);
    EXPECT_EQ(Texts(plain), (Strings{"80", "90", "100", "110", "120"}));
}

TEST_F(DialValues, MixedRatingRowsThenTheValuesOfTheChosenRow) {
    fw::CMemoryCombo rows;
    CInfoBase info;
    CReadBase base;
    CRSBreak_Rated rated(&m_db);
    EXPECT_EQ(rated.DoReadSetDefaultRange(&rows, 5, &info, &base, 1), 52);
    EXPECT_EQ(Texts(rows), (Strings{"0.1-0.16", "4-6", "8"})); // by fixed value
    EXPECT_EQ(rows.GetCurSel(), 1);
    EXPECT_EQ(info.m_dRatedValue, 5.0);
    EXPECT_EQ(base.m_dRatedValue, 5.0);
    EXPECT_TRUE(base.m_dialRated.m_listValue.IsEmpty());

    fw::CMemoryCombo values;
    EXPECT_EQ(rated.DoReadSetDefaultMix(&values, info.m_lBreakRatedID, &info, &base,
                                        &base.m_dialRated, 1),
              52);
    EXPECT_EQ(Texts(values), (Strings{"4.0", "4.5", "5.0", "5.5", "6.0"}));
    EXPECT_EQ(values.GetCurSel(), 2);
    EXPECT_EQ(info.m_strRatedName, "4-6");
    EXPECT_EQ(base.m_dMaxRatedValue, 6.0);

    CReadBase again;
    EXPECT_EQ(rated.DoReadRangeMixByID(51, &again, &again.m_dialRated), 51);
    EXPECT_EQ(again.m_dialRated.m_listValue.GetCount(), 7);
    EXPECT_EQ(again.m_dRatedValue, 0.13);
    EXPECT_EQ(again.m_dMaxRatedValue, 0.16);

    CInfoBase byValue;
    byValue.m_lOpeKindID = 5;
    CReadBase found;
    EXPECT_EQ(rated.DoReadMixByMaxValue(8, &byValue, &found, &found.m_dialRated), 53);
    EXPECT_EQ(Names(found.m_dialRated), (Strings{"8"}));
    EXPECT_EQ(byValue.m_dRatedValue, 8.0);
}

TEST_F(DialValues, FixedValuesWithTheirDefault) {
    fw::CMemoryCombo box;
    CInfoBase info;
    info.m_dMagniValue = 7;
    CReadBase base;
    CRSBreak_Rated rated(&m_db);
    EXPECT_EQ(rated.DoReadSetDefaultFixed(&box, 4, &info, &base, &base.m_dialRated, 1), 45);
    EXPECT_EQ(Texts(box), (Strings{"100A", "125A", "160A", "200A", "250A"}));
    EXPECT_EQ(box.GetItemData(1), 42);
    EXPECT_EQ(box.GetCurSel(), 4);
    EXPECT_EQ(info.m_dRatedValue, 250.0);
    EXPECT_EQ(base.m_dMaxRatedValue, 250.0);

    // The multiplier's default goes into the multiplier; the rating stays.
    CReadDial magni;
    EXPECT_EQ(CRSBreak_Magni(&m_db).DoReadSetDefaultFixed(nullptr, 4, &magni, &info, 1), 2);
    EXPECT_EQ(info.m_dMagniValue, 1.0);
    EXPECT_EQ(info.m_dRatedValue, 250.0);
    EXPECT_EQ(magni.m_listValue.GetCount(), 2);

    // Without init nothing is taken and the rated dial is appended to.
    EXPECT_EQ(rated.DoReadSetDefaultFixed(nullptr, 4, &info, &base, &base.m_dialRated, 0), 0);
    EXPECT_EQ(base.m_dialRated.m_listValue.GetCount(), 10);
    // Without a dial the default is not copied.
    CInfoBase untouched;
    EXPECT_EQ(rated.DoReadSetDefaultFixed(nullptr, 4, &untouched, nullptr, nullptr, 1), 45);
    EXPECT_EQ(untouched.m_lBreakRatedID, 0);
}

TEST_F(DialValues, FixedLookupOfAValue) {
    CReadBase base;
    CRSBreak_Rated rated(&m_db);
    EXPECT_EQ(rated.DoReadRangeFixedByID(4, 160, &base, &base.m_dialRated), 43);
    EXPECT_EQ(base.m_dRatedValue, 160.0);
    EXPECT_EQ(base.m_dMaxRatedValue, 250.0);
    EXPECT_EQ(rated.DoReadRangeFixedByID(4, 150, &base, &base.m_dialRated), 0);
    EXPECT_EQ(base.m_dialRated.m_listValue.GetCount(), 5);

    CReadDial time;
    EXPECT_EQ(CRSDial_Time(&m_db).DoReadRangeFixedByID(7, 0.3, &time), 3);
    EXPECT_EQ(Names(time), (Strings{"0.1", "0.2", "0.3"}));
}

TEST_F(DialValues, BadStepEndsWithNothingOfThatRow) {
    fw::CMemoryCombo box;
    CReadDial dial;
    CInfoBase info;
    info.m_dRatedValue = 3;
    CRSBreak_Rated rated(&m_db);
    EXPECT_EQ(rated.DoReadSetDefaultContinue(&box, 7, &info, nullptr, &dial, 1), 0);
    EXPECT_EQ(box.GetCount(), 0);
    EXPECT_TRUE(dial.m_listValue.IsEmpty());
    EXPECT_EQ(info.m_dRatedValue, 0.0); // reset before the rows

    CReadDial kept;
    dorventa::DoAppendDialValue(&kept, 1, "old", 1);
    EXPECT_EQ(rated.DoReadRangeContinueByID(71, nullptr, &kept), 0);
    EXPECT_EQ(Names(kept), (Strings{"old"}));
}

TEST_F(DialValues, StepBelowTheSixthDecimalIsABadStep) {
    CReadDial dial;
    CInfoPart part;
    EXPECT_EQ(CRSDial_Current(&m_db).DoReadSetDefaultContinue(nullptr, 11, &dial, &part, 0, 1), 0);
    EXPECT_TRUE(dial.m_listValue.IsEmpty());
    dorventa::CRangeGrid grid;
    EXPECT_FALSE(dorventa::DoMakeRangeGrid(0, 1, 1e9, grid)); // a billion values
}

TEST_F(DialValues, FullBoxEndsWithZeroAndKeepsWhatWasAdded) {
    tvtest::RefusingCombo box(3, -2);
    CReadDial dial;
    CRSBreak_Rated rated(&m_db);
    EXPECT_EQ(rated.DoReadSetDefaultContinue(&box, 1, nullptr, nullptr, &dial, 1), 0);
    EXPECT_EQ(box.GetCount(), 3);
    EXPECT_EQ(dial.m_listValue.GetCount(), 4);

    tvtest::RefusingCombo fixed(2, -2);
    CReadDial fixedDial;
    EXPECT_EQ(rated.DoReadSetDefaultFixed(&fixed, 4, nullptr, nullptr, &fixedDial, 1), 0);
    EXPECT_EQ(fixed.GetCount(), 2);
    EXPECT_EQ(fixedDial.m_listValue.GetCount(), 3);
}

TEST_F(DialValues, RatingText) {
    CRSBreak_Rated rated(&m_db);
    EXPECT_EQ(rated.DoReadGetTextRange(4, " ", "Adjustable"), "100 125 160 200\r\n250 ");
    EXPECT_EQ(rated.DoReadGetTextRange(6, " ", "Adjustable"), "10-50 60-100");
    EXPECT_EQ(rated.DoReadGetTextRange(5, " ", "Adjustable"), "Adjustable\r\nAdjustable\r\n8 ");
    EXPECT_EQ(rated.DoReadGetTextRange(99, " ", "Adjustable"), "");
}

TEST_F(DialValues, DialClassesAlwaysResetTheirSetting) {
    CInfoPart part;
    part.m_dTime = 9;
    CReadDial dial;
    dorventa::DoAppendDialValue(&dial, 1, "old", 1);
    // Init 0: nothing taken, but the dial and the setting are reset anyway.
    EXPECT_EQ(CRSDial_Time(&m_db).DoReadSetDefaultFixed(nullptr, 7, &dial, &part, 0), 0);
    EXPECT_EQ(part.m_dTime, 0.0);
    EXPECT_EQ(Names(dial), (Strings{"0.1", "0.2", "0.3"}));
    EXPECT_EQ(CRSDial_Time(&m_db).DoReadSetDefaultFixed(nullptr, 7, &dial, &part, 1), 2);
    EXPECT_EQ(part.m_dTime, 0.2);
}

TEST(DialValuesError, ADatabaseErrorIsShownWithTheTableAndGivesZero) {
    tvtest::FixtureDb broken("CREATE TABLE [Break_Rated] ([lBreakRatedID] INTEGER);");
    fw::CDatabase db;
    db.Open(broken.Path());
    tvtest::MessageCapture capture;
    CReadDial dial;
    EXPECT_EQ(CRSBreak_Rated(&db).DoReadSetDefaultContinue(nullptr, 1, nullptr, nullptr, &dial, 1),
              0);
    EXPECT_EQ(CRSBreak_Rated(&db).DoReadGetTextRange(1, " ", "x"), "");
    ASSERT_EQ(capture.Count(), 2u);
    EXPECT_NE(capture.Last().text.find("[Break_Rated]"), std::string::npos);
}
