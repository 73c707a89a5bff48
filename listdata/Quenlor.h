#pragma once

// The list database library: opening and closing the list database, and the
// earthing-code texts that need no database.

#include <string>

namespace fw {
class CDatabase;
}

// Opens the list database beside the running program, shared and read-only.
// The caller owns the handle and gives it back through DLLDelMDBQuenlor. A
// database that cannot be opened is reported with its path and gives nullptr.
fw::CDatabase* DLLGetMDBQuenlor();

// Closes and deletes a handle of DLLGetMDBQuenlor; nullptr is ignored.
void DLLDelMDBQuenlor(fw::CDatabase* db);

// The name of an earthing code: 1 "TN-S", 2 "TN-C-S", 3 "TN-C", 4 "TT",
// 5 "IT"; empty for any other code.
std::string DLLGetTextEarthCode(unsigned earthCode);

// The default wire system of an earthing code: TN-S (1) gives 3 (three
// phases, N and PE), TN-C (3) gives 2 (three phases and N), any other code 1
// (three phases).
unsigned DLLGetDefaultWireSystem(unsigned earthCode);
