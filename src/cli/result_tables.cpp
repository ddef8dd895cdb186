#include "cli/result_tables.h"

#include <cmath>
#include <cstdio>
#include <ostream>
#include <string>

#include "model/simulation.h"

namespace quorvane {

namespace {

std::string Number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

/// A title as a CSV field: quoted when it holds a comma or a quote.
std::string Field(const std::string& text) {
    if (text.find_first_of(",\"") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return quoted + "\"";
}

std::string Phase(float value) { return value == PhaseUndefinedMarker ? std::string() : Number(value); }

}  // namespace

void WriteRecordedCsv(const Simulation& sim, std::ostream& out) {
    const DisplayBuffer& display = sim.Display;
    for (int c = 0; c <= display.ColumnCount; ++c) out << (c ? "," : "") << Field(display.ColumnTitle[c]);
    out << "\n";
    for (int row = 1; row <= display.RecordedCount; ++row) {
        for (int c = 0; c <= display.ColumnCount; ++c) out << (c ? "," : "") << Number(display.At(c, row));
        out << "\n";
    }
}

void WriteSpectrumCsv(const Simulation& sim, std::ostream& out) {
    const DisplayBuffer& display = sim.Display;
    constexpr int FrequencyColumn = 11;
    constexpr int MagnitudeColumn = 12;
    constexpr int PhaseColumn = 13;
    out << Field(display.ColumnTitle[FrequencyColumn]) << "," << Field(display.ColumnTitle[MagnitudeColumn]) << ","
        << Field(display.ColumnTitle[PhaseColumn]) << "\n";
    for (int row = 0; row < sim.Fft.HalfSize; ++row) {
        out << Number(display.At(FrequencyColumn, row)) << "," << Number(display.At(MagnitudeColumn, row)) << ","
            << Phase(display.At(PhaseColumn, row)) << "\n";
    }
}

void WriteCorrelationCsv(const Simulation& sim, std::ostream& out) {
    const DisplayBuffer& display = sim.Display;
    constexpr int XColumn = 16;
    constexpr int ValueColumn = 17;
    constexpr int PhaseColumn = 18;
    const int length = sim.Prbs.Length;
    if (sim.Prbs.ImpulseResponseMode) {
        out << Field(display.ColumnTitle[XColumn]) << "," << Field(display.ColumnTitle[ValueColumn]) << "\n";
        for (int row = 1; row <= length + 1; ++row)
            out << Number(display.At(XColumn, row)) << "," << Number(display.At(ValueColumn, row)) << "\n";
        return;
    }
    out << Field(display.ColumnTitle[XColumn]) << "," << Field(display.ColumnTitle[ValueColumn]) << ","
        << Field(display.ColumnTitle[PhaseColumn]) << "\n";
    // Bins 1 .. (L + 1) / 2 - 1 lie below the Nyquist frequency of the bit interval.
    for (int row = 1; row < (length + 1) / 2; ++row) {
        out << Number(display.At(XColumn, row)) << "," << Number(display.At(ValueColumn, row)) << ","
            << Phase(display.At(PhaseColumn, row)) << "\n";
    }
}

}  // namespace quorvane
