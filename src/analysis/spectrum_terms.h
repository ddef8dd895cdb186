#pragma once

#include <span>
#include <string>

namespace quorvane {

class Host;
struct FftState;
struct Settings;
struct Simulation;

/// 2 pi, for frequencies shown in radians per time unit.
inline constexpr double RadiansPerCycle = 6.2831852;

/// Magnitudes and phases of a forward RealFft of 2M points held in fft.Transform:
/// Magnitude[0] = |X(0)| / 2M (the mean), Magnitude[j] = |X(j)| / M for j = 1..M-2,
/// Magnitude[M-1] = |X(M)| / M (Nyquist); Phase[j] for j = 1..M-2, left undefined where both
/// parts are at or below PhaseMinimumLevel times the largest part met.
void MagnitudesAndPhases(FftState& fft, int halfSize);

/// Rows 0..M-1 of `column` take the magnitudes (in dB when `decibels`), rows M..2M-1 are zero.
void WriteMagnitudeRows(Simulation& sim, int column, int halfSize, bool decibels);

/// Rows 1..M-2 of `column` take the phases, rows 0 and M-1 (never computed) the undefined
/// marker, rows M..2M-1 zero.
void WritePhaseRows(Simulation& sim, int column, int halfSize);

/// Replaces the zero (and, defensively, negative) rows by the smallest positive value / 100
/// (1/100 when there is none), reporting each negative value met.
void ReplaceZerosByFloor(Host& ui, std::span<float> rows);

/// Frequency axis units: "Hz" / "rad/s" for seconds, else "Cycles per " / "rad / " + units.
std::string FrequencyUnits(const Settings& run);

/// A frequency as stored in a frequency column: hertz or radians per time unit, as log10 when
/// `logarithmic`. A frequency that is not positive is stored as 0 in log form.
float FrequencyRowValue(double cyclesPerUnit, bool inHz, bool logarithmic);

}  // namespace quorvane
