// The registered-group library's libFuzzer entry (built with -DTV_FUZZ=ON,
// clang only).

#include "tests/fuzz/GroupLibraryFuzzInput.h"

#include "framework/ProgramFolder.h"
#include "resources/StringTables.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fw::ForceCLocale();
    RegisterTovarineStrings();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RunGroupLibraryFuzzInput(data, size);
    return 0;
}
