#pragma once

#include "app/calc/CPercentZ.h"

// What the decayed contribution of a generator or motor effect asks of the
// machine element, on the document's skeleton settings. The element layer
// answers it from the element's own model (its percent impedance, its decayed
// short-circuit current and its voltage).
class CRotatingMachine {
public:
    virtual ~CRotatingMachine() = default;

    // The machine's own term (its %R, %X and motor-resistance share).
    virtual CPercentZ GetOwnPercentZ() const = 0;

    // The machine's decayed short-circuit current in A, with r and x the
    // percent impedance between the machine and the point (0 and 0 at the
    // machine itself).
    virtual double GetDecayCurrent(double r, double x) const = 0;

    // The machine's voltage in whole volts.
    virtual int GetVoltage() const = 0;
};
