#pragma once

// Small helpers of the list fillers.

#include "framework/Combo.h"

namespace listwalk {

template <class T> void Put(T* out, T value) {
    if (out)
        *out = value;
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

} // namespace listwalk
