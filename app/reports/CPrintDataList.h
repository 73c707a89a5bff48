#pragma once

#include "app/reports/CPrintData.h"
#include "framework/DeviceContext.h"
#include "framework/PrintInfo.h"

#include <cstdint>
#include <memory>
#include <vector>

class CInfoReport;
class CTovarineDocData;
class CObjElement;
class CObjElementList;

// One row laid on a printed page: the row (or a copy of its table's header
// repeated above it) and its depth below the top of the page's printable
// area, in the print mapping's logical units.
struct CPrintSlot {
    const CPrintData* row = nullptr;
    std::shared_ptr<CPrintData> repeatedHeader; // set for a repeated header
    int32_t depth = 0;
    const CPrintData& Row() const { return repeatedHeader ? *repeatedHeader : *row; }
};

// The printer's page as the print job sees it, in the printer's device
// units: the physical page and the physical offset of its printable area.
struct CPrintPage {
    fw::CSize size;
    fw::CPoint offset;
};

// The rows of one report in drawing order. The list owns its rows; a
// rebuild empties it and runs the report's producer again.
class CPrintDataList {
public:
    CPrintDataList() = default;
    CPrintDataList(const CPrintDataList&) = delete;
    CPrintDataList& operator=(const CPrintDataList&) = delete;

    // A new row with the constructor's values, appended; the caller fills it.
    CPrintData* DoAddNewRow();
    // Deletes every row, or the last one.
    void DoDeleteAll() { m_rows.clear(); }
    void DoRemoveTail() {
        if (!m_rows.empty())
            m_rows.pop_back();
    }
    size_t GetCount() const { return m_rows.size(); }
    bool IsEmpty() const { return m_rows.empty(); }
    const CPrintData& GetAt(size_t i) const { return *m_rows[i]; }
    CPrintData& GetAt(size_t i) { return *m_rows[i]; }
    const CPrintData* GetTail() const { return m_rows.empty() ? nullptr : m_rows.back().get(); }
    CPrintData* GetTail() { return m_rows.empty() ? nullptr : m_rows.back().get(); }

    // --- drawing and printing ---------------------------------------------
    // Every row as one continuous sheet (the view's mapping already set).
    void DoDrawAll(fw::CDC* pDC) const;
    // Prints the rows that fall on the job's current page; 1 while rows are
    // left for a later page, 0 when this page holds the last. Margins that
    // leave no printable height are refused with a message (0, nothing
    // printed). frameY is the depth of the page-1 frame in device units.
    int DoPrintPage(fw::CDC* pDC, const fw::CPrintInfo* pInfo, const CInfoReport& report,
                    int32_t frameX, int32_t frameY, const CPrintPage& page) const;
    // The layout of page n on pages of printable height pageHeight (logical
    // units), the placeholder taking frameDepth: the rows placed on page n
    // go into placed (when given). 1 while rows remain for a later page;
    // 0 when page n holds the last, or when pageHeight leaves no room.
    int DoLayoutPage(int32_t n, int32_t pageHeight, int32_t frameDepth, int32_t reportKind,
                     std::vector<CPrintSlot>* placed) const;

    // The size of the report on the screen, 0.1 mm: its widest table (plus
    // the indent where the report indents its tables) and the depth of all
    // its rows.
    fw::CSize DoGetExtent(int32_t reportKind) const;

    // --- producers ------------------------------------------------------------
    // Each appends the report's rows for the document (empty the list first);
    // building a report renumbers the document's elements.
    void DoMakeRowsElementData(CTovarineDocData& doc);
    void DoMakeRowsCalcResults(CTovarineDocData& doc);
    void DoMakeRowsForceVoltDrop(CTovarineDocData& doc);
    // The selection reports wait for a selection sub-mode, the checks for
    // the calculation (before, the gate line); past the gate, "No data"
    // when no breaker (no checked wire under a breaker) qualifies.
    void DoMakeRowsAutoSelection(CTovarineDocData& doc);
    void DoMakeRowsBackUp(CTovarineDocData& doc);
    void DoMakeRowsDiscrimination(CTovarineDocData& doc);
    void DoMakeRowsWireProtection(CTovarineDocData& doc);
    void DoMakeRowsElectricShock(CTovarineDocData& doc);
    // The producer of a report kind (0 to 7); false when it made no rows.
    bool DoMakeRows(int32_t reportKind, CTovarineDocData& doc);

private:
    void DoMakeSection(const CTovarineDocData& doc, const std::vector<CObjElement*>& all,
                       int32_t kind);
    void DoMakeContactorSection(const CTovarineDocData& doc, CObjElementList& source);
    std::vector<std::unique_ptr<CPrintData>> m_rows;
};
