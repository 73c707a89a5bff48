#include "tools/Filvaron.h"

#include "framework/DeviceContext.h"

#include <algorithm>

namespace {

// Splits off the first line of a text: the characters before the first CR or
// LF. The line and the two characters after it (its CR LF) leave the text;
// the result tells whether a separator followed the line.
bool TakeLine(std::string& text, std::string& line) {
    size_t end = text.find_first_of("\r\n");
    if (end == std::string::npos) {
        line = text;
        text.clear();
        return false;
    }
    line = text.substr(0, end);
    text.erase(0, std::min(text.size(), end + 2));
    return true;
}

// An empty line is as high as a space.
fw::CSize LineExtent(const fw::CDC& dc, const std::string& line) {
    return dc.GetTextExtent(line.empty() ? std::string(" ") : line);
}

} // namespace

void DLLDrawTextSkeleton(fw::CDC* dc, const std::string& text, const fw::CRect& rect,
                         const fw::LOGFONT* font, uint32_t colour) {
    fw::COLORREF oldColour = dc->SetTextColor(colour);
    fw::CFont oldFont = dc->SelectObject(fw::CFont(*font));
    std::string rest = text;
    std::string line;
    int y = 0;
    while (!rest.empty()) {
        TakeLine(rest, line);
        if (!line.empty())
            dc->TextOut(rect.left, rect.top + y, line);
        y += LineExtent(*dc, line).cy;
    }
    dc->SelectObject(oldFont);
    dc->SetTextColor(oldColour);
}

fw::CSize DLLGetSizeText(fw::CDC* dc, const std::string& text, const fw::LOGFONT* font) {
    fw::CFont oldFont = dc->SelectObject(fw::CFont(*font));
    fw::CSize size;
    std::string rest = text;
    std::string line;
    bool first = true;
    while (!rest.empty()) {
        bool separated = TakeLine(rest, line);
        fw::CSize ext = LineExtent(*dc, line);
        size.cx = std::max(size.cx, ext.cx);
        if (first)
            size.cy = ext.cy;
        first = false;
        // A line followed by its CR LF adds a line's height, even when
        // nothing comes after the CR LF.
        if (separated)
            size.cy += ext.cy;
    }
    dc->SelectObject(oldFont);
    return size;
}
