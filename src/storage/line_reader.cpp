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

std::string LineReader::Text() { return std::string(QuotedIn(NextLine())); }

int LineReader::Integer() {
    return static_cast<int>(IntegerIn(NextLine(), std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int LineReader::ShortInteger() {
    return static_cast<int>(IntegerIn(NextLine(), std::numeric_limits<short>::min(), std::numeric_limits<short>::max()));
}

double LineReader::FloatIn(std::string_view text) const {
    double value = 0;
    if (!ParseNumber(text, value) || !std::isfinite(value) ||
        std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
        Mismatch();
    }
    return value;
}

float LineReader::Float() { return static_cast<float>(FloatIn(NextLine())); }

bool LineReader::Boolean() {
    const std::string_view line = NextLine();
    if (line == "#TRUE#") return true;
    if (line == "#FALSE#") return false;
    Mismatch();
}

std::optional<double> LineReader::Number() {
    const std::string_view line = NextLine();
    if (line.empty()) return std::nullopt;
    return FloatIn(line);
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
