#include "app/records/FileVersion.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(FileVersionTest, NewestOutsideALoadAndRestoredAfterOne) {
    EXPECT_EQ(GetFileVersionNumber(), 1.2);
    {
        CFileVersionScope outer(1.1);
        EXPECT_EQ(GetFileVersionNumber(), 1.1);
        {
            CFileVersionScope inner(1.15);
            EXPECT_EQ(GetFileVersionNumber(), 1.15);
        }
        EXPECT_EQ(GetFileVersionNumber(), 1.1);
    }
    EXPECT_EQ(GetFileVersionNumber(), 1.2);
}

TEST(FileVersionTest, AFailedLoadRestoresTheVersion) {
    try {
        CFileVersionScope scope(1.0);
        throw std::runtime_error("damaged");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(GetFileVersionNumber(), 1.2);
}

} // namespace
