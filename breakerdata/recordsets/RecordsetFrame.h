#pragma once

// What every recordset of the breaker and curve databases shares: the paths
// of the two database files, the filter terms, the catch and display of a
// database error, and the combo filling that picks the default row.

#include "framework/Combo.h"
#include "framework/Database.h"
#include "framework/DbException.h"
#include "tools/Filvaron.h"

#include <cstdint>
#include <functional>
#include <string>

namespace dorventa {

// The database files beside the running program ("dorventa.mdb" and
// "orbelune.mdb" from the string table).
std::string GetPathMDBDorventa();
std::string GetPathMDBOrbelune();

// Filter terms joined with " AND ". An id or count counts only when it is
// above 0, a double only when above 0.0, a text only when it is not empty;
// otherwise the term is left out. Values are bound, never pasted into SQL; a
// double is bound as its six-decimal "%f" text reads back, as the query text
// of the database engine always carried it.
void DoAddFilterId(fw::CRecordset& rs, const std::string& column, int32_t id, const char* op = "=");
void DoAddFilterDouble(fw::CRecordset& rs, const std::string& column, double value,
                       const char* op = "=");
void DoAddFilterText(fw::CRecordset& rs, const std::string& column, const std::string& text);
double DoRoundAsFilterText(double value);

// Shows a database error as every reading operation does: the engine's text
// with the recordset's default SQL as context.
void DoDispRecordsetError(fw::CRecordset& rs, const fw::CDbException& e);

// Runs the body of a reading operation. A database error closes the
// recordset, is shown with the default SQL as context, and gives `failed`.
template <class Result, class Body>
Result DoGuardedRead(fw::CRecordset& rs, Body&& body, Result failed = Result{}) {
    try {
        return body();
    } catch (const fw::CDbException& e) {
        rs.Close();
        DoDispRecordsetError(rs, e);
        return failed;
    }
}

// The combo filling of every DoReadSetDefault... operation. The caller has set
// filter and sort and reset its destination records. `text`, `id` and
// `isDefault` are the recordset's bound members of the current row;
// `copyDefault` copies the current row into the destination records.
//
// Every row's text goes into the box (when there is one) with the id as item
// data; a box that refuses an entry ends the filling with 0 at once. When
// `init` is 1 a default row becomes the result and is copied; with a box it is
// selected by its text (a later default takes over), without a box the
// reading stops there unless `readOnWithoutBox`. Returns the default row's id,
// 0 when there is none or on a database error (shown).
int32_t DoReadSetDefaultRows(fw::CRecordset& rs, fw::IComboBox* box, int init,
                             const std::string& text, const int32_t& id, const int32_t& isDefault,
                             const std::function<void()>& copyDefault,
                             bool readOnWithoutBox = false);

} // namespace dorventa
