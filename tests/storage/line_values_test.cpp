#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "storage/line_reader.h"
#include "storage/line_writer.h"

namespace quorvane {
namespace {

TEST(LineWriter, KeepsATextOnOneLine) {
    LineWriter out;
    out.Text("two\r\nlines");
    EXPECT_EQ(out.Result(), "\"two  lines\"\r\n");
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
        {"1E+39", number},        {"inf", number},    {"nan", number},       {"0.1x", number},
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
