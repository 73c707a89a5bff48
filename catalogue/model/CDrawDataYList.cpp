// The co-ordination table: its rows, drawing, pagination and printing.

#include "catalogue/model/CDrawDataY.h"

#include "catalogue/model/CInfoPrint.h"
#include "catalogue/model/CPrintInfo.h"
#include "catalogue/model/TableDrawing.h"

#include "breakerdata/model/CReadCoordination.h"

#include "framework/DeviceContext.h"
#include "framework/Format.h"

#include <algorithm>

namespace {

using namespace table_drawing;

constexpr int kTop = -20;
constexpr int kLineLeft = 13;
constexpr int kLeft = 26;
constexpr int kPageNumberSpace = 65;

struct HeaderCell {
    const char* text;
    int units;
    unsigned format;
};

const HeaderCell kUpperHeader[] = {
    {"MOTORS", 16, kFormatCentredLine},    {"MCCBS", 24, kFormatCentredLine},
    {"CONTACTORS", 8, kFormatCentredLine}, {"THERMALRELAYS", 20, kFormatCentredLine},
    {"CABLES", 8, kFormatCentredLine},     {"MAX.Ie", 8, kFormatCentredLine},
};

const HeaderCell kLowerHeader[] = {
    {"P(kW)", 8, kFormatCentredLine},
    {"I(A)\r\n400V", 8, kFormatCentredWrapped},
    {"Type", 8, kFormatCentredLine},
    {"Rated current(A)", 8, kFormatCentredLine},
    {"Trip current(A)", 8, kFormatCentredLine},
    {"Type", 8, kFormatCentredLine},
    {"Type", 10, kFormatCentredLine},
    {"Setting range(A)\r\n(Ordering designation)", 10, kFormatCentredWrapped},
    {"Cu(m\u2021u)\r\n(min.)", 8, kFormatCentredWrapped},
    {"(A)", 8, kFormatCentredLine},
};

const char* const kModeLines[] = {
    "Search the breaker, the contactor, and the thermal relay by the motor output.",
    "Search the motor output, the contactor, and the thermal relay by the breaker.",
    "Search the motor output, the breaker, and the thermal relay by the contactor.",
    "Search the motor output, the breaker, and the contactor by the thermal relay.",
};

int Span(const CDrawDataY& row) {
    return row.m_nHeight + row.m_nGap;
}

// Draws one row with its top at y and its left at x.
void DrawRow(fw::CDC* dc, const CDrawDataY& row, int x, int y) {
    switch (row.m_nKind) {
    case CDrawDataY::kindTextLine:
        dc->TextOut(x + kLineLeft, y, row.m_strTexts[0]);
        break;
    case CDrawDataY::kindTexts: {
        int tx = x + kLeft;
        for (int i = 0; i < row.m_nCellCount && i < CDrawDataY::kMaxCells; ++i) {
            dc->TextOut(tx, y, row.m_strTexts[i]);
            tx += row.m_nWidths[i];
        }
        break;
    }
    case CDrawDataY::kindHeader:
    case CDrawDataY::kindData: {
        int cx = x + kLeft;
        for (int i = 0; i < row.m_nCellCount && i < CDrawDataY::kMaxCells; ++i) {
            if (row.m_nWidths[i] <= 0)
                continue;
            fw::CRect cell = CellRect(cx, y, row.m_nWidths[i], row.m_nHeight);
            cx += row.m_nWidths[i];
            DrawCellBox(dc, cell);
            auto format = static_cast<unsigned>(row.m_nFormats[i]);
            DrawCellText(dc, row.m_strTexts[i], cell, format,
                         row.m_nKind == CDrawDataY::kindHeader ? kFormatCentredLine : format);
        }
        break;
    }
    default:
        break;
    }
}

} // namespace

CDrawDataY* CDrawDataYList::DoAddNewRow() {
    return AddNew();
}

void CDrawDataYList::DoDeleteAllRows() {
    DeleteAll();
}

void CDrawDataYList::DoCopy(const CDrawDataYList& other) {
    CopyFrom(other);
}

