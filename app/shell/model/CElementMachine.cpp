#include "CElementMachine.h"

#include "app/shell/model/CObjElement.h"

CPercentZ CElementMachine::GetOwnPercentZ() const {
    return m_element.DoCalcPercentZ(m_settings);
}

double CElementMachine::GetDecayCurrent(double r, double x) const {
    return m_element.DoCalcDecayCurrent(m_settings, r, x);
}

int CElementMachine::GetVoltage() const {
    return m_element.GetVoltage(0);
}
