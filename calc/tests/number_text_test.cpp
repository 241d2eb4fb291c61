// Number texts: the patterns of the result lines, the plain texts of the
// field defaults and the coil length, and reading the fields.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <string>

#include "calc_error.h"
#include "case_name.h"
#include "number_text.h"

namespace zephyrod {
namespace {

using testing_names::NameBy;

struct PatternCase {
    double value;
    const char* pattern;
    const char* expected;
};

class FormatPatternDouble : public testing::TestWithParam<PatternCase> {};

TEST_P(FormatPatternDouble, PrintsExpectedText) {
    const PatternCase& c = GetParam();
    EXPECT_EQ(FormatPattern(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatPatternDouble,
    testing::Values(PatternCase{0, "#.00", ".00"}, PatternCase{0, "0.0", "0.0"},
                    PatternCase{0, "0.00", "0.00"}, PatternCase{0, "#.0", ".0"},
                    PatternCase{1234.5, "#.00", "1234.50"}, PatternCase{3.15, "#.0", "3.2"},
                    PatternCase{0.125, "0.00", "0.13"}, PatternCase{0.5, "0.00", "0.50"},
                    PatternCase{0.5, "#.00", ".50"}, PatternCase{56, "#.0", "56.0"},
                    PatternCase{8.2036772, "#.00", "8.20"}, PatternCase{0.04, "#.0", ".0"},
                    PatternCase{0.05, "#.0", ".1"}, PatternCase{-0.5, "#.00", "-.50"},
                    PatternCase{-1.25, "0.0", "-1.3"}, PatternCase{-0.004, "0.00", "0.00"},
                    PatternCase{-0.004, "#.00", ".00"}, PatternCase{9.995, "#.00", "10.00"},
                    PatternCase{999.95, "#.0", "1000.0"}, PatternCase{0.995, "#.00", "1.00"},
                    PatternCase{0.0049, "#.00", ".00"}, PatternCase{0.005, "#.00", ".01"},
                    PatternCase{1e-300, "0.00", "0.00"}, PatternCase{4.73, "0.00", "4.73"},
                    PatternCase{1e20, "#.00", "100000000000000000000.00"},
                    PatternCase{123456789012345678.0, "#.0", "123456789012346000.0"},
                    PatternCase{7.070000171661377, "#.00", "7.07"}),
    NameBy([](const PatternCase& c) { return std::string(c.expected) + " " + c.pattern; }));

TEST(FormatPatternSingle, UsesSevenSignificantDigits) {
    EXPECT_EQ(FormatPattern(664.78076171875f, "#.00"), "664.78");
    EXPECT_EQ(FormatPattern(8.2036772f, "#.00"), "8.20");
    // 0.285f is 0.28499999642...: seven digits make it 0.2850000, a half that
    // rounds up; fifteen digits of the same number round down.
    EXPECT_EQ(FormatPattern(0.285f, "#.00"), ".29");
    EXPECT_EQ(FormatPattern(static_cast<double>(0.285f), "#.00"), ".28");
}

TEST(SignificantDigits, ExactHalvesRoundAwayFromZero) {
    // 23499.625 is exact in single precision: seven digits on a half.
    EXPECT_EQ(FormatPattern(23499.625f, "#.00"), "23499.63");
    EXPECT_EQ(NumberText(23499.625f), "23499.63");
    EXPECT_EQ(NumberText(-23499.625f), "-23499.63");
    EXPECT_EQ(NumberText(16777215.0f), "16777220");
    // Fifteen digits on an exact half of a double.
    EXPECT_EQ(NumberText(1234567890123445.0), "1234567890123450");
    // Just below a half stays below.
    EXPECT_EQ(NumberText(std::nextafter(23499.625f, 0.0f)), "23499.62");
    EXPECT_EQ(NumberText(9999999.5f), "10000000");
}

// Where the shortest digits that read back as the number are not simply its
// rounded digits.
struct RoundingCase {
    double value;
    int zeros;           // zeros after "0." ahead of the digits, or -1 for none
    const char* digits;  // the text, or its digits after the zeros
    const char* why;
};

class SignificantRounding : public testing::TestWithParam<RoundingCase> {};

TEST_P(SignificantRounding, RoundsTheExactValue) {
    const RoundingCase& c = GetParam();
    const std::string expected =
        c.zeros < 0 ? c.digits
                    : "0." + std::string(static_cast<std::size_t>(c.zeros), '0') + c.digits;
    EXPECT_EQ(NumberText(c.value), expected) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SignificantRounding,
    testing::Values(
        // Shortest digits of 16 ending in 5 stand on a half of 15 digits: the
        // exact value, a hair above or below, decides.
        RoundingCase{2.995224996457315, -1, "2.99522499645732", "above its shortest digits"},
        RoundingCase{8.626903632435095, -1, "8.62690363243509", "below its shortest digits"},
        // The same at a power of two, whose lower neighbour is nearer.
        RoundingCase{0x1p-1017, 306, "712023634722304", "power of two below its digits"},
        // Subnormals round from their exact digits: 5e-324 is 4.9406564584124654e-324.
        RoundingCase{0x1p-1074, 323, "494065645841247", "least subnormal"},
        RoundingCase{0x0.fffffffffffffp-1022, 307, "22250738585072", "greatest subnormal"},
        RoundingCase{DBL_MIN, 307, "22250738585072", "least normal"},
        // 0.99999999999999989 rounds up to a whole digit more.
        RoundingCase{0x1.fffffffffffffp-1, -1, "1", "carry into a new digit"}),
    NameBy([](const RoundingCase& c) { return std::string(c.why); }));

TEST(SignificantRounding, SingleFromItsDoubleDigits) {
    // The single's own shortest digits (9.76565e-4 and 8.5904e9) lie more than
    // half a unit of the seventh digit from its value; the double's do not.
    EXPECT_EQ(NumberText(std::bit_cast<float>(0x3A800015u)), "0.0009765649");
    EXPECT_EQ(NumberText(std::bit_cast<float>(0x500001C6u)), "8590399000");
}

TEST(FormatPattern, NonFiniteIsAnOverflowNeverText) {
    for (double v : {INFINITY, -INFINITY, NAN}) {
        try {
            FormatPattern(v, "#.00");
            ADD_FAILURE() << "no error for " << v;
        } catch (const CalcError& e) {
            EXPECT_EQ(e.code(), 6);
        }
    }
}

struct PlainCase {
    double value;
    const char* expected;
};

class NumberTextDouble : public testing::TestWithParam<PlainCase> {};

TEST_P(NumberTextDouble, PrintsExpectedText) {
    EXPECT_EQ(NumberText(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Plain, NumberTextDouble,
                         testing::Values(PlainCase{7.07, "7.07"}, PlainCase{34.925, "34.925"},
                                         PlainCase{65, "65"}, PlainCase{0, "0"},
                                         PlainCase{-0.0, "0"}, PlainCase{0.7 * 10, "7"},
                                         PlainCase{320, "320"}, PlainCase{-3, "-3"},
                                         PlainCase{0.5, "0.5"}, PlainCase{0.0125, "0.0125"},
                                         PlainCase{1e15, "1000000000000000"},
                                         PlainCase{123456789012345678.0, "123456789012346000"},
                                         PlainCase{2702.5 / 25.4, "106.397637795276"}),
                         NameBy([](const PlainCase& c) { return std::string(c.expected); }));

TEST(ShortestText, FewestDigitsThatReadBackForAProgram) {
    EXPECT_EQ(ShortestText(56.0), "56");
    EXPECT_EQ(ShortestText(0.5), "5e-1");
    EXPECT_EQ(ShortestText(-0.1), "-1e-1");  // the double nearest 0.1, not its 55 exact digits
    EXPECT_EQ(ShortestText(664.78074765), "66478074765e-8");
    EXPECT_EQ(ShortestText(static_cast<double>(7.07f)), "7070000171661377e-15");
    EXPECT_EQ(ShortestText(1e300), "1e300");
    EXPECT_EQ(ShortestText(5e-324), "5e-324");  // the smallest subnormal
    EXPECT_EQ(ShortestText(0.0), "0");
}

TEST(NumberTextSingle, FieldDefaults) {
    EXPECT_EQ(NumberText(7.07f), "7.07");
    EXPECT_EQ(NumberText(25.4f), "25.4");
    EXPECT_EQ(NumberText(34.925f), "34.925");
    EXPECT_EQ(NumberText(8.66f), "8.66");
    EXPECT_EQ(NumberText(FLT_MAX), "340282300000000000000000000000000000000");
}

struct ParseCase {
    const char* text;
    float expected;
};

class ParseSingleAccepts : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseSingleAccepts, ReturnsNearestSingle) {
    const float value = ParseSingle(GetParam().text);
    EXPECT_EQ(value, GetParam().expected) << GetParam().text;
    EXPECT_EQ(std::signbit(value), std::signbit(GetParam().expected)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ParseSingleAccepts,
    testing::Values(ParseCase{"7.07", 7.07f}, ParseCase{" 7.07 ", 7.07f},
                    ParseCase{"\t8.66\t", 8.66f}, ParseCase{".5", 0.5f}, ParseCase{"5.", 5.0f},
                    ParseCase{"-.5", -0.5f}, ParseCase{"-7", -7.0f}, ParseCase{"0", 0.0f},
                    ParseCase{"-0", -0.0f}, ParseCase{"007.0700", 7.07f},
                    // Midway between two singles as a double, but just above it
                    // as a decimal: the single above, not the double rounded again.
                    ParseCase{"1.0000000596046447753906250001", 1.00000011920928955078125f},
                    ParseCase{"340282356779733661637539395458142568447", FLT_MAX},
                    ParseCase{"0.000000000000000000000000000000000000000000001", 1.4e-45f},
                    ParseCase{"0.0000000000000000000000000000000000000000000007", 0.0f},
                    ParseCase{"-0.0000000000000000000000000000000000000000000007", -0.0f}),
    NameBy([](const ParseCase& c) { return std::string(c.text); }));

TEST(ParseSingle, SevenPointZeroSevenWidens) {
    EXPECT_EQ(static_cast<double>(ParseSingle("7.07")), 7.0700001716613770);
}

class ParseSingleRejects : public testing::TestWithParam<const char*> {};

TEST_P(ParseSingleRejects, WithTypeMismatch) {
    try {
        ParseSingle(GetParam());
        ADD_FAILURE() << "accepted \"" << GetParam() << "\"";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.code(), 13) << GetParam();
        EXPECT_EQ(e.description(), "Type mismatch");
    }
}

INSTANTIATE_TEST_SUITE_P(NotNumbers, ParseSingleRejects,
                         testing::Values("", " ", "abc", "nan", "NaN", "inf", "-inf", "infinity",
                                         "1e5", "1E5", "0x1", "0x1p3", "1,000", "7,07", "+1", ".",
                                         "-", "-.", "1.2.3", "1 2", "--1", "7.07abc", "7-",
                                         "\xd9\xa1", "1\n"),
                         NameBy([](const char* text) { return std::string(text); }));

TEST(ParseSingle, BeyondSingleRangeIsOverflow) {
    for (const char* text :
         {"340282356779733661637539395458142568448", "10000000000000000000000000000000000000000",
          "-10000000000000000000000000000000000000000"}) {
        try {
            ParseSingle(text);
            ADD_FAILURE() << text;
        } catch (const CalcError& e) {
            EXPECT_EQ(e.code(), 6) << text;
            EXPECT_EQ(e.description(), "Overflow");
        }
    }
}

TEST(ParseDouble, ReadsPrintedForms) {
    EXPECT_EQ(ParseDouble(".5"), 0.5);
    EXPECT_EQ(ParseDouble("6.5"), 6.5);
    EXPECT_EQ(ParseDouble("3.2"), 3.2);
    EXPECT_THROW(ParseDouble("1" + std::string(310, '0')), CalcError);
    EXPECT_THROW(ParseDouble(""), CalcError);
}

}  // namespace
}  // namespace zephyrod
