#include "CObjRefV4.h"

#include "app/records/CTVFont.h"
#include "app/records/GeometryRecords.h"

#include <algorithm>

FW_IMPLEMENT_SERIAL(CObjRefV4, 0)

namespace {

// The font of element labels.
constexpr int kLabelFont = 100;

constexpr fw::COLORREF kBlack = 0x000000;
constexpr fw::COLORREF kRed = 0x0000FF;
constexpr fw::COLORREF kMagenta = 0xFF00FF;
constexpr fw::COLORREF kBlue = 0xFF0000;

bool Contains(const fw::CRect& r, fw::CPoint p) {
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

fw::CRect Union(const fw::CRect& a, const fw::CRect& b) {
    if (a.IsRectEmpty())
        return b;
    if (b.IsRectEmpty())
        return a;
    return fw::CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                     std::max(a.bottom, b.bottom));
}

long g_measuredLayouts = 0;

} // namespace

long CObjRefLabels::GetMeasuredLayouts() {
    return g_measuredLayouts;
}

void CObjRefLabels::Serialize(fw::CArchive& ar) {
    DoSerializeViewRect(ar, m_rectLabel1);
    DoSerializeViewRect(ar, m_rectLabel2);
    if (ar.IsStoring())
        ar << m_crLabel2 << m_crLabel2Back << m_crLabel1 << m_crLabel1Back << m_nSpare;
    else
        ar >> m_crLabel2 >> m_crLabel2Back >> m_crLabel1 >> m_crLabel1Back >> m_nSpare;
}

void CObjRefLabels::DoLayout(fw::CDC* pDC, const fw::CRect& symbol, const std::string& text1,
                             uint32_t flags1, const std::string& text2, uint32_t flags2,
                             fw::CPoint offset) {
    if (!pDC)
        return;
    fw::LOGFONT lf;
    if (!CTVFont::MakeLogFont(kLabelFont, 0, pDC->IsPrinting(), &lf))
        return;
    const int mapMode = pDC->GetMapMode();
    const fw::CSize windowExt = pDC->GetWindowExt();
    const fw::CSize viewportExt = pDC->GetViewportExt();
    LayoutMemo& memo = m_layout;
    if (memo.valid && memo.label1 == m_rectLabel1 && memo.label2 == m_rectLabel2 &&
        memo.symbol == symbol && memo.offset == offset && memo.flags1 == flags1 &&
        memo.flags2 == flags2 && memo.mapMode == mapMode && memo.windowExt == windowExt &&
        memo.viewportExt == viewportExt && memo.font == lf && memo.text1 == text1 &&
        memo.text2 == text2)
        return;
    CTVFont font(pDC, kLabelFont, 0);
    if (!font.IsCreated())
        return;
    ++g_measuredLayouts;
    fw::CSize size1 = font.DoGetTextExtent(text1);
    fw::CSize size2 = font.DoGetTextExtent(text2);
    const int32_t L = symbol.left, T = symbol.top, R = symbol.right, B = symbol.bottom;
    const int32_t W = R - L, H = B - T;
    // The last grid row of the symbol, less the height the text sits above it.
    const int32_t lastRow = T + ((H + 1) / 40) * 40 - 26;

    int32_t width = size1.cx, x = L, y = T;
    const int32_t w1 = size1.cx, h1 = size1.cy;
    if (static_cast<int8_t>(flags1 & 0xFF) < 0) { // 0x80: left, centred
        x = L - w1 - 1;
        y = T + (H - h1) / 2;
    } else if (flags1 & 0x20) {
        width = w1 + 2;
        x = R + 1;
        y = T + (H - h1) / 2;
    } else if (flags1 & 0x10) {
        x = L + (W - w1) / 2;
        y = T - h1 - 1;
    } else if (flags1 & 0x01) {
        x = L - w1 - 1;
        y = T + 10;
    } else if (flags1 & 0x08) {
        x = L - w1 - 1;
        y = lastRow;
    }
    m_rectLabel1 = fw::CRect(x, y, x + width, y + h1);

    const int32_t w2 = size2.cx, h2 = size2.cy;
    width = w2;
    x = L;
    y = T;
    if (flags2 & 0x20) {
        width = w2 + 2;
        x = R + 1;
        y = T + (H - h2) / 2;
    } else if (flags2 & 0x40) {
        x = L + (W - w2) / 2;
        y = B + 1;
    } else if (flags2 & 0x02) {
        width = w2 + 2;
        x = R + 1;
        y = T + 10;
    } else if (flags2 & 0x04) {
        width = w2 + 2;
        x = R + 1;
        y = lastRow;
    }
    m_rectLabel2 = fw::CRect(x, y, x + width, y + h2);
    m_rectLabel2.OffsetRect(offset.x, offset.y);

    memo.valid = true;
    memo.font = lf;
    memo.mapMode = mapMode;
    memo.windowExt = windowExt;
    memo.viewportExt = viewportExt;
    memo.symbol = symbol;
    memo.text1 = text1;
    memo.text2 = text2;
    memo.flags1 = flags1;
    memo.flags2 = flags2;
    memo.offset = offset;
    memo.label1 = m_rectLabel1;
    memo.label2 = m_rectLabel2;
}

fw::CRect CObjRefLabels::GetUnion() const {
    if (m_rectLabel2.IsRectEmpty() || (Contains(m_rectLabel1, m_rectLabel2.TopLeft()) &&
                                       Contains(m_rectLabel1, m_rectLabel2.BottomRight())))
        return m_rectLabel1;
    return Union(m_rectLabel1, m_rectLabel2);
}

void CObjRefLabels::DoDraw(fw::CDC* pDC, const std::string& text1, const std::string& text2,
                           bool red) {
    if (!pDC)
        return;
    if (pDC->IsPrinting()) {
        m_crLabel1 = kBlack;
        m_crLabel2 = kBlack;
    } else if (red) {
        m_crLabel1 = kRed;
        m_crLabel2 = kRed;
    } else {
        m_crLabel1 = kMagenta;
        m_crLabel2 = kBlue;
    }
    CTVFont font(pDC, kLabelFont, 0);
    if (!font.IsCreated())
        return;
    const fw::CRect& r1 = m_rectLabel1;
    const fw::CRect& r2 = m_rectLabel2;
    font.DoDrawTextLines(text1, r1.left, r1.top, r1.right, r1.bottom, m_crLabel1);
    font.DoDrawTextLines(text2, r2.left, r2.top, r2.right, r2.bottom, m_crLabel2);
}

void CObjRefV4::Serialize(fw::CArchive& ar) {
    m_labels.Serialize(ar);
}
