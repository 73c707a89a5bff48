// The project file's libFuzzer entry (built with -DTV_FUZZ=ON, clang only):
// every input is the "Contents" stream of a project file.

#include "tests/fuzz/DocumentFuzzInput.h"

#include "framework/ProgramFolder.h"
#include "resources/StringTables.h"

#include <QGuiApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Fonts for the labels, without a screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    fw::ForceCLocale();
    RegisterTovarineStrings();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RunDocumentFuzzInput(data, size);
    return 0;
}
