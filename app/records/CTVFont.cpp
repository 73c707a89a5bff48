#include "CTVFont.h"

#include "framework/StringTable.h"

#include <ostream>

namespace {

struct FontKind {
    int kinds[2];   // one kind, or two sharing a row (second 0 when none)
    unsigned face;  // string-table entry of the face name
    int screen;     // height on the screen
    int printSmall; // printing with size code 1 or 2
    int printOther; // printing with another size code
    int angle;      // escapement in tenths of a degree
};

const FontKind kFonts[] = {
    {{1, 0}, 27021, 15, 15, 15, 0},           {{6, 0}, 27020, 20, 20, 20, 0},
    {{7, 0}, 27023, 12, 12, 12, 0},           {{12, 0}, 27022, 20, 20, 20, 0},
    {{13, 0}, 27024, 20, 20, 20, 0},          {{100, 0}, 27008, 20, 20, 20, 0},
    {{200, 0}, 27009, 200, 25, 100, 0},       {{201, 0}, 27010, 200, 25, 100, 0},
    {{202, 0}, 27011, 200, 25, 100, 0},       {{203, 0}, 27012, 300, 35, 150, 0},
    {{204, 0}, 27013, 300, 35, 150, 0},       {{205, 0}, 27026, 200, 25, 100, 0},
    {{206, 0}, 27027, 300, 35, 150, 0},       {{207, 0}, 27028, 300, 35, 150, 0},
    {{208, 0}, 27014, 180, 20, 90, 0},        {{209, 0}, 27015, 200, 25, 100, 0},
    {{210, 0}, 27016, 200, 25, 100, -900},    {{211, 215}, 27029, 300, 150, 150, 0},
    {{212, 216}, 27032, 200, 130, 130, 0},    {{213, 217}, 27030, 200, 150, 150, 0},
    {{214, 218}, 27031, 200, 150, 150, -900}, {{219, 0}, 27033, 30, 30, 30, 0},
    {{220, 0}, 27034, 30, 30, 30, 0},         {{221, 0}, 27035, 300, 200, 200, 0},
    {{300, 0}, 27017, 50, 50, 50, 0},         {{301, 0}, 27018, 30, 30, 30, 0},
    {{302, 0}, 27019, 35, 35, 35, 0},
};

constexpr uint8_t kAnsiCharset = 0;
constexpr uint8_t kOutTrueTypePrecision = 4;
constexpr uint8_t kClipDefault = 0;
constexpr uint8_t kProofQuality = 2;
constexpr uint8_t kVariablePitch = 2;
constexpr int32_t kNormalWeight = 400;

} // namespace

bool CTVFont::MakeLogFont(int kind, int sizeCode, bool printing, fw::LOGFONT* lf) {
    for (const FontKind& f : kFonts) {
        if (f.kinds[0] != kind && f.kinds[1] != kind)
            continue;
        int height = f.screen;
        if (printing) {
            if (sizeCode == 1 || sizeCode == 2)
                height = f.printSmall;
            else if (kind == 208)
                height = sizeCode == 3 ? 150 : 90;
            else
                height = f.printOther;
        }
        *lf = fw::LOGFONT();
        lf->lfHeight = height;
        lf->lfWidth = 0;
        lf->lfEscapement = f.angle;
        lf->lfOrientation = 0;
        lf->lfWeight = kNormalWeight;
        lf->lfCharSet = kAnsiCharset;
        lf->lfOutPrecision = kOutTrueTypePrecision;
        lf->lfClipPrecision = kClipDefault;
        lf->lfQuality = kProofQuality;
        lf->lfPitchAndFamily = kVariablePitch;
        // Entries the table lacks give an empty face name.
        std::string face;
        fw::TryLoadString(f.face, face);
        lf->SetFaceName(face);
        return true;
    }
    return false;
}

