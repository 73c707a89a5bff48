#pragma once

#include "app/elements/frame/CEleCurve.h"
#include "app/elements/frame/CEleFrame.h"

#include <cstdint>
#include <iosfwd>
#include <string>

class CObjGraph;

// The drawing side of the supply elements' curves (the transformers' rush
// curves, the motor's and the capacitor's) on a co-ordination graph. Each takes the owner's curve
// points as its DoCalcCurve has just built them (current x voltage, seconds) and maps them onto the
// graph in place, so that the hit test and the invalidation afterwards find
// them where they were drawn.
namespace machinecurve {

// Draws the curve as one polyline in the owner's line style, red while the
// curve is selected on screen, and its label beside the curve's first point
// in the graph's label font, red while the curve is selected. Nothing when
// the curve is not on the graph.
void DoDrawCurve(CEleCurve& owner, fw::CDC* pDC, CObjGraph* graph, const std::string& label);
// Writes the label as DXF TEXT entities where it stands on the graph, then
// the curve as a DXF polyline, both on layer 4, the polyline in the line
// kind's DXF name with coordinates scaled by 0.1.
void DoDXFOutCurve(CEleCurve& owner, std::ostream& file, CObjGraph* graph,
                   const std::string& label);
// Code 0: the point (logical units of the graph) near a segment of the
// curve as last drawn; code 100: on the curve's label on the graph.
int32_t IsHittedCurve(const CEleCurve& owner, fw::CDC* pDC, const CObjGraph* graph,
                      fw::CPoint point, int32_t code);
// Code 0: the curve's bounding rectangle as last drawn; code 100: the
// label's rectangle on the graph.
void DoInvalidateCurve(const CEleCurve& owner, const CObjGraph* graph, int32_t code,
                       const CEleInvalidate& invalidate);

} // namespace machinecurve
