#include "results/analysis_csv.h"

#include <algorithm>
#include <ostream>

#include "results/display_buffer.h"
#include "results/fft_state.h"
#include "results/prbs_state.h"
#include "results/recorded_csv.h"

namespace quorvane {

namespace {

constexpr int SpectrumXColumn = 11;
constexpr int SpectrumLastColumn = 15;
constexpr int CorrelationXColumn = 16;
constexpr int CorrelationLastColumn = 18;

}  // namespace

AnalysisRows SpectrumRows(const FftState& fft, int curves) {
    return {SpectrumXColumn, std::clamp(curves, 0, SpectrumLastColumn - SpectrumXColumn), 0, fft.HalfSize - 1};
}

AnalysisRows CorrelationRows(const PrbsData& prbs, int curves) {
    const int length = prbs.Length;
    if (prbs.ImpulseResponseMode) return {CorrelationXColumn, 1, 1, length + 1};
    // Bins 1 .. (L + 1) / 2 - 1 lie below the Nyquist frequency of the bit interval.
    return {CorrelationXColumn, std::clamp(curves, 1, CorrelationLastColumn - CorrelationXColumn), 1,
            (length + 1) / 2 - 1};
}

void WriteAnalysisCsv(const DisplayBuffer& display, const AnalysisRows& rows, std::ostream& out) {
    const int last = rows.XColumn + rows.Curves;
    for (int column = rows.XColumn; column <= last; ++column)
        out << (column > rows.XColumn ? "," : "") << CsvField(display.ColumnTitle[column]);
    out << "\n";
    const int lastRow = std::min(rows.LastRow, DisplayRowLast);
    for (int row = std::max(rows.FirstRow, 0); row <= lastRow; ++row) {
        for (int column = rows.XColumn; column <= last; ++column) {
            const float value = display.At(column, row);
            const bool undefined = display.ColumnUnits[column] == "degrees" && value == PhaseUndefinedMarker;
            out << (column > rows.XColumn ? "," : "") << (undefined ? std::string() : CsvNumber(value));
        }
        out << "\n";
    }
}

}  // namespace quorvane
