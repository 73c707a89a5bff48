// The curve database recordsets: curve headers and points, the MPLTC and
// MPEI2t curves and their links from the breaker database.

#include "breakerdata/model/CReadCurve.h"
#include "breakerdata/model/CdPointList.h"
#include "breakerdata/recordsets/CRSBreak_MPEI2t.h"
#include "breakerdata/recordsets/CRSBreak_MPLTC.h"
#include "breakerdata/recordsets/CRSCurve_Header.h"
#include "breakerdata/recordsets/CRSCurve_Point.h"
#include "breakerdata/recordsets/CRSMPEI2t_Curve.h"
#include "breakerdata/recordsets/CRSMPLTC_Curve.h"
#include "tests/common/FixtureDb.h"
#include "tests/common/MessageCapture.h"
#include "tests/dorventa/SchemaFixture.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

const char* kCurves = R"(
INSERT INTO [Curve_Header] VALUES (5, 1, 2, 'LT upper', 'MCCB', 1, 2, 1.05, 7200, 415, 3, 1, 0.5, 100,
    0.001, 0.5, 10000, 1, 'a*x', 1.1, 20, 0.1, 1, 300, 1, 0.01, 1000, 0.02, 10, -10, 15, -15);
INSERT INTO [Curve_Point] VALUES (1, 5, 2, 10, 0);
INSERT INTO [Curve_Point] VALUES (2, 5, 1, 100, 0);
INSERT INTO [Curve_Point] VALUES (3, 6, 0.5, 1, 0);
INSERT INTO [Curve_Point] VALUES (4, 5, 2, 20, 0);
INSERT INTO [Curve_Point] VALUES (5, 5, 3.1234567, 0.0000004, 1);
INSERT INTO [Curve_Point] VALUES (6, 5, 5, 0.01, 1);
INSERT INTO [Curve_Point] VALUES (7, 6, 9, 0.01, 1);

INSERT INTO [MPLTC_Header] VALUES (1, 1, 2, 'NF 415', 415);
INSERT INTO [MPLTC_Header] VALUES (2, 1, 2, 'NF 690', 690);
INSERT INTO [MPLTC_Header] VALUES (3, 1, 2, 'NF 415 b', 415);
INSERT INTO [MPLTC_Point] VALUES (1, 1, 10000, 8000);
INSERT INTO [MPLTC_Point] VALUES (2, 1, 5000, 4500);
INSERT INTO [MPLTC_Point] VALUES (3, 2, 8000, 6000);
INSERT INTO [MPLTC_Point] VALUES (4, 3, 7000, 5000);
INSERT INTO [MPEI2t_Header] VALUES (1, 1, 2, 'NF 415', 415);
INSERT INTO [MPEI2t_Header] VALUES (2, 1, 2, 'NF 690', 690);
INSERT INTO [MPEI2t_Header] VALUES (3, 1, 2, 'NF 415 b', 415);
INSERT INTO [MPEI2t_Point] VALUES (1, 1, 10000, 250);
INSERT INTO [MPEI2t_Point] VALUES (2, 1, 5000, 120.5);
INSERT INTO [MPEI2t_Point] VALUES (3, 2, 8000, 300);
INSERT INTO [MPEI2t_Point] VALUES (4, 3, 7000, 200);
)";

// Type 7 links the 690 V curve, then the 415 V curve and a second 415 V
// curve for 100 to 250 A, and the first 415 V curve again for 300 to 400 A.
std::string Links(const char* table) {
    std::string t = table;
    return "INSERT INTO [" + t + "] VALUES (1, 7, 2, 100, 250);" + "INSERT INTO [" + t +
           "] VALUES (2, 7, 1, 100, 250);" + "INSERT INTO [" + t + "] VALUES (3, 7, 3, 100, 250);" +
           "INSERT INTO [" + t + "] VALUES (4, 7, 1, 300, 400);" + "INSERT INTO [" + t +
           "] VALUES (5, 8, 2, 100, 250);";
}

class Curves : public ::testing::Test {
protected:
    Curves()
        : m_curveFixture(dvtest::CurveSchema() + kCurves),
          m_breakerFixture(dvtest::BreakerSchema() + Links("Break_MPLTC") + Links("Break_MPEI2t")) {
        m_curve.Open(m_curveFixture.Path());
        m_breaker.Open(m_breakerFixture.Path());
    }
    tvtest::FixtureDb m_curveFixture;
    tvtest::FixtureDb m_breakerFixture;
    fw::CDatabase m_curve;
    fw::CDatabase m_breaker;
};