CTVFont::CTVFont(fw::CDC* pDC, int kind, int sizeCode) : m_pDC(pDC) {
    if (!m_pDC || !MakeLogFont(kind, sizeCode, m_pDC->IsPrinting(), &lf))
        return;
    m_fontOld = m_pDC->SelectObject(static_cast<const fw::CFont&>(*this));
    m_bCreated = true;
}

CTVFont::~CTVFont() {
    if (m_bCreated)
        m_pDC->SelectObject(m_fontOld);
}

std::vector<std::string> CTVFont::SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        size_t at = text.find("\r\n", start);
        if (at == std::string::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, at - start));
        start = at + 2;
    }
}

void CTVFont::DoDXFOutTextLines(std::ostream& file, int32_t layer, int32_t x, int32_t y,
                                const std::string& text) {
    for (const std::string& line : SplitLines(text)) {
        if (line.empty())
            continue;
        file << "0\nTEXT\n8\n"
             << layer << "\n10\n"
             << x << "\n20\n"
             << y << "\n40\n3\n1\n"
             << line << "\n";
        y -= 5;
    }
}

fw::CSize CTVFont::DoGetTextExtent(const std::string& text) const {
    std::vector<std::string> lines = SplitLines(text);
    int width = 0;
    int lineHeight = 0;
    for (const std::string& line : lines) {
        fw::CSize size = m_pDC->GetTextExtent(line);
        width = std::max<int>(width, size.cx);
        lineHeight = std::max<int>(lineHeight, size.cy);
    }
    return fw::CSize(width, lineHeight * static_cast<int>(lines.size()));
}

void CTVFont::DoDrawTextLines(const std::string& text, int left, int top, int, int,
                              fw::COLORREF color) {
    fw::COLORREF oldColor = m_pDC->SetTextColor(color);
    int y = top;
    for (const std::string& line : SplitLines(text)) {
        m_pDC->TextOut(left, y, line);
        y += m_pDC->GetTextExtent(line).cy;
    }
    m_pDC->SetTextColor(oldColor);
}

void CTVFont::DoDrawTextRect(const std::string& text, int left, int top, int right, int bottom,
                             fw::COLORREF color) {
    fw::COLORREF oldColor = m_pDC->SetTextColor(color);
    int oldMode = m_pDC->SetBkMode(fw::TRANSPARENT);
    fw::CSize size = m_pDC->GetTextExtent(text);
    int x = left + (right - left - size.cx) / 2;
    int y = top + (bottom - size.cy - top) / 2;
    m_pDC->TextOut(x, y, text);
    m_pDC->SetBkMode(oldMode);
    m_pDC->SetTextColor(oldColor);
}

void CTVFont::DoDrawTextSuper(const std::string& text, int left, int, int, int bottom,
                              fw::COLORREF color) {
    fw::COLORREF oldColor = m_pDC->SetTextColor(color);
    fw::CFont normal = m_pDC->GetCurrentFont();
    int y = bottom;
    for (const std::string& line : SplitLines(text)) {
        int x = left - 5;
        int lineHeight = m_pDC->GetTextExtent(line).cy;
        size_t at = line.find("I2t");
        if (at == std::string::npos) {
            m_pDC->TextOut(x, y, line);
        } else {
            std::string head = line.substr(0, at + 1); // up to and including the "I"
            std::string tail = line.substr(at + 2);    // from the "t" on
            m_pDC->TextOut(x, y, head);
            int x2 = x + m_pDC->GetTextExtent(head).cx + m_pDC->GetTextExtent("2").cx / 4;
            int y2 = y + lineHeight / 10;
            fw::CFont small = normal;
            small.lf.lfHeight = static_cast<int32_t>(normal.lf.lfHeight * 2 / 3.0);
            m_pDC->SelectObject(small);
            m_pDC->TextOut(x2, y2, "2");
            int x3 = x2 + m_pDC->GetTextExtent("2").cx;
            m_pDC->SelectObject(normal);
            m_pDC->TextOut(x3, y, tail);
        }
        y -= lineHeight;
    }
    m_pDC->SelectObject(normal);
    m_pDC->SetTextColor(oldColor);
}
