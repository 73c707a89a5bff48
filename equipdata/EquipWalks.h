#pragma once

// The reading walks that several equipment recordsets share: the lookup of
// the first row at or above an asked key (the catch-all row -1 fits any), the
// combo filler of the capacity tables, and the small helpers they need.

#include "equipdata/CSarquineRecordset.h"
#include "framework/Combo.h"
#include "tools/Filvaron.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace equipwalk {

// The sort that walks a keyed table in ascending key order with its catch-all
// rows (-1) last, ties in table order: what the lookups rely on, made
// independent of how the engine happens to store the rows.
inline std::string KeyOrder(const std::string& key, const std::string& id) {
    return "CASE WHEN " + key + " = -1 THEN 1 ELSE 0 END, " + key + ", " + id;
}

// A double cut toward zero to a whole number, when it has one.
inline std::optional<int64_t> CutToWhole(double value) {
    if (!(std::fabs(value) < 2147483648.0))
        return std::nullopt;
    return static_cast<int64_t>(value);
}

template <class T> void Put(T* out, T value) {
    if (out)
        *out = value;
}

// A whole-number column that the row may lack reads as 0.
inline int WholeOrZero(const fw::CRecordset& rs, int index, int value) {
    return rs.IsFieldNull(index) ? 0 : value;
}

// The combo box refused an entry (CB_ERR or CB_ERRSPACE).
inline bool Refused(int index) {
    return index < 0;
}

// Selects the entry whose whole text equals `text`, ignoring case; none when
// no entry has it.
inline void SelectText(fw::IComboBox& box, const std::string& text) {
    box.SetCurSel(box.FindStringExact(-1, text));
}

// Walks the rows in key order; the first row whose key is at least `asked`,
// or is -1, hands its outputs over through `take` and gives its id. A row
// without a key fits nothing. 0 when no row fits or on an engine error.
template <class Key, class Take>
int32_t ReadFirstAtOrAbove(CSarquineRecordset& rs, double asked, int keyIndex, const Key& key,
                           const int32_t& id, Take take) {
    try {
        rs.ClearFilter();
        rs.Open();
        int32_t result = 0;
        while (!rs.IsEOF()) {
            double k = static_cast<double>(key);
            if (!rs.IsFieldNull(keyIndex) && (k >= asked || k == -1)) {
                take();
                result = id;
                break;
            }
            rs.MoveNext();
        }
        rs.Close();
        return result;
    } catch (const fw::CDbException& e) {
        DLLDispDaoException(&e, rs.GetDefaultSQL());
        return 0;
    }
}

// The combo filler of a capacity table: lists every capacity but the
// catch-all one as "%d" with the row id as item data, takes the default row's
// outputs through `take` and selects it. Without a box it stops at the first
// default row. Returns the default row's id.
template <class Take>
int32_t FillByCapacity(CSarquineRecordset& rs, fw::IComboBox* box, int capacityIndex,
                       const int32_t& capacity, const int32_t& isDefault, const int32_t& id,
                       Take take) {
    try {
        rs.ClearFilter();
        rs.Open();
        int32_t result = 0;
        while (!rs.IsEOF()) {
            if (!rs.IsFieldNull(capacityIndex)) {
                std::string text = std::to_string(capacity);
                if (box && capacity != -1) {
                    int index = box->AddString(text);
                    if (Refused(index))
                        return 0;
                    box->SetItemData(index, id);
                }
                if (isDefault == 1) {
                    take();
                    result = id;
                    if (!box)
                        break;
                    SelectText(*box, text);
                }
            }
            rs.MoveNext();
        }
        rs.Close();
        return result;
    } catch (const fw::CDbException& e) {
        DLLDispDaoException(&e, rs.GetDefaultSQL());
        return 0;
    }
}

} // namespace equipwalk
