#include "app/reports/CPrintDataList.h"

#include "app/records/CTVFont.h"
#include "app/records/DocSettings.h"
#include "framework/MessageBox.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

namespace {

// The gap between a column header and the row below it.
constexpr int32_t kHeaderGap = 3;
// The sheet's top and left offsets on the screen.
constexpr int32_t kScreenTop = 20;
constexpr int32_t kScreenLeft = 26;
// How far right a text row may reach, 0.1 mm.
constexpr int32_t kTextRowReach = 4000;

// The drawing state a report needs, put back when it goes.
class ReportPen {
public:
    explicit ReportPen(fw::CDC* pDC)
        : m_pDC(pDC), m_font(pDC, 302, 0),
          m_oldPen(pDC->SelectObject(fw::CPen(fw::PS_SOLID, 2, fw::RGB(0, 0, 0)))),
          m_oldMode(pDC->SetBkMode(fw::TRANSPARENT)) {}
    ~ReportPen() {
        m_pDC->SetBkMode(m_oldMode);
        m_pDC->SelectObject(m_oldPen);
    }
    ReportPen(const ReportPen&) = delete;
    ReportPen& operator=(const ReportPen&) = delete;

private:
    fw::CDC* m_pDC;
    CTVFont m_font;
    fw::CPen m_oldPen;
    int m_oldMode;
};

// A length in 0.1 mm as logical units of the context's mapping, through its
// device units.
int32_t ToLogicalX(const fw::CDC* pDC, int32_t tenthsMm) {
    fw::CSize size(static_cast<int>(static_cast<long long>(tenthsMm) *
                                    pDC->GetDeviceCaps(fw::LOGPIXELSX) / 254),
                   0);
    pDC->DPtoLP(&size);
    return std::abs(size.cx);
}

int32_t ToLogicalY(const fw::CDC* pDC, int32_t tenthsMm) {
    fw::CSize size(0, static_cast<int>(static_cast<long long>(tenthsMm) *
                                       pDC->GetDeviceCaps(fw::LOGPIXELSY) / 254));
    pDC->DPtoLP(&size);
    return std::abs(size.cy);
}

int32_t DeviceToLogicalY(const fw::CDC* pDC, int32_t device) {
    fw::CSize size(0, device);
    pDC->DPtoLP(&size);
    return std::abs(size.cy);
}

// Draws one row with its top-left corner at (x, y).
void DrawRow(fw::CDC* pDC, const CPrintData& row, int x, int y) {
    if (row.m_nType == kRowTitle || row.m_nType == kRowText)
        pDC->TextOut(x, y, row.m_strText[0]);
    else if (row.m_nType == kRowHeader || row.m_nType == kRowData)
        row.DoDrawCells(pDC, x, y);
}

} // namespace

CPrintData* CPrintDataList::DoAddNewRow() {
    m_rows.push_back(std::make_unique<CPrintData>());
    return m_rows.back().get();
}

void CPrintDataList::DoDrawAll(fw::CDC* pDC) const {
    if (!pDC)
        return;
    ReportPen pen(pDC);
    int32_t y = kScreenTop;
    for (const auto& row : m_rows) {
        if (row->m_nType == kRowFrame)
            continue;
        // Only the rows the window shows are drawn: a report of thousands
        // of rows is painted a window at a time. A text row is taken as wide
        // as any table.
        const int32_t x = kScreenLeft + row->m_nIndent;
        const int32_t width = std::max(row->GetTotalWidth(), kTextRowReach);
        const fw::CRect area(x, ReportDown(pDC, y), x + width,
                             ReportDown(pDC, y + row->m_nHeight + row->m_nSpace));
        if (pDC->RectVisible(area))
            DrawRow(pDC, *row, x, ReportDown(pDC, y));
        if (row->m_nType == kRowHeader)
            y += kHeaderGap;
        y += row->m_nHeight + row->m_nSpace;
    }
}

