#include "framework/Format.h"

#include <gtest/gtest.h>

TEST(FormatStrings, FillsOnlyPercentSInOrder) {
    struct Case {
        const char* format;
        std::initializer_list<std::string> args;
        const char* text;
    };
    const Case cases[] = {
        {"\"%s\" on \"%s\" of \"%s\".",
         {"ABC", "Break_Type", "dorventa.mdb"},
         "\"ABC\" on \"Break_Type\" of \"dorventa.mdb\"."},
        {"%s", {"50%d %s"}, "50%d %s"}, // values are never read as directives
        {"100%% of %s", {"In"}, "100% of In"},
        {"%d and %f stay", {"x"}, "%d and %f stay"},
        {"%s, %s", {"one"}, "one, "}, // a missing value leaves its place empty
        {"ends with %", {}, "ends with %"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(fw::FormatStrings(c.format, c.args), c.text);
    }
}

TEST(Format, PrintfIntoAString) {
    EXPECT_EQ(fw::Format("%s %d %.2f", "a", 7, 1.5), "a 7 1.50");
    EXPECT_EQ(fw::Format("%s", std::string(1000, 'x').c_str()).size(), 1000u);
}
