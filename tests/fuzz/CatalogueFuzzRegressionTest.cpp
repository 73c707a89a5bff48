// Every input kept in tests/fuzz/catalogue/ (the catalogue fuzzer's findings and
// the seeds it started from) goes through the fuzz target's loading in the
// normal test run, under the sanitizers of the test build.

#include "tests/fuzz/CatalogueFuzzInput.h"

#include "resources/StringTables.h"

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
         std::filesystem::directory_iterator(TV_SOURCE_DIR "/tests/fuzz/catalogue"))
        if (entry.is_regular_file() && entry.path().extension() != ".md")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

TEST(CatalogueFuzzRegressions, EveryKeptInputLoadsWithoutAFault) {
    const std::vector<std::filesystem::path> files = Inputs();
    ASSERT_FALSE(files.empty()) << "no inputs in tests/fuzz/catalogue";
    RegisterZedezuziStrings();
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        std::ifstream in(path, std::ios::binary);
        ASSERT_TRUE(in) << path;
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
        RunCatalogueFuzzInput(bytes.data(), bytes.size());
    }
}

} // namespace
