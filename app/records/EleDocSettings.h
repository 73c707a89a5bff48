#pragma once

#include "framework/Geometry.h"

#include <cstdint>
#include <functional>

// The document values that labels, drawing, calculation and dialogs read:
// the mode, and the skeleton settings that every percent impedance uses.
// They sit here, below the element models and the co-ordination graph, since
// both pass them on to the curve owners.
struct CEleDocSettings {
    int32_t nMode = 1;             // document mode, 1 drawing .. 8
    int32_t nSubMode = 0;          // 0 none, 1 selected by Ics, 2 by Icu
    int32_t nFrequency = 50;       // Hz
    double dBaseCapacity = 1000.0; // kVA, the reference of percent impedances
    // Whether the document still holds the element of the kind and number: a
    // low-voltage breaker shows its cascade or discrimination result only
    // while the upstream breaker it was worked out against is there. Unset:
    // no document, so no such element.
    std::function<bool(uint32_t kind, uint32_t number)> hasElement;
};

// Invalidates an area of a view: the element object's callers pass one that
// converts a logical rectangle to device units and erases it.
using CEleInvalidate = std::function<void(const fw::CRect&)>;

// A setting of a curve owner changed on a co-ordination graph: what changed
// (the adjustment sheet's hints: 14 a setting, 15 the rating chosen from the
// list, 16 the rating or magnification stepped, 17 a dial character, 18 a
// lock), the frequency the curves are computed for, and what the owner asks
// of the document afterwards. A callback left empty does nothing.
struct CCurveChange {
    int32_t nCode = 14;
    int32_t nFrequency = 50; // Hz
    // Clears the selection marker of every low-voltage breaker that names the
    // breaker of the kind (1 high-, 2 low-voltage) and number as upstream.
    std::function<void(uint32_t kind, uint32_t number)> clearUpstreamMarkers;
    // Redraws every view of the document.
    std::function<void()> redrawAllViews;
};
