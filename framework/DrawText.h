#pragma once

#include "framework/Geometry.h"

#include <string>
#include <vector>

namespace fw {

class CDC;

// Formatting flags of DrawText, numbered as the platform numbers them
// (ruled tables store them per cell).
constexpr unsigned DT_TOP = 0x0000;
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;
constexpr unsigned DT_BOTTOM = 0x0008;
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_NOCLIP = 0x0100;

// Formatted text in a rectangle of logical units, in the context's font, text
// colour and background mode, whatever the direction of the y axis ("top" is
// the edge nearer the top of the device). Without DT_SINGLELINE the text
// breaks at each "\r\n" (or "\n"), and with DT_WORDBREAK also between words
// where a line would pass the right edge; lines stack downwards from the top.
// DT_VCENTER and DT_BOTTOM place the line of a single-line text; a multi-line
// text always starts at the top. The text is clipped to the rectangle unless
// DT_NOCLIP is given. Returns the height of the text in logical units.
int DrawText(CDC* dc, const std::string& text, const CRect& rect, unsigned format);

// The lines DrawText would draw (for measuring and tests).
std::vector<std::string> LayoutTextLines(const CDC* dc, const std::string& text, int width,
                                         unsigned format);

} // namespace fw
