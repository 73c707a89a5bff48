// Curves of devices of the reference databases, computed at their default
// settings and merged on a log-log graph (500 units a decade from 10 A and
// 1 ms), compared with values worked out by hand from the curve rows and the
// settings.

#include "CurveDevices.h"
#include "CurveTestAccess.h"

#include "framework/DeviceContext.h"
#include "tests/common/MessageCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using dvtest::CurveDevice;
using dvtest::DeviceCurves;
using dvtest::Graph;
using dvtest::PointsOf;
using P = std::vector<std::pair<double, double>>;

namespace {

class CurveRealDevices : public ::testing::Test {
protected:
    dvtest::OpenDatabases m_db;
    tvtest::MessageCapture m_messages;
};

void ExpectPoint(const CdPoint* p, double x, double y) {
    ASSERT_NE(p, nullptr);
    EXPECT_NEAR(p->m_dX, x, std::abs(x) * 1e-12);
    EXPECT_NEAR(p->m_dY, y, std::abs(y) * 1e-12);
}

bool FiniteAndFalling(const CdPointList& list) {
    double lastX = -INFINITY, lastY = INFINITY;
    for (const auto& p : list) {
        if (!std::isfinite(p->m_dX) || !std::isfinite(p->m_dY) || p->m_dX < lastX ||
            p->m_dY > lastY)
            return false;
        lastX = p->m_dX;
        lastY = p->m_dY;
    }
    return true;
}

// The time of a polyline (graph co-ordinates) at x, the lower end at a
// drop; none (infinite) left of its first point, its last time right of its
// last point: an element trips at no current below its pick-up.
double TimeAt(const CdPointList& list, double x) {
    double t = INFINITY;
    if (list.IsEmpty() || x < list.GetHead()->m_dX)
        return t;
    if (x > list.GetTail()->m_dX)
        return list.GetTail()->m_dY;
    const CdPoint* prev = nullptr;
    for (const auto& p : list) {
        if (p->m_dX == x)
            t = std::min(t, p->m_dY);
        else if (prev && prev->m_dX < x && x < p->m_dX)
            t = std::min(t, prev->m_dY +
                                (p->m_dY - prev->m_dY) * (x - prev->m_dX) / (p->m_dX - prev->m_dX));
        prev = p.get();
    }
    return t;
}

// Where the envelope is not, at every current, the time of the fastest
// element (the curves mapped on the graph): checked at every X of the curves
// and of the envelope and at the thirds between them. Empty when it is.
std::string SlowerThanTheFastestElement(const COneCurveList& curves, const Graph& g,
                                        const CdPointList& envelope) {
    COneCurveList mapped;
    mapped.DoCopyAllOneCurves(curves);
    g.Map(mapped);
    std::vector<double> xs;
    for (const auto& p : envelope)
        xs.push_back(p->m_dX);
    for (const auto& c : mapped)
        for (const auto& p : c->m_listPoint)
            xs.push_back(p->m_dX);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    std::vector<double> at;
    for (size_t k = 0; k < xs.size(); ++k) {
        at.push_back(xs[k]);
        if (k + 1 < xs.size()) {
            at.push_back(xs[k] + (xs[k + 1] - xs[k]) / 3);
            at.push_back(xs[k] + (xs[k + 1] - xs[k]) * 2 / 3);
        }
    }
    for (double x : at) {
        double fastest = INFINITY;
        for (const auto& c : mapped)
            fastest = std::min(fastest, TimeAt(c->m_listPoint, x));
        const double t = TimeAt(envelope, x);
        if (!(std::isinf(fastest) && std::isinf(t)) && !(std::fabs(t - fastest) <= 1e-9))
            return "at x " + std::to_string(x) + ": envelope " + std::to_string(t) +
                   ", fastest element " + std::to_string(fastest);
    }
    return "";
}

} // namespace

