#include "CObjGraph.h"

#include "app/records/CTVFont.h"
#include "framework/Format.h"
#include "framework/StringTable.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace {

// String-table entries of the axis titles.
constexpr unsigned IDS_AXIS_CURRENT_AT = 26016;    // "Current(A) at %s"
constexpr unsigned IDS_AXIS_TIME = 26017;          // "Operating time(s)"
constexpr unsigned IDS_AXIS_SHORT_CIRCUIT = 26018; // kinds 10 and 11
constexpr unsigned IDS_AXIS_LET_THROUGH = 26019;   // kind 10
constexpr unsigned IDS_AXIS_I2T = 26020;           // kind 11
constexpr unsigned IDS_FORM_DECADE_CURRENT = 26021;
constexpr unsigned IDS_FORM_DECADE_TIME = 26022;

// The number-to-text service's read back with 6 significant digits: the
// walks step on the values the scale texts show, so that 0.5 + 0.1 is 0.6
// and not a hair above it. Free of the locale.
double Round6(double value) {
    if (!std::isfinite(value) || value == 0.0)
        return value;
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 6);
    if (ec != std::errc())
        return value;
    double back = value;
    std::from_chars(buf, end, back);
    return back;
}

bool IsSaneRange(double minimum, double maximum) {
    return std::isfinite(minimum) && std::isfinite(maximum) && minimum > 0.0 && maximum > 0.0;
}

bool IsPowerOfTen(double v) {
    if (!(v > 0.0))
        return false;
    const double e = std::log10(v);
    return std::fabs(e - std::round(e)) < 1e-9;
}

std::string TrimmedFixed(double v) {
    std::string text = fw::Format("%f", v);
    if (text.find('.') != std::string::npos) {
        while (!text.empty() && text.back() == '0')
            text.pop_back();
        if (!text.empty() && text.back() == '.')
            text.pop_back();
    }
    return text;
}

std::string IntText(double v) {
    if (!(std::fabs(v) < 2147483647.0))
        return TrimmedFixed(std::trunc(v));
    return fw::Format("%d", static_cast<int>(v));
}

// A logical coordinate from a double, held inside the 32-bit range.
int32_t Coord(double value) {
    if (!(value > -1e9))
        return -1000000000;
    if (!(value < 1e9))
        return 1000000000;
    return static_cast<int32_t>(std::lround(value));
}

// The pen, font and text colour a step changes come back at its end.
class DCState {
public:
    explicit DCState(fw::CDC* pDC)
        : m_pDC(pDC), m_pen(pDC->GetCurrentPen()), m_color(pDC->GetTextColor()),
          m_bkMode(pDC->GetBkMode()), m_align(pDC->GetTextAlign()) {}
    ~DCState() {
        m_pDC->SelectObject(m_pen);
        m_pDC->SetTextColor(m_color);
        m_pDC->SetBkMode(m_bkMode);
        m_pDC->SetTextAlign(m_align);
    }
    DCState(const DCState&) = delete;
    DCState& operator=(const DCState&) = delete;

private:
    fw::CDC* m_pDC;
    fw::CPen m_pen;
    fw::COLORREF m_color;
    int m_bkMode;
    unsigned m_align;
};

// A number with "^" before its exponent: the base, then the exponent raised
// by half a text height in a y-up mapping.
void DrawRaised(fw::CDC* pDC, int32_t x, int32_t y, const std::string& text) {
    const size_t caret = text.find('^');
    if (caret == std::string::npos) {
        pDC->TextOut(x, y, text);
        return;
    }
    const std::string base = text.substr(0, caret);
    const std::string exponent = text.substr(caret + 1);
    pDC->TextOut(x, y, base);
    const fw::CSize size = pDC->GetTextExtent(base);
    pDC->TextOut(x + size.cx, y + size.cy / 2, exponent);
}

fw::CSize RaisedExtent(fw::CDC* pDC, const std::string& text) {
    const size_t caret = text.find('^');
    if (caret == std::string::npos)
        return pDC->GetTextExtent(text);
    fw::CSize base = pDC->GetTextExtent(text.substr(0, caret));
    fw::CSize exponent = pDC->GetTextExtent(text.substr(caret + 1));
    return fw::CSize(base.cx + exponent.cx, base.cy + base.cy / 2);
}

} // namespace

std::vector<double> CObjGraph::GetScaleSteps(double minimum, double maximum) {
    std::vector<double> steps;
    if (!IsSaneRange(minimum, maximum))
        return steps;
    double v = Round6(minimum);
    while (v <= maximum) {
        if (steps.size() >= kMaxScaleSteps)
            return {};
        steps.push_back(v);
        const double next = Round6(v + std::pow(10.0, std::floor(std::log10(v))));
        if (!(next > v))
            break;
        v = next;
    }
    return steps;
}

