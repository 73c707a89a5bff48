#pragma once

// Opening and closing the breaker database and the curve database.

#include "framework/Database.h"

#include <string>

class CVersion;

// Opens the breaker database beside the running program, read-only with the
// password, and checks its version row against `expected`. The row's location
// goes into `expected` and `dbVersion`, and its database version into
// `dbVersion` (either may be null). Returns the open database, which the
// caller owns and closes with DLLDelMDBDorventa, or null after a message: the
// engine's error with the path when the file cannot be opened (missing or
// damaged), message 16640 when the versions do not match.
fw::CDatabase* DLLGetMDBDorventa(CVersion* expected, CVersion* dbVersion);

// Opens the curve database beside the running program as the breaker
// database is opened, checked without the language (message 16641).
fw::CDatabase* DLLGetMDBOrbelune(CVersion* expected);

// Close a database and free it; null is accepted.
void DLLDelMDBDorventa(fw::CDatabase* database);
void DLLDelMDBOrbelune(fw::CDatabase* database);

namespace dorventa {

// The open functions on the database files of another folder (with a
// trailing "/"): the programs use the folder of the running program.
fw::CDatabase* DoGetMDBDorventaIn(const std::string& folder, CVersion* expected,
                                  CVersion* dbVersion);
fw::CDatabase* DoGetMDBOrbeluneIn(const std::string& folder, CVersion* expected);

} // namespace dorventa
