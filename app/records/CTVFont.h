#pragma once

#include "framework/DeviceContext.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

// One of the program's fonts, selected into a device context for as long as
// the object lives (the context's previous font comes back at the end). The
// kind numbers the font: its face comes from the string table, its height
// (in logical units) from whether the context prints and from the size code.
// Texts may hold several lines separated by "\r\n".
class CTVFont : public fw::CFont {
public:
    CTVFont(fw::CDC* pDC, int kind, int sizeCode);
    ~CTVFont();
    CTVFont(const CTVFont&) = delete;
    CTVFont& operator=(const CTVFont&) = delete;

    // False for a kind the program does not know: nothing was selected.
    bool IsCreated() const { return m_bCreated; }

    // The widest line and the line height times the number of lines.
    fw::CSize DoGetTextExtent(const std::string& text) const;
    // Each line with its top-left at (left, top + the heights of the lines
    // above), in the colour.
    void DoDrawTextLines(const std::string& text, int left, int top, int right, int bottom,
                         fw::COLORREF color);
    // One line centred in the rectangle, on a transparent background.
    void DoDrawTextRect(const std::string& text, int left, int top, int right, int bottom,
                        fw::COLORREF color);
    // Lines for mappings whose y axis points up, from (left - 5, bottom)
    // downwards; the "2" of "I2t" is drawn smaller and raised.
    void DoDrawTextSuper(const std::string& text, int left, int top, int right, int bottom,
                         fw::COLORREF color);

    // The lines of a text cut at each "\r\n".
    static std::vector<std::string> SplitLines(const std::string& text);
    // The text's lines as DXF TEXT entities of height 3, the first at (x, y),
    // each next 5 lower; empty lines are left out and take no room.
    static void DoDXFOutTextLines(std::ostream& file, int32_t layer, int32_t x, int32_t y,
                                  const std::string& text);
    // The description of a font kind, or false for an unknown kind.
    static bool MakeLogFont(int kind, int sizeCode, bool printing, fw::LOGFONT* lf);

private:
    fw::CDC* m_pDC;
    fw::CFont m_fontOld;
    bool m_bCreated = false;
};
