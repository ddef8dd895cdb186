#include "analysis/spectrum_terms.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/fft.h"
#include "engine/simulation.h"
#include "platform/text.h"

namespace quorvane {

float HeldSingle(double value) {
    constexpr double Largest = std::numeric_limits<float>::max();
    if (std::isnan(value)) return static_cast<float>(Largest);
    return static_cast<float>(std::clamp(value, -Largest, Largest));
}

double ScaleTransformInput(FftState& fft, int halfSize) {
    constexpr double SafeSum = 0x1p100;
    double peak = 0;
    for (int k = 1; k <= 2 * halfSize; ++k) peak = std::fmax(peak, std::fabs(fft.Transform[k]));
    const double sum = peak * 2 * halfSize;
    if (sum <= SafeSum) return 1.0;
    // A power of two divides every single value exactly, so only the range changes.
    const double scale = std::exp2(std::ceil(std::log2(sum / SafeSum)));
    for (int k = 1; k <= 2 * halfSize; ++k) fft.Transform[k] = static_cast<float>(fft.Transform[k] / scale);
    return scale;
}

void MagnitudesAndPhases(FftState& fft, int halfSize, double inputScale) {
    const std::vector<float>& b = fft.Transform;
    const int m = halfSize;
    fft.Magnitude[0] = HeldSingle(std::fabs(b[1]) / (2.0 * m) * inputScale);
    double peak = 0;
    for (int k = 2; k <= m - 1; ++k) {
        const double re = b[2 * k - 1];
        const double im = b[2 * k];
        fft.Magnitude[k - 1] = HeldSingle(std::sqrt(im * im + re * re) / m * inputScale);
        peak = std::fmax(peak, std::fmax(std::fabs(re), std::fabs(im)));
    }
    fft.Magnitude[m - 1] = HeldSingle(std::fabs(b[2]) / m * inputScale);

    // Phases of components lost in rounding noise are meaningless; hide those below the floor.
    const double threshold = fft.PhaseMinimumLevel * peak;
    for (int k = 2; k <= m - 1; ++k) {
        const double re = b[2 * k - 1];
        const double im = b[2 * k];
        fft.Phase[k - 1] = std::fabs(im) <= threshold && std::fabs(re) <= threshold
                               ? PhaseUndefinedMarker
                               : PhaseDegrees(im, re);
    }
}

void WriteMagnitudeRows(Simulation& sim, int column, int halfSize, bool decibels) {
    float* rows = sim.Display.Column(column);
    for (int row = 0; row < halfSize; ++row) rows[row] = sim.Fft.Magnitude[row];
    for (int row = halfSize; row < 2 * halfSize; ++row) rows[row] = 0;
    if (!decibels) return;
    ReplaceZerosByFloor(sim.Ui, std::span<float>(rows, static_cast<std::size_t>(halfSize)));
    for (int row = 0; row < halfSize; ++row)
        rows[row] = static_cast<float>(20.0 * std::log(static_cast<double>(rows[row])) / std::log(10.0));
}

void WritePhaseRows(Simulation& sim, int column, int halfSize) {
    float* rows = sim.Display.Column(column);
    rows[0] = PhaseUndefinedMarker;
    for (int row = 1; row <= halfSize - 2; ++row) rows[row] = sim.Fft.Phase[row];
    rows[halfSize - 1] = PhaseUndefinedMarker;
    for (int row = halfSize; row < 2 * halfSize; ++row) rows[row] = 0;
}

void ReplaceZerosByFloor(Host& ui, std::span<float> rows) {
    double smallest = std::numeric_limits<double>::infinity();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const double value = rows[row];
        if (value < 0) ui.Message("magnitude negative " + Str(value) + " Index " + Str(static_cast<double>(row)));
        if (value > 0 && value < smallest) smallest = value;
    }
    // Kept a normal single so that later logarithms and quotients stay finite.
    const double floor = std::fmax((std::isinf(smallest) ? 1.0 : smallest) / 100.0,
                                   static_cast<double>(std::numeric_limits<float>::min()));
    for (float& value : rows)
        if (value <= 0) value = static_cast<float>(floor);
}

std::string FrequencyUnits(const Settings& run) {
    const bool seconds = run.TimeUnits == "sec" || run.TimeUnits == "secs";
    if (run.FrequencyInHz) return seconds ? "Hz" : "Cycles per " + run.TimeUnits;
    return seconds ? "rad/s" : "rad / " + run.TimeUnits;
}

float FrequencyRowValue(double cyclesPerUnit, bool inHz, bool logarithmic, double radiansPerCycle) {
    const double frequency = inHz ? cyclesPerUnit : radiansPerCycle * cyclesPerUnit;
    if (!logarithmic) return static_cast<float>(frequency);
    return frequency > 0 ? static_cast<float>(std::log(frequency) / std::log(10.0)) : 0.0f;
}

}  // namespace quorvane
