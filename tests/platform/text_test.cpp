#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "platform/text.h"

namespace quorvane {

namespace {

struct NumberCase {
    double Value;
    const char* Expected;
};

struct FormatCase {
    double Value;
    const char* Pattern;
    const char* Expected;
};

struct ParseCase {
    const char* Text;
    double Expected;
};

}  // namespace

TEST(Str, SevenSignificantDigitsWithLeadingSpace) {
    const NumberCase cases[] = {
        {512, " 512"},         {2, " 2"},
        {-3, "-3"},            {0, " 0"},
        {-0.0, " 0"},          {0.25, " 0.25"},
        {-0.25, "-0.25"},      {0.1f, " 0.1"},
        {1.1f, " 1.1"},        {3.3333333, " 3.333333"},
        {2.0 / 3, " 0.6666667"}, {9999999, " 9999999"},
        {12345678, " 1.234568E+07"}, {1e7, " 1E+07"},
        {1e38, " 1E+38"},      {-1e38, "-1E+38"},
        {1e100, " 1E+100"},    {0.01, " 0.01"},
        {0.0123, " 0.0123"},   {0.001, " 1E-03"},
        {1.5e-5, " 1.5E-05"},  {1e-6, " 1E-06"},
        {0.0099999999, " 0.01"}, {99999996, " 1E+08"},
        {123.456, " 123.456"}, {1234.5678, " 1234.568"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Expected);
        EXPECT_EQ(Str(c.Value), c.Expected);
    }
}

TEST(Str, OtherPrecisionsAndPlainText) {
    EXPECT_EQ(Str(0.1, 15), " 0.1");
    EXPECT_EQ(Str(static_cast<double>(0.1f), 15), " 0.100000001490116");
    EXPECT_EQ(Str(123456789, 15), " 123456789");
    EXPECT_EQ(Str(2.5, 1), " 3");
    EXPECT_EQ(Str(25, 1), " 3E+01");
    EXPECT_EQ(NumberText(512), "512");
    EXPECT_EQ(NumberText(-3), "-3");
    EXPECT_EQ(NumberText(0.5), "0.5");
    EXPECT_EQ(NumberText(1e38), "1E+38");
}

TEST(Str, NonFiniteValuesHaveAText) {
    EXPECT_EQ(NumberText(std::numeric_limits<double>::quiet_NaN()), "NaN");
    EXPECT_EQ(NumberText(std::numeric_limits<double>::infinity()), "Inf");
    EXPECT_EQ(NumberText(-std::numeric_limits<double>::infinity()), "-Inf");
    EXPECT_EQ(Format(std::numeric_limits<double>::quiet_NaN(), "0.0"), "NaN");
    EXPECT_EQ(Format(-std::numeric_limits<double>::infinity(), "##0"), "-Inf");
    EXPECT_EQ(FloatText(std::numeric_limits<float>::infinity()), "Inf");
}

TEST(Val, ReadsTheLongestLeadingNumber) {
    const ParseCase cases[] = {
        {"", 0},          {"abc", 0},        {"12abc", 12},     {".5", 0.5},
        {"  -3.5e2x", -350}, {"1e", 1},      {"1e+", 1},        {"1E3", 1000},
        {"2d2", 200},     {"2D-1", 0.2},     {"\t 7", 7},       {"+4.", 4},
        {"-", 0},         {".", 0},          {"-.25", -0.25},   {"1.2.3", 1.2},
        {"12 34", 12},    {"0x1A", 0},       {"1e-999", 0},     {"-1e-999", 0},
        {"0e999999999999999999", 0},         {"00012.500", 12.5},
        {"0.000000000000000000000000000000000000000000001e45", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(Val(c.Text), c.Expected);
    }
    EXPECT_FALSE(std::signbit(Val("-0")));
    EXPECT_FALSE(std::signbit(Val("-1e-999")));
}

TEST(Val, HugeExponentsGiveTheLargestFiniteValue) {
    EXPECT_EQ(Val("1e999"), DBL_MAX);
    EXPECT_EQ(Val("-1e999"), -DBL_MAX);
    EXPECT_EQ(Val("2e308"), DBL_MAX);
    EXPECT_EQ(Val("1e99999999999999999999999"), DBL_MAX);
    EXPECT_EQ(Val(std::string(400, '9')), DBL_MAX);
    EXPECT_EQ(Val("1.7976931348623157e308"), DBL_MAX);
}

TEST(Val, NeverReadsPastTheEndOfAView) {
    const std::string text = "12345";
    EXPECT_EQ(Val(std::string_view(text).substr(0, 2)), 12);
    EXPECT_EQ(Val(std::string_view("1e5", 2)), 1);
    EXPECT_EQ(Val(std::string_view("-.", 1)), 0);
}

TEST(ParseNumber, AcceptsExactlyOneNumber) {
    const ParseCase good[] = {
        {"0", 0},     {" 12 ", 12},  {"-1E+38", -1e38}, {"1E-06", 1e-6},
        {"0.1", 0.1}, {"+.5", 0.5},  {"5.", 5},         {"3d2", 300},
        {"\t2.5\r\n", 2.5},          {"1e-999", 0},
    };
    for (const auto& c : good) {
        SCOPED_TRACE(c.Text);
        double value = -1;
        EXPECT_TRUE(ParseNumber(c.Text, value));
        EXPECT_EQ(value, c.Expected);
    }
    const char* bad[] = {"", "  ", "12abc", "1e", "1e+", "1e999", "-1e999", "nan", "inf",
                         "-", ".", "1 2", "1.2.3", "0x10", "--1", "#TRUE#"};
    for (const char* text : bad) {
        SCOPED_TRACE(text);
        double value = 42;
        EXPECT_FALSE(ParseNumber(text, value));
        EXPECT_EQ(value, 42);
    }
}

TEST(Format, FixedPatterns) {
    const FormatCase cases[] = {
        // The point is always printed; "#" before it prints nothing for a value below one.
        {2, "#0.##", "2."},           {0.5, "#0.##", "0.5"},        {1.25, "#0.##", "1.25"},
        {9.999, "#0.##", "10."},      {0.25, ".##", ".25"},         {12.5, ".##", "12.5"},
        {0, "0.0", "0.0"},            {0.04, "0.0", "0.0"},         {0.05, "0.0", "0.1"},
        {12345, "##0", "12345"},      {0.4, "##0", "0"},            {2.5, "##0", "3"},
        {0.5, "##0.00", "0.50"},      {1.5, "###0.0###", "1.5"},    {2, "###0.0###", "2.0"},
        {0.123456, "###0.0###", "0.1235"}, {12.34, "##0.#", "12.3"}, {1234.5, "###0", "1235"},
        {3.14159, "#0.00", "3.14"},   {0.001, "##0.000", "0.001"},  {12.3456, "##0.00", "12.35"},
        {7, "##", "7"},               {0, "##", ""},                {1001, "##", "1001"},
        {0.5, "####.####", ".5"},     {1234.5678, "####.####", "1234.5678"},
        {123.4567, "#####0.##", "123.46"}, {0.007, "#####0.##", "0.01"},
        {123456.7, "######", "123457"},  {0.125, "0.00", "0.13"},   {1.005, "0.00", "1.01"},
        {0.3, "0.####", "0.3"},      {6.5, "0.######", "6.5"},      {100, "0.0", "100.0"},
        {1e20, "0", "100000000000000000000"},
        // Dialog and caption patterns.
        {0.001, "##0.0#####", "0.001"},  {0.0005, "###0.0####", "0.0005"},
        {1 / 6.2831852, "####0.0###", "0.1592"}, {30, "###0.###", "30."},
        {12.5, "###0.####", "12.5"},     {0.5, "#0.00", "0.50"},
        {1.0000000149, "0.0", "1.0"},    {11.899999, "0.0", "11.9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Pattern) + " " + std::to_string(c.Value));
        EXPECT_EQ(Format(c.Value, c.Pattern), c.Expected);
    }
}

TEST(Format, LiteralsStayWhereTheyStand) {
    const FormatCase cases[] = {
        {12.34, "##.# ", "12.3 "},     {3.14159, " #0.##", " 3.14"},  {5, "abc", "abc"},       {5, "$0", "$5"},
        {-5, "$0", "-$5"},             {2.5, "0.0 s", "2.5 s"},     {42, "<##0>", "<42>"},
        {1234, "0 0", "123 4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Pattern);
        EXPECT_EQ(Format(c.Value, c.Pattern), c.Expected);
    }
}

TEST(Format, ScientificPatterns) {
    const FormatCase cases[] = {
        {2500000, "0.###e+##", "2.5e+6"},   {0.00005, "0.###e+##", "5.e-5"},
        {123456, "0.00E+00", "1.23E+05"},   {0.000012345, "0.###e+##", "1.235e-5"},
        {1e38, "0.###e+##", "1.e+38"},      {-2500000, "0.###e+##", "-2.5e+6"},
        {9.9996e6, "0.###e+##", "1.e+7"},   {0, "0.###e+##", "0.e+0"},
        {123456, "0.00E-00", "1.23E05"},    {0.00123, "0.00E-00", "1.23E-03"},
        {123456, "00.00E+00", "12.35E+04"}, {1.5, "0.0e+000", "1.5e+000"},
        {1e-100, "0.###e+##", "1.e-100"},
        {1.5, "000000000000000000#.0e+0", "1500000000000000000.0e-18"},
        {0.25, "0.0000000000000000000E+00", "2.5000000000000000000E-01"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Pattern) + " " + std::to_string(c.Value));
        EXPECT_EQ(Format(c.Value, c.Pattern), c.Expected);
    }
}

TEST(Format, SectionsAndSigns) {
    const FormatCase cases[] = {
        {-1.5, " ##0.00;-##0.00", "-1.50"},  {1.5, " ##0.00;-##0.00", " 1.50"},
        {0, " ##0.00;-##0.00", " 0.00"},     {-0.001, " ##0.00;-##0.00", " 0.00"},
        {-1.5, "##0.00", "-1.50"},           {-0.001, "##0.00", "0.00"},
        {-0.4, "##0", "0"},                  {-0.00005, "0.###e+##", "-5.e-5"},
        {0, "0.0;-0.0;zero", "zero"},        {-0.01, "0.0;(0.0);nil", "nil"},
        {-2, "0.0;(0.0);nil", "(2.0)"},      {-2, "0.0;;nil", "-2.0"},
        {0, "0.0;-0.0;", "0.0"},             {-12.345, " #####0.##;-#####0.##", "-12.35"},
        {12.345, " #####0.##;-#####0.##", " 12.35"},
        {-0.25, " .##;-.##", "-.25"},        {-123456.4, " ######;-######", "-123456"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Pattern) + " " + std::to_string(c.Value));
        EXPECT_EQ(Format(c.Value, c.Pattern), c.Expected);
    }
    EXPECT_EQ(Format(-2.5, ""), "-2.5");
}

// Odd patterns and texts must neither crash nor read out of bounds (the sanitizers watch).
TEST(Format, AnyPatternOrTextIsSafe) {
    std::mt19937 random(7);
    const std::string alphabet = "0#.;eE+-d 9x";
    const double values[] = {0, -0.0, 1, -1, 0.5, 123456.789, -1e-300, 1e308, -DBL_MAX, 5e-324};
    for (int i = 0; i < 20000; ++i) {
        std::string text(random() % 12, ' ');
        for (char& c : text) c = alphabet[random() % alphabet.size()];
        SCOPED_TRACE(text);
        EXPECT_LE(Format(values[i % std::size(values)], text).size(), 400u);
        EXPECT_TRUE(std::isfinite(Val(text)));
        double parsed = 0;
        if (ParseNumber(text, parsed)) {
            EXPECT_EQ(parsed, Val(text));
        }
    }
}

TEST(FloatText, ShortestSpelling) {
    const struct {
        float Value;
        const char* Expected;
    } cases[] = {
        {0.1f, "0.1"},          {10, "10"},               {-2.5f, "-2.5"},
        {0.0001f, "0.0001"},    {0.00001f, "0.00001"},    {1234567, "1234567"},
        {1e38f, "1E+38"},       {-1e38f, "-1E+38"},       {1e-6f, "1E-06"},
        {1.5e-7f, "1.5E-07"},   {FLT_MAX, "3.4028235E+38"}, {0, "0"},
        {-0.0f, "-0"},          {1e14f, "100000000000000"}, {1e15f, "1E+15"},
        {16777216, "16777216"}, {0.3f, "0.3"},            {1.0f / 3, "0.33333334"},
        {FLT_TRUE_MIN, "1E-45"}, {70, "70"},              {1215, "1215"},
        // The shortest text 7.038531E-26, read as a double, narrows to the next float up.
        {std::bit_cast<float>(0x15AE43FDu), "7.0385307E-26"},
        {std::bit_cast<float>(0x95AE43FDu), "-7.0385307E-26"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Expected);
        EXPECT_EQ(FloatText(c.Value), c.Expected);
    }
}

// The data file promise: whatever text FloatText writes, ParseFloat reads back to the same bits;
// the text also narrows to them when an older reader takes it as a double.
TEST(FloatText, ReadsBackToTheSameBits) {
    auto check = [](float value) {
        const std::string text = FloatText(value);
        float back = 1;
        ASSERT_TRUE(ParseFloat(text, back)) << text;
        ASSERT_EQ(std::bit_cast<std::uint32_t>(back), std::bit_cast<std::uint32_t>(value)) << text;
        double wide = 0;
        ASSERT_TRUE(ParseNumber(text, wide)) << text;
        ASSERT_EQ(static_cast<float>(wide), value) << text;
    };
    // Both zeros, the subnormal range, the ends of the normal range and of some binades.
    for (std::uint32_t b : {0x00000000u, 0x80000000u, 0x00000001u, 0x80000001u, 0x00000002u, 0x007FFFFFu,
                            0x00800000u, 0x7F7FFFFFu, 0xFF7FFFFFu, 0x3F800001u, 0x3F7FFFFFu, 0x15AE43FDu,
                            0x15AE43FEu}) {
        SCOPED_TRACE(b);
        check(std::bit_cast<float>(b));
    }
    std::mt19937 random(20260612);
    std::uniform_int_distribution<std::uint32_t> bits;
    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        const float value = std::bit_cast<float>(bits(random));
        if (!std::isfinite(value)) continue;
        check(value);
        ++checked;
    }
    EXPECT_GT(checked, 190000);
}

TEST(ParseFloat, TakesEveryTextThatRoundsToAFiniteFloat) {
    const struct {
        const char* Text;
        float Expected;
    } good[] = {
        {"3.4028235E+38", FLT_MAX},   {"-3.4028235E+38", -FLT_MAX},  {"3.4028234E+38", FLT_MAX},
        // Just below halfway between the largest float and the next power of two.
        {"3.4028235677973365E+38", FLT_MAX},
        {"1E-45", FLT_TRUE_MIN},      {"8E-46", FLT_TRUE_MIN},       {"7E-46", 0},
        {"1E-50", 0},                 {"1.17549435E-38", FLT_MIN},   {" 0.1 ", 0.1f},
        {"+.5", 0.5f},                {"2d3", 2000},
        // Rounded once: as a double this text lands halfway between two floats.
        {"1.00000005960464477550", 1.0000001f},
    };
    for (const auto& c : good) {
        SCOPED_TRACE(c.Text);
        float value = -1;
        EXPECT_TRUE(ParseFloat(c.Text, value));
        EXPECT_EQ(value, c.Expected);
    }
    float negativeZero = 1;
    EXPECT_TRUE(ParseFloat("-0", negativeZero));
    EXPECT_TRUE(std::signbit(negativeZero));
    const char* bad[] = {"3.4028236E+38", "-3.4028236E+38", "3.40282356779733661637539395458142568448E+38",
                         "1E+39", "", "inf", "nan", "0.1x", "1e"};
    for (const char* text : bad) {
        SCOPED_TRACE(text);
        float value = 42;
        EXPECT_FALSE(ParseFloat(text, value));
        EXPECT_EQ(value, 42);
    }
}

TEST(Characters, CountAndCutUtf8WithoutSplittingOne) {
    EXPECT_EQ(CharacterCount("x²½y"), 4u);
    EXPECT_EQ(CharacterCount(""), 0u);
    EXPECT_EQ(LeadingCharacters("x²½y", 2), "x²");
    EXPECT_EQ(LeadingCharacters("x²½y", 9), "x²½y");
    EXPECT_EQ(LeadingCharacters("é", 0), "");
}

TEST(FormatDate, Tokens) {
    const CalendarDate date{2026, 12, 6};
    const struct {
        const char* Pattern;
        const char* Expected;
    } cases[] = {
        {"dd mmm yy", "06 Dec 26"}, {"dd mmmm yyyy", "06 December 2026"},
        {"d/m/yy", "6/12/26"},      {"mm-dd", "12-06"},
        {"yyyy", "2026"},           {"[d]", "[6]"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Pattern);
        EXPECT_EQ(FormatDate(date, c.Pattern), c.Expected);
    }
    EXPECT_EQ(FormatDate({2003, 5, 31}, "d mmmm yy"), "31 May 03");
    EXPECT_EQ(FormatDate({2000, 9, 1}, "mmm"), "Sep");
    EXPECT_EQ(FormatDate({2000, 13, 1}, "[mmm]"), "[]");
}

}  // namespace quorvane
