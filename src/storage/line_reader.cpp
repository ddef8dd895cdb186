#include "storage/line_reader.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/text.h"

namespace quorvane {

std::string_view LineReader::NextLine() {
    if (Rest.empty()) throw DataFileEnd(Current);
    const std::size_t end = Rest.find_first_of("\r\n");
    std::string_view line = Rest.substr(0, end);
    if (end == std::string_view::npos) {
        Rest = {};
    } else {
        const bool crlf = Rest[end] == '\r' && end + 1 < Rest.size() && Rest[end + 1] == '\n';
        Rest.remove_prefix(end + (crlf ? 2 : 1));
    }
    ++Current;
    return line;
}

void LineReader::Fail(const std::string& what) const {
    throw DataFileError(what + " in line " + std::to_string(Current));
}

void LineReader::Mismatch() const { Fail("Type mismatch"); }

long long LineReader::IntegerIn(std::string_view text, long long low, long long high) const {
    long long value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    // from_chars takes no leading '+' and no blanks, which is exactly the written form.
    const auto [end, error] = std::from_chars(first, last, value);
    if (text.empty() || error != std::errc{} || end != last || value < low || value > high) Mismatch();
    return value;
}

std::string_view LineReader::QuotedIn(std::string_view text) const {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') Mismatch();
    return text.substr(1, text.size() - 2);
}

std::string LineReader::Text() {
    const std::string_view text = QuotedIn(NextLine());
    if (text.size() > LongestText && CharacterCount(text) > LongestText)
        Fail("Text of more than " + std::to_string(LongestText) + " characters");
    return std::string(text);
}

int LineReader::Integer() {
    return static_cast<int>(IntegerIn(NextLine(), std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int LineReader::ShortInteger() {
    return static_cast<int>(IntegerIn(NextLine(), std::numeric_limits<short>::min(), std::numeric_limits<short>::max()));
}

float LineReader::FloatIn(std::string_view text) const {
    float value = 0;
    if (!ParseFloat(text, value)) Mismatch();
    return value;
}

float LineReader::Float() { return FloatIn(NextLine()); }

bool LineReader::Boolean() {
    const std::string_view line = NextLine();
    if (line == "#TRUE#") return true;
    if (line == "#FALSE#") return false;
    Mismatch();
}

std::optional<double> LineReader::Number() {
    const std::string_view line = NextLine();
    if (line.empty()) return std::nullopt;
    const float narrow = FloatIn(line);
    // Kept as written, so a value set as a double saves and loads unchanged; a text just beyond
    // the largest float is held as the float it rounds to, and a zero keeps its sign.
    double value = 0;
    ParseNumber(line, value);
    if (value == 0 || std::fabs(value) > std::numeric_limits<float>::max()) return narrow;
    return value;
}

std::pair<std::string, int> LineReader::Marker() {
    const std::string_view line = NextLine();
    const std::size_t comma = line.rfind(',');
    if (comma == std::string_view::npos) Mismatch();
    const std::string_view text = QuotedIn(line.substr(0, comma));
    const long long value =
        IntegerIn(line.substr(comma + 1), std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    return {std::string(text), static_cast<int>(value)};
}

std::string LineReader::Line() { return std::string(NextLine()); }

}  // namespace quorvane