// Moulded-case breaker KVC-125S, 100 A at 400 V: the thermal curve in
// multiples of In (1.15 x In at 10000 s ... 10 x In at 3.328 s ...) and the
// magnetic trip at 10 x In (60 s down to 0.03 s, then 15 x at 0.018 s ...).
TEST_F(CurveRealDevices, ThermalMagneticBreaker) {
    CurveDevice d;
    dvtest::ReadDevice(m_db, d, 2, 124, 400);
    ASSERT_EQ(d.info.m_dRatedValue, 100.0);
    DeviceCurves c;
    dvtest::ComputeCurves(d, c);
    ASSERT_EQ(c.typical.GetCount(), 2);
    // X = 100 / 1 * 100 A / 100 * multiple * 400 V.
    const CdPointList& thermal = c.typical.GetAt(0)->m_listPoint;
    ASSERT_EQ(thermal.GetCount(), 22);
    ExpectPoint(thermal.GetAt(0), 115 * 400.0, 10000);
    ExpectPoint(thermal.GetAt(16), 1000 * 400.0, 3.328);
    const COneCurve& magnetic = *c.typical.GetAt(1);
    ExpectPoint(magnetic.m_listPoint.GetAt(1), 1000 * 400.0, 0.03);
    EXPECT_DOUBLE_EQ(magnetic.m_dInstValue, 1000 * 400.0);
    // The thermal element has its own upper curve; the magnetic one is
    // derived from its +-20 % X tolerance.
    ASSERT_EQ(c.upper.GetCount(), 2);
    ExpectPoint(c.upper.GetAt(1)->m_listPoint.GetAt(1), 1200 * 400.0, 0.03);
    EXPECT_DOUBLE_EQ(c.upper.GetAt(1)->m_dInstValue, 1200 * 400.0);
    EXPECT_DOUBLE_EQ(c.lower.GetAt(1)->m_dInstValue, 800 * 400.0);

    // On the graph: 115 A is x = 500 log10(11.5) = 530, 10000 s is y = 3500;
    // 10 x In = 1000 A is x = 1000, where the thermal curve stands at 3.328 s
    // (y = 1761) and the magnetic drop goes down to 0.03 s (y = 739). The
    // thermal point at the drop is kept twice: once as the cut point and once
    // as the crossing appended at it.
    Graph g;
    CdPointList e;
    dvtest::MergeOnGraph(c.typical, g, e);
    EXPECT_EQ(PointsOf(e),
              (P{{530, 3500}, {533, 2996}, {537, 2927}, {543, 2871}, {551, 2821},  {561, 2774},
                 {588, 2673}, {622, 2575}, {651, 2501}, {699, 2387}, {739, 2300},  {801, 2167},
                 {849, 2067}, {889, 1986}, {923, 1918}, {952, 1859}, {1000, 1761}, {1000, 1761},
                 {1000, 739}, {1088, 628}, {1239, 540}, {1500, 438}, {1739, 389}}));

    // Cut at a breaking current of 25 kA (x = 500 log10(2500) = 1699).
    e.DoRectifiesCapacity(1699);
    ASSERT_EQ(e.GetTail()->m_dX, 1699);
    EXPECT_NEAR(e.GetTail()->m_dY, 438 - (438 - 389) * (1699 - 1500) / 239.0, 1e-9);
    EXPECT_EQ(m_messages.Count(), 0u);
}

