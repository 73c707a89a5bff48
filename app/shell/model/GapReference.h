#pragma once

#include "app/records/EleDocSettings.h"
#include "framework/DeviceContext.h"

#include <cstdint>

class CGapLine;
class CObjElementList;
class CObjGraph;

// What the co-ordination view draws of the document's reference gap lines
// while the gap-line sheet is open: the two standard lines, the leaders from
// every curve of the graph to them and the measured values at their ends.
// The view hands its prepared device context, the current graph, the elements
// on it (in the element list's order, which numbers the current labels) and
// its invalidation callback (a logical rectangle to erase and repaint).
//
// On screen the lines and leaders are drawn NOT-XOR, so each toggle below
// drawn a second time takes away what the first drew; the value labels are
// drawn by a paint or invalidated for the next one.
namespace gapref {

// The reference drawing of a paint, after the curves: the time standard line
// and the leaders to it when "measure the current value" is on, the current
// standard line and its leaders when "measure the time value" is on, then
// the current values, then the times.
void DoDrawReference(fw::CDC* pDC, CObjGraph& graph, const CGapLine& gapLine,
                     const CObjElementList& elements);

// Draws (or, drawn again, takes away) the lines and leaders of the measures
// that are on, and invalidates their value labels: the measure command and
// the closing of the gap-line sheet.
void DoToggleReference(fw::CDC* pDC, CObjGraph& graph, const CGapLine& gapLine,
                       const CObjElementList& elements, const CEleInvalidate& invalidate);

// One measure switched on (flag 1) or off (0) in the sheet: its line and
// leaders drawn (on) or taken away (off), its labels drawn (on) or
// invalidated (off). The measure's own flag in the gap line does not matter.
void DoToggleMeasureTime(fw::CDC* pDC, CObjGraph& graph, const CGapLine& gapLine,
                         const CObjElementList& elements, int32_t flag,
                         const CEleInvalidate& invalidate);
void DoToggleMeasureCurrent(fw::CDC* pDC, CObjGraph& graph, const CGapLine& gapLine,
                            const CObjElementList& elements, int32_t flag,
                            const CEleInvalidate& invalidate);

// Around a change of one standard: the first pass (1) takes the measure's
// line and leaders away and invalidates the labels of every measure that is
// on (each curve's current labels are renumbered by the next paint); the
// second pass (0), after the change, draws the line, the leaders and the
// measure's labels at the new standard.
void DoRedrawMeasureTime(fw::CDC* pDC, CObjGraph& graph, const CGapLine& gapLine,
                         const CObjElementList& elements, int32_t firstPass,
                         const CEleInvalidate& invalidate);
void DoRedrawMeasureCurrent(fw::CDC* pDC, CObjGraph& graph, const CGapLine& gapLine,
                            const CObjElementList& elements, int32_t firstPass,
                            const CEleInvalidate& invalidate);

} // namespace gapref
