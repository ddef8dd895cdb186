#pragma once

namespace quorvane {

class Canvas;
struct Simulation;

/// What FrequencyGraph draws, and where.
inline constexpr int FftOnScreen = 0;
inline constexpr int FftOnPrinter = 1;
inline constexpr int CorrelationOnScreen = 2;
inline constexpr int CorrelationOnPrinter = 3;

/// Plots the analysis columns of the DisplayBuffer: the spectra (X column 11, curves from 12)
/// or the correlation results (X column 16, curves from 17), FftColumnsUsed curves, phases
/// dashed and left open where the phase is undefined. Any other mode shows "Bad FFT Graphics
/// Call" and draws nothing. The spans used are kept in sim.Fft for the click marker.
void FrequencyGraph(Simulation& sim, Canvas& canvas, int mode);

}  // namespace quorvane
