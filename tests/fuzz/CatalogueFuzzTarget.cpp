// The catalogue document's libFuzzer entry (built with -DTV_FUZZ=ON, clang
// only): every input is the "Contents" stream of a catalogue document.

#include "tests/fuzz/CatalogueFuzzInput.h"

#include "framework/ProgramFolder.h"
#include "resources/StringTables.h"

#include <QCoreApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The program folder, where the breaker database lies.
    static QCoreApplication app(*argc, *argv);
    fw::ForceCLocale();
    RegisterZedezuziStrings();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RunCatalogueFuzzInput(data, size);
    return 0;
}
