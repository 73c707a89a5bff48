#pragma once

// Converts a percent impedance on a base capacity (kVA) into milliohms at a
// voltage (V); 0 when the base capacity or the percent value is exactly 0.
double DoCalcOhmsFromPercent(double voltage, double baseCapacity, double percent);

// The magnitude of R + jX.
double DoCalcMagnitude(double a, double b);
