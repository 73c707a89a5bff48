#include "tools/Filvaron.h"

#include <gtest/gtest.h>

TEST(NumberText, BeamsNumber) {
    struct Case {
        double value;
        int mode;
        int expected;
    };
    const Case cases[] = {
        {12.0, 1, 2},  {12.0, 0, 0},    {-3.75, 1, 2},     {-3.75, 0, 2},     {0.0000001, 0, 0},
        {0.125, 0, 3}, {1.0 / 3, 0, 6}, {1234567.0, 1, 7}, {0.0000006, 0, 6}, // "%f" rounds it up
                                                                              // to 0.000001
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " mode " << c.mode);
        EXPECT_EQ(DLLGetBeamsNumber(c.value, c.mode), c.expected);
    }
    EXPECT_EQ(DLLGetMaxBeamsNumber(1.5, 2.25, 3.0), 2);
    EXPECT_EQ(DLLGetMaxBeamsNumber(1, 2, 3), 0);
}

TEST(NumberText, TextByBeams) {
    struct Case {
        double value;
        int flag;
        const char* expected;
    };
    const Case cases[] = {
        {2.0, 0, "2"},
        {1.5, 0, "1.5"},
        {0.125, 0, "0.125"},
        {1.0 / 3, 0, "0.333333"},
        {2.0000004, 0, "2"},
        {1234567.0, 0, "1234567"},
        {-1.25, 0, "-1.25"},
        {-1.25, 1, "No data"},
        {0.0, 1, "0"},
        {-0.0, 1, "-0"},
        {-1.25, 2, "-1.25"},
        {0.9999996, 0, "1"},
        {0.0078125, 0, "0.007813"}, // a tie at six decimals rounds as the dial texts do
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(DLLGetTextByBeams(c.value, c.flag), c.expected);
    }
}

TEST(NumberText, TextByBeamsEx) {
    struct Case {
        double value;
        int digits;
        int flag;
        const char* expected;
    };
    const Case cases[] = {
        {2.0, 4, 0, "2.000"},          {0.5, 4, 0, "0.5000"},      {0.05, 4, 0, "0.05000"},
        {1.25, 4, 0, "1.250"},         {12.5, 4, 0, "12.50"},      {123.456, 4, 0, "123.5"},
        {6600.0, 4, 0, "6600"},        {12345.6, 4, 0, "12346"},   {0.0, 4, 0, "0.000"},
        {-1.0, 4, 1, "No data"},       {-1.25, 4, 0, "-1.25"},     {27769.9, 5, 0, "27770"},
        {0.1998402, 6, 0, "0.199840"}, {5.197622, 5, 0, "5.1976"}, {1.0, 0, 0, "1"},
        {0.00001, 4, 0, "1e-05"}, // tiny values keep the exponent form
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " digits " << c.digits);
        EXPECT_EQ(DLLGetTextByBeamsEx(c.value, c.digits, c.flag), c.expected);
    }
}

// Rounding that carries into a new digit must not switch to exponent form.
TEST(NumberText, TextByBeamsExCarryStaysPlain_FaultExponentOnCarry) {
    struct Case {
        double value;
        int digits;
        const char* expected;
    };
    const Case cases[] = {
        {9999.96, 4, "10000"},   {99999.99, 4, "100000"}, {9999.5, 4, "10000"},
        {-9999.96, 4, "-10000"}, {999.96, 3, "1000"},     {9.9996, 4, "10.00"},
        {0.99996, 4, "1.000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(DLLGetTextByBeamsEx(c.value, c.digits, 0), c.expected);
    }
}

TEST(NumberText, Captions) {
    EXPECT_EQ(DLLGetTitleUnit("Rated current", "A"), "Rated current(A):");
    EXPECT_EQ(DLLGetTitleUnit("Rated current", ""), "Rated current:");
    EXPECT_EQ(DLLGetTitleUnit("", "A"), "");
    EXPECT_EQ(DLLGetTitleUnitNotes("Length", "m", "per phase"), "Length(m): per phase");
    EXPECT_EQ(DLLGetTitleUnitNotes("Length", "", ""), "Length:");
    EXPECT_EQ(DLLGetTitleUnitNotes("", "m", "x"), "");
}
