// Every input kept in tests/fuzz/grouplibrary/ (the fuzzer's findings and the seed
// records it started from) goes through the fuzz target's reading in the
// normal test run, under the sanitizers of the test build.

#include "tests/fuzz/GroupLibraryFuzzInput.h"
#include "tests/fuzz/KeptInputs.h"

#include <gtest/gtest.h>

TEST(GroupLibraryFuzzRegressions, EveryKeptInputReadsWithoutAFault) {
    tvtest::RunEveryKeptInput("grouplibrary", RunGroupLibraryFuzzInput);
}