// Air circuit breaker KVA-16N, 1600 A at 400 V, long time (tR 10 s at 6 x Ir,
// X +-6.67 %, Y +-20 %), short time 6 x Ir at 0.2 s (curves of its own for
// the band), instantaneous 12 x Ir (X +-15 %).
TEST_F(CurveRealDevices, ElectronicTripUnitWithThreeElementsAndBand) {
    CurveDevice d;
    dvtest::ReadDevice(m_db, d, 2, 172, 400);
    DeviceCurves c;
    dvtest::ComputeCurves(d, c);
    ASSERT_EQ(c.typical.GetCount(), 3);
    ASSERT_EQ(c.upper.GetCount(), 3);
    ASSERT_EQ(c.lower.GetCount(), 3);
    // Long time, linked to the rating: 100 * 1600 / 100 * multiple * 400 V;
    // the time dial 10 s over the standard time 10 s.
    ExpectPoint(c.typical.GetAt(0)->m_listPoint.GetAt(11), 1600 * 6 * 400.0, 10);
    ExpectPoint(c.upper.GetAt(0)->m_listPoint.GetAt(11), 1600 * 6 * 1.0667 * 400, 12);
    ExpectPoint(c.lower.GetAt(0)->m_listPoint.GetAt(11), 1600 * 6 * 0.9333 * 400, 8);
    // Short time at 600 % of Ir: 9600 A, 0.2 s; its upper curve 10560 A, 0.25 s.
    ExpectPoint(c.typical.GetAt(1)->m_listPoint.GetAt(1), 9600 * 400.0, 0.2);
    ExpectPoint(c.upper.GetAt(1)->m_listPoint.GetAt(1), 10560 * 400.0, 0.25);
    ExpectPoint(c.lower.GetAt(1)->m_listPoint.GetAt(1), 8640 * 400.0, 0.18);
    // Instantaneous at 1200 %: 19200 A, band 22080 A and 16320 A.
    EXPECT_DOUBLE_EQ(c.typical.GetAt(2)->m_dInstValue, 19200 * 400.0);
    EXPECT_DOUBLE_EQ(c.upper.GetAt(2)->m_dInstValue, 22080 * 400.0);
    EXPECT_DOUBLE_EQ(c.lower.GetAt(2)->m_dInstValue, 16320 * 400.0);
    // Saturation levels from the curve data: each short-time curve keeps its
    // plateau; the long time and the instantaneous curves have none.
    const double levels[3][3] = {{0, 0.2, 0}, {0, 0.25, 0}, {0, 0.18, 0}};
    int band = 0;
    for (const COneCurveList* list : {&c.typical, &c.upper, &c.lower}) {
        for (int k = 0; k < 3; ++k)
            EXPECT_DOUBLE_EQ(list->GetAt(k)->m_dSaturation, levels[band][k]) << band << k;
        ++band;
    }

    // On the graph (x = 500 log10(I / 10 A), y = 500 log10(t / 1 ms)), with
    // the levels as the data give them:
    // typical: 9600 A is x = 1491, where the long time stands at 10 s (its
    // point at 6 x Ir, y = 2000); the plateau at 0.2 s (y = 1151) runs to
    // 19200 A (x = 1642), which drops to 0.05 s (y = 849) and follows the
    // instantaneous curve: 1.5 x at 0.03 s (1730, 739), 3 x at 0.02 s (1880,
    // 651), 10 x at 0.0125 s (2142, 548), 30 x = 576 kA at 0.01 s (2380, 500).
    Graph g;
    CdPointList e;
    dvtest::MergeOnGraph(c.typical, g, e);
    ASSERT_EQ(e.GetCount(), 19);
    const P all = PointsOf(e);
    EXPECT_EQ(all.front(), (std::pair<double, double>{1128, 3500}));
    const P tail(all.begin() + 11, all.end());
    EXPECT_EQ(tail, (P{{1491, 2000},
                       {1491, 1151},
                       {1642, 1151},
                       {1642, 849},
                       {1730, 739},
                       {1880, 651},
                       {2142, 548},
                       {2380, 500}}));
    EXPECT_TRUE(FiniteAndFalling(e));

    // Upper band: the long time's points at 6 and 7 x Ir lie at 6 * 1.0667 *
    // 1600 = 10240 A (x = 1505) at 12 s (y = 2040) and 11947 A (x = 1539) at
    // 8.816 s (y = 1973); the short time's pick-up 10560 A (x = 1512) cuts
    // that segment at 2040 - 67 * 7 / 34. The plateau at 0.25 s (y = 1199)
    // runs to 22080 A (x = 1672), the drop goes to 0.05 s, then the
    // instantaneous curve at 1.15 times its currents: 33120 A (1760), 66240 A
    // (1911), 220.8 kA (2172), 662.4 kA (2411).
    CdPointList upper;
    dvtest::MergeOnGraph(c.upper, g, upper);
    ASSERT_EQ(upper.GetCount(), 20);
    const P up = PointsOf(upper);
    EXPECT_EQ(up.front(), (std::pair<double, double>{1142, 3540}));
    EXPECT_EQ(up[11], (std::pair<double, double>{1505, 2040}));
    EXPECT_EQ(up[12].first, 1512);
    EXPECT_NEAR(up[12].second, 2040 - 67.0 * 7 / 34, 1e-9);
    EXPECT_EQ(P(up.begin() + 13, up.end()), (P{{1512, 1199},
                                               {1672, 1199},
                                               {1672, 849},
                                               {1760, 739},
                                               {1911, 651},
                                               {2172, 548},
                                               {2411, 500}}));

    // Lower band: the long time at 5 and 6 x Ir: 7466 A (x = 1437) at 11.52 s
    // (y = 2031) and 8960 A (x = 1476) at 8 s (y = 1952); the short time's
    // pick-up 8640 A (x = 1468) cuts that segment at 2031 - 79 * 31 / 39. The
    // plateau at 0.18 s (y = 1128) runs to 16320 A (x = 1606), then the
    // instantaneous curve at 0.85 times its currents: 24480 A (1694), 48960 A
    // (1845), 163.2 kA (2106), 489.6 kA (2345).
    CdPointList lower;
    dvtest::MergeOnGraph(c.lower, g, lower);
    ASSERT_EQ(lower.GetCount(), 19);
    const P low = PointsOf(lower);
    EXPECT_EQ(low.front(), (std::pair<double, double>{1113, 3452}));
    EXPECT_EQ(low[10], (std::pair<double, double>{1437, 2031}));
    EXPECT_EQ(low[11].first, 1468);
    EXPECT_NEAR(low[11].second, 2031 - 79.0 * 31 / 39, 1e-9);
    EXPECT_EQ(P(low.begin() + 12, low.end()), (P{{1468, 1128},
                                                 {1606, 1128},
                                                 {1606, 849},
                                                 {1694, 739},
                                                 {1845, 651},
                                                 {2106, 548},
                                                 {2345, 500}}));
    EXPECT_TRUE(FiniteAndFalling(upper));
    EXPECT_TRUE(FiniteAndFalling(lower));
    EXPECT_EQ(m_messages.Count(), 0u);
}

