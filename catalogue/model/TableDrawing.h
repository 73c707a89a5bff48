#pragma once

#include "framework/DeviceContext.h"

#include <string>

// What the two result tables share: their grid, their font and pen, and how
// a cell's text is placed. Lengths are tenths of a millimetre, y upward.
namespace table_drawing {

constexpr int kLineHeight = 55; // one table line
constexpr int kWidthUnit = 26;  // one width unit

// Text-drawing flag sets of the cells.
constexpr unsigned kFormatCentredLine = 37;    // centred both ways, single line
constexpr unsigned kFormatCentredTop = 5;      // centred, from the top
constexpr unsigned kFormatCentredWrapped = 17; // centred, words wrapped

// Selects the tables' font (face from the string table, 35 high, normal
// weight), a solid pen 2 wide, a hollow brush and a transparent text
// background for as long as it lives, and puts the previous ones back.
class CTableStyle {
public:
    explicit CTableStyle(fw::CDC* dc);
    ~CTableStyle();
    CTableStyle(const CTableStyle&) = delete;
    CTableStyle& operator=(const CTableStyle&) = delete;

    static fw::LOGFONT MakeFont();

private:
    fw::CDC* m_pDC;
    fw::CFont m_fontOld;
    fw::CPen m_penOld;
    fw::CBrush m_brushOld;
    int m_bkModeOld;
};

// The cell's box from (left, top) down by height; outlined with the pen.
fw::CRect CellRect(int left, int top, int width, int height);
void DrawCellBox(fw::CDC* dc, const fw::CRect& cell);

// A text holding "\r\n" is drawn line by line: the lines' block is centred
// in the cell's height (the margin above and below is the cell height less
// the lines' height, halved and truncated) and laid out with the cell's
// format. Any other text is drawn with plainFormat in the whole cell.
void DrawCellText(fw::CDC* dc, const std::string& text, const fw::CRect& cell, unsigned cellFormat,
                  unsigned plainFormat);

} // namespace table_drawing
