#pragma once

#include "framework/Archive.h"

#include <cstdint>

// The hint codes the document passes to its views when it asks them to
// redraw (the second argument of UpdateAllViews), and what each one means.
namespace tvhint {
constexpr long kAll = 0;          // repaint everything
constexpr long kUndo = 1;         // the undo snapshot was restored
constexpr long kRect = 2;         // an area of the skeleton changed (CTVUpdate rectangle)
constexpr long kVoltage = 3;      // a voltage changed (CTVUpdate: old and new value)
constexpr long kInserted = 4;     // elements inserted or pasted
constexpr long kDeleted = 5;      // groups deleted or cut
constexpr long kEdited = 6;       // an element was edited in its dialog
constexpr long kPagesGrown = 7;   // the skeleton frame grew
constexpr long kModeChanged = 8;  // a mode command finished
constexpr long kCommandFirst = 9; // 9 to 13: document commands and co-ordination work
constexpr long kCommandLast = 13;
constexpr long kSelectionFirst = 21; // 21 to 23: an element's selection changed (CObjElement)
constexpr long kSelectionLast = 23;
constexpr long kCoordinationFirst = 24; // 24, 25: co-ordination work
constexpr long kCoordinationLast = 25;
} // namespace tvhint

// The hint object of a redraw request: a rectangle in skeleton units and two
// words that only some hints use (hint 3: the old value in the first, the new
// value in the second).
class CTVUpdate : public fw::CObject {
public:
    CTVUpdate() = default;
    CTVUpdate(int32_t left, int32_t top, int32_t right, int32_t bottom)
        : m_nLeft(left), m_nTop(top), m_nRight(right), m_nBottom(bottom) {}

    const fw::CRuntimeClass* GetRuntimeClass() const override;

    int32_t m_nLeft = 0;
    int32_t m_nTop = 0;
    int32_t m_nRight = 0;
    int32_t m_nBottom = 0;
    uint32_t m_dwFirst = 0;
    uint32_t m_dwSecond = 0;
};
