// Extent, screen drawing and page printing of the transposed result table.

#include "catalogue/model/CDrawDataX.h"

#include "catalogue/model/CInfoPrint.h"
#include "catalogue/model/CPrintInfo.h"
#include "catalogue/model/TableDrawing.h"

#include "framework/DeviceContext.h"
#include "framework/Format.h"

#include <algorithm>
#include <cstdint>

namespace {

using namespace table_drawing;

// Where the table starts, and where its text lines and columns stand.
constexpr int kTop = -20;
constexpr int kLineLeft = 13;
constexpr int kLeft = 26;
// Taken off the printable height for the page number.
constexpr int kPageNumberSpace = 65;

// The cells of a column from its top downwards, each outlined.
void DrawColumn(fw::CDC* dc, const CDrawDataX& entry, int x, int top, bool header) {
    int y = top;
    for (int i = 0; i < entry.m_nCellCount && i < CDrawDataX::kMaxCells; ++i) {
        fw::CRect cell = CellRect(x, y, entry.m_nWidths[i], entry.m_nHeights[i]);
        y -= entry.m_nHeights[i];
        if (entry.m_nWidths[i] <= 0 && entry.m_nHeights[i] <= 0)
            continue;
        DrawCellBox(dc, cell);
        const std::string& text = entry.m_strTexts[i];
        auto format = static_cast<unsigned>(entry.m_nFormats[i]);
        unsigned plain = format;
        if (!header && dc->GetTextExtent(text).cx < entry.m_nWidths[i])
            plain = kFormatCentredLine;
        DrawCellText(dc, text, cell, format, plain);
    }
}

} // namespace

fw::CSize CDrawDataXList::GetExtent(int candidateCount) const {
    int64_t height = 20;
    for (const auto& entry : *this) {
        if (entry->m_nKind == CDrawDataX::kindTextLine || entry->m_nKind == CDrawDataX::kindTexts)
            height += entry->m_nOffset;
    }
    int64_t width = kHeaderWidth + int64_t{kColumnWidth} * std::max(candidateCount, 0);
    // A damaged file's thousands of candidates must not overflow the sizes
    // made from the extent (zoomed, in device units).
    return fw::CSize(static_cast<int32_t>(std::min(width, kMaxExtent)),
                     static_cast<int32_t>(std::min(height + kHeaderHeight, kMaxExtent)));
}

int CDrawDataXList::DoDrawHead(fw::CDC* dc) const {
    int y = kTop;
    int x = kLeft;
    const int blanks = dc->GetTextExtent("    ").cx;
    for (const auto& entry : *this) {
        switch (entry->m_nKind) {
        case CDrawDataX::kindTextLine:
            dc->TextOut(kLineLeft, y, entry->m_strTexts[0]);
            y -= entry->m_nOffset;
            break;
        case CDrawDataX::kindTexts: {
            int tx = kLeft;
            for (int i = 0; i < entry->m_nCellCount && i < CDrawDataX::kMaxCells; ++i) {
                dc->TextOut(tx, y, entry->m_strTexts[i]);
                tx += dc->GetTextExtent(entry->m_strTexts[i]).cx + blanks;
            }
            y -= entry->m_nOffset;
            break;
        }
        case CDrawDataX::kindHeader:
            DrawColumn(dc, *entry, x, y - entry->m_nOffset, true);
            x += entry->m_nAdvance;
            break;
        case CDrawDataX::kindData:
            return y;
        default:
            break;
        }
    }
    return y;
}

bool CDrawDataXList::DoDrawColumns(fw::CDC* dc, int top, int first, int last) const {
    int x = kLeft;
    int index = 0;
    for (const auto& entry : *this) {
        if (entry->m_nKind != CDrawDataX::kindData) {
            x += entry->m_nAdvance + entry->m_nExtraStep;
            continue;
        }
        if (index < first) {
            ++index;
            continue;
        }
        if (last >= 0 && index > last)
            return true;
        DrawColumn(dc, *entry, x, top, false);
        x += entry->m_nAdvance + entry->m_nExtraStep;
        ++index;
    }
    return false;
}

void CDrawDataXList::DoDraw(fw::CDC* dc) const {
    CTableStyle style(dc);
    int top = DoDrawHead(dc);
    DoDrawColumns(dc, top, 0, -1);
}

int CDrawDataXList::ColumnsPerPage(int printableWidth) {
    // A page narrower than the header block and one column still takes one
    // column: otherwise no page would ever show the columns and the job
    // would never end.
    return std::max(1, (printableWidth - kHeaderWidth) / kColumnWidth);
}

int CDrawDataXList::DoPrint(fw::CDC* dc, const CPrintInfo& info, const CInfoPrint& print) const {
    CTableStyle style(dc);
    using namespace print_units;
    int widthLM = DeviceToLometricX(dc, info.m_sizePage.cx) -
                  10 * (print.m_nMarginLeft + print.m_nMarginRight);
    int heightLM = DeviceToLometricY(dc, info.m_sizePage.cy) -
                   10 * (print.m_nMarginTop + print.m_nMarginBottom) - kPageNumberSpace;
    int width = DeviceToLogicalX(dc, LometricToDeviceX(dc, widthLM));
    int height = DeviceToLogicalY(dc, LometricToDeviceY(dc, heightLM));

    int perPage = ColumnsPerPage(width);
    int page = static_cast<int>(std::max(info.m_nCurPage, 1u));
    int first = (page - 1) * perPage;
    int last = page * perPage - 1;

    int top = DoDrawHead(dc);
    bool more = DoDrawColumns(dc, top, first, last);

    std::string number = fw::Format("%d", page);
    fw::CSize size = dc->GetTextExtent(number);
    unsigned oldAlign = dc->SetTextAlign(fw::TA_TOP | fw::TA_LEFT);
    dc->TextOut(width / 2, -(height + size.cy), number);
    dc->SetTextAlign(oldAlign);
    return more ? 1 : 0;
}
