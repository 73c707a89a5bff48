#include "tools/Filvaron.h"
#include "tools/FixedText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

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
        {2.0, 4, 0, "2.000"},
        {0.5, 4, 0, "0.5000"},
        {0.05, 4, 0, "0.05000"},
        {1.25, 4, 0, "1.250"},
        {12.5, 4, 0, "12.50"},
        {123.456, 4, 0, "123.5"},
        {6600.0, 4, 0, "6600"},
        {12345.6, 4, 0, "12346"},
        {0.0, 4, 0, "0.000"},
        {-1.0, 4, 1, "No data"},
        {-1.25, 4, 0, "-1.25"},
        {27769.9, 5, 0, "27770"},
        {0.1998402, 6, 0, "0.199840"},
        {5.197622, 5, 0, "5.1976"},
        {1.0, 0, 0, "1"},
        {0.00001, 4, 0, "1e-05"}, // tiny values keep the exponent form
        // 12.125 = 97/8 is a tie at four digits: away from zero, as the
        // six-decimal texts round 0.0078125 (k = 2, N = 4, "12.13", L = 5 > N).
        {12.125, 4, 0, "12.13"},
        {-12.125, 4, 0, "-12.13"},
        // 2^-20 = 9.5367431640625e-07, a tie at 13 digits: k = 1 ("0.000001"),
        // N = 13, "%.13g" rounds the final 5 up and keeps the exponent form.
        {std::ldexp(1.0, -20), 13, 0, "9.536743164063e-07"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " digits " << c.digits);
        EXPECT_EQ(DLLGetTextByBeamsEx(c.value, c.digits, c.flag), c.expected);
    }
}

// The printf rule gives a malformed text for a small value when "%g"'s
// exponent form is shorter than the digits asked for: 1e-5 has k = 1
// ("0.000010"), N = 6, "%.6g" gives "1e-05" (L = 5, no point), and L < N
// appends "." and one "0": "1e-05.0". The exponent form is left as it is.
TEST(NumberText, TextByBeamsExSmallValueKeepsAWellFormedExponent_FaultPaddedExponent) {
    struct Case {
        double value;
        int digits;
        const char* expected;
    };
    const Case cases[] = {
        {1e-5, 6, "1e-05"},      // "1e-05.0" by the padding
        {1.5e-5, 10, "1.5e-05"}, // "1.5e-05000" by the padding (e = 0, L = 7 < 10)
        {-2e-7, 8, "-2e-07"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " digits " << c.digits);
        EXPECT_EQ(DLLGetTextByBeamsEx(c.value, c.digits, 0), c.expected);
    }
}

// "%g" with the same tie rule as "%f": exact ties go away from zero, wherever
// the rounding digit lies; everything else rounds to nearest.
TEST(NumberText, GeneralDigitsRoundTiesAwayFromZero) {
    struct Case {
        double value;
        int digits;
        const char* text;
    };
    const Case cases[] = {
        {12.125, 4, "12.13"}, // to even: "12.12"
        {2.5, 1, "3"},        // to even: "2"
        {-2.5, 1, "-3"},
        {0.5, 0, "0.5"},           // no digits count as one
        {9.5, 1, "1e+01"},         // the carry makes X = 1, not below P = 1
        {12345.0, 4, "1.235e+04"}, // a tie in the units: 1.2345e4 to three decimals
        {2.0, 6, "2"},
        {0.0001, 3, "0.0001"}, // X = -4 stays plain
        {0.00001, 3, "1e-05"}, // X = -5 takes the exponent form
        {123456789.0, 6, "1.23457e+08"},
        {-0.0, 4, "-0"},
        {0.0, 4, "0"},
        {0.1, -1, "0.1"}, // a negative count is six digits
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " digits " << c.digits);
        EXPECT_EQ(FormatGeneralDigits(c.value, c.digits), c.text);
    }
}

// Past the 1074 decimals a double can hold the digits are zeros; the text is
// whole however many decimals are asked for. glibc's printf writes the exact
// expansion, so it is an independent check where no tie is involved.
TEST(NumberText, FixedDecimalsBeyondEveryDoublesDigits) {
    const double values[] = {1e308, -1.7976931348623157e308, std::ldexp(1.0, -1074), 1.0 / 3};
    for (double v : values) {
        for (int decimals : {1074, 1100, 1200, 2000}) {
            SCOPED_TRACE(testing::Message() << v << " decimals " << decimals);
            std::string expected(4000, '\0');
            int n = std::snprintf(expected.data(), expected.size(), "%.*f", decimals, v);
            ASSERT_GT(n, 0);
            expected.resize(static_cast<size_t>(n));
            EXPECT_EQ(FormatFixedDecimals(v, decimals), expected);
        }
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
