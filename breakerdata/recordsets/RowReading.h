#pragma once

// The reading loops that the operations on the reference tables share: the
// combo filling with the default row and its reset, and for the six value
// tables (rated values, multipliers and the four dials of a dial character)
// the expansion of a continuous range into its values and texts, the value
// list of a dial, and the loops of the fixed and continuous operations.

#include "breakerdata/model/CReadDial.h"
#include "breakerdata/recordsets/RecordsetFrame.h"

#include "framework/Combo.h"

#include <cstdint>
#include <functional>
#include <string>

namespace dorventa {

// The whole-number grid of one continuous range: n decimals, scale 10^n, the
// lowest value and the step scaled, and the number of steps.
struct CRangeGrid {
    int n = 0;
    int64_t s = 1;
    int64_t smin = 0;
    int64_t smax = 0;
    int64_t sw = 0;
    int64_t count = -1; // values are i = 0 .. count; none when negative
};

// More values than any dial box can sensibly offer: such a row is damaged.
constexpr int64_t kMaxRangeSteps = 100000;

// Builds the grid of a range. False when the step is not positive, when it
// vanishes on the scaled grid (a step below one unit of the sixth decimal),
// or when the range would give more than kMaxRangeSteps values.
bool DoMakeRangeGrid(double mini, double width, double maxi, CRangeGrid& grid);

// The i-th value of a grid.
double DoGetRangeValue(const CRangeGrid& grid, int64_t i);

// The text of a range value: written with the grid's n decimals, or, shown
// as a multiple, divided by 100 and written with the decimals it needs then.
std::string DoFormatRangeText(double value, int n, bool showAsMultiple);

// Appends every value of the grid to the dial (when given: row id, text,
// value) and to the box (when given, with n as item data). False when the
// box refused an entry.
bool DoExpandRange(const CRangeGrid& grid, int32_t rowID, CReadDial* dial, fw::IComboBox* box,
                   bool showAsMultiple);

// Empties a dial's value list (null: nothing).
void DoEmptyDial(CReadDial* dial);
// Appends one value to a dial (null: nothing).
void DoAppendDialValue(CReadDial* dial, int32_t id, const std::string& name, double value);
// Adds an entry with its item data; false when the box refused it.
bool DoAddBoxEntry(fw::IComboBox* box, const std::string& text, intptr_t data);
// Selects the first entry whose text equals the text ignoring case; none
// matching leaves the box without a selection.
void DoSelectByText(fw::IComboBox* box, const std::string& text);

// Combo filling with the default row (DoReadSetDefault…): opens, resets the
// destinations (`reset`, when init is 1 or `resetAlways`), then adds every
// row's text with its id as item data; a default row with init 1 becomes the
// result, is copied and selected by its text; without a box the reading stops
// at it unless `readOnWithoutBox`. A refused entry ends with 0 at once.
int32_t DoFillDefaultRows(fw::CRecordset& rs, fw::IComboBox* box, int init, bool resetAlways,
                          const std::function<void()>& reset, const std::string& text,
                          const int32_t& id, const int32_t& isDefault,
                          const std::function<void()>& copy, bool readOnWithoutBox = false);

// The destinations of a value table's operation: the reset (DoInitTo…), the
// copy of the current row with its value kind (DoCopyTo…), and for the rated
// values the upkeep of the highest rated value. Empty functions do nothing.
struct CValueDest {
    std::function<void()> reset;
    std::function<void(int kind)> copy;
    std::function<void()> afterFixedRow; // after each fixed row
    std::function<void()> beforeExpand;  // before a range row is expanded
};

// The reading loops, run on a recordset whose filter and sort are set. `id`
// is the recordset's bound row id. Each catches a database error, shows it
// and gives 0.

// Fixed values with the default row: every row into the dial and the box,
// the default (init 1) copied with kind 2 when a dial is given and selected.
// The dial is emptied and the destinations reset when `resetAlways` or init
// is 1.
template <class RS>
int32_t DoReadValuesSetDefaultFixed(RS& rs, const int32_t& id, fw::IComboBox* box, CReadDial* dial,
                                    int init, bool resetAlways, const CValueDest& dest) {
    return DoGuardedRead<int32_t>(rs, [&]() -> int32_t {
        rs.Open();
        if (resetAlways || init == 1) {
            DoEmptyDial(dial);
            if (dest.reset)
                dest.reset();
        }
        int32_t result = 0;
        while (!rs.IsEOF()) {
            DoAppendDialValue(dial, id, rs.m_sFixedName, rs.m_dFixedValue);
            if (box && !DoAddBoxEntry(box, rs.m_sFixedName, id)) {
                rs.Close();
                return 0;
            }
            if (rs.m_bIsDefault == 1 && init == 1) {
                result = id;
                if (dial && dest.copy)
                    dest.copy(2);
                if (box)
                    DoSelectByText(box, rs.m_sFixedName);
            }
            if (dest.afterFixedRow)
                dest.afterFixedRow();
            rs.MoveNext();
        }
        rs.Close();
        return result;
    });
}

// Fixed values of an owner, the row of a value looked up: the dial is
// emptied and filled; the result is the last row whose fixed value equals
// the value exactly, which is copied with kind 2.
template <class RS>
int32_t DoReadValuesRangeFixed(RS& rs, const int32_t& id, double value, CReadDial* dial,
                               const CValueDest& dest) {
    return DoGuardedRead<int32_t>(rs, [&]() -> int32_t {
        rs.Open();
        DoEmptyDial(dial);
        if (dest.reset)
            dest.reset();
        int32_t result = 0;
        while (!rs.IsEOF()) {
            DoAppendDialValue(dial, id, rs.m_sFixedName, rs.m_dFixedValue);
            if (rs.m_dFixedValue == value) {
                result = id;
                if (dest.copy)
                    dest.copy(2);
            }
            if (dest.afterFixedRow)
                dest.afterFixedRow();
            rs.MoveNext();
        }
        rs.Close();
        return result;
    });
}

// Continuous ranges with their default: every row's range expanded into the
// dial and the box; with init 1 the default value's text is selected and the
// row copied with `kind` (3, or 4 for a mixed rating) when a dial is given.
// A row whose step is not positive ends the operation with 0.
template <class RS>
int32_t DoReadValuesSetDefaultContinue(RS& rs, const int32_t& id, fw::IComboBox* box,
                                       CReadDial* dial, int init, bool resetAlways,
                                       bool showAsMultiple, int kind, const CValueDest& dest) {
    return DoGuardedRead<int32_t>(rs, [&]() -> int32_t {
        rs.Open();
        if (resetAlways || init == 1) {
            DoEmptyDial(dial);
            if (dest.reset)
                dest.reset();
        }
        int32_t result = 0;
        while (!rs.IsEOF()) {
            CRangeGrid grid;
            if (!DoMakeRangeGrid(rs.m_dContiMiniValue, rs.m_dContiWidthValue, rs.m_dContiMaxValue,
                                 grid)) {
                rs.Close();
                return 0;
            }
            if (dest.beforeExpand)
                dest.beforeExpand();
            if (!DoExpandRange(grid, id, dial, box, showAsMultiple)) {
                rs.Close();
                return 0;
            }
            if (box && init == 1) {
                DoSelectByText(box, DoFormatRangeText(rs.m_dContiDefValue, grid.n, showAsMultiple));
                result = id;
            }
            if (dial && init == 1) {
                if (dest.copy)
                    dest.copy(kind);
                result = id;
            }
            rs.MoveNext();
        }
        rs.Close();
        return result;
    });
}

// The range of the first row: the dial is emptied and filled with its
// values, the row copied with `kind`; 0 when there is no row or its step is
// not positive (the dial is then left as it was).
template <class RS>
int32_t DoReadValuesRangeContinue(RS& rs, const int32_t& id, CReadDial* dial, int kind,
                                  const CValueDest& dest) {
    return DoGuardedRead<int32_t>(rs, [&]() -> int32_t {
        rs.Open();
        if (rs.IsEOF()) {
            rs.Close();
            return 0;
        }
        CRangeGrid grid;
        if (!DoMakeRangeGrid(rs.m_dContiMiniValue, rs.m_dContiWidthValue, rs.m_dContiMaxValue,
                             grid)) {
            rs.Close();
            return 0;
        }
        DoEmptyDial(dial);
        if (dest.reset)
            dest.reset();
        if (dest.beforeExpand)
            dest.beforeExpand();
        DoExpandRange(grid, id, dial, nullptr, false);
        int32_t result = id;
        if (dest.copy)
            dest.copy(kind);
        rs.Close();
        return result;
    });
}

} // namespace dorventa
