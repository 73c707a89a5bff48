#pragma once

#include <cstddef>
#include <cstdint>

// Reads one fuzz input as a whole document file, as both programs open one:
// the bytes through libgsf into the compound file (a file it refuses ends
// there), the compound file written and read back (the same tree and the
// same bytes again), then its "Contents" stream, when it has one, into a
// project as the main program loads it (RunDocumentFuzzInput) and into a
// catalogue document as the catalogue program does (RunCatalogueFuzzInput),
// each under its own program's string table. A widget-less GUI application
// must exist. Any other fault stops the run.
void RunCompoundFuzzInput(const uint8_t* data, size_t size);
