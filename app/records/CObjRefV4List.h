#pragma once

#include "app/records/CObjRefV4.h"
#include "framework/COwnedList.h"

#include <cstdint>
#include <string>

// An element's placements on the impedance map, addressed by their 0-based
// index. Stored as an object list.
class CObjRefV4List : public COwnedList<CObjRefV4> {
public:
    CObjRefV4* GetAtIndex(int index) const { return GetAt(index); }

    // Lays out name and label at every placement (no user shift here); the
    // union rectangle of the last one, empty for an empty list.
    fw::CRect DoCalcLabelRect(fw::CDC* pDC, const fw::CRect& symbol, const std::string& text1,
                              uint32_t flags1, const std::string& text2, uint32_t flags2);

    // Draws both texts at every placement: black when printing, red when
    // the flag is 1, else the name magenta and the label blue.
    void DoDraw(fw::CDC* pDC, const std::string& text1, const std::string& text2,
                int32_t errorFlag);

    CObjRefV4* DoAddNew() { return AddNew(); }
};
