// Every input kept in tests/fuzz/compound/ (the compound fuzzer's findings and
// the seeds it started from) goes through the fuzz target's loading in the
// normal test run, under the sanitizers of the test build.

#include "tests/fuzz/CompoundFuzzInput.h"
#include "tests/fuzz/KeptInputs.h"

#include <gtest/gtest.h>

TEST(CompoundFuzzRegressions, EveryKeptInputLoadsWithoutAFault) {
    tvtest::RunEveryKeptInput("compound", RunCompoundFuzzInput);
}

// The system libraries are built without frame pointers, so the quick
// unwinder stops at their first frame; the careful one reaches the call of
// ours or of the compound-file library that a leak suppression names.
extern "C" const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}
