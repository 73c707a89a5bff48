#pragma once

#include "app/protection/CGraphNo.h"
#include "framework/COwnedList.h"

#include <cstdint>

// The graphs on which an owner is shown, one entry per graph. The list owns
// its entries: removing an entry deletes it. It is stored by its owner as an
// object list (the count, then each entry with its class).
class CGraphNoList : public COwnedList<CGraphNo> {
public:
    // A new entry (number 0, no placements), appended; the caller then sets
    // its number with DoSetGraphNo.
    CGraphNo* DoAddNewGraphNo() { return AddNew(); }

    // The first entry of the graph; null for number 0 or when none matches.
    CGraphNo* DoFindGraphNo(uint32_t number) const;

    // Deletes every entry of the graph, or every entry for number 0;
    // 1 when at least one entry went.
    int32_t DoDeleteGraphNo(uint32_t number);

    // Replaces the entries by copies of the other list's, in its order.
    void DoCopyAllGraphNo(const CGraphNoList& other);
};
