#include "framework/Ansi.h"

#include <gtest/gtest.h>

TEST(Ansi, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    std::string utf8 = fw::AnsiToUtf8(all);
    std::string back;
    ASSERT_TRUE(fw::Utf8ToAnsi(utf8, back));
    EXPECT_EQ(back, all);
}

TEST(Ansi, KnownCharacters) {
    struct Case {
        const char* utf8;
        const char* ansi;
    };
    const Case cases[] = {
        {"\xE2\x82\xAC", "\x80"}, // euro sign
        {"\xC2\xB5", "\xB5"},     // micro sign
        {"\xE2\x80\x94", "\x97"}, // em dash
        {"\xC3\xA9", "\xE9"},     // e acute
    };
    for (const auto& c : cases) {
        std::string out;
        ASSERT_TRUE(fw::Utf8ToAnsi(c.utf8, out));
        EXPECT_EQ(out, c.ansi);
        EXPECT_EQ(fw::AnsiToUtf8(c.ansi), c.utf8);
    }
}

TEST(Ansi, CharactersOutsideWindows1252AreRefused) {
    std::string out;
    EXPECT_FALSE(fw::Utf8ToAnsi("\xCE\xA9", out));         // Greek omega
    EXPECT_FALSE(fw::Utf8ToAnsi("\xF0\x9F\x98\x80", out)); // emoji
    EXPECT_FALSE(fw::Utf8ToAnsi("\xC3", out));             // cut sequence
}

TEST(Ansi, Utf16RoundTripIncludingSurrogates) {
    std::string text = "a\xCE\xA9\xF0\x9F\x98\x80z";
    std::u16string wide = fw::Utf8ToUtf16(text);
    EXPECT_EQ(wide.size(), 5u);
    EXPECT_EQ(fw::Utf16ToUtf8(wide), text);
    EXPECT_EQ(fw::Utf16ToUtf8(u"\xD800x"), "\xEF\xBF\xBDx"); // lone surrogate
}
