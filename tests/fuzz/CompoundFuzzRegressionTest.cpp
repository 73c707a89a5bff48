// Every input kept in tests/fuzz/compound/ (the compound fuzzer's findings and
// the seeds it started from) goes through the fuzz target's loading in the
// normal test run, under the sanitizers of the test build.

#include "tests/fuzz/CompoundFuzzInput.h"
#include "tests/fuzz/KeptInputs.h"

#include <gtest/gtest.h>

TEST(CompoundFuzzRegressions, EveryKeptInputLoadsWithoutAFault) {
    tvtest::RunEveryKeptInput("compound", RunCompoundFuzzInput);
}
