// Every text of the generator, motor effect, motor, general load and
// capacitor over a table of edge values (zero, negative, tiny, huge, not a
// number, infinite) shows a number: never "nan" or "inf". Data typed in a
// dialog or read from a damaged file reaches these texts unchecked, and a
// label or report must stay readable whatever it holds. The curves and the
// calculation's terms stay finite as well.

#include "app/elements/supply/CEleCapacitor.h"
#include "app/elements/supply/CEleGenerator.h"
#include "app/elements/supply/CEleLoad.h"
#include "app/elements/supply/CEleMotor.h"
#include "app/elements/supply/CEleMotorEff.h"

#include "tests/app/elements/supply/MachineTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

using machinetest::ShowsNonFinite;

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

const std::vector<double> kEdgeDoubles = {0.0,  -1.0, 1e-300, -1e-300, 1e300, -1e300,
                                          kNaN, kInf, -kInf,  0.5,     1e-9,  1.0};
const std::vector<int32_t> kEdgeVoltages = {0, 1, -1, 400, INT32_MAX, INT32_MIN};
const std::vector<double> kEdgeFrequencies = {0.0, 1.0, 50.0, 60.0, -50.0, 2147483647.0};
const std::vector<double> kEdgeBases = {0.0, 1000.0, 1e300, -1.0, 1e-300};

// Runs check for every field set to every edge value in turn (the other
// fields at a plain value), and once for every field at each edge value
// together.
template <class Model>
void ForEdgeModels(const Model& plain, const std::vector<double Model::*>& fields,
                   const std::function<void(Model&, const std::string&)>& check) {
    for (double Model::*field : fields) {
        for (double v : kEdgeDoubles) {
            Model m = plain;
            m.*field = v;
            check(m, "one field " + std::to_string(v));
        }
    }
    for (double v : kEdgeDoubles) {
        for (int32_t volts : kEdgeVoltages) {
            Model m = plain;
            for (double Model::*field : fields)
                m.*field = v;
            m.m_nVoltage = volts;
            check(m, "all fields " + std::to_string(v) + " at " + std::to_string(volts) + " V");
        }
    }
}

void ExpectReadable(const std::vector<std::string>& texts, const std::string& where) {
    for (const std::string& text : texts)
        EXPECT_FALSE(ShowsNonFinite(text)) << where << ": \"" << text << "\"";
}

bool FinitePoints(const CdPointList& points) {
    for (const auto& p : points)
        if (!std::isfinite(p->m_dX) || !std::isfinite(p->m_dY))
            return false;
    return true;
}

// A calculation point whose terms hold the edge value.
void FillCalcPoint(CCalcPoint& point, double v) {
    for (CPercentZ* z : {&point.m_zSource, &point.m_zMotor, &point.m_zLoop1, &point.m_zLoop2}) {
        z->m_dR = v;
        z->m_dX = v;
        z->m_dRMotor = v;
    }
    point.m_dBaseCapacity = v;
}

} // namespace

TEST(MachineEdgeTexts, Generator) {
    CEleGenerator plain;
    plain.m_nVoltage = 400;
    plain.m_dCapacity = 500;
    plain.m_dTransientReactance = 22;
    plain.m_dSubReactance = 13;
    plain.m_dDcConstant = 0.025;
    plain.m_dSubConstant = 0.014;
    ForEdgeModels<CEleGenerator>(
        plain,
        {&CEleGenerator::m_dCapacity, &CEleGenerator::m_dTransientReactance,
         &CEleGenerator::m_dSubReactance, &CEleGenerator::m_dDcConstant,
         &CEleGenerator::m_dSubConstant},
        [](CEleGenerator& g, const std::string& where) {
            for (double f : kEdgeFrequencies) {
                for (double base : kEdgeBases) {
                    FillCalcPoint(g.m_calcPoint, base);
                    CEleDocSettings s;
                    s.nMode = 3;
                    s.nFrequency = static_cast<int32_t>(f);
                    s.dBaseCapacity = base;
                    g.m_nCalcPoint = 1;
                    ExpectReadable({g.DoGetTextVoltage(1),
                                    g.DoGetTextCapacity(1),
                                    g.DoGetTextRatedCurrent(1),
                                    g.DoGetTextTransientReactance(1),
                                    g.DoGetTextSubtransientReactance(1),
                                    g.DoGetTextDcTimeConstant(1),
                                    g.DoGetTextSubtransientTimeConstant(1),
                                    g.DoGetTextStatorResistance(f, 1),
                                    g.DoGetTextIkdSubtransient(f),
                                    g.DoGetTextIkdTransient(f),
                                    g.DoGetTextIacNoLoad(f),
                                    g.DoGetTextIacLoad(f, 1),
                                    g.DoGetTextIacPeak(f, 1),
                                    g.DoGetTextPercentZRated(f, base, 1),
                                    g.DoGetTextPercentR(f, base, 1),
                                    g.DoGetTextPercentX(f, base, 1),
                                    g.DoGetTextPercentZ(f, base, 1),
                                    g.DoGetTextTotalPercentR(1),
                                    g.DoGetTextTotalPercentX(1),
                                    g.DoGetTextTotalPercentZ(1),
                                    g.DoGetTextTotalResistance(base, 1),
                                    g.DoGetTextTotalReactance(base, 1),
                                    g.DoGetTextTotalImpedance(base, 1),
                                    g.DoGetTextTotalIk3Sym(1),
                                    g.DoGetTextTotalIk3Asym(1),
                                    g.DoGetTextTotalIk3Peak(1),
                                    g.DoGetTextResistance(base, 1),
                                    g.DoGetTextReactance(base, 1),
                                    g.DoGetTextImpedance(base, 1),
                                    g.DoGetTextDirectIk3Sym(1),
                                    g.DoGetTextDirectIk3Asym(1),
                                    g.DoGetTextDirectIk3Peak(1),
                                    g.DoGetTextLabelV1(s),
                                    g.DoGetTextLabelV4(s)},
                                   where + " f " + std::to_string(f) + " base " +
                                       std::to_string(base));
                    CPercentZ z = g.DoCalcPercentZ(f, base);
                    EXPECT_TRUE(std::isfinite(z.m_dR) && std::isfinite(z.m_dX)) << where;
                    EXPECT_TRUE(std::isfinite(g.DoCalcDecayCurrent(f, base, 2.0, 5.0))) << where;
                    EXPECT_TRUE(std::isfinite(g.DoCalcDecayCurrent(f, base, kNaN, kInf))) << where;
                }
            }
        });
}

