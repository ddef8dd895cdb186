#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cstdint>
#include <functional>
#include <limits>

#include "platform/text.h"
#include "storage/line_reader.h"
#include "storage/line_writer.h"

namespace quorvane {
namespace {

TEST(LineWriter, KeepsATextOnOneLine) {
    LineWriter out;
    out.Text("two\r\nlines");
    EXPECT_EQ(out.Result(), "\"two  lines\"\r\n");
}

// Whatever the writer writes, the reader reads back to the same bits, also as numbers that may
// never have been set (FloatText.ReadsBackToTheSameBits sweeps random bit patterns).
TEST(LineValues, EveryFloatClassReadsBackToItsBits) {
    const std::vector<float> values = {FLT_MAX, -FLT_MAX, FLT_MIN, -FLT_MIN, FLT_TRUE_MIN, -FLT_TRUE_MIN,
                                       std::bit_cast<float>(0x007FFFFFu), 0.0f, -0.0f, 1e38f, -1e38f, 0.1f,
                                       std::bit_cast<float>(0x15AE43FDu)};
    LineWriter out;
    for (float value : values) {
        out.Float(value);
        out.Number(value);
    }
    LineReader in(out.Result());
    for (float value : values) {
        SCOPED_TRACE(FloatText(value));
        ASSERT_EQ(std::bit_cast<std::uint32_t>(in.Float()), std::bit_cast<std::uint32_t>(value));
        ASSERT_EQ(std::bit_cast<std::uint32_t>(static_cast<float>(in.Number().value())),
                  std::bit_cast<std::uint32_t>(value));
    }
    EXPECT_TRUE(in.AtEnd());
}

TEST(LineValues, NumbersNearTheFloatLimitAreTakenAndKeptWithinIt) {
    // The largest float is written 3.4028235E+38, a hair above it as a double; hand-typed texts
    // that round to it are taken too.
    LineReader in("3.4028235E+38\r\n-3.4028234E+38\r\n3.4028235E+38\r\n");
    EXPECT_EQ(in.Float(), FLT_MAX);
    EXPECT_EQ(in.Float(), -FLT_MAX);
    EXPECT_EQ(in.Number(), static_cast<double>(FLT_MAX));

    LineWriter out;
    out.Number(1e300);
    out.Number(-1e39);
    EXPECT_EQ(out.Result(), "3.4028235E+38\r\n-3.4028235E+38\r\n");
}

TEST(LineValues, TextsAreShortLabels) {
    const std::string longest(LongestText, 'x');
    // Two bytes a character: the limit counts characters, not bytes.
    std::string wide;
    for (std::size_t i = 0; i < LongestText; ++i) wide += "\xC3\xA9";
    LineWriter out;
    out.Text(longest);
    out.Text(wide);
    out.Text(longest + "yz");
    LineReader in(out.Result());
    EXPECT_EQ(in.Text(), longest);
    EXPECT_EQ(in.Text(), wide);
    EXPECT_EQ(in.Text(), longest);   // cut when written, so the file still loads

    const std::string file = "\"a\"\r\n\"" + longest + "y\"\r\n";
    LineReader tooLong(file);
    tooLong.Text();
    try {
        tooLong.Text();
        ADD_FAILURE() << "accepted";
    } catch (const DataFileError& error) {
        EXPECT_STREQ(error.what(), "Text of more than 4096 characters in line 2");
    }
}

TEST(LineReader, AcceptsTheWrittenFormsWhateverTheLineEnd) {
    LineReader in("\"a \"quoted\" title\"\r\n-70\n0.1\r1E+38\r\n#TRUE#\r\n\r\n\"BlockNo:\",3\r\n\"\"\r\n32767\r\n");
    EXPECT_EQ(in.Text(), "a \"quoted\" title");
    EXPECT_EQ(in.Integer(), -70);
    EXPECT_EQ(in.Float(), 0.1f);
    EXPECT_EQ(in.Float(), 1e38f);
    EXPECT_TRUE(in.Boolean());
    EXPECT_EQ(in.Number(), std::nullopt);
    EXPECT_EQ(in.Marker(), (std::pair<std::string, int>{"BlockNo:", 3}));
    EXPECT_EQ(in.Text(), "");
    EXPECT_EQ(in.ShortInteger(), 32767);
    EXPECT_EQ(in.LineNumber(), 9);
    EXPECT_TRUE(in.AtEnd());
}

TEST(LineReader, RefusesValuesOfTheWrongKind) {
    using Read = std::function<void(LineReader&)>;
    const Read integer = [](LineReader& in) { in.Integer(); };
    const Read shortInteger = [](LineReader& in) { in.ShortInteger(); };
    const Read number = [](LineReader& in) { in.Float(); };
    const Read optional = [](LineReader& in) { in.Number(); };
    const Read boolean = [](LineReader& in) { in.Boolean(); };
    const Read text = [](LineReader& in) { in.Text(); };
    const Read marker = [](LineReader& in) { in.Marker(); };
    const std::vector<std::pair<std::string, Read>> cases = {
        {" 70", integer},         {"70.0", integer},  {"+70", integer},      {"", integer},
        {"2147483648", integer},  {"\"70\"", integer}, {"32768", shortInteger}, {"", number},
        {"1E+39", number},        {"3.4028236E+38", number}, {"inf", number},    {"nan", number},       {"0.1x", number},
        {"-1E+39", optional},     {"abc", optional},  {"TRUE", boolean},     {"#true#", boolean},
        {"Title", text},          {"\"", text},       {"\"open", text},      {"\"BlockNo:\"", marker},
        {"\"BlockNo:\",", marker}, {"BlockNo:,3", marker},
    };
    for (const auto& [line, read] : cases) {
        SCOPED_TRACE("[" + line + "]");
        const std::string text = "\"first\"\r\n" + line + "\r\n";
        LineReader in(text);
        in.Text();
        try {
            read(in);
            ADD_FAILURE() << "accepted";
        } catch (const DataFileError& error) {
            EXPECT_STREQ(error.what(), "Type mismatch in line 2");
        }
    }
}

}  // namespace
}  // namespace quorvane
