#pragma once

#include "framework/COwnedList.h"

#include "framework/Geometry.h"

#include <cstdint>
#include <string>

namespace fw {
class CDC;
class CDatabase;
} // namespace fw
class CCandidate;
class CCandidateList;
class CInfoBase;
class CInfoPrint;
class CReadCapacityList;
struct CPrintInfo;

// One entry of the transposed result table of the Optional, Cascade and
// Discrimination searches: a text line, or a column of cells (the header
// block's three columns and one column per breaker found).
class CDrawDataX {
public:
    static constexpr int kMaxCells = 26;

    enum Kind { kindEmpty = 0, kindTextLine = 1, kindTexts = 2, kindHeader = 3, kindData = 4 };

    void DoCopy(const CDrawDataX& other) { *this = other; }

    // Makes this entry the data column of a breaker found: its type, group,
    // pole and capacity rows re-read from the breaker database. When any of
    // them is missing the column keeps 24 cells of no size and no text. A
    // type the database does not hold (a damaged document) is told nothing
    // of here: the document names all such types in one message.
    void DoSetDataRow(fw::CDatabase* database, const CCandidate& candidate, int poles);

    // The capacity cell of one voltage: "Icu/Ics" in kA, either alone when
    // the other is missing, "-" without a capacity entry of that voltage.
    static std::string DoGetTextIcuIcs(const CReadCapacityList& capacities, int32_t voltage);

    int32_t m_nKind = kindEmpty;
    int32_t m_nAdvance = 0;   // horizontal step to the next entry's x
    int32_t m_nExtraStep = 0; // added to the advance when breaker columns are placed
    int32_t m_nOffset = 0;    // text lines: line height; header columns: depth of the first cell
    int32_t m_nCellCount = 0;
    int32_t m_nHeights[kMaxCells] = {};
    int32_t m_nWidths[kMaxCells] = {};
    std::string m_strTexts[kMaxCells];
    int32_t m_nFormats[kMaxCells] = {};
};

// The table: text lines, then the header block and the breaker columns. The
// list owns its entries. Lengths are tenths of a millimetre, y upward.
class CDrawDataXList : public COwnedList<CDrawDataX> {
public:
    // Width of the header block, and of one breaker column; the header
    // block's height (26 lines).
    static constexpr int kHeaderWidth = 520;
    static constexpr int kColumnWidth = 416;
    static constexpr int kHeaderHeight = 1430;
    // The largest extent given (10 km of table), so that sizes made from it
    // at any zoom stay inside 32 bits.
    static constexpr int64_t kMaxExtent = 100'000'000;

    CDrawDataX* DoAddNewRow();
    void DoDeleteAllRows();
    // Empties the list and appends a copy of each entry of the other.
    void DoCopy(const CDrawDataXList& other);

    // The builders append; the caller empties the list first.
    void DoMakeTableOptional(fw::CDatabase* database, const CInfoBase& selection, double capacity,
                             int poles, const CCandidateList& candidates);
    void DoMakeTableCascadeUp(fw::CDatabase* database, const CInfoBase& up, const CInfoBase& down,
                              double icuBack, int poles, const CCandidateList& candidates);
    void DoMakeTableCascadeDown(fw::CDatabase* database, const CInfoBase& up, const CInfoBase& down,
                                double icuBack, int poles, const CCandidateList& candidates);
    void DoMakeTableCascadeIcuBack(const CInfoBase& up, const CInfoBase& down, double icuBack,
                                   int poles);
    void DoMakeTableSelectiveUp(fw::CDatabase* database, const CInfoBase& up, const CInfoBase& down,
                                double is, int poles, const CCandidateList& candidates);
    void DoMakeTableSelectiveDown(fw::CDatabase* database, const CInfoBase& up,
                                  const CInfoBase& down, double is, int poles,
                                  const CCandidateList& candidates);
    void DoMakeTableSelectiveIs(const CInfoBase& up, const CInfoBase& down, double is, int poles);
    void DoMakeTableEmpty();

    // Width and height of the table with that many breaker columns.
    fw::CSize GetExtent(int candidateCount) const;
    // The whole table on the screen.
    void DoDraw(fw::CDC* dc) const;
    // One printed page (the print information's current page): the text
    // lines and the header block, then the page's breaker columns, and the
    // page number. 1 when more pages follow, else 0.
    int DoPrint(fw::CDC* dc, const CPrintInfo& info, const CInfoPrint& print) const;
    // Breaker columns on a page of that printable width (logical units): at
    // least one, so that every print job ends.
    static int ColumnsPerPage(int printableWidth);

private:
    void DoAddTextLine(const std::string& text);
    void DoAddTexts(std::initializer_list<std::string> texts);
    void DoAddHeaderColumns();
    void DoAddDataColumns(fw::CDatabase* database, int poles, const CCandidateList& candidates);
    void DoMakeTablePair(fw::CDatabase* database, const char* modeLine, const char* valueLabel,
                         const CInfoBase& up, const CInfoBase& down, double value, int poles,
                         const CCandidateList* candidates);

    // Text lines and header block; returns the y of the top of the breaker
    // columns.
    int DoDrawHead(fw::CDC* dc) const;
    // Breaker columns of index first to last (-1: to the end); true when a
    // column after last exists.
    bool DoDrawColumns(fw::CDC* dc, int top, int first, int last) const;
};