TEST(MachineEdgeTexts, MotorEffect) {
    CEleMotorEff plain;
    plain.m_nVoltage = 400;
    plain.m_dCapacity = 800;
    plain.m_dSubReactance = 20;
    plain.m_dRotorResistance = 1.6;
    plain.m_dStatorResistance = 1.3;
    ForEdgeModels<CEleMotorEff>(
        plain,
        {&CEleMotorEff::m_dCapacity, &CEleMotorEff::m_dSubReactance,
         &CEleMotorEff::m_dRotorResistance, &CEleMotorEff::m_dStatorResistance},
        [](CEleMotorEff& m, const std::string& where) {
            for (double f : kEdgeFrequencies) {
                for (double base : kEdgeBases) {
                    FillCalcPoint(m.m_calcPoint, base);
                    CEleDocSettings s;
                    s.nMode = 3;
                    s.nFrequency = static_cast<int32_t>(f);
                    s.dBaseCapacity = base;
                    m.m_nCalcPoint = 1;
                    ExpectReadable({m.DoGetTextVoltage(1),
                                    m.DoGetTextCapacity(1),
                                    m.DoGetTextSubtransientReactance(1),
                                    m.DoGetTextRotorResistance(1),
                                    m.DoGetTextStatorResistance(1),
                                    m.DoGetTextRatedCurrent(1),
                                    m.DoGetTextSubtransientImpedance(1),
                                    m.DoGetTextDcTimeConstant(f, 1),
                                    m.DoGetTextSubtransientTimeConstant(f, 1),
                                    m.DoGetTextInitialCurrent(1),
                                    m.DoGetTextIacm(f, 1),
                                    m.DoGetTextIacPeak(f, 1),
                                    m.DoGetTextXR(base),
                                    m.DoGetTextPercentZRated(f, base, 1),
                                    m.DoGetTextPercentR(f, base, 1),
                                    m.DoGetTextPercentX(f, base, 1),
                                    m.DoGetTextPercentZ(f, base, 1),
                                    m.DoGetTextTotalPercentR(1),
                                    m.DoGetTextTotalPercentX(1),
                                    m.DoGetTextTotalPercentZ(1),
                                    m.DoGetTextTotalResistance(base, 1),
                                    m.DoGetTextTotalReactance(base, 1),
                                    m.DoGetTextTotalImpedance(base, 1),
                                    m.DoGetTextTotalIk3Sym(1),
                                    m.DoGetTextTotalIk3Asym(1),
                                    m.DoGetTextTotalIk3Peak(1),
                                    m.DoGetTextResistance(base, 1),
                                    m.DoGetTextReactance(base, 1),
                                    m.DoGetTextImpedance(base, 1),
                                    m.DoGetTextDirectIk3Sym(1),
                                    m.DoGetTextDirectIk3Asym(1),
                                    m.DoGetTextDirectIk3Peak(1),
                                    m.DoGetTextLabelV1(s),
                                    m.DoGetTextLabelV4(s)},
                                   where + " f " + std::to_string(f) + " base " +
                                       std::to_string(base));
                    CPercentZ z = m.DoCalcPercentZ(base);
                    EXPECT_TRUE(std::isfinite(z.m_dR) && std::isfinite(z.m_dX) &&
                                std::isfinite(z.m_dRMotor))
                        << where;
                    EXPECT_TRUE(std::isfinite(m.DoCalcDecayCurrent(f, base, 2.0, 5.0))) << where;
                }
            }
        });
}

