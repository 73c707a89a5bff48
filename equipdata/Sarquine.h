#pragma once

// The equipment database library: opening and closing the equipment database.

namespace fw {
class CDatabase;
}

// Opens the equipment database beside the running program, shared and
// read-only. The caller owns the handle and gives it back through
// DLLDelMDBSarquine. A database that cannot be opened is reported with its
// path and gives nullptr.
fw::CDatabase* DLLGetMDBSarquine();

// Closes and deletes a handle of DLLGetMDBSarquine; nullptr is ignored.
void DLLDelMDBSarquine(fw::CDatabase* db);