// Every electronic trip unit of the breaker database (long time, short
// time, instantaneous), at its default settings: rated current R, Ir = R
// (the Ir/In dials stand at 1), short time at 6 x Ir and 0.2 s, the
// instantaneous pick-up n x Ir. The short-time curves of the bands are their
// own: 1.1 x and 0.9 x the pick-up at 0.25 s and 0.18 s; the instantaneous
// band is 1.15 x and 0.85 x. Each envelope ends with, on the graph of 500
// units a decade:
//   (x(s), h) (x(s), y(ts)) (x(i), y(ts)) (x(i), y(0.05 s))
//   (x(1.5 i), y(0.03 s)) (x(3 i), y(0.02 s)) (x(10 i), y(0.0125 s))
//   (x(30 i), y(0.01 s))
// with s the short-time pick-up, ts its time, i the instantaneous pick-up and
// h the long time's time at s; and it is the fastest element's time at every
// current.
TEST_F(CurveRealDevices, EveryElectronicTripUnitStepsAtItsPlateauAndDrops) {
    struct Case {
        int32_t type;
        double rated, instMultiple;
    };
    const Case cases[] = {
        {151, 250, 10},  {152, 400, 10},  {153, 400, 10},  {154, 630, 10},  {155, 800, 10},
        {171, 800, 12},  {172, 1600, 12}, {173, 1600, 12}, {174, 2500, 12}, {175, 3200, 12},
        {176, 4000, 12}, {231, 1600, 12}, {232, 630, 10},
    };
    struct Band {
        const char* name;
        double shortTime, shortTimeAt, inst;
    };
    const Band bands[] = {
        {"typical", 1.0, 0.2, 1.0}, {"upper", 1.1, 0.25, 1.15}, {"lower", 0.9, 0.18, 0.85}};
    Graph g;
    for (const Case& c : cases) {
        CurveDevice d;
        dvtest::ReadDevice(m_db, d, 2, c.type, 400);
        ASSERT_EQ(d.info.m_dRatedValue, c.rated) << c.type;
        DeviceCurves curves;
        dvtest::ComputeCurves(d, curves);
        int k = 0;
        for (const COneCurveList* list : {&curves.typical, &curves.upper, &curves.lower}) {
            const Band& b = bands[k++];
            CdPointList e;
            dvtest::MergeOnGraph(*list, g, e);
            const double v = 400;
            const double s = 6 * c.rated * b.shortTime * v;
            const double i = c.rated * c.instMultiple * b.inst * v;
            const P want = {{g.X(s), Graph::Y(b.shortTimeAt)}, {g.X(i), Graph::Y(b.shortTimeAt)},
                            {g.X(i), Graph::Y(0.05)},          {g.X(1.5 * i), Graph::Y(0.03)},
                            {g.X(3 * i), Graph::Y(0.02)},      {g.X(10 * i), Graph::Y(0.0125)},
                            {g.X(30 * i), Graph::Y(0.01)}};
            const P all = PointsOf(e);
            ASSERT_GE(all.size(), want.size() + 1) << c.type << " " << b.name;
            EXPECT_EQ(P(all.end() - 7, all.end()), want) << c.type << " " << b.name;
            // The point before the drop: the long time at the pick-up, above the plateau.
            const auto& h = all[all.size() - 8];
            EXPECT_EQ(h.first, g.X(s)) << c.type << " " << b.name;
            EXPECT_GT(h.second, Graph::Y(b.shortTimeAt)) << c.type << " " << b.name;
            EXPECT_EQ(SlowerThanTheFastestElement(*list, g, e), "") << c.type << " " << b.name;
        }
    }
    EXPECT_EQ(m_messages.Count(), 0u);
}

