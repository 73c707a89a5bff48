#pragma once

#include "app/protection/CObjGraph.h"
#include "framework/COwnedList.h"

#include <cstdint>

// The document's co-ordination graphs. The list owns them; after every
// operation below at most one graph is the current one. Stored as an object
// list (count, then each graph with its class).
class CObjGraphList : public COwnedList<CObjGraph> {
public:
    // The last graph in list order whose current flag is 1, or null.
    CObjGraph* GetCurrentGraph() const;

    // Appends a new graph named after its kind and number, with the ranges,
    // as the only current graph, laid out in the frame (1000, 600, 9500,
    // 9800).
    CObjGraph* DoAddNewGraph(uint32_t number, uint32_t kind, double currentMin, double currentMax,
                             double timeMin, double timeMax);

    // Deletes every current graph; the last graph left, or null. No graph is
    // made current here.
    CObjGraph* DoDeleteCurrentGraph();

    // Replaces the graphs by copies of the other list's, in its order.
    void DoCopyAllGraph(const CObjGraphList& other) { CopyFrom(other); }
};
