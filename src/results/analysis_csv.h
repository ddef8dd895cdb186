#pragma once

#include <iosfwd>

namespace quorvane {

struct DisplayBuffer;
struct FftState;
struct PrbsData;

/// Which rows of the analysis columns a table holds: the X column (frequency or lag time), then
/// `Curves` result columns after it, for rows FirstRow..LastRow.
struct AnalysisRows {
    int XColumn = 11;
    int Curves = 0;
    int FirstRow = 0;
    int LastRow = -1;
};

/// The spectra: frequency column 11 and `curves` results from column 12, rows 0..M-1 (row 0 is
/// the mean, row M-1 the Nyquist term).
AnalysisRows SpectrumRows(const FftState& fft, int curves);

/// The correlation: lag time and value, rows of lags 0..L (impulse response), or frequency,
/// magnitude and, when `curves` is 2, phase for the bins below the bit interval's Nyquist
/// frequency (frequency response).
AnalysisRows CorrelationRows(const PrbsData& prbs, int curves);

/// The rows as CSV: a header of the column titles, then one line per row; an undefined phase is
/// an empty field.
void WriteAnalysisCsv(const DisplayBuffer& display, const AnalysisRows& rows, std::ostream& out);

}  // namespace quorvane