// The envelope of a three-element trip unit is the fastest element's time at
// every current for every pick-up and delay of its dials: short-time pick-up
// anywhere on the long time (on its points or between them), below or above
// the instantaneous pick-up, every short-time band and long-time delay. An
// electronic moulded-case breaker (continuous short-time dial) and an air
// circuit breaker (fixed steps).
TEST_F(CurveRealDevices, EnvelopeIsTheFastestElementAtEverySetting) {
    struct Case {
        int32_t type;
        std::vector<double> shortTime, inst;
    };
    const Case cases[] = {
        {151,
         {200, 300, 400, 500, 600, 700, 800, 900, 1000},
         {200, 300, 400, 600, 800, 1000, 1200}},
        {172,
         {150, 200, 250, 300, 400, 500, 600, 800, 1000},
         {200, 400, 600, 800, 1000, 1200, 1500}},
    };
    Graph g;
    int envelopes = 0;
    for (const Case& c : cases) {
        CurveDevice d;
        dvtest::ReadDevice(m_db, d, 2, c.type, 400);
        for (double st : c.shortTime)
            for (double inst : c.inst)
                for (double tsd : {0.1, 0.2, 0.3, 0.4})
                    for (double tr : {5.0, 30.0}) {
                        d.settings.GetAt(0)->m_dTime = tr;
                        d.settings.GetAt(1)->m_dCurrent = st;
                        d.settings.GetAt(1)->m_dTime = tsd;
                        d.settings.GetAt(2)->m_dCurrent = inst;
                        DeviceCurves curves;
                        dvtest::ComputeCurves(d, curves);
                        ASSERT_EQ(curves.typical.GetCount(), 3);
                        for (const COneCurveList* list :
                             {&curves.typical, &curves.upper, &curves.lower}) {
                            CdPointList e;
                            dvtest::MergeOnGraph(*list, g, e);
                            ++envelopes;
                            ASSERT_EQ(SlowerThanTheFastestElement(*list, g, e), "")
                                << c.type << " short time " << st << " at " << tsd
                                << " instantaneous " << inst << " tR " << tr;
                        }
                    }
    }
    EXPECT_EQ(envelopes, 2 * 9 * 7 * 4 * 2 * 3);
    EXPECT_EQ(m_messages.Count(), 0u);
}

