#pragma once

#include "app/records/CObjRefV2.h"
#include "framework/COwnedList.h"

#include <cstdint>

// The label placements of one owner on one co-ordination graph, addressed by
// their 0-based index. An index with no placement gives 0, null or an empty
// rectangle, and changes nothing.
class CObjRefV2List : public COwnedList<CObjRefV2> {
public:
    CObjRefV2* GetAtIndex(int index) const { return GetAt(index); }

    int32_t IsSelected(int index) const;

    // Without flag 4 the selection becomes value; with flag 4 a value of 1
    // toggles it and any other value changes nothing.
    void DoSelect(int index, int32_t value, uint32_t flags);

    fw::CRect GetRect(int index) const;

    // Whether the point lies in the placement's normalised text rectangle.
    int32_t IsHitted(int index, fw::CPoint point) const;

    // Appends a new default placement and returns it.
    CObjRefV2* DoAddNew() { return AddNew(); }
};
