#pragma once

#include "CAdjustSheet.h"

class CInfoBase;
class CReadBase;
class QCheckBox;
class QComboBox;

// "Delay setting" (template 191): the breaking time in cycles of a device
// that has one; its open-time flag is shown, not changed.
class CAdjustDelay : public CAdjustPage {
public:
    CAdjustDelay(CAdjustSheet* sheet, CInfoBase* selection, CReadBase* base);

    void OnInitDialog() override;

    // Handlers of the controls (tests call them as the controls do).
    void OnCheckBreakingTime();
    void OnSelchangeCycles();

private:
    CInfoBase* m_pSelection;
    CReadBase* m_pBase;
    QCheckBox* m_pOpenTime = nullptr;
    QCheckBox* m_pBreakingTime = nullptr;
    QComboBox* m_pCycles = nullptr;
};
