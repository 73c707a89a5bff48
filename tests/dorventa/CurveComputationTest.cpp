// Scaling reference curves to a device at its settings, with hand-built
// records whose results are worked out in the comments.

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CInfoLine.h"
#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/model/COneCurve.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/model/CReadCurve.h"
#include "breakerdata/model/CReadPart.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Device {
    CInfoBase info;
    CReadBase base;
    CInfoPart setting;
    CReadPart part;

    Device() {
        info.m_nVoltage = 400;
        info.m_dRatedValue = 400;
        base.m_dRatedValue = 400;
        base.m_dialRated.m_nKind = 2;
    }

    CReadCurve& AddCurve(int kind, int settingFlag, std::vector<std::pair<double, double>> pts) {
        CReadCurve* c = part.m_listReadCurve.DoAddNewReadCurve();
        c->m_nCurveKind = kind;
        c->m_nSettingFlag = settingFlag;
        c->m_dStdCurrent = 1;
        c->m_dXErrorPlus = c->m_dXErrorMinus = c->m_dYErrorPlus = c->m_dYErrorMinus = -1;
        for (auto [x, y] : pts)
            *c->m_listPoint.DoAddNewPoint() = CdPoint(x, y);
        return *c;
    }
};

using P = std::vector<std::pair<double, double>>;

void ExpectPoints(const CdPointList& list, const P& expected) {
    ASSERT_EQ(list.GetCount(), static_cast<int>(expected.size()));
    size_t i = 0;
    for (const auto& p : list) {
        EXPECT_DOUBLE_EQ(p->m_dX, expected[i].first) << "point " << i;
        EXPECT_DOUBLE_EQ(p->m_dY, expected[i].second) << "point " << i;
        ++i;
    }
}

} // namespace

// The transformer ratio is taken in whole numbers; the divisor divides.
TEST(CurveComputation, CommonFactorOfTransformerAndDivisor) {
    struct Case {
        int useCT, ct1, ct2, useDivisor, divisor;
        double x;
    };
    // Current curve (flag 2), S = 1, no link, no dials: X = k * x * V.
    const Case cases[] = {
        {1, 150, 100, 0, 0, 1 * 2.0 * 400}, {1, 100, 5, 0, 0, 20 * 2.0 * 400},
        {0, 100, 5, 0, 0, 1 * 2.0 * 400},   {1, 100, 0, 0, 0, 1 * 2.0 * 400},
        {1, 100, 5, 1, 4, 5 * 2.0 * 400},   {0, 0, 0, 1, 0, 1 * 2.0 * 400},
        {0, 0, 0, 1, 8, 0.125 * 2.0 * 400},
    };
    for (const Case& c : cases) {
        Device d;
        d.info.m_bUseCT = c.useCT;
        d.info.m_nCT1Current = c.ct1;
        d.info.m_nCT2Current = c.ct2;
        d.info.m_bUseDivisor = c.useDivisor;
        d.info.m_nDivisor = c.divisor;
        CReadCurve& curve = d.AddCurve(2, 2, {});
        CdPoint p;
        p.DoCalcSetCurrent(2.0, curve, d.info, d.base, d.setting, d.part);
        EXPECT_DOUBLE_EQ(p.m_dX, c.x) << c.ct1 << "/" << c.ct2 << " div " << c.divisor;
    }
}

