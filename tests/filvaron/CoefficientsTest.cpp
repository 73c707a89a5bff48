#include "tools/Filvaron.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Coefficients, StepTableBandsIncludeTheirUpperBound) {
    struct Case {
        double current;
        double kp;
        double pf;
    };
    const Case cases[] = {
        {0, 1.42, 0.9},     {3000, 1.42, 0.9},   {3000.001, 1.44, 0.8}, {4500, 1.44, 0.8},
        {4500.5, 1.5, 0.7}, {6000, 1.5, 0.7},    {10000, 1.68, 0.5},    {10000.1, 1.96, 0.3},
        {20000, 1.96, 0.3}, {50000, 2.07, 0.25}, {50001, 2.2, 0.2},     {1.0e6, 2.2, 0.2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.current);
        EXPECT_EQ(DLLGetValueKp(c.current), c.kp);
        EXPECT_EQ(DLLGetValuePowerFactor(c.current), c.pf);
    }
}

TEST(Coefficients, EffectiveFactor) {
    struct Case {
        double t;
        double pf;
        double expected;
        double tolerance;
    };
    const Case cases[] = {
        {0, 0.5, 0, 0},          {-1, 0.5, 0, 0},       {0.1, 0.2, 1.641, 5e-4},
        {0.5, 0.2, 1.443, 5e-4}, {1, 0.2, 1.300, 5e-4}, {5, 0.9, 1.0015, 5e-5},
        {1e6, 0.2, 1.0, 1e-5},   {1, 1.0, 1.0, 1e-12}, // no reactance: no DC component
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.t << " " << c.pf);
        EXPECT_NEAR(DLLGetValueEffectiveCoefficient(c.t, c.pf), c.expected, c.tolerance);
    }
    // Equals the closed form sqrt(1 + T sin^2(phi) (1 - E) / b).
    double t = 0.3, pf = 0.25, b = 2 * 3.14159265358979 * t;
    double phi = std::acos(pf), T = std::tan(phi);
    double closed =
        std::sqrt(1 + T * std::sin(phi) * std::sin(phi) * (1 - std::exp(-2 * b / T)) / b);
    EXPECT_NEAR(DLLGetValueEffectiveCoefficient(t, pf), closed, 1e-12);
}
