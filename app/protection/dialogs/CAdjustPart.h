#pragma once

#include "CAdjustSheet.h"

#include <array>
#include <cstdint>
#include <string>

class CInfoPart;
class CReadDial;
class CReadPart;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// "Dial setting" (template 190), one per trip element: its dial character,
// its lock, and the four dials (current, time, magni-current, magni-time)
// stepped one value at a time with "+" and "-".
class CAdjustPart : public CAdjustPage {
public:
    // The rows of the four dials.
    enum Dial { kCurrent = 0, kTime = 1, kMagniCurrent = 2, kMagniTime = 3 };

    CAdjustPart(CAdjustSheet* sheet, CInfoPart* setting, CReadPart* part);

    void OnInitDialog() override;

    // The trip element's name, for the page's tab.
    std::string GetElementName() const;

    // Handlers of the controls (tests call them as the controls do).
    void OnSelchangeCharacter();
    void OnCheckLock();
    void OnStep(Dial dial, int delta);

    // Index into each dial's values and the highest index (-1: no values).
    std::array<int, 4> m_nIndex{{-1, -1, -1, -1}};
    std::array<int, 4> m_nMaxIndex{{-1, -1, -1, -1}};

private:
    const CReadDial& DialOf(Dial dial) const;
    double& SettingOf(Dial dial) const;
    void DoSetupLock();
    void DoSetupDials();
    void DoShowValue(Dial dial);

    CInfoPart* m_pSetting;
    CReadPart* m_pPart;

    QComboBox* m_pCharacter = nullptr;
    QCheckBox* m_pLock = nullptr;
    struct Row {
        QPushButton* plus = nullptr;
        QPushButton* minus = nullptr;
        QLabel* value = nullptr;
        QLabel* title = nullptr;
    };
    std::array<Row, 4> m_rows;
};
