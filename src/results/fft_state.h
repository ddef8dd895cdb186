#pragma once

#include <vector>

namespace quorvane {

/// Stored wherever a phase is undefined; the frequency display recognises it.
inline constexpr float PhaseUndefinedMarker = -1.23456f;
inline constexpr int FftWorkLast = 32768;   ///< work arrays are indexed 0..32768

/// FFT sizing, spectrum options and the frequency display's switches.
struct FftState {
    int TargetSize = 1024;           ///< N: 512, 1024, 2048, 4096 or 8192
    int TargetExponent = 10;         ///< log2 N
    int HalfSize = 512;              ///< M; the active length is 2M
    float SampleInterval = 0;        ///< seconds between FFT input samples
    float PhaseMinimumLevel = 0.05f; ///< fraction of the largest component below which no phase is shown
    int PrimaryColumn = 1;           ///< DisplayBuffer column of analysis A
    int ComparisonColumn = 0;        ///< analysis B; 0 = none
    int FftColumnsUsed = 0;          ///< the next result goes to column 11 + FftColumnsUsed
    bool ShowMagnitude = true;
    bool ShowPhase = false;
    bool FftFlag = false;            ///< the FFT flag kept with the display switches in the data file
    bool LogFrequency = false;
    bool DbMagnitude = false;
    int DerivativeClass = 0;         ///< 0, 1 or 2, set by the automatic time-step sizing
    int DeltaMode = 0;

    /// Frequency display (Fplot) state.
    int ShowSymbols = 0;             ///< 1 / 0
    bool ComparisonActive = false;
    float YRange = 0;
    float XRange = 0;

    /// Single-precision work arrays 0..32768: transform buffer (1-based), magnitudes, phases.
    std::vector<float> Transform = std::vector<float>(FftWorkLast + 1, 0.0f);
    std::vector<float> Magnitude = std::vector<float>(FftWorkLast + 1, 0.0f);
    std::vector<float> Phase = std::vector<float>(FftWorkLast + 1, 0.0f);
};

}  // namespace quorvane
