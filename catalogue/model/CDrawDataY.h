#pragma once

#include "framework/COwnedList.h"

#include "framework/Geometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fw {
class CDC;
class CDatabase;
} // namespace fw
class CInfoPrint;
class CReadCoordinationList;
struct CPrintInfo;

// One row of the co-ordination table: a text line, a header row or the row
// of one motor starter.
class CDrawDataY {
public:
    static constexpr int kMaxCells = 10;

    enum Kind { kindEmpty = 0, kindTextLine = 1, kindTexts = 2, kindHeader = 3, kindData = 4 };

    void DoCopy(const CDrawDataY& other) { *this = other; }

    int32_t m_nKind = kindEmpty;
    int32_t m_nHeight = 0;
    int32_t m_nGap = 0; // space below the row
    int32_t m_nOffsetX = 0;
    int32_t m_nCellCount = 0;
    int32_t m_nWidths[kMaxCells] = {};
    std::string m_strTexts[kMaxCells];
    int32_t m_nFormats[kMaxCells] = {};
};

// The co-ordination table: condition lines, the result title, two header
// rows and one row per co-ordination entry. The list owns its rows. Lengths
// are tenths of a millimetre, y upward.
class CDrawDataYList : public COwnedList<CDrawDataY> {
public:
    static constexpr int kTableWidth = 2184;

    // Where each row of a printed page stands: the row's index in the list
    // and its depth below the page top; `header` marks the upper header row
    // repeated above data rows that begin a page.
    struct CPlacedRow {
        int row = 0;
        int depth = 0;
        bool header = false;
    };
    using CPage = std::vector<CPlacedRow>;

    CDrawDataY* DoAddNewRow();
    void DoDeleteAllRows();
    void DoCopy(const CDrawDataYList& other);

    // "[Search conditions]", the type line and the mode line.
    void DoMakeConditions(int coordType, int mode);
    // "[Search results]", the two header rows and one row per entry.
    void DoMakeTable(fw::CDatabase* database, const CReadCoordinationList& list);
    void DoMakeTableEmpty();

    fw::CSize GetExtent() const;
    void DoDraw(fw::CDC* dc) const;
    // One printed page; 1 when more pages follow, else 0.
    int DoPrint(fw::CDC* dc, const CPrintInfo& info, const CInfoPrint& print) const;

    // The pages of the table for a printable height: one rule places every
    // row on exactly one page. A row goes to the next page when it would
    // pass the bottom; a title line goes there with the line or header rows
    // that follow it; a data row at the top of a page gets the upper header
    // row above it. A row taller than a page stands alone on its page.
    std::vector<CPage> DoPaginate(int printableHeight) const;

private:
    void DoAddTextRow(int kind, const std::string& text);
};