TEST(CurveComputation, CurrentScaling) {
    struct Case {
        const char* what;
        double stdCurrent;
        int isLink, linkNumber, ratedKind, magniKind, currentKind, isCurrent, magniCurrentKind;
        double x;
    };
    // info: rated 400, magni 2, voltage 400; base reference rated 400;
    // settings: current 80, magni-current 3. Reference x = 10.
    const Case cases[] = {
        // k = 1/S * S = 1 -> X = 10 * 400.
        {"plain", 5, 0, 0, 2, 0, 0, 0, 0, 10 * 400.0},
        // S = 0 without the link: k * S gives 0.
        {"no standard current", 0, 0, 0, 2, 0, 0, 0, 0, 0.0},
        // Link 0: k = 1/5 * rated 400 = 80.
        {"linked to the rating", 5, 1, 0, 2, 0, 0, 0, 0, 80 * 10 * 400.0},
        // Link 0 with a rating kind that is no rating: k stays 1/5.
        {"linked, no rating", 5, 1, 0, 0, 0, 0, 0, 0, 0.2 * 10 * 400.0},
        // Multiplier dial: * 2; current dial in percent: * 80 / 100.
        {"multiplier and percent", 5, 0, 0, 2, 3, 2, 0, 0, 2 * 0.8 * 10 * 400.0},
        // Absolute current: * 80, / R 400, / (S/R = 5/400): 80 / 400 * 80 = 16.
        {"absolute current", 5, 0, 0, 2, 0, 3, 1, 0, 16 * 10 * 400.0},
        // Absolute current with the link: no division by S/R: 80 * 80 / 400 = 16.
        {"absolute current linked", 5, 1, 0, 2, 0, 3, 1, 0, 16 * 10 * 400.0},
        // Multiplier-current dial: * 3.
        {"magni current", 5, 0, 0, 2, 0, 0, 0, 2, 3 * 10 * 400.0},
        // Dial kinds other than 2 and 3 are not in use.
        {"dials of kind 4", 5, 0, 0, 2, 4, 4, 0, 4, 10 * 400.0},
    };
    for (const Case& c : cases) {
        Device d;
        d.info.m_dMagniValue = 2;
        d.setting.m_dCurrent = 80;
        d.setting.m_dMagniCurrent = 3;
        d.base.m_dialRated.m_nKind = c.ratedKind;
        d.base.m_dialMagni.m_nKind = c.magniKind;
        d.part.m_bIsLink = c.isLink;
        d.part.m_nLinkNumber = c.linkNumber;
        d.part.m_dialCurrent.m_nKind = c.currentKind;
        d.part.m_bIsCurrent = c.isCurrent;
        d.part.m_dialMagniCurrent.m_nKind = c.magniCurrentKind;
        CReadCurve& curve = d.AddCurve(2, 2, {});
        curve.m_dStdCurrent = c.stdCurrent;
        CdPoint p;
        p.DoCalcSetCurrent(10, curve, d.info, d.base, d.setting, d.part);
        EXPECT_DOUBLE_EQ(p.m_dX, c.x) << c.what;
    }
}

// An absolute current dial on a curve without a standard current: step 4
// gives k = 0, and the division by S / R = 0 must not make it undefined.
TEST(CurveComputation, AbsoluteCurrentWithoutStandardCurrent_FaultDivisionByZero) {
    Device d;
    d.setting.m_dCurrent = 80;
    d.part.m_dialCurrent.m_nKind = 3;
    d.part.m_bIsCurrent = 1;
    CReadCurve& curve = d.AddCurve(2, 2, {{2, 10}, {20, 1}});
    curve.m_dStdCurrent = 0;
    CdPointList points;
    points.DoCalcSetAllPoints(2, curve, d.info, d.base, d.setting, d.part, 0);
    ExpectPoints(points, P{{0, 10}, {0, 1}});
}

TEST(CurveComputation, MultipleScaling) {
    struct Case {
        const char* what;
        double stdCurrent;
        int isLink, linkNumber, ratedKind, currentKind;
        double x;
    };
    // info rated 250, base reference rated 400, current setting 80 (%).
    const Case cases[] = {
        // k = 100 / 1 * 400 / 100 = 400 -> 10 x 400 A x 400 V.
        {"reference rating", 1, 0, 0, 2, 0, 400 * 10 * 400.0},
        // S = 0 skips step 3: k = 400 / 100 = 4.
        {"no standard current", 0, 0, 0, 2, 0, 4 * 10 * 400.0},
        // Link 0: the selection's rated value 250 instead.
        {"linked", 1, 1, 0, 3, 0, 250 * 10 * 400.0},
        // Link 1 (not 0): the reference rating again.
        {"link number 1", 1, 1, 1, 3, 0, 400 * 10 * 400.0},
        // Current dial: 80 %.
        {"current setting", 1, 0, 0, 2, 3, 320 * 10 * 400.0},
    };
    for (const Case& c : cases) {
        Device d;
        d.info.m_dRatedValue = 250;
        d.setting.m_dCurrent = 80;
        d.base.m_dialRated.m_nKind = c.ratedKind;
        d.part.m_bIsLink = c.isLink;
        d.part.m_nLinkNumber = c.linkNumber;
        d.part.m_dialCurrent.m_nKind = c.currentKind;
        CReadCurve& curve = d.AddCurve(2, 1, {});
        curve.m_dStdCurrent = c.stdCurrent;
        CdPoint p;
        p.DoCalcSetMultiple(10, curve, d.info, d.base, d.setting, d.part);
        EXPECT_DOUBLE_EQ(p.m_dX, c.x) << c.what;
    }
}

