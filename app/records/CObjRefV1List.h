#pragma once

#include "app/records/CObjRefV1.h"
#include "framework/COwnedList.h"

#include <cstdint>
#include <string>

// An element's placements on the skeleton, addressed by their 0-based index.
// An index with no placement gives 0 or an empty rectangle and changes
// nothing. Stored as an object list (the count, then each placement with its
// class).
class CObjRefV1List : public COwnedList<CObjRefV1> {
public:
    CObjRefV1* GetAtIndex(int index) const { return GetAt(index); }

    int32_t IsSelected(int index) const;

    // Without flag 4 the selection becomes value; with flag 4 a value of 1
    // toggles it and any other value changes nothing.
    void DoSelect(int index, int32_t value, uint32_t flags);

    // The name's rectangle with the label's (the label left out when empty
    // or inside the name's).
    fw::CRect GetRect(int index) const;

    // Lays out name (text1) and label (text2) at every placement; the union
    // rectangle of the last one, empty for an empty list.
    fw::CRect DoCalcLabelRect(fw::CDC* pDC, const fw::CRect& symbol, const std::string& text1,
                              uint32_t flags1, const std::string& text2, uint32_t flags2);

    // Draws both texts at every placement: black when printing, red when
    // the flag is 1 or the placement is selected, else the name magenta and
    // the label blue; a selected placement on screen gets its dotted frame.
    void DoDraw(fw::CDC* pDC, const std::string& text1, const std::string& text2,
                int32_t errorFlag);

    CObjRefV1* DoAddNew() { return AddNew(); }
};