using Points = std::vector<std::pair<double, double>>;

Points Of(const CdPointList& list) {
    Points points;
    for (const auto& p : list)
        points.emplace_back(p->m_dX, p->m_dY);
    return points;
}

} // namespace

TEST_F(Curves, AHeaderGivesTheCurveWhatItsComputationNeeds) {
    CRSCurve_Header rs(&m_curve);
    CReadCurve curve;
    curve.m_lStdVoltage2 = 440; // from the standard-curve row: left alone
    curve.m_dPairTime = 0.3;
    curve.m_lCurveHeaderID = 5;
    EXPECT_EQ(rs.DoReadByCurveHeaderID(5, &curve), 1);
    EXPECT_EQ(curve.m_nCurveKind, 1);
    EXPECT_EQ(curve.m_nSettingFlag, 2);
    EXPECT_EQ(curve.m_dStdCurrent, 1.05);
    EXPECT_EQ(curve.m_dStdTime, 7200.0);
    EXPECT_EQ(curve.m_lStdVoltage, 415);
    EXPECT_EQ(curve.m_bSaveFormula, 1);
    EXPECT_EQ(curve.m_strFormula, "a*x");
    EXPECT_EQ(curve.m_dCurrentMini, 1.1);
    EXPECT_EQ(curve.m_dCurrentMax, 20.0);
    EXPECT_EQ(curve.m_dInterval, 0.1);
    EXPECT_EQ(curve.m_bUseLogInput, 1);
    EXPECT_EQ(curve.m_nMaxPointValue, 300);
    EXPECT_EQ(curve.m_bUseTimeClip, 1);
    EXPECT_EQ(
        (std::vector<double>{curve.m_dClipTimeMini, curve.m_dClipTimeMax, curve.m_dSaturationTime,
                             curve.m_dXErrorPlus, curve.m_dXErrorMinus, curve.m_dYErrorPlus,
                             curve.m_dYErrorMinus}),
        (std::vector<double>{0.01, 1000, 0.02, 10, -10, 15, -15}));
    EXPECT_EQ(curve.m_lStdVoltage2, 440);
    EXPECT_EQ(curve.m_dPairTime, 0.3);
    EXPECT_EQ(rs.m_sCurveName, "LT upper");
    EXPECT_EQ(rs.m_dYMaximum, 10000.0);

    CReadCurve untouched;
    EXPECT_EQ(rs.DoReadByCurveHeaderID(9, &untouched), 0);
    EXPECT_EQ(untouched.m_nCurveKind, 0);
    EXPECT_EQ(rs.DoReadByCurveHeaderID(5, nullptr), 1);
}

TEST_F(Curves, PointsRiseInXFallInTimeAndKeepSixDecimals) {
    CRSCurve_Point rs(&m_curve);
    CdPointList list;
    double instX = -1;
    EXPECT_EQ(rs.DoReadByCurveHeaderID(5, &list, &instX), 5);
    EXPECT_EQ(Of(list), (Points{{1, 100}, {2, 20}, {2, 10}, {3.123457, 0}, {5, 0.01}}));
    EXPECT_EQ(instX, 5.0); // the last marked point wins
    list.DoDeleteAllPoints();
    EXPECT_EQ(rs.DoReadByCurveHeaderID(5, &list, nullptr), 5);
}