void CDrawDataYList::DoAddTextRow(int kind, const std::string& text) {
    CDrawDataY* row = DoAddNewRow();
    row->m_nKind = kind;
    row->m_nHeight = kLineHeight;
    row->m_nCellCount = 1;
    row->m_strTexts[0] = text;
}

void CDrawDataYList::DoMakeConditions(int coordType, int mode) {
    DoAddTextRow(CDrawDataY::kindTextLine, "[Search conditions]");
    std::string type = coordType == 1 ? "Type1" : coordType == 2 ? "Type2" : "";
    DoAddTextRow(CDrawDataY::kindTexts, "Type of co-ordination : " + type);
    DoAddTextRow(CDrawDataY::kindTexts, mode >= 1 && mode <= 4 ? kModeLines[mode - 1] : "");
}

void CDrawDataYList::DoMakeTable(fw::CDatabase* database, const CReadCoordinationList& list) {
    DoAddTextRow(CDrawDataY::kindTextLine, "[Search results]");

    CDrawDataY* upper = DoAddNewRow();
    upper->m_nKind = CDrawDataY::kindHeader;
    upper->m_nHeight = kLineHeight;
    for (const HeaderCell& cell : kUpperHeader) {
        int i = upper->m_nCellCount++;
        upper->m_strTexts[i] = cell.text;
        upper->m_nWidths[i] = cell.units * kWidthUnit;
        upper->m_nFormats[i] = static_cast<int32_t>(cell.format);
    }

    CDrawDataY* lower = DoAddNewRow();
    lower->m_nKind = CDrawDataY::kindHeader;
    lower->m_nHeight = 2 * kLineHeight;
    lower->m_nGap = 3;
    for (const HeaderCell& cell : kLowerHeader) {
        int i = lower->m_nCellCount++;
        lower->m_strTexts[i] = cell.text;
        lower->m_nWidths[i] = cell.units * kWidthUnit;
        lower->m_nFormats[i] = static_cast<int32_t>(cell.format);
    }

    for (const auto& entry : list) {
        CDrawDataY* row = DoAddNewRow();
        row->m_nKind = CDrawDataY::kindData;
        row->m_nHeight = kLineHeight;
        row->m_nCellCount = CDrawDataY::kMaxCells;
        for (int i = 0; i < CDrawDataY::kMaxCells; ++i) {
            row->m_nWidths[i] = kLowerHeader[i].units * kWidthUnit;
            row->m_nFormats[i] = kFormatCentredLine;
        }
        row->m_strTexts[0] = entry->DoGetTextMotorCapacity(0);
        row->m_strTexts[1] = entry->DoGetTextMotorCurrent(0);
        row->m_strTexts[2] = entry->DoGetTextLVCBTypeName(database);
        row->m_strTexts[3] = entry->DoGetTextLVCBRatedCurrent(0);
        row->m_strTexts[4] = entry->DoGetTextLVCBTripCurrent(0);
        row->m_strTexts[5] = entry->DoGetTextContactorTypeName(database);
        row->m_strTexts[6] = entry->DoGetTextThermalTypeName(database);
        row->m_strTexts[7] = entry->DoGetTextThermalRated();
        row->m_strTexts[8] = entry->DoGetTextWireSize(0);
        row->m_strTexts[9] = entry->DoGetTextWireCurrent(0);
    }
}

void CDrawDataYList::DoMakeTableEmpty() {
    DoAddTextRow(CDrawDataY::kindTextLine, "[Search conditions]");
    DoAddTextRow(CDrawDataY::kindTextLine, "[Search results]");
}

fw::CSize CDrawDataYList::GetExtent() const {
    int height = 27;
    for (const auto& row : *this) {
        if (row->m_nKind >= CDrawDataY::kindTextLine && row->m_nKind <= CDrawDataY::kindData)
            height += row->m_nHeight;
    }
    return fw::CSize(kTableWidth, height);
}