TEST(CurveComputation, TimeScaling) {
    struct Case {
        int timeKind, magniTimeKind;
        double stdTime;
        double y;
    };
    // time setting 0.4, multiplier-time setting 0.5, reference y = 3.
    const Case cases[] = {
        {0, 0, 0.2, 3.0},           // no dial
        {2, 0, 0.2, 3.0 * 2},       // t = 0.4 / 0.2
        {3, 0, 0.0, 3.0},           // no standard time: t = 1
        {2, 2, 0.2, 3.0 * 2 * 2.5}, // * 0.5 / 0.2
        {0, 3, 0.2, 3.0 * 1 * 2.5}, // the multiplier alone
        {2, 2, 0.0, 3.0},           // neither without a standard time
    };
    for (const Case& c : cases) {
        Device d;
        d.setting.m_dTime = 0.4;
        d.setting.m_dMagniTime = 0.5;
        d.part.m_dialTime.m_nKind = c.timeKind;
        d.part.m_dialMagniTime.m_nKind = c.magniTimeKind;
        CReadCurve& curve = d.AddCurve(2, 1, {});
        curve.m_dStdTime = c.stdTime;
        CdPoint p;
        p.DoCalcSetTimePoint(3, curve, d.setting, d.part);
        EXPECT_DOUBLE_EQ(p.m_dY, c.y) << c.timeKind << " " << c.magniTimeKind;
    }
}

// A tolerance of 0 % takes part for points (and changes nothing); a negative
// one is skipped. The offset is added after scaling.
TEST(CurveComputation, PointTolerancesAndOffset) {
    Device d;
    d.info.m_nVoltage = 1;
    CReadCurve& curve = d.AddCurve(1, 0, {{100, 10}, {200, 1}}); // X unscaled
    curve.m_dXErrorPlus = 10;
    curve.m_dYErrorPlus = 0;
    curve.m_dXErrorMinus = -1;
    curve.m_dYErrorMinus = 20;
    CdPointList upper, lower, nominal;
    upper.DoCalcSetAllPoints(1, curve, d.info, d.base, d.setting, d.part, 0.05);
    lower.DoCalcSetAllPoints(3, curve, d.info, d.base, d.setting, d.part, 0);
    nominal.DoCalcSetAllPoints(2, curve, d.info, d.base, d.setting, d.part, 0);
    ExpectPoints(upper, P{{110, 10.05}, {220, 1.05}});
    ExpectPoints(lower, P{{100, 8}, {200, 0.8}});
    ExpectPoints(nominal, P{{100, 10}, {200, 1}});
}

TEST(CurveComputation, InstantaneousValueIgnoresZeroTolerance) {
    Device d;
    CReadCurve& curve = d.AddCurve(2, 2, {});
    curve.m_dStdCurrent = 0; // flag 2, no link: X is 0
    curve.m_nSettingFlag = 0;
    curve.m_dInstX = 1000;
    curve.m_dXErrorPlus = 0;
    curve.m_dXErrorMinus = 20;
    COneCurve one;
    one.DoCalcSetInstValue(1, curve, d.info, d.base, d.setting, d.part);
    EXPECT_DOUBLE_EQ(one.m_dInstValue, 1000);
    one.DoCalcSetInstValue(3, curve, d.info, d.base, d.setting, d.part);
    EXPECT_DOUBLE_EQ(one.m_dInstValue, 800);
    curve.m_nSettingFlag = 1; // as a multiple, S = 0: 400 / 100 * 1000 * 400
    one.DoCalcSetInstValue(2, curve, d.info, d.base, d.setting, d.part);
    EXPECT_DOUBLE_EQ(one.m_dInstValue, 4.0 * 1000 * 400);
    curve.m_nSettingFlag = 2;
    one.DoCalcSetInstValue(2, curve, d.info, d.base, d.setting, d.part);
    EXPECT_DOUBLE_EQ(one.m_dInstValue, 0.0);
}

