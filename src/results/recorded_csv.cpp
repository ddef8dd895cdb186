#include "results/recorded_csv.h"

#include <cstdio>
#include <ostream>

#include "results/display_buffer.h"

namespace quorvane {

std::string CsvNumber(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return quoted + "\"";
}

void WriteRecordedCsv(const DisplayBuffer& display, std::ostream& out) {
    for (int c = 0; c <= display.ColumnCount; ++c) out << (c ? "," : "") << CsvField(display.ColumnTitle[c]);
    out << "\n";
    for (int row = 1; row <= display.RecordedCount; ++row) {
        for (int c = 0; c <= display.ColumnCount; ++c) out << (c ? "," : "") << CsvNumber(display.At(c, row));
        out << "\n";
    }
}

}  // namespace quorvane