// Definite-time relay KOR-T3 behind a 200/5 A transformer at 6600 V: 5 A
// tap (200 A primary) at 0.5 s by its operating-time dial, instantaneous at
// 50 A (2000 A primary) in 0.04 s. The definite-time curve's times follow the
// dial, so it carries no saturation level; its plateau still runs to the
// instantaneous pick-up: 200 A is x = 651 (from 500 s, y = 2849, down to
// 0.5 s, y = 1349), 2000 A is x = 1151 (down to 0.04 s, y = 801), 30 x is
// 60 kA, x = 1889. The instantaneous curve keeps its 0.04 s in the bands too
// (no time tolerance).
TEST_F(CurveRealDevices, DefiniteTimeRelayKeepsItsPlateau) {
    CurveDevice d;
    d.info.m_bUseCT = 1;
    d.info.m_nCT1Current = 200;
    d.info.m_nCT2Current = 5;
    dvtest::ReadDevice(m_db, d, 1, 302, 6600);
    DeviceCurves c;
    dvtest::ComputeCurves(d, c);
    ASSERT_EQ(c.typical.GetCount(), 2);
    EXPECT_EQ(c.typical.GetAt(0)->m_dSaturation, 0.0);
    for (const COneCurveList* list : {&c.typical, &c.upper, &c.lower})
        EXPECT_DOUBLE_EQ(list->GetAt(1)->m_dSaturation, 0.04);
    Graph g;
    g.voltage = 6600;
    CdPointList e;
    dvtest::MergeOnGraph(c.typical, g, e);
    EXPECT_EQ(PointsOf(e), (P{{651, 2849}, {651, 1349}, {1151, 1349}, {1151, 801}, {1889, 801}}));
    EXPECT_EQ(m_messages.Count(), 0u);
}

// The ground-fault characteristic of KVG-16 (its second operating kind):
// 20 % of 1600 A = 320 A from 1000 s down to the 0.1 s band, to 30 x. The
// band moves X by 10 % and Y by 15 %, and the saturation level with it.
// On the graph: 320 A is x = 753, 1000 s is y = 3000, 0.1 s is y = 1000,
// 9600 A is x = 1491; upper 352 A (773), 1150 s (3030), 0.115 s (1030),
// 10560 A (1512); lower 288 A (730), 850 s (2965), 0.085 s (965), 8640 A
// (1468).
TEST_F(CurveRealDevices, GroundFaultBandsKeepTheirPlateaus) {
    CurveDevice d;
    dvtest::ReadDevice(m_db, d, 2, 231, 400, 1);
    ASSERT_EQ(d.info.m_strOpeKindName, "Ground fault");
    DeviceCurves c;
    dvtest::ComputeCurves(d, c);
    ASSERT_EQ(c.typical.GetCount(), 1);
    EXPECT_DOUBLE_EQ(c.typical.GetHead()->m_dSaturation, 0.1);
    EXPECT_DOUBLE_EQ(c.upper.GetHead()->m_dSaturation, 0.1 + 0.1 * 15 / 100);
    EXPECT_DOUBLE_EQ(c.lower.GetHead()->m_dSaturation, 0.1 - 0.1 * 15 / 100);
    Graph g;
    struct Case {
        const COneCurveList* list;
        P points;
    };
    const Case cases[] = {
        {&c.typical, {{753, 3000}, {753, 1000}, {1491, 1000}}},
        {&c.upper, {{773, 3030}, {773, 1030}, {1512, 1030}}},
        {&c.lower, {{730, 2965}, {730, 965}, {1468, 965}}},
    };
    for (const Case& k : cases) {
        CdPointList e;
        dvtest::MergeOnGraph(*k.list, g, e);
        EXPECT_EQ(PointsOf(e), k.points);
    }
    EXPECT_EQ(m_messages.Count(), 0u);
}