std::vector<double> CObjGraph::GetDecadeSteps(double minimum, double maximum) {
    std::vector<double> steps;
    if (!IsSaneRange(minimum, maximum))
        return steps;
    double v = minimum;
    while (v <= maximum) {
        if (steps.size() >= kMaxScaleSteps)
            return {};
        steps.push_back(v);
        const double next = Round6(v * 10.0);
        if (!(next > v))
            break;
        v = next;
    }
    return steps;
}

bool CObjGraph::IsScaleNumberShown(double v, double minimum, double maximum) {
    const double r = Round6(v);
    return IsPowerOfTen(r) || r == Round6(minimum) || r == Round6(maximum);
}

std::string CObjGraph::GetScaleText(double v) {
    return v >= 1.0 ? IntText(std::trunc(v)) : TrimmedFixed(v);
}

std::string CObjGraph::GetFormCurrentText(double v, double formMinimum) {
    if (v < 1.0)
        return TrimmedFixed(v);
    const double r = Round6(v);
    if (r == Round6(formMinimum) || r == 1.0 || r == 5.0 || r == 10.0 || !IsPowerOfTen(r))
        return IntText(std::trunc(r));
    return fw::Format("10^%d", static_cast<int>(std::lround(std::log10(r))));
}

bool CObjGraph::IsFormCurrentShown(double v, double formMinimum, double formMaximum) {
    if (GetFormCurrentText(v, formMinimum).find('^') != std::string::npos)
        return true;
    const double r = Round6(v);
    return IsPowerOfTen(r) || r == Round6(formMinimum) || r == Round6(formMaximum) ||
           (r == 5.0 && Round6(formMinimum) == 2.0);
}

std::string CObjGraph::GetFormTimeText(double v) {
    if (v < 1.0)
        return TrimmedFixed(v);
    const double r = Round6(v);
    static const char kTimes[] = "\xC3\x97"; // the multiplication sign
    if (r >= 100.0 && r <= 500.0)
        return IntText(std::trunc(r / 100.0)) + kTimes + "10^2";
    if (r >= 1000.0 && r <= 5000.0)
        return IntText(std::trunc(r / 1000.0)) + kTimes + "10^3";
    if (r >= 10000.0)
        return IntText(std::trunc(r / 10000.0)) + kTimes + "10^4";
    return IntText(std::trunc(r));
}

bool CObjGraph::IsFormTimeShown(double v, double minimum, double maximum) {
    const std::string text = GetFormTimeText(v);
    if (text.find('^') != std::string::npos)
        return true;
    const double r = Round6(v);
    return IsPowerOfTen(r) || r == Round6(minimum) || r == Round6(maximum) ||
           text.find_first_of("2345") != std::string::npos || r == 60.0;
}

std::string CObjGraph::GetCurrentAxisTitle() const {
    if (m_nKind == kCurrentLimiting || m_nKind == kLetThrough)
        return fw::LoadString(IDS_AXIS_SHORT_CIRCUIT);
    return fw::FormatStrings(fw::LoadString(IDS_AXIS_CURRENT_AT),
                             {fw::Format("%d", m_nStdVoltage) + "V"});
}

std::string CObjGraph::GetTimeAxisTitle() const {
    if (m_nKind == kCurrentLimiting)
        return fw::LoadString(IDS_AXIS_LET_THROUGH);
    if (m_nKind == kLetThrough)
        return fw::LoadString(IDS_AXIS_I2T);
    return fw::LoadString(IDS_AXIS_TIME);
}

int CObjGraph::GetScaleFontKind() const {
    return m_nKind == kCurrentLimiting ? 212 : m_nKind == kLetThrough ? 216 : 208;
}

int CObjGraph::GetCurrentTitleFontKind() const {
    return m_nKind == kCurrentLimiting ? 213 : m_nKind == kLetThrough ? 217 : 209;
}

int CObjGraph::GetTimeTitleFontKind() const {
    return m_nKind == kCurrentLimiting ? 214 : m_nKind == kLetThrough ? 218 : 210;
}

