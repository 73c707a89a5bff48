#pragma once

#include "framework/RectTracker.h"

#include <cstdint>

class QWidget;

// The tracker of a diagram element: its handles depend on the element's
// kind and orientation, and are offered only when enabled (in drawing mode).
class CTVTracker : public fw::CRectTracker {
public:
    CTVTracker() = default;

    void SetElementInfo(int32_t kind, int32_t orientation, int32_t handlesEnabled);

    // 0 unless handles are enabled; bus-bars, wires, bus-ducts and
    // low-voltage breakers: the left and right middle handles when turned,
    // else the top and bottom ones; zero conductors: left and right; other
    // kinds none.
    unsigned GetHandleMask() const override;
    // Starts the drag (defined with the views: it needs their window) when point lies on the 8 x 8
    // square of an enabled handle inside the rectangle; the drag's result, or false.
    bool DoTrackHandle(QWidget* window, fw::CPoint point, bool allowInvert, QWidget* clipTo);
    // The enabled handle whose square holds point, or hitNothing.
    int DoFindHandle(fw::CPoint point) const;

    int32_t m_nKind = 0;
    int32_t m_nOrientation = 0;
    int32_t m_nHandles = 0;
};