int CPrintDataList::DoLayoutPage(int32_t n, int32_t pageHeight, int32_t frameDepth,
                                 int32_t reportKind, std::vector<CPrintSlot>* placed) const {
    // Without printable height no row would ever be placed.
    if (pageHeight <= 0 || n < 1)
        return 0;
    const long long hp = pageHeight;
    std::map<int32_t, std::shared_ptr<CPrintData>> headers;
    long long y = 0;
    long long p = 1;
    const size_t count = m_rows.size();
    for (size_t i = 0; i < count;) {
        const CPrintData& row = *m_rows[i];
        if (row.m_nType == kRowFrame) {
            y += frameDepth;
            // The frame may reach past the first page: the layout goes on
            // from the page the depth has reached.
            p = std::max(p, y / hp + 1);
            ++i;
            continue;
        }
        if (y >= n * hp)
            return 1;
        const long long bottom = p * hp;
        const bool atTop = y == (p - 1) * hp;
        bool fits = atTop;
        if (!fits) {
            const CPrintData* next = i + 1 < count ? m_rows[i + 1].get() : nullptr;
            if (row.m_nType == kRowData) {
                fits = y + row.m_nHeight <= bottom;
            } else if (row.m_nType == kRowTitle && next && next->m_nType == kRowText) {
                fits = y + row.m_nHeight + row.m_nSpace + next->m_nHeight <= bottom;
            } else if (row.m_nType == kRowTitle && next && next->m_nType == kRowHeader) {
                const CPrintData* after = i + 2 < count ? m_rows[i + 2].get() : nullptr;
                fits = y + row.m_nHeight + row.m_nSpace + next->m_nHeight + next->m_nSpace +
                           kHeaderGap + (after ? after->m_nHeight : 0) <=
                       bottom;
            } else {
                fits = y < bottom;
            }
        }
        if (!fits) {
            y = bottom;
            ++p;
            continue;
        }
        const bool onPage = p == n;
        if (atTop && row.m_nType == kRowData) {
            // The repeated header is made once per table kind; only the page
            // asked for keeps a copy of it.
            auto it = headers.find(row.m_nKind);
            if (it == headers.end()) {
                auto header = std::make_shared<CPrintData>();
                if (header->DoMakeHeader(reportKind, row.m_nKind) <= 0)
                    header.reset();
                it = headers.emplace(row.m_nKind, std::move(header)).first;
            }
            if (const auto& header = it->second) {
                if (onPage && placed)
                    placed->push_back({nullptr, header, static_cast<int32_t>(y - (n - 1) * hp)});
                y += header->m_nHeight + header->m_nSpace + kHeaderGap;
            }
        }
        if (onPage && placed)
            placed->push_back({&row, nullptr, static_cast<int32_t>(y - (n - 1) * hp)});
        y += row.m_nHeight + row.m_nSpace;
        if (row.m_nType == kRowHeader)
            y += kHeaderGap;
        ++i;
    }
    return 0;
}

int CPrintDataList::DoPrintPage(fw::CDC* pDC, const fw::CPrintInfo* pInfo,
                                const CInfoReport& report, int32_t frameX, int32_t frameY,
                                const CPrintPage& page) const {
    (void)frameX;
    if (!pDC || !pInfo)
        return 0;
    const int dpiX = std::max(1, pDC->GetDeviceCaps(fw::LOGPIXELSX));
    const int dpiY = std::max(1, pDC->GetDeviceCaps(fw::LOGPIXELSY));
    const fw::CRect& margins = report.m_rectMargins;
    // The page in 0.1 mm, then the printable area in the print mapping.
    const long long pageW = static_cast<long long>(page.size.cx) * 254 / dpiX;
    const long long pageH = static_cast<long long>(page.size.cy) * 254 / dpiY;
    const long long wpMm = pageW - (static_cast<long long>(margins.left) + margins.right) * 10;
    const long long hpMm = pageH - (static_cast<long long>(margins.top) + margins.bottom) * 10 - 45;
    const int32_t hp = hpMm > 0 ? ToLogicalY(pDC, static_cast<int32_t>(hpMm)) : 0;
    if (hp <= 0) {
        // Margins that leave no room would make every page call ask for one
        // more page: the job is refused instead.
        fw::AppMessageBox("The page margins leave no room for the report on the paper. Please "
                          "make the margins smaller in the page setup.",
                          fw::mb::IconExclamation);
        return 0;
    }
    const int32_t wp = wpMm > 0 ? ToLogicalX(pDC, static_cast<int32_t>(wpMm)) : 0;
    const int32_t x0 = ToLogicalX(pDC, margins.left * 10);
    const int32_t y0 = ToLogicalY(pDC, margins.top * 10);
    const int32_t top = DeviceToLogicalY(pDC, page.offset.y);
    const int32_t frameDepth = DeviceToLogicalY(pDC, frameY);
    const int32_t n = static_cast<int32_t>(pInfo->m_nCurPage);

    ReportPen pen(pDC);
    std::vector<CPrintSlot> placed;
    const int result = DoLayoutPage(n, hp, frameDepth, report.m_nReportKind, &placed);
    for (const CPrintSlot& slot : placed) {
        const CPrintData& row = slot.Row();
        DrawRow(pDC, row, x0 + row.m_nIndent, ReportDown(pDC, y0 + slot.depth));
    }
    pDC->TextOut(x0 / 2 + wp / 2, ReportDown(pDC, y0 + hp + top - 35), std::to_string(n));
    return result;
}

fw::CSize CPrintDataList::DoGetExtent(int32_t reportKind) const {
    int32_t width = 0;
    int32_t height = kScreenTop;
    for (const auto& row : m_rows) {
        if (row->m_nType == kRowFrame)
            continue;
        if (row->m_nType == kRowHeader) {
            width = std::max(width, row->GetTotalWidth());
            height += kHeaderGap;
        }
        height += row->m_nHeight + row->m_nSpace;
    }
    if (reportKind == 0 || reportKind == 5)
        width += 26;
    return fw::CSize(width, height);
}
