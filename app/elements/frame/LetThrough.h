#pragma once

#include <cstdint>

// What a conductor's short-circuit protection check asks of the breaker that
// protects it: the energy the breaker lets through in a fault. The breaker
// implements it; the conductors know no breaker class.
class CLetThroughSource {
public:
    virtual ~CLetThroughSource() = default;
    // The energy (A2s) let through in the fault of the kind (1 three-phase,
    // 2 phase to neutral, 3 phase to PE): useCurve 1 reads the breaker's I2t
    // curve (three-phase only), else the prospective current over the
    // interruption cycles at the frequency (Hz). -1 when the curve is not in
    // the data, 0 when the fault lies outside it.
    virtual double GetLetThroughEnergy(double frequency, int32_t kind, int32_t useCurve,
                                       double cycles) const = 0;
    // The value of the I2t curve at the breaker's prospective current, with
    // the same -1 and 0.
    virtual double GetLetThroughI2t() const = 0;
};
