#include "app/calc/Impedance.h"

#include <gtest/gtest.h>

namespace {

TEST(ImpedanceTest, OhmsFromPercent) {
    struct Row {
        double voltage, base, percent;
        double milliohms;
    };
    const Row rows[] = {
        {400.0, 1000.0, 5.0, 8.0},
        // 5.197622 % at 400 V on 1000 kVA: the textbook point, 8.316 mohm.
        {400.0, 1000.0, 5.197622, 8.3161952},
        {230.0, 500.0, 2.5, 2.645},
        {6600.0, 1000.0, 0.2, 87.12},
        {400.0, 0.0, 5.0, 0.0},
        {400.0, 1000.0, 0.0, 0.0},
        // Only exact zeros are guarded: negative values pass.
        {400.0, -1000.0, 5.0, -8.0},
        {400.0, 1000.0, -5.0, -8.0},
        {0.0, 1000.0, 5.0, 0.0},
    };
    for (const Row& row : rows)
        EXPECT_NEAR(DoCalcOhmsFromPercent(row.voltage, row.base, row.percent), row.milliohms, 1e-9)
            << row.voltage << " " << row.base << " " << row.percent;
}

TEST(ImpedanceTest, Magnitude) {
    EXPECT_EQ(DoCalcMagnitude(3.0, 4.0), 5.0);
    EXPECT_EQ(DoCalcMagnitude(-3.0, 4.0), 5.0);
    EXPECT_EQ(DoCalcMagnitude(0.0, 0.0), 0.0);
    EXPECT_EQ(DoCalcMagnitude(0.0, -2.5), 2.5);
}

} // namespace
