#pragma once

// The bus-bar's conductor formulas (flat bars after DIN 43670/43671): b the
// width, t the thickness, n the bars per conductor and a the centre-line
// distance between phases, all whole millimetres; per metre in milliohms.

// Resistance per metre at T degC with the skin-effect factor ks; 0.0 when b,
// t or n is below 1.
double DoCalcRPerMetreCu(double temperature, int width, int thickness, int number,
                         double skinEffect);
double DoCalcRPerMetreAl(double temperature, int width, int thickness, int number,
                         double skinEffect);

// Reactance per metre at f Hz, with dm the table's term added to the width;
// 0.0 when b + dm is not above 0 or a is below 1.
double DoCalcXPerMetre(double frequency, int width, int distance, double dm);

// k1 of a permitted bar temperature and an ambient temperature. A maximum
// below the ambient has no value (NaN): the data check refuses it, and no
// current passes a capacity without a value.
double DoCalcTemperatureFactor(double maxTemperature, double ambientTemperature);

// Iz = I0 times each factor; a factor at or below 0 is skipped (counts as
// 1), a factor without a value is not.
double DoCalcIz(double basicCurrent, double k1, double k2, double k3);
