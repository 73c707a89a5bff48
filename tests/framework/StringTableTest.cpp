#include "framework/StringTable.h"
#include "resources/StringTables.h"

#include <gtest/gtest.h>

namespace {

// Restores the main program's table after a test replaced it.
struct RestoreTable {
    ~RestoreTable() { RegisterTovarineStrings(); }
};

} // namespace

TEST(StringTable, ProgramTableHoldsTheLibraryTexts) {
    EXPECT_EQ(fw::LoadString(4096), "dorventa.mdb");
    EXPECT_EQ(fw::LoadString(4612), "List_VoltLow");
    EXPECT_EQ(fw::LoadString(4736), "No data");
    EXPECT_EQ(fw::LoadString(4737), "\"%s\" can not found on \"%s\" of \"%s\".");
    EXPECT_EQ(fw::LoadString(16641).substr(0, 34), "This program cannot support \"%s\".\n");
}

TEST(StringTable, MissingIdIsAnError) {
    EXPECT_THROW(fw::LoadString(1), fw::CMissingStringError);
    std::string text = "kept";
    EXPECT_FALSE(fw::TryLoadString(1, text));
    EXPECT_EQ(text, "kept");
}

TEST(StringTable, ParsesEscapesCommentsAndCrLf) {
    RestoreTable restore;
    fw::RegisterStringTable("# comment\r\n\r\n7\ta\\tb\\nc\\\\d\r\n8\t\n9\t  spaced  ");
    EXPECT_EQ(fw::LoadString(7), "a\tb\nc\\d");
    EXPECT_EQ(fw::LoadString(8), "");
    EXPECT_EQ(fw::LoadString(9), "  spaced  ");
    EXPECT_THROW(fw::LoadString(4096), fw::CMissingStringError);
}

TEST(StringTable, RejectsMalformedTables) {
    RestoreTable restore;
    for (const char* bad :
         {"12 no tab", "x\ttext", "1\ta\n1\tb", "2\tbad \\q escape", "3\tend\\"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(fw::RegisterStringTable(bad), std::invalid_argument);
    }
}
