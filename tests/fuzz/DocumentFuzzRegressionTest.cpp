// Every input kept in tests/fuzz/document/ (the project fuzzer's findings and
// the seeds it started from) goes through the fuzz target's loading in the
// normal test run, under the sanitizers of the test build.

#include "tests/fuzz/DocumentFuzzInput.h"
#include "tests/fuzz/KeptInputs.h"

#include <gtest/gtest.h>

TEST(DocumentFuzzRegressions, EveryKeptInputLoadsWithoutAFault) {
    tvtest::RunEveryKeptInput("document", RunDocumentFuzzInput);
}