void CDrawDataYList::DoDraw(fw::CDC* dc) const {
    CTableStyle style(dc);
    int y = kTop;
    for (const auto& row : *this) {
        DrawRow(dc, *row, row->m_nOffsetX, y);
        y -= Span(*row);
    }
}

std::vector<CDrawDataYList::CPage> CDrawDataYList::DoPaginate(int printableHeight) const {
    std::vector<const CDrawDataY*> rows;
    std::vector<int> index;
    int upperHeader = -1;
    int i = 0;
    for (const auto& row : *this) {
        if (row->m_nKind >= CDrawDataY::kindTextLine && row->m_nKind <= CDrawDataY::kindData) {
            rows.push_back(row.get());
            index.push_back(i);
            if (upperHeader < 0 && row->m_nKind == CDrawDataY::kindHeader)
                upperHeader = i;
        }
        ++i;
    }
    const CDrawDataY* header = upperHeader >= 0 ? GetAt(upperHeader) : nullptr;

    std::vector<CPage> pages(1);
    int depth = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        const CDrawDataY& row = *rows[r];
        const CDrawDataY* next = r + 1 < rows.size() ? rows[r + 1] : nullptr;
        const CDrawDataY* afterNext = r + 2 < rows.size() ? rows[r + 2] : nullptr;
        for (;;) {
            const bool atTop = pages.back().empty();
            const bool repeatHeader = atTop && header && row.m_nKind == CDrawDataY::kindData;
            // What must fit below the depth for the row to start here.
            int need = (repeatHeader ? Span(*header) : 0) + row.m_nHeight;
            if (row.m_nKind == CDrawDataY::kindTextLine && next) {
                if (next->m_nKind == CDrawDataY::kindTexts)
                    need = Span(row) + next->m_nHeight;
                else if (next->m_nKind == CDrawDataY::kindHeader)
                    need = Span(row) + Span(*next) + (afterNext ? afterNext->m_nHeight : 0);
            }
            if (!atTop && depth + need > printableHeight) {
                pages.emplace_back();
                depth = 0;
                continue;
            }
            if (repeatHeader) {
                pages.back().push_back(CPlacedRow{upperHeader, depth, true});
                depth += Span(*header);
            }
            pages.back().push_back(CPlacedRow{index[r], depth, false});
            depth += Span(row);
            break;
        }
    }
    return pages;
}

int CDrawDataYList::DoPrint(fw::CDC* dc, const CPrintInfo& info, const CInfoPrint& print) const {
    CTableStyle style(dc);
    using namespace print_units;
    int widthLM = DeviceToLometricX(dc, info.m_sizePage.cx) -
                  10 * (print.m_nMarginLeft + print.m_nMarginRight);
    int heightLM = DeviceToLometricY(dc, info.m_sizePage.cy) -
                   10 * (print.m_nMarginTop + print.m_nMarginBottom) - kPageNumberSpace;
    int width = DeviceToLogicalX(dc, LometricToDeviceX(dc, widthLM));
    int height = DeviceToLogicalY(dc, LometricToDeviceY(dc, heightLM));
    int left = DeviceToLogicalX(dc, LometricToDeviceX(dc, 10 * print.m_nMarginLeft));
    int top = DeviceToLogicalY(dc, LometricToDeviceY(dc, 10 * print.m_nMarginTop));
    int physicalTop = DeviceToLogicalY(dc, info.m_ptOffset.y);

    std::vector<CPage> pages = DoPaginate(height);
    size_t page = std::max(info.m_nCurPage, 1u);
    if (page <= pages.size()) {
        for (const CPlacedRow& placed : pages[page - 1]) {
            const CDrawDataY* row = GetAt(placed.row);
            DrawRow(dc, *row, row->m_nOffsetX + left, -(top + placed.depth));
        }
    }

    std::string number = fw::Format("%d", static_cast<int>(page));
    unsigned oldAlign = dc->SetTextAlign(fw::TA_TOP | fw::TA_LEFT);
    dc->TextOut(left / 2 + width / 2, -(height + top + physicalTop) + kLineHeight, number);
    dc->SetTextAlign(oldAlign);
    return page < pages.size() ? 1 : 0;
}
