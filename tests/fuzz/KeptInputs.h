#pragma once
// Runs every input kept in one folder of tests/fuzz/ (a fuzzer's findings and
// the seeds it started from) through that fuzzer's input function, so that the
// normal test run replays them under the sanitizers of the test build.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tvtest {

inline void RunEveryKeptInput(const std::string& folder,
                              void (*run)(const uint8_t* data, size_t size)) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(TV_SOURCE_DIR "/tests/fuzz/") + folder))
        if (entry.is_regular_file() && entry.path().extension() != ".md")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty()) << "no inputs in tests/fuzz/" << folder;
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        std::ifstream in(path, std::ios::binary);
        ASSERT_TRUE(in) << path;
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
        run(bytes.data(), bytes.size());
    }
}

} // namespace tvtest
