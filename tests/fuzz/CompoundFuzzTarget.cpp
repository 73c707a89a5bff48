// The whole-file libFuzzer entry of both programs (built with -DTV_FUZZ=ON,
// clang only): every input is the bytes of a .tv2 or .rv2 file on disk.

#include "tests/fuzz/CompoundFuzzInput.h"

#include "framework/ProgramFolder.h"

#include <QGuiApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Fonts for the labels, without a screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    fw::ForceCLocale();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RunCompoundFuzzInput(data, size);
    return 0;
}
