#include "cli/result_tables.h"

#include <ostream>
#include <string>

#include "model/simulation.h"
#include "results/recorded_csv.h"

namespace quorvane {

namespace {

std::string Phase(float value) { return value == PhaseUndefinedMarker ? std::string() : CsvNumber(value); }

}  // namespace

void WriteSpectrumCsv(const Simulation& sim, std::ostream& out) {
    const DisplayBuffer& display = sim.Display;
    constexpr int FrequencyColumn = 11;
    constexpr int MagnitudeColumn = 12;
    constexpr int PhaseColumn = 13;
    out << CsvField(display.ColumnTitle[FrequencyColumn]) << "," << CsvField(display.ColumnTitle[MagnitudeColumn])
        << "," << CsvField(display.ColumnTitle[PhaseColumn]) << "\n";
    for (int row = 0; row < sim.Fft.HalfSize; ++row) {
        out << CsvNumber(display.At(FrequencyColumn, row)) << "," << CsvNumber(display.At(MagnitudeColumn, row)) << ","
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
        out << CsvField(display.ColumnTitle[XColumn]) << "," << CsvField(display.ColumnTitle[ValueColumn]) << "\n";
        for (int row = 1; row <= length + 1; ++row)
            out << CsvNumber(display.At(XColumn, row)) << "," << CsvNumber(display.At(ValueColumn, row)) << "\n";
        return;
    }
    out << CsvField(display.ColumnTitle[XColumn]) << "," << CsvField(display.ColumnTitle[ValueColumn]) << ","
        << CsvField(display.ColumnTitle[PhaseColumn]) << "\n";
    // Bins 1 .. (L + 1) / 2 - 1 lie below the Nyquist frequency of the bit interval.
    for (int row = 1; row < (length + 1) / 2; ++row) {
        out << CsvNumber(display.At(XColumn, row)) << "," << CsvNumber(display.At(ValueColumn, row)) << ","
            << Phase(display.At(PhaseColumn, row)) << "\n";
    }
}

}  // namespace quorvane
