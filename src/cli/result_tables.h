#pragma once

#include <iosfwd>

namespace quorvane {

struct Simulation;

/// The spectrum just computed into the analysis columns: header, then rows 0..M-1 with
/// frequency, magnitude and phase (an undefined phase as an empty field).
void WriteSpectrumCsv(const Simulation& sim, std::ostream& out);

/// The correlation just computed: lag and value (impulse response, rows of lags 0..L), or
/// frequency, magnitude and phase (frequency response, the frequency rows).
void WriteCorrelationCsv(const Simulation& sim, std::ostream& out);

}  // namespace quorvane
