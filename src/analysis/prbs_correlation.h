#pragma once

namespace quorvane {

struct Simulation;

/// Cross-correlates the recorded correlator input with the sequence: the impulse response
/// (lags 0..L against lag time, columns 16 and 17) or, by FFT, the frequency response
/// (frequency, magnitude and phase in columns 16, 17 and 18). Sets FftColumnsUsed; the caller
/// then redraws the correlation graph.
void CorrelationAnalysis(Simulation& sim);

}  // namespace quorvane
