// Every input kept in tests/fuzz/catalogue/ (the catalogue fuzzer's findings and
// the seeds it started from) goes through the fuzz target's loading in the
// normal test run, under the sanitizers of the test build.

#include "tests/fuzz/CatalogueFuzzInput.h"
#include "tests/fuzz/KeptInputs.h"

#include "resources/StringTables.h"

#include <gtest/gtest.h>

TEST(CatalogueFuzzRegressions, EveryKeptInputLoadsWithoutAFault) {
    RegisterZedezuziStrings();
    tvtest::RunEveryKeptInput("catalogue", RunCatalogueFuzzInput);
}