fw::CRect CObjGraph::DrawGraph(fw::CDC* pDC, int32_t left, int32_t top, int32_t right,
                               int32_t bottom, fw::CSize page) {
    fw::CRect frame(left, top, right, bottom);
    if (!pDC)
        return frame;
    const bool printing = pDC->IsPrinting();
    const int32_t sides = (m_rectMargins.left + m_rectMargins.right) * 10;
    const int32_t heights = (m_rectMargins.top + m_rectMargins.bottom + 34) * 10;
    if (printing && m_nPrintMode == 1) {
        const int32_t pageBottom = page.cy - heights;
        pDC->IntersectClipRect(fw::CRect(-150, -10, page.cx - sides + left, pageBottom));
        DoDrawGrid(pDC, m_dCurrentMin, m_dCurrentMax, m_dTimeMin, m_dTimeMax, frame);
        pDC->SelectClipRgn(nullptr);
        pDC->IntersectClipRect(fw::CRect(-150, -10, page.cx - sides + left, pageBottom + 10));
        DoDrawScales(pDC, m_dCurrentMin, m_dCurrentMax, m_dTimeMin, m_dTimeMax, frame);
        DoDrawTitles(pDC, frame);
        pDC->SelectClipRgn(nullptr);
        return fw::CRect(left, top, right, pageBottom);
    }
    if (printing && m_nPrintMode == 2) {
        const int32_t pageBottom = page.cy - heights;
        pDC->IntersectClipRect(fw::CRect(-200, -70, page.cx - sides + left, pageBottom));
        DoDrawGrid(pDC, m_dFormCurrentMin, m_dFormCurrentMax, m_dFormTimeMin, m_dFormTimeMax,
                   frame);
        pDC->SelectClipRgn(nullptr);
        pDC->IntersectClipRect(fw::CRect(-200, -70, page.cx - sides + left, pageBottom + 10));
        DoDrawFormScales(pDC, frame);
        DoDrawFormTitles(pDC, frame);
        pDC->SelectClipRgn(nullptr);
        return frame;
    }
    DoDrawGrid(pDC, m_dCurrentMin, m_dCurrentMax, m_dTimeMin, m_dTimeMax, frame);
    DoDrawScales(pDC, m_dCurrentMin, m_dCurrentMax, m_dTimeMin, m_dTimeMax, frame);
    DoDrawTitles(pDC, frame);
    return frame;
}

void CObjGraph::DoDrawGrid(fw::CDC* pDC, double iMin, double iMax, double tMin, double tMax,
                           const fw::CRect& frame) {
    if (!pDC || !IsSaneRange(iMin, iMax) || !IsSaneRange(tMin, tMax))
        return;
    DCState state(pDC);
    const bool metric = pDC->GetMapMode() == fw::MM_LOMETRIC;
    const double iDecade = GetCurrentDecadeSize();
    const double tDecade = GetTimeDecadeSize();
    const int32_t height = Coord(std::trunc(tDecade * std::log10(tMax / tMin)));
    const int32_t width = Coord(std::trunc(iDecade * std::log10(iMax / iMin)));
    const double logI = std::log10(iMin);
    const double logT = std::log10(tMin);
    auto xOf = [&](double v) { return Coord(frame.left + iDecade * (std::log10(v) - logI)); };
    auto yOf = [&](double t) { return Coord(frame.top + tDecade * (std::log10(t) - logT)); };
    auto vertical = [&](double v) {
        const int32_t x = xOf(v);
        pDC->MoveTo(x, frame.top + height);
        pDC->LineTo(x, frame.top);
    };
    auto horizontal = [&](double t) {
        const int32_t y = yOf(t);
        pDC->MoveTo(frame.left, y);
        pDC->LineTo(frame.left + width, y);
    };

    pDC->SelectObject(fw::CPen(m_nFineStyle, metric ? m_nFineWidth / 4 : m_nFineWidth, m_crFine));
    for (double v : GetScaleSteps(iMin, iMax))
        vertical(v);
    for (double t : GetScaleSteps(tMin, tMax))
        horizontal(t);

    pDC->SelectObject(
        fw::CPen(m_nDecadeStyle, metric ? m_nDecadeWidth / 4 : m_nDecadeWidth, m_crDecade));
    for (double v : GetDecadeSteps(iMin, iMax))
        vertical(v);
    for (double t : GetDecadeSteps(tMin, tMax))
        horizontal(t);
}