// Over-current relay KOR-D1 behind a 200/5 A transformer at 6600 V: inverse
// time with a 5 A tap and a time multiplier 0.5, instantaneous at 50 A.
TEST_F(CurveRealDevices, RelayBehindACurrentTransformer) {
    CurveDevice d;
    d.info.m_bUseCT = 1;
    d.info.m_nCT1Current = 200;
    d.info.m_nCT2Current = 5;
    dvtest::ReadDevice(m_db, d, 1, 0, 6600);
    ASSERT_EQ(d.settings.GetAt(0)->m_dCurrent, 5.0);
    ASSERT_EQ(d.settings.GetAt(0)->m_dTime, 0.5);
    ASSERT_EQ(d.settings.GetAt(1)->m_dMagniCurrent, 50.0);
    DeviceCurves c;
    dvtest::ComputeCurves(d, c);
    // The formula curve is left out: one inverse-time curve, one instantaneous.
    ASSERT_EQ(c.typical.GetCount(), 2);
    // Primary current = 40 * tap 5 A * multiple; time = 73.37 s * 0.5 / 1 s.
    const CdPointList& inverse = c.typical.GetAt(0)->m_listPoint;
    ExpectPoint(inverse.GetAt(0), 40 * 5 * 1.1 * 6600, 73.37 * 0.5);
    ExpectPoint(inverse.GetAt(13), 40 * 5 * 10.0 * 6600, 2.971 * 0.5);
    EXPECT_DOUBLE_EQ(c.typical.GetAt(1)->m_dInstValue, 40 * 50 * 6600.0);
    // The band of the inverse-time curve: X +-5 %, Y +-7.5 %.
    ExpectPoint(c.upper.GetAt(0)->m_listPoint.GetAt(13), 40 * 5 * 10.5 * 6600, 2.971 * 1.075 * 0.5);

    // 220 A is x = 671 at 36.685 s (y = 2282); at 2000 A (x = 1151, ten
    // times the tap) the inverse curve stands at 1.4855 s (y = 1586) and the
    // instantaneous trip drops to 0.04 s (y = 801) and runs to 60 kA.
    Graph g;
    g.voltage = 6600;
    CdPointList e;
    dvtest::MergeOnGraph(c.typical, g, e);
    ASSERT_GE(e.GetCount(), 4);
    EXPECT_EQ(PointsOf(e).front(), (std::pair<double, double>{671, 2282}));
    const P all = PointsOf(e);
    EXPECT_EQ(P(all.end() - 4, all.end()),
              (P{{1151, 1586}, {1151, 1586}, {1151, 801}, {1889, 801}}));
    EXPECT_TRUE(FiniteAndFalling(e));
    EXPECT_EQ(m_messages.Count(), 0u);
}

// A merged curve drawn, hit and written as a whole.
TEST_F(CurveRealDevices, DrawAndHitAMergedCurve) {
    CurveDevice d;
    dvtest::ReadDevice(m_db, d, 2, 124, 400);
    DeviceCurves c;
    dvtest::ComputeCurves(d, c);
    Graph g;
    CdPointList e;
    dvtest::MergeOnGraph(c.typical, g, e);

    fw::CRecordingDC dc(600, true);
    dc.SetMapMode(fw::MM_LOMETRIC);
    e.DoDrawAllPoints(&dc, fw::R2_COPYPEN, d.line.m_crColor, 3, d.line.m_nWidth);
    ASSERT_EQ(dc.Records().size(), 1u);
    const fw::CDrawRecord& r = dc.Records()[0];
    EXPECT_EQ(r.points.size(), static_cast<size_t>(e.GetCount()));
    EXPECT_EQ(r.points.front(), fw::CPoint(530, 3500));
    EXPECT_EQ(r.pen.width, 10 / 3);
    EXPECT_EQ(r.pen.dashes, (std::vector<uint32_t>{100, 100, 50, 100}));

    EXPECT_EQ(e.IsHittedCurve(&dc, {1000, 1200}), 1); // on the magnetic drop
    EXPECT_EQ(e.IsHittedCurve(&dc, {1100, 1200}), 0);
    EXPECT_EQ(e.DoGetCurveRectLP(), fw::CRect(480, 339, 1789, 3550));
}
