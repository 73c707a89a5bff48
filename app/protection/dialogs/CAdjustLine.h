#pragma once

#include "CAdjustSheet.h"

class CComboColor;
class CComboKind;
class CComboThick;
class CInfoLine;
class QCheckBox;

// "Line setting" (template 192): colour, width and kind of the curve's line
// and whether the band or the typical curve is shown. Without a
// characteristic it edits the element's own line style (transformers,
// motor, capacitor), or nothing for other kinds.
class CAdjustLine : public CAdjustPage {
public:
    CAdjustLine(CAdjustSheet* sheet, const CObjAdjust* adjust, CInfoLine* line);

    void OnInitDialog() override;

    // Handlers of the controls (tests call them as the controls do).
    void OnSelchangeColor();
    void OnSelchangeThick();
    void OnSelchangeKind();
    void OnCheckBand();

private:
    // The line's change is announced only: the view's repaint after it
    // shows the new line.
    bool DoAnnounce();

    const CObjAdjust* m_pAdjust;
    CInfoLine* m_pLine;
    CComboColor* m_pColor = nullptr;
    CComboThick* m_pThick = nullptr;
    CComboKind* m_pKind = nullptr;
    QCheckBox* m_pBand = nullptr;
};
