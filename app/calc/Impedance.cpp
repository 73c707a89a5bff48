#include "Impedance.h"

#include <cmath>

double DoCalcOhmsFromPercent(double voltage, double baseCapacity, double percent) {
    if (baseCapacity == 0.0 || percent == 0.0)
        return 0.0;
    // Kept in this order: the last digits of every report rest on it.
    return percent * (voltage * voltage / baseCapacity / 1000.0) * 10.0;
}

double DoCalcMagnitude(double a, double b) {
    return std::sqrt(a * a + b * b);
}