TEST(MachineEdgeTexts, Motor) {
    CEleMotor plain;
    plain.m_nVoltage = 400;
    plain.m_dCapacity = 7.5;
    plain.m_dPowerFactor = 0.84;
    plain.m_dStartingCurrent = 7;
    plain.m_dStartingTime = 5;
    plain.m_dInrushCurrent = 11.9;
    for (uint32_t single : {0u, 1u}) {
        plain.m_nSinglePhase = single;
        ForEdgeModels<CEleMotor>(
            plain,
            {&CEleMotor::m_dCapacity, &CEleMotor::m_dPowerFactor, &CEleMotor::m_dStartingCurrent,
             &CEleMotor::m_dStartingTime, &CEleMotor::m_dInrushCurrent},
            [](CEleMotor& m, const std::string& where) {
                ExpectReadable({m.DoGetTextVoltage(1), m.DoGetTextCapacity(1),
                                m.DoGetTextPowerFactor(), m.DoGetTextFullLoadCurrent(1),
                                m.DoGetTextPhaseAngle(1), m.DoGetTextStartingTimes(1),
                                m.DoGetTextStartingTime(1), m.DoGetTextInrushTimes(1),
                                m.DoGetTextStartingCurrent(1), m.DoGetTextInrushCurrent(1),
                                m.DoGetTextLabelV1(), m.DoGetTextLabelGraph()},
                               where);
                m.DoCalcCurve();
                EXPECT_TRUE(FinitePoints(m.m_listPoints)) << where;
            });
    }
}

TEST(MachineEdgeTexts, GeneralLoad) {
    CEleLoad plain;
    plain.m_nVoltage = 400;
    plain.m_dLoadCurrent = 40;
    plain.m_dPowerFactor = 0.8;
    plain.m_dStartingCurrent = 2.5;
    plain.m_dStartingTime = 1;
    for (uint32_t single : {0u, 1u}) {
        plain.m_nSinglePhase = single;
        ForEdgeModels<CEleLoad>(plain,
                                {&CEleLoad::m_dLoadCurrent, &CEleLoad::m_dPowerFactor,
                                 &CEleLoad::m_dStartingCurrent, &CEleLoad::m_dStartingTime},
                                [](CEleLoad& l, const std::string& where) {
                                    ExpectReadable(
                                        {l.GetTextVoltage(1), l.GetTextLoadCurrent(1),
                                         l.GetTextPowerFactor(), l.GetTextStartingTimes(1),
                                         l.GetTextStartingCurrent(1), l.GetTextStartingTime(1),
                                         l.GetTextPhaseAngle(1), l.DoGetTextLabelV1()},
                                        where);
                                });
    }
}

TEST(MachineEdgeTexts, Capacitor) {
    CEleCapacitor plain;
    plain.m_nVoltage = 400;
    plain.m_dCapacity = 100;
    plain.m_dReactor = 6;
    plain.m_dUpstreamResistance = 2;
    plain.m_dUpstreamReactance = 10;
    ForEdgeModels<CEleCapacitor>(
        plain,
        {&CEleCapacitor::m_dCapacity, &CEleCapacitor::m_dUpstreamResistance,
         &CEleCapacitor::m_dUpstreamReactance, &CEleCapacitor::m_dReactor,
         &CEleCapacitor::m_dPowerFactor},
        [](CEleCapacitor& c, const std::string& where) {
            for (double f : kEdgeFrequencies) {
                ExpectReadable({c.DoGetTextVoltage(1), c.DoGetTextCapacity(1),
                                c.DoGetTextElectrostaticCapacity(f, 1), c.DoGetTextRatedCurrent(1),
                                c.DoGetTextUpstreamResistance(1), c.DoGetTextUpstreamReactance(1),
                                c.DoGetTextReactor(1), c.DoGetTextPowerFactor(),
                                c.DoGetTextPhaseAngle(1), c.DoGetTextPeakCurrent(f, 1),
                                c.DoGetTextPeakTime(f, 1), c.DoGetTextLabelV1(),
                                c.DoGetTextLabelGraph()},
                               where + " f " + std::to_string(f));
                c.DoCalcCurve(f);
                EXPECT_TRUE(FinitePoints(c.m_listPoints)) << where;
                for (double base : kEdgeBases) {
                    CPercentZ source;
                    source.m_dR = base;
                    source.m_dX = -base;
                    CEleCapacitor copy = c;
                    copy.DoSetCalcZ(base, &source);
                    EXPECT_TRUE(std::isfinite(copy.m_dUpstreamResistance) &&
                                std::isfinite(copy.m_dUpstreamReactance))
                        << where;
                }
            }
        });
}
