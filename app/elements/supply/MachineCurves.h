#pragma once

#include "app/elements/frame/CEleCurve.h"
#include "app/elements/frame/CEleFrame.h"

#include <cstdint>
#include <iosfwd>

class CObjGraph;

// The drawing side of the motor's and the capacitor's curves on a
// co-ordination graph. Each takes the owner's curve points as its DoCalcCurve
// has just built them (current x voltage, seconds) and maps them onto the
// graph in place, so that the hit test and the invalidation afterwards find
// them where they were drawn.
namespace machinecurve {

// Draws the curve as one polyline in the owner's line style; red while the
// curve is selected on screen. Nothing when the curve is not on the graph.
void DoDrawCurve(CEleCurve& owner, fw::CDC* pDC, CObjGraph* graph);
// Writes the curve as a DXF polyline on layer 4 in the line kind's DXF
// name, coordinates scaled by 0.1.
void DoDXFOutCurve(CEleCurve& owner, std::ostream& file, CObjGraph* graph);
// Code 0: the point (logical units of the graph) near a segment of the
// curve as last drawn; code 100: on the curve's label on the graph.
int32_t IsHittedCurve(const CEleCurve& owner, fw::CDC* pDC, const CObjGraph* graph,
                      fw::CPoint point, int32_t code);
// Code 0: the curve's bounding rectangle as last drawn; code 100: the
// label's rectangle on the graph.
void DoInvalidateCurve(const CEleCurve& owner, const CObjGraph* graph, int32_t code,
                       const CEleInvalidate& invalidate);

} // namespace machinecurve