void CObjGraph::DoDrawScales(fw::CDC* pDC, double iMin, double iMax, double tMin, double tMax,
                             const fw::CRect& frame) {
    if (!pDC || !IsSaneRange(iMin, iMax) || !IsSaneRange(tMin, tMax))
        return;
    double currentDivisor = 1.0;
    double timeDivisor = 1.0;
    if (m_nKind == kCurrentLimiting) {
        currentDivisor = 1000.0;
        timeDivisor = 1000.0;
    } else if (m_nKind == kLetThrough) {
        currentDivisor = 1000.0;
        timeDivisor = 1000000.0;
    }
    const double sMinI = iMin / currentDivisor;
    const double sMaxI = iMax / currentDivisor;
    const double sMinT = tMin / timeDivisor;
    const double sMaxT = tMax / timeDivisor;

    DCState state(pDC);
    CTVFont font(pDC, GetScaleFontKind(), m_nPrintMode);
    pDC->SetTextColor(m_crScaleText);
    pDC->SetBkMode(fw::TRANSPARENT);
    pDC->SetTextAlign(fw::TA_TOP | fw::TA_LEFT);
    const double iDecade = GetCurrentDecadeSize();
    const double tDecade = GetTimeDecadeSize();

    for (double v : GetScaleSteps(sMinI, sMaxI)) {
        if (!IsScaleNumberShown(v, sMinI, sMaxI))
            continue;
        const std::string text = GetScaleText(v);
        const fw::CSize size = pDC->GetTextExtent(text);
        const int32_t x = Coord(frame.left + iDecade * (std::log10(v) - std::log10(sMinI)));
        pDC->TextOut(x - size.cx / 2, frame.top - size.cy / 2, text);
    }
    for (double t : GetScaleSteps(sMinT, sMaxT)) {
        if (!IsScaleNumberShown(t, sMinT, sMaxT))
            continue;
        const std::string text = GetScaleText(t);
        const fw::CSize size = pDC->GetTextExtent(text);
        const int32_t y = Coord(frame.top + tDecade * (std::log10(t) - std::log10(sMinT)));
        pDC->TextOut(frame.left - size.cy / 2 - size.cx, y + size.cy / 2, text);
    }
}

void CObjGraph::DoDrawTitles(fw::CDC* pDC, const fw::CRect& frame) {
    if (!pDC)
        return;
    DCState state(pDC);
    const bool printing = pDC->IsPrinting();
    const bool metric = pDC->GetMapMode() == fw::MM_LOMETRIC;
    pDC->SetBkMode(fw::TRANSPARENT);
    pDC->SetTextAlign(fw::TA_TOP | fw::TA_LEFT);
    pDC->SetTextColor(m_crScaleText);
    const fw::CPen arrowPen(fw::PS_SOLID, metric ? 1 : 5, m_crTitlePen);

    {
        CTVFont font(pDC, GetCurrentTitleFontKind(), m_nPrintMode);
        const std::string title = GetCurrentAxisTitle();
        const fw::CSize size = pDC->GetTextExtent(title);
        const int32_t w = size.cx;
        const int32_t h = size.cy;
        const int32_t x0 = frame.left + (frame.right - frame.left - w) / 2;
        int32_t x = x0 + 150;
        int32_t y = frame.top - 300;
        if (printing && metric) {
            x = x0 + 15;
            y = frame.top - 40;
        } else if (printing) {
            y = frame.top - 200;
        }
        pDC->TextOut(x, y, title);
        pDC->SelectObject(arrowPen);
        const int32_t ym = y - h / 2;
        if (metric) {
            pDC->MoveTo(x0 - 30, ym);
            pDC->LineTo(x0 + 10, ym);
            pDC->LineTo(x0 - 10, y - h / 4);
            pDC->MoveTo(x0 + 10, ym);
            pDC->LineTo(x0 - 10, y - 3 * h / 4);
        } else {
            pDC->MoveTo(x0 - 150, ym);
            pDC->LineTo(x0 + 100, ym);
            pDC->LineTo(x0, y - h / 4);
            pDC->MoveTo(x0 + 100, ym);
            pDC->LineTo(x0, y - 3 * h / 4);
        }
    }
    {
        CTVFont font(pDC, GetTimeTitleFontKind(), m_nPrintMode);
        const std::string title = GetTimeAxisTitle();
        // The vertical title runs upward: its extent lies along y.
        const fw::CSize size = pDC->GetTextExtent(title);
        const int32_t w = size.cx;
        const int32_t h = size.cy;
        const int32_t yc = frame.top + (frame.bottom - frame.top - w) / 2;
        int32_t x = frame.left - 850;
        int32_t y = yc + 150;
        if (printing && metric) {
            x = frame.left - 100;
            y = yc + 15;
        } else if (printing) {
            x = frame.left - 450;
        }
        pDC->TextOut(x, y, title);
        pDC->SelectObject(arrowPen);
        const int32_t xm = x + h / 2;
        if (metric) {
            pDC->MoveTo(xm, yc - 30);
            pDC->LineTo(xm, yc + 10);
            pDC->LineTo(x + h / 4, yc - 10);
            pDC->MoveTo(xm, yc + 10);
            pDC->LineTo(x + 3 * h / 4, yc - 10);
        } else {
            pDC->MoveTo(xm, yc - 150);
            pDC->LineTo(xm, yc + 100);
            pDC->LineTo(x + h / 4, yc);
            pDC->MoveTo(xm, yc + 100);
            pDC->LineTo(x + 3 * h / 4, yc);
        }
    }
}