TEST(CurveComputation, AllOneCurvesByKindTimeFilterAndFormula) {
    Device d;
    d.info.m_nVoltage = 1;
    d.setting.m_dTime = 0.2;
    CReadCurve& a = d.AddCurve(2, 0, {{1, 100}});
    a.m_dPairTime = 0.1;
    a.m_dSaturationTime = 0.01;
    CReadCurve& b = d.AddCurve(2, 0, {{1, 200}});
    b.m_dPairTime = 0.2;
    CReadCurve& c = d.AddCurve(1, 0, {{1, 300}});
    c.m_dPairTime = 0.2;
    CReadCurve& f = d.AddCurve(2, 0, {});
    f.m_bSaveFormula = 1;

    COneCurveList list;
    EXPECT_EQ(list.DoCalcSetAllOneCurves(2, d.info, d.base, d.setting, d.part, 0.5), 1);
    ASSERT_EQ(list.GetCount(), 2); // a and b; the formula curve is skipped
    EXPECT_DOUBLE_EQ(list.GetHead()->m_dSaturation, 0.51);
    EXPECT_DOUBLE_EQ(list.GetHead()->m_listPoint.GetHead()->m_dY, 100.5);
    list.DoDeleteAllOneCurves();

    // Undetermined time with a fixed time dial: only the pair time 0.2.
    d.part.m_bIsNoneSadamu = 1;
    d.part.m_dialTime.m_nKind = 2;
    EXPECT_EQ(list.DoCalcSetAllOneCurves(2, d.info, d.base, d.setting, d.part, 0), 1);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_DOUBLE_EQ(list.GetHead()->m_listPoint.GetHead()->m_dY, 200); // no standard time
    list.DoDeleteAllOneCurves();
    // With a continuous time dial no curve is used.
    d.part.m_dialTime.m_nKind = 3;
    EXPECT_EQ(list.DoCalcSetAllOneCurves(2, d.info, d.base, d.setting, d.part, 0), 0);
    EXPECT_EQ(list.DoCalcSetAllOneCurves(1, d.info, d.base, d.setting, d.part, 0), 0);
    EXPECT_TRUE(list.IsEmpty());

    // Only formula curves: nothing.
    Device g;
    g.AddCurve(2, 0, {}).m_bSaveFormula = 1;
    EXPECT_EQ(list.DoCalcSetAllOneCurves(2, g.info, g.base, g.setting, g.part, 0), 0);
}

