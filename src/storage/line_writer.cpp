#include "storage/line_writer.h"

#include <algorithm>
#include <limits>

#include "platform/text.h"
#include "storage/line_reader.h"

namespace quorvane {

void LineWriter::AppendQuoted(std::string_view text) {
    Out += '"';
    for (char c : text) Out += (c == '\r' || c == '\n') ? ' ' : c;
    Out += '"';
}

void LineWriter::Text(std::string_view text) {
    AppendQuoted(LeadingCharacters(text, LongestText));
    EndLine();
}

void LineWriter::Integer(long long value) {
    Out += std::to_string(value);
    EndLine();
}

void LineWriter::Float(float value) {
    Out += FloatText(value);
    EndLine();
}

void LineWriter::Boolean(bool value) {
    Out += value ? "#TRUE#" : "#FALSE#";
    EndLine();
}

void LineWriter::Number(const std::optional<double>& value) {
    constexpr double Largest = std::numeric_limits<float>::max();
    if (value) Out += FloatText(static_cast<float>(std::clamp(*value, -Largest, Largest)));
    EndLine();
}

void LineWriter::Marker(std::string_view text, int value) {
    AppendQuoted(text);
    Out += ',';
    Out += std::to_string(value);
    EndLine();
}

}  // namespace quorvane
