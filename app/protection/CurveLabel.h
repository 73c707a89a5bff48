#pragma once

#include "app/records/CObjRefV2List.h"
#include "app/records/EleDocSettings.h"
#include "framework/DeviceContext.h"

#include <cstdint>
#include <iosfwd>
#include <string>

class CGraphNoList;
class CObjGraph;

// A curve label on a co-ordination graph: a placement of the owner's
// CObjRefV2List, which keeps the current and time it stands at (the value
// point, the current referred to the graph's voltage) so that it stays where
// the user left it when the graph is zoomed or its ranges change. These need
// the graph's mapping, so they live here beside the graph rather than with
// the placement record. An index without a placement does nothing.
namespace curvelabel {

// Places the label beside the curve point (x, y) in logical units for a text
// of the size given: a label never placed goes 50 units right of the point,
// kept inside the graph; one placed before follows the point once the point
// moved by 5 % or more.
void DoMove(CObjRefV2List& list, int index, int32_t x, int32_t y, int32_t width, int32_t height,
            const CObjGraph& graph);
// Draws the text at the value point in the font selected into the context,
// red when highlight is 1, otherwise in the colour given (kept as the
// label's colour); a selected label on screen gets its dotted frame.
void DoDraw(CObjRefV2List& list, int index, fw::CDC* pDC, const std::string& text, uint32_t colour,
            int32_t highlight, const CObjGraph& graph);
// A label dropped on a new rectangle (logical units): it stands there, its
// value point taken from the rectangle's corner and its offset from the
// curve point moved by as much as the label moved.
void DoPlaceAt(CObjRefV2& ref, const fw::CRect& rect, const CObjGraph& graph);
// Writes the text as DXF TEXT entities, one a line, at the label's place in
// millimetres.
void DoGetText(const CObjRefV2List& list, int index, std::ostream& file, int32_t layer,
               const CObjGraph& graph, const std::string& text);
// Erases the label's rectangle.
void DoInvalidate(const CObjRefV2List& list, int index, const CEleInvalidate& invalidate);

// Files before 1.1 keep only where each label stands on the graph: the
// current and time of its place (and of the curve point it was placed from)
// are worked out again from its rectangle on the graph of the list's entry
// for this graph, laid out as it was then.
void DoConvertLabels(CGraphNoList& list, const CObjGraph& graph);

} // namespace curvelabel
