#include "DrawText.h"

#include "DeviceContext.h"

#include <QPainter>

#include <algorithm>

namespace fw {

namespace {

// The paragraphs of a text: its pieces between line breaks.
std::vector<std::string> SplitParagraphs(const std::string& text) {
    std::vector<std::string> paragraphs;
    std::string piece;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue; // the "\n" ends the line
        if (c == '\n') {
            paragraphs.push_back(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
    paragraphs.push_back(piece);
    return paragraphs;
}

} // namespace

std::vector<std::string> LayoutTextLines(const CDC* dc, const std::string& text, int width,
                                         unsigned format) {
    if (format & DT_SINGLELINE) {
        std::string line;
        for (char c : text) {
            if (c != '\r' && c != '\n')
                line += c;
        }
        return {line};
    }
    std::vector<std::string> paragraphs = SplitParagraphs(text);
    if (!(format & DT_WORDBREAK))
        return paragraphs;
    std::vector<std::string> lines;
    for (const std::string& paragraph : paragraphs) {
        // Words with the blanks before them: blanks inside a line stay as
        // typed, those at a break are dropped.
        std::string line;
        size_t pos = 0;
        bool lineStarted = false;
        while (pos < paragraph.size() || !lineStarted) {
            size_t wordStart = paragraph.find_first_not_of(' ', pos);
            if (wordStart == std::string::npos)
                wordStart = paragraph.size();
            size_t wordEnd = paragraph.find(' ', wordStart);
            if (wordEnd == std::string::npos)
                wordEnd = paragraph.size();
            std::string blanks = paragraph.substr(pos, wordStart - pos);
            std::string word = paragraph.substr(wordStart, wordEnd - wordStart);
            std::string candidate = line + blanks + word;
            if (!lineStarted || dc->GetTextExtent(candidate).cx <= width) {
                line = candidate;
                lineStarted = true;
            } else {
                lines.push_back(line);
                line = word;
            }
            pos = wordEnd;
            if (pos >= paragraph.size())
                break;
        }
        lines.push_back(line);
    }
    return lines;
}

int DrawText(CDC* dc, const std::string& text, const CRect& rect, unsigned format) {
    if (!dc)
        return 0;
    // "Top" and "left" are the edges nearer the device's top and left.
    const bool yUp = dc->ScaleY() < 0;
    const bool xLeft = dc->ScaleX() < 0;
    const int top = yUp ? std::max(rect.top, rect.bottom) : std::min(rect.top, rect.bottom);
    const int bottom = yUp ? std::min(rect.top, rect.bottom) : std::max(rect.top, rect.bottom);
    const int left = xLeft ? std::max(rect.left, rect.right) : std::min(rect.left, rect.right);
    const int right = xLeft ? std::min(rect.left, rect.right) : std::max(rect.left, rect.right);
    const int down = yUp ? -1 : 1;
    const int across = xLeft ? -1 : 1;
    const int width = std::abs(right - left);
    const int height = std::abs(bottom - top);

    std::vector<std::string> lines = LayoutTextLines(dc, text, width, format);
    const int lineHeight = dc->GetTextExtent(std::string()).cy;

    int y = top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            y = top + down * ((height - lineHeight) / 2);
        else if (format & DT_BOTTOM)
            y = bottom - down * lineHeight;
    }

    QPainter* painter = dc->GetPainter();
    const bool clip = painter && !(format & DT_NOCLIP);
    if (clip) {
        CRect device(left, top, right, bottom);
        dc->LPtoDP(&device);
        device.NormalizeRect();
        painter->save();
        painter->setClipRect(QRect(device.left, device.top, device.Width(), device.Height()),
                             painter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    }
    unsigned oldAlign = dc->SetTextAlign(TA_TOP | TA_LEFT);
    for (const std::string& line : lines) {
        int lineWidth = dc->GetTextExtent(line).cx;
        int x = left;
        if (format & DT_CENTER)
            x = left + across * ((width - lineWidth) / 2);
        else if (format & DT_RIGHT)
            x = right - across * lineWidth;
        if (!line.empty())
            dc->TextOut(x, y, line);
        y += down * lineHeight;
    }
    dc->SetTextAlign(oldAlign);
    if (clip)
        painter->restore();
    return static_cast<int>(lines.size()) * lineHeight;
}

} // namespace fw
