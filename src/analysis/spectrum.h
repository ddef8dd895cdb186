#pragma once

namespace quorvane {

struct Simulation;

/// What the frequency analysis window should do after an analysis.
enum class FrequencyWindowAction {
    Redraw = 0,   ///< draw the FFT results (the window is shown by drawing)
    Hide = 1,     ///< the recording was too short even after one halving: nothing stored
};

/// Spectrum of DisplayBuffer column `column` (0..10): magnitude and/or phase into the next
/// free analysis columns 12.., the frequency axis into column 11. May halve the FFT half size
/// once when the run recorded too few samples.
FrequencyWindowAction SpectrumOfColumn(Simulation& sim, int column);

/// Ratio of analysis A (column 12) over analysis B into column 14, or in dB their difference.
/// False when refused (its message shown), true when the FFT results should be redrawn.
bool RatioOfAnalyses(Simulation& sim);

}  // namespace quorvane
