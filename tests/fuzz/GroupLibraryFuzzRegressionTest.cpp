// Every input kept in tests/fuzz/grouplibrary/ (the fuzzer's findings and the seed
// records it started from) goes through the fuzz target's reading in the
// normal test run, under the sanitizers of the test build.

#include "tests/fuzz/GroupLibraryFuzzInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::filesystem::path> Inputs() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry :
         std::filesystem::directory_iterator(TV_SOURCE_DIR "/tests/fuzz/grouplibrary"))
        if (entry.is_regular_file() && entry.path().extension() != ".md")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

TEST(GroupLibraryFuzzRegressions, EveryKeptInputReadsWithoutAFault) {
    const std::vector<std::filesystem::path> files = Inputs();
    ASSERT_FALSE(files.empty()) << "no inputs in tests/fuzz/grouplibrary";
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        std::ifstream in(path, std::ios::binary);
        ASSERT_TRUE(in) << path;
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
        RunGroupLibraryFuzzInput(bytes.data(), bytes.size());
    }
}

} // namespace
