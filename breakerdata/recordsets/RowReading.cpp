#include "breakerdata/recordsets/RowReading.h"

#include "tools/Filvaron.h"
#include "tools/FixedText.h"

#include <cmath>
#include <cstdlib>

namespace dorventa {

namespace {

// The leading whole number of a text, the fraction cut off, as the
// text-to-long of the C library reads it (clamped at the ends of the range).
int64_t LeadingLong(const std::string& text) {
    return std::strtoll(text.c_str(), nullptr, 10);
}

// A value scaled onto the grid: written with the decimals it needs (six at
// most), then read back as a whole number.
int64_t Scaled(double value) {
    return LeadingLong(DLLGetTextByBeams(value, 0));
}

} // namespace

bool DoMakeRangeGrid(double mini, double width, double maxi, CRangeGrid& grid) {
    if (!(width > 0))
        return false;
    grid.n = DLLGetMaxBeamsNumber(maxi, width, mini);
    grid.s = Scaled(std::pow(10.0, grid.n));
    grid.smax = Scaled(static_cast<double>(grid.s) * maxi);
    grid.smin = Scaled(mini * static_cast<double>(grid.s));
    grid.sw = Scaled(width * static_cast<double>(grid.s));
    // A step too small for six decimals vanishes on the grid; there is no
    // sensible expansion of it.
    if (grid.sw <= 0 || grid.s <= 0)
        return false;
    __int128 count = (static_cast<__int128>(grid.smax) - grid.smin) / grid.sw;
    if (count > kMaxRangeSteps)
        return false;
    grid.count = static_cast<int64_t>(count);
    return true;
}

double DoGetRangeValue(const CRangeGrid& grid, int64_t i) {
    __int128 scaled = static_cast<__int128>(grid.smin) + static_cast<__int128>(i) * grid.sw;
    return static_cast<double>(scaled) / static_cast<double>(grid.s);
}

std::string DoFormatRangeText(double value, int n, bool showAsMultiple) {
    // Shown as multiples the values are a hundredth of what is stored; the
    // stored count of decimals would round them together (80 to 120 in steps
    // of 10 would all show "1"), so each is written with what it needs.
    if (showAsMultiple)
        return DLLGetTextByBeams(value / 100.0, 0);
    return FormatFixedDecimals(value, n);
}

bool DoExpandRange(const CRangeGrid& grid, int32_t rowID, CReadDial* dial, fw::IComboBox* box,
                   bool showAsMultiple) {
    for (int64_t i = 0; i <= grid.count; ++i) {
        double v = DoGetRangeValue(grid, i);
        std::string text = DoFormatRangeText(v, grid.n, showAsMultiple);
        DoAppendDialValue(dial, rowID, text, v);
        if (box && !DoAddBoxEntry(box, text, grid.n))
            return false;
    }
    return true;
}

int32_t DoFillDefaultRows(fw::CRecordset& rs, fw::IComboBox* box, int init, bool resetAlways,
                          const std::function<void()>& reset, const std::string& text,
                          const int32_t& id, const int32_t& isDefault,
                          const std::function<void()>& copy, bool readOnWithoutBox) {
    return DoGuardedRead<int32_t>(rs, [&]() -> int32_t {
        rs.Open();
        if ((resetAlways || init == 1) && reset)
            reset();
        int32_t result = 0;
        while (!rs.IsEOF()) {
            if (box && !DoAddBoxEntry(box, text, id)) {
                rs.Close();
                return 0;
            }
            if (isDefault == 1 && init == 1) {
                result = id;
                if (copy)
                    copy();
                if (!box) {
                    if (!readOnWithoutBox)
                        break;
                } else {
                    DoSelectByText(box, text);
                }
            }
            rs.MoveNext();
        }
        rs.Close();
        return result;
    });
}

void DoEmptyDial(CReadDial* dial) {
    if (dial)
        dial->m_listValue.DoDeleteAllReadValues();
}

void DoAppendDialValue(CReadDial* dial, int32_t id, const std::string& name, double value) {
    if (!dial)
        return;
    CReadValue* v = dial->m_listValue.DoAddNewReadValue();
    v->m_lID = id;
    v->m_strName = name;
    v->m_dValue = value;
}

bool DoAddBoxEntry(fw::IComboBox* box, const std::string& text, intptr_t data) {
    int index = box->AddString(text);
    if (index < 0) // CB_ERR or CB_ERRSPACE
        return false;
    box->SetItemData(index, data);
    return true;
}

void DoSelectByText(fw::IComboBox* box, const std::string& text) {
    box->SetCurSel(box->FindStringExact(-1, text));
}

} // namespace dorventa
