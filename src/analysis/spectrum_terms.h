#pragma once

#include <span>
#include <string>

namespace quorvane {

class Host;
struct FftState;
struct Settings;
struct Simulation;

/// A value held within the single range for the result columns; a NaN, which only an
/// overflowed sum produces, counts as the largest value.
float HeldSingle(double value);

/// Divides the transform inputs 1..2M by a power of two when their sum could leave the single
/// range (2M times the largest input above 2^100), so the single-precision transform cannot
/// overflow. Returns the factor the magnitudes are to be multiplied by (1 when none was needed).
double ScaleTransformInput(FftState& fft, int halfSize);

/// Magnitudes and phases of a forward RealFft of 2M points held in fft.Transform, whose inputs
/// were divided by `inputScale`: Magnitude[0] = |X(0)| / 2M (the mean), Magnitude[j] = |X(j)| / M
/// for j = 1..M-2, Magnitude[M-1] = |X(M)| / M (Nyquist), each times `inputScale`; Phase[j] for
/// j = 1..M-2, left undefined where both parts are at or below PhaseMinimumLevel times the
/// largest part met.
void MagnitudesAndPhases(FftState& fft, int halfSize, double inputScale = 1.0);

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

/// A frequency as stored in a frequency column: hertz, or radians per time unit at
/// `radiansPerCycle` radians a cycle; as log10 when `logarithmic`. A frequency that is not
/// positive is stored as 0 in log form.
float FrequencyRowValue(double cyclesPerUnit, bool inHz, bool logarithmic, double radiansPerCycle);

}  // namespace quorvane