TEST(CurveComputation, ErrorCurvesFromTheTypicalCurve) {
    Device d;
    d.info.m_nVoltage = 1;
    CReadCurve& none = d.AddCurve(2, 0, {{1, 1}}); // no tolerance at all: never used
    (void)none;
    CReadCurve& typ = d.AddCurve(2, 0, {{100, 10}, {1000, 0.1}});
    typ.m_dXErrorPlus = 20;
    typ.m_dXErrorMinus = 10;
    typ.m_dYErrorPlus = 50;
    typ.m_dYErrorMinus = -1;
    typ.m_dSaturationTime = 0.02;
    typ.m_dInstX = 1000;
    CInfoLine line; // band flag 1

    COneCurveList upper, lower, other;
    EXPECT_EQ(upper.DoCalcSetErrorCurves(1, d.info, d.base, d.setting, d.part, line, 0.01), 1);
    ASSERT_EQ(upper.GetCount(), 1);
    const COneCurve& u = *upper.GetHead();
    ExpectPoints(u.m_listPoint, P{{120, 15.01}, {1200, 0.16}});
    // (0.01 + 0.02) * 1.5
    EXPECT_DOUBLE_EQ(u.m_dSaturation, 0.03 + 0.03 * 50 / 100);
    EXPECT_DOUBLE_EQ(u.m_dInstValue, 1200);

    EXPECT_EQ(lower.DoCalcSetErrorCurves(3, d.info, d.base, d.setting, d.part, line, 0), 1);
    const COneCurve& l = *lower.GetHead();
    ExpectPoints(l.m_listPoint, P{{90, 10}, {900, 0.1}});
    // Y minus is -1, no tolerance: the level stays at the saturation time.
    EXPECT_DOUBLE_EQ(l.m_dSaturation, 0.02);
    EXPECT_DOUBLE_EQ(l.m_dInstValue, 900);

    EXPECT_EQ(other.DoCalcSetErrorCurves(2, d.info, d.base, d.setting, d.part, line, 0), 0);
    EXPECT_TRUE(other.IsEmpty());

    // Without the band flag the band curves are the typical one.
    line.m_nBandFlag = 0;
    COneCurveList flat;
    EXPECT_EQ(flat.DoCalcSetErrorCurves(1, d.info, d.base, d.setting, d.part, line, 0), 1);
    ExpectPoints(flat.GetHead()->m_listPoint, P{{100, 10}, {1000, 0.1}});
    EXPECT_DOUBLE_EQ(flat.GetHead()->m_dSaturation, 0.02 * 1.5);

    // A curve whose four tolerances are all negative never gives a band.
    Device e;
    e.AddCurve(2, 0, {{1, 1}});
    COneCurveList none2;
    line.m_nBandFlag = 1;
    EXPECT_EQ(none2.DoCalcSetErrorCurves(1, e.info, e.base, e.setting, e.part, line, 0), 0);
}

// A band's saturation level moves by the band's time tolerance; a negative
// tolerance means none, so the level stays (moved by -1 % it would go the
// wrong way: up for the lower band, down for the upper one).
TEST(CurveComputation, ErrorCurveLevelWithoutTimeTolerance_FaultMovedTheWrongWay) {
    Device d;
    d.info.m_nVoltage = 1;
    CReadCurve& inst = d.AddCurve(2, 0, {{10, 100}, {10, 0.04}, {300, 0.04}});
    inst.m_dXErrorPlus = 10;
    inst.m_dXErrorMinus = 10;
    inst.m_dYErrorPlus = -1;
    inst.m_dYErrorMinus = -1;
    inst.m_dSaturationTime = 0.04;
    CInfoLine line;
    struct Case {
        int band;
        double yPlus, yMinus, level;
    };
    const Case cases[] = {
        {1, -1, -1, 0.04},        {3, -1, -1, 0.04}, {1, 15, -1, 0.04 * 1.15},
        {3, -1, 15, 0.04 * 0.85}, {1, 0, 0, 0.04},   {3, 0, 0, 0.04},
    };
    for (const Case& c : cases) {
        inst.m_dYErrorPlus = c.yPlus;
        inst.m_dYErrorMinus = c.yMinus;
        COneCurveList band;
        ASSERT_EQ(band.DoCalcSetErrorCurves(c.band, d.info, d.base, d.setting, d.part, line, 0), 1);
        EXPECT_DOUBLE_EQ(band.GetHead()->m_dSaturation, c.level)
            << c.band << " " << c.yPlus << " " << c.yMinus;
    }
}

TEST(CurveComputation, CopyingCurveListsIsDeep) {
    COneCurveList a;
    COneCurve* c = a.DoAddNewOneCurve();
    *c->m_listPoint.DoAddNewPoint() = CdPoint(1, 2);
    c->m_dSaturation = 3;
    c->m_dInstValue = 4;
    COneCurveList b;
    b.DoCopyAllOneCurves(a);
    a.GetHead()->m_listPoint.GetHead()->m_dX = 9;
    ASSERT_EQ(b.GetCount(), 1);
    EXPECT_EQ(b.GetHead()->m_listPoint.GetHead()->m_dX, 1);
    EXPECT_EQ(b.GetHead()->m_dSaturation, 3);
    EXPECT_EQ(b.GetHead()->m_dInstValue, 4);
    a.DoDeleteAllOneCurves();
    EXPECT_TRUE(a.IsEmpty());
}