void CObjGraph::DoDrawFormScales(fw::CDC* pDC, const fw::CRect& frame) {
    if (!pDC || !IsSaneRange(m_dFormCurrentMin, m_dFormCurrentMax) ||
        !IsSaneRange(m_dFormTimeMin, m_dFormTimeMax))
        return;
    DCState state(pDC);
    CTVFont font(pDC, 219, m_nPrintMode);
    pDC->SetTextColor(m_crScaleText);
    pDC->SetBkMode(fw::TRANSPARENT);
    pDC->SetTextAlign(fw::TA_TOP | fw::TA_LEFT);
    const double iDecade = GetCurrentDecadeSize();
    const double tDecade = GetTimeDecadeSize();
    for (double v : GetScaleSteps(m_dFormCurrentMin, m_dFormCurrentMax)) {
        if (!IsFormCurrentShown(v, m_dFormCurrentMin, m_dFormCurrentMax))
            continue;
        const std::string text = GetFormCurrentText(v, m_dFormCurrentMin);
        const fw::CSize size = RaisedExtent(pDC, text);
        const int32_t x =
            Coord(frame.left + iDecade * (std::log10(v) - std::log10(m_dFormCurrentMin)));
        DrawRaised(pDC, x - size.cx / 2, frame.top - size.cy / 2, text);
    }
    for (double t : GetScaleSteps(m_dFormTimeMin, m_dFormTimeMax)) {
        if (!IsFormTimeShown(t, m_dFormTimeMin, m_dFormTimeMax))
            continue;
        const std::string text = GetFormTimeText(t);
        const fw::CSize size = RaisedExtent(pDC, text);
        const int32_t y = Coord(frame.top + tDecade * (std::log10(t) - std::log10(m_dFormTimeMin)));
        DrawRaised(pDC, frame.left - size.cy / 2 - size.cx, y + size.cy / 2, text);
    }
}

void CObjGraph::DoDrawFormTitles(fw::CDC* pDC, const fw::CRect& frame) {
    if (!pDC)
        return;
    DCState state(pDC);
    pDC->SetBkMode(fw::TRANSPARENT);
    pDC->SetTextAlign(fw::TA_TOP | fw::TA_LEFT);
    pDC->SetTextColor(m_crScaleText);
    CTVFont font(pDC, 220, m_nPrintMode);
    const std::string title = GetCurrentAxisTitle();
    const fw::CSize size = pDC->GetTextExtent(title);
    pDC->TextOut(frame.left + (frame.right - frame.left - size.cx) / 2, frame.top - 80, title);

    // Beside the vertical axis: one decade of each axis as a dimension line
    // with arrowheads and a short label.
    pDC->SelectObject(fw::CPen(fw::PS_SOLID, 1, m_crTitlePen));
    const int32_t decade = Coord(GetTimeDecadeSize());
    const int32_t x = frame.left - 150;
    const int32_t y0 = frame.bottom - decade;
    pDC->MoveTo(x, y0);
    pDC->LineTo(x, frame.bottom);
    for (int32_t end : {y0, frame.bottom}) {
        const int32_t dir = end == y0 ? 1 : -1;
        pDC->MoveTo(x - 8, end + dir * 20);
        pDC->LineTo(x, end);
        pDC->LineTo(x + 8, end + dir * 20);
    }
    pDC->TextOut(x - 20 - pDC->GetTextExtent(fw::LoadString(IDS_FORM_DECADE_TIME)).cx,
                 y0 + decade / 2, fw::LoadString(IDS_FORM_DECADE_TIME));
    const int32_t cd = Coord(GetCurrentDecadeSize());
    const int32_t yh = frame.bottom + 40;
    pDC->MoveTo(frame.left, yh);
    pDC->LineTo(frame.left + cd, yh);
    for (int32_t end : {frame.left, frame.left + cd}) {
        const int32_t dir = end == frame.left ? 1 : -1;
        pDC->MoveTo(end + dir * 20, yh - 8);
        pDC->LineTo(end, yh);
        pDC->LineTo(end + dir * 20, yh + 8);
    }
    pDC->TextOut(frame.left + cd + 20, yh + 15, fw::LoadString(IDS_FORM_DECADE_CURRENT));
}
