#pragma once

#include "app/calc/CRotatingMachine.h"
#include "app/elements/frame/CEleFrame.h"

class CObjElement;

// A generator or motor effect on the skeleton as the calculation's machine:
// its own term, its decayed current and its voltage, asked of the element
// on the document's settings. Any other kind answers a zero term, no current
// and its voltage, which leaves a node unchanged (CPercentZ::DoSetByElement
// only turns machine nodes into their equivalent impedance).
class CElementMachine : public CRotatingMachine {
public:
    CElementMachine(const CObjElement& element, const CEleDocSettings& settings)
        : m_element(element), m_settings(settings) {}

    CPercentZ GetOwnPercentZ() const override;
    double GetDecayCurrent(double r, double x) const override;
    int GetVoltage() const override;

private:
    const CObjElement& m_element;
    CEleDocSettings m_settings;
};
