#pragma once

#include <cstddef>
#include <cstdint>

// Reads one fuzz input as the registered-group library file: the bytes are
// the whole file, read as the group list dialog reads it. A library that is
// refused must be refused with an archive error; one that is accepted is
// written as a save writes it, read back, copied as a copy to the clipboard
// copies it, and every stored form must agree byte for byte. Any other
// fault (a crash, a leak, another exception, a store that does not read
// back) stops the run.
void RunGroupLibraryFuzzInput(const uint8_t* data, size_t size);