TEST_F(Curves, TheInstantaneousXIsResetEvenWhenNoPointIsRead) {
    CRSCurve_Point rs(&m_curve);
    CdPointList list;
    double instX = 7;
    EXPECT_EQ(rs.DoReadByCurveHeaderID(99, &list, &instX), 0);
    EXPECT_EQ(instX, 0.0);
    EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(Curves, HeaderAndVoltageNarrowTheMPLTCJoin) {
    struct Case {
        int32_t header, voltage;
        int count;
        int32_t voltageAfter;
    };
    // Without a header there is no join condition: every header with every
    // point (3 x 4 rows; the voltage of the last row read, in X order).
    const Case cases[] = {
        {1, 0, 2, 415},   {1, 415, 2, 415}, {1, 440, 0, 440},
        {2, 440, 1, 690}, {0, 0, 12, 415},  {0, 600, 4, 690},
    };
    for (const Case& c : cases) {
        CRSMPLTC_Curve rs(&m_curve);
        int32_t voltage = c.voltage;
        EXPECT_EQ(rs.DoReadByHeaderVolt(c.header, voltage, nullptr), c.count)
            << c.header << " " << c.voltage;
        if (c.count != 12) {
            EXPECT_EQ(voltage, c.voltageAfter) << c.header << " " << c.voltage;
        }
    }
    CRSMPLTC_Curve rs(&m_curve);
    CdPointList list;
    int32_t voltage = 0;
    EXPECT_EQ(rs.DoReadByHeaderVolt(1, voltage, &list), 2);
    EXPECT_EQ(Of(list), (Points{{5000, 4500}, {10000, 8000}}));
}

TEST_F(Curves, MPEI2tEnergyIsReadInAmpereSquaredSeconds) {
    CRSMPEI2t_Curve rs(&m_curve);
    CdPointList list;
    int32_t voltage = 0;
    EXPECT_EQ(rs.DoReadByHeaderVolt(1, voltage, &list), 2);
    EXPECT_EQ(voltage, 415);
    EXPECT_EQ(Of(list), (Points{{5000, 120500}, {10000, 250000}}));
}

namespace {

struct LinkCase {
    int32_t type, voltage;
    double rated;
    int count;
    int32_t found;
    double firstX;
};

// The lowest voltage at or above the asked one among the curves whose rated
// range holds the rated value; the first link wins a tie.
const LinkCase kLinkCases[] = {
    {7, 400, 160, 2, 415, 5000},       {7, 415, 100, 2, 415, 5000}, {7, 500, 160, 1, 690, 8000},
    {7, 0, 250.0000001, 2, 415, 5000}, {7, 400, 0, 2, 415, 5000},   {7, 400, 350, 2, 415, 5000},
    {0, 600, 160, 1, 690, 8000},       {8, 400, 160, 1, 690, 8000}, {7, 700, 160, 0, -1, 0},
    {7, 400, 260, 0, -1, 0},           {9, 0, 0, 0, -1, 0},
};

} // namespace

TEST_F(Curves, TheLinkChoosesTheCurveOfTheLowestVoltageNotBelowTheCircuit) {
    for (const LinkCase& c : kLinkCases) {
        CRSBreak_MPLTC rs(&m_breaker);
        CdPointList list;
        int32_t found = -1;
        EXPECT_EQ(rs.DoReadByRatedValue(&m_curve, c.type, c.voltage, c.rated, &list, &found),
                  c.count)
            << c.type << " " << c.voltage << " " << c.rated;
        EXPECT_EQ(found, c.found) << c.type << " " << c.voltage << " " << c.rated;
        EXPECT_EQ(list.GetCount(), c.count);
        if (c.count) {
            EXPECT_EQ(list.GetHead()->m_dX, c.firstX);
        }
    }
}

TEST_F(Curves, TheMPEI2tLinkChoosesAsTheMPLTCLinkAndScalesItsEnergy) {
    for (const LinkCase& c : kLinkCases) {
        CRSBreak_MPEI2t rs(&m_breaker);
        CdPointList list;
        int32_t found = -1;
        EXPECT_EQ(rs.DoReadByRatedValue(&m_curve, c.type, c.voltage, c.rated, &list, &found),
                  c.count)
            << c.type << " " << c.voltage << " " << c.rated;
        EXPECT_EQ(found, c.found);
    }
    CRSBreak_MPEI2t rs(&m_breaker);
    CdPointList list;
    EXPECT_EQ(rs.DoReadByRatedValue(&m_curve, 7, 400, 160, &list, nullptr), 2);
    EXPECT_EQ(Of(list), (Points{{5000, 120500}, {10000, 250000}}));
}

TEST_F(Curves, ACurveTableMissingFromTheDatabaseIsShownWithItsNameAndGivesZero) {
    // The breaker database holds no curve tables: every lookup of a link
    // fails there, is shown once per link, and no curve is chosen.
    CRSBreak_MPLTC rs(&m_breaker);
    CdPointList list;
    tvtest::MessageCapture messages;
    EXPECT_EQ(rs.DoReadByRatedValue(&m_breaker, 8, 400, 160, &list, nullptr), 0);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_NE(messages.Last().text.find("[MPLTC_Header],[MPLTC_Point]"), std::string::npos);

    CRSCurve_Point points(&m_breaker);
    double instX = 3;
    EXPECT_EQ(points.DoReadByCurveHeaderID(5, &list, &instX), 0);
    EXPECT_EQ(messages.Count(), 2u);
    EXPECT_NE(messages.Last().text.find("[Curve_Point]"), std::string::npos);
    EXPECT_EQ(instX, 0.0);
}
