#pragma once

#include "CAdjustSheet.h"

class CObjAdjust;
class CUpDown;
class QComboBox;
class QLabel;

// "Rated" (template 189), for a device's first characteristic: its rating
// (from the list of a mixed rating, or stepped along the rating dial), its
// magnification, and for a high-voltage relay its CT primary current, which
// the rating spin steps instead.
class CAdjustRated : public CAdjustPage {
public:
    CAdjustRated(CAdjustSheet* sheet, CObjAdjust* adjust);

    void OnInitDialog() override;

    // Handlers of the controls (tests call them as the controls do).
    void OnSelchangeRating();
    void OnDeltaposRating(int delta);
    void OnDeltaposMagni(int delta);

    // The spins' positions and highest positions (-1: the spin is off).
    int m_nRatedPos = -1;
    int m_nRatedMax = -1;
    int m_nMagniPos = -1;
    int m_nMagniMax = -1;

private:
    bool IsRelay() const;
    void DoSetupSpins();
    void DoShowTexts();
    // The dial settings and their reference parts read again for a rating
    // row, and the dial pages built anew.
    void DoReadPartsFor(int32_t breakRatedID);

    CObjAdjust* m_pAdjust;
    QComboBox* m_pRating = nullptr;
    QComboBox* m_pCT = nullptr;
    CUpDown* m_pRatingSpin = nullptr;
    CUpDown* m_pMagniSpin = nullptr;
    QLabel* m_pRatedTitle = nullptr;
    QLabel* m_pRatedText = nullptr;
    QLabel* m_pMagniTitle = nullptr;
    QLabel* m_pMagniText = nullptr;
};
