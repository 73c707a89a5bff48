// Every input kept in tests/fuzz/archive/ (the fuzzer's findings and the seed
// records it started from) goes through the fuzz target's reading in the
// normal test run, under the sanitizers of the test build.

#include "tests/fuzz/ArchiveFuzzInput.h"
#include "tests/fuzz/KeptInputs.h"

#include <gtest/gtest.h>

TEST(ArchiveFuzzRegressions, EveryKeptInputReadsWithoutAFault) {
    tvtest::RunEveryKeptInput("archive", RunArchiveFuzzInput);
}
