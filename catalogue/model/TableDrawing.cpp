#include "catalogue/model/TableDrawing.h"

#include "catalogue/model/ZedezuziIds.h"

#include "framework/DrawText.h"
#include "framework/StringTable.h"

namespace table_drawing {

namespace {

constexpr int kFontHeight = 35;
constexpr int kPenWidth = 2;

int CountLineBreaks(const std::string& text) {
    int count = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++count;
    return count;
}

} // namespace

fw::LOGFONT CTableStyle::MakeFont() {
    fw::LOGFONT lf;
    lf.lfHeight = kFontHeight;
    lf.lfWeight = 400;
    lf.lfCharSet = 0;        // ANSI
    lf.lfOutPrecision = 4;   // TrueType
    lf.lfQuality = 2;        // proof
    lf.lfPitchAndFamily = 2; // variable pitch
    std::string face;
    if (!fw::TryLoadString(zzid::IDS_TABLE_FACE, face))
        face = "Arial";
    lf.SetFaceName(face);
    return lf;
}

CTableStyle::CTableStyle(fw::CDC* dc) : m_pDC(dc) {
    m_fontOld = dc->SelectObject(fw::CFont(MakeFont()));
    m_penOld = dc->SelectObject(fw::CPen(fw::PS_SOLID, kPenWidth, fw::RGB(0, 0, 0)));
    m_brushOld = dc->SelectObject(fw::CBrush::Null());
    m_bkModeOld = dc->SetBkMode(fw::TRANSPARENT);
}

CTableStyle::~CTableStyle() {
    m_pDC->SelectObject(m_fontOld);
    m_pDC->SelectObject(m_penOld);
    m_pDC->SelectObject(m_brushOld);
    m_pDC->SetBkMode(m_bkModeOld);
}

fw::CRect CellRect(int left, int top, int width, int height) {
    return fw::CRect(left, top, left + width, top - height);
}

void DrawCellBox(fw::CDC* dc, const fw::CRect& cell) {
    dc->Rectangle(cell);
}

void DrawCellText(fw::CDC* dc, const std::string& text, const fw::CRect& cell, unsigned cellFormat,
                  unsigned plainFormat) {
    if (text.empty())
        return;
    int breaks = CountLineBreaks(text);
    if (breaks == 0) {
        fw::DrawText(dc, text, cell, plainFormat);
        return;
    }
    int lines = breaks + 1;
    int lineHeight = dc->GetTextExtent(text).cy;
    int height = cell.top - cell.bottom;
    int margin = (height - lines * lineHeight) / 2;
    fw::CRect inner(cell.left, cell.top - margin, cell.right, cell.bottom + margin);
    fw::DrawText(dc, text, inner, cellFormat);
}

} // namespace table_drawing
