#include "analysis/spectrum.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <limits>

#include "analysis/fft.h"
#include "analysis/nice_interval.h"
#include "analysis/spectrum_terms.h"
#include "engine/simulation.h"
#include "platform/circle_constants.h"
#include "platform/text.h"

namespace quorvane {

namespace {

constexpr int FrequencyColumn = 11;
constexpr int FirstResultColumn = 12;
constexpr int MaxResultColumns = 5;
constexpr int LastResultColumn = 15;
constexpr int SmallestHalfSize = 64;

// Rows recorded per FFT input sample when the FFT samples more coarsely than the recording.
int DecimationRatio(const Simulation& sim) {
    const double sampleInterval = sim.Fft.SampleInterval;
    const double displayInterval = sim.Status.MinDisplayInterval;
    if (displayInterval > 0 && sampleInterval > displayInterval)
        return std::max(1, RoundToInteger(sampleInterval / displayInterval));
    return 1;
}

// The FFT needs 2M decimated samples; one halving of M is tried before giving up.
bool FitLength(Simulation& sim, int ratio) {
    // A half size read from a data file need not be a power of two; the transform needs one.
    sim.Fft.HalfSize = static_cast<int>(std::bit_floor(static_cast<unsigned>(std::max(1, sim.Fft.HalfSize))));
    const double available = static_cast<double>(sim.Display.RecordedCount) / ratio;
    if (available >= 2.0 * sim.Fft.HalfSize) return true;
    sim.Ui.Message("Automatically resizing FFT to " + Str(sim.Fft.HalfSize) + " to optimise all requirements");
    sim.Fft.HalfSize = RoundToInteger(sim.Fft.HalfSize / 2.0);
    if (sim.Fft.HalfSize < SmallestHalfSize) return false;
    if (available < 2.0 * sim.Fft.HalfSize) {
        sim.Ui.Message("FFT Resizing failed  - try adjusting stop time by 10%");
        return false;
    }
    return true;
}

// Before any FFT-sized run the sample interval may be unset; the recording spacing stands in.
double SpacingOfSamples(const Simulation& sim) {
    if (sim.Fft.SampleInterval > 0) return sim.Fft.SampleInterval;
    return sim.Status.MinDisplayInterval > 0 ? sim.Status.MinDisplayInterval : 0.0;
}

void WriteFrequencyColumn(Simulation& sim, int halfSize) {
    DisplayBuffer& display = sim.Display;
    display.ColumnTitle[FrequencyColumn] = "Frequency ";
    display.ColumnUnits[FrequencyColumn] = FrequencyUnits(sim.Run);
    display.ColumnSource[FrequencyColumn] = 0;
    const double span = 2.0 * halfSize * SpacingOfSamples(sim);
    if (span <= 0) return;
    display.At(FrequencyColumn, 0) = static_cast<float>(-1.0 / span);
    for (int j = 1; j <= halfSize; ++j) {
        display.At(FrequencyColumn, j) =
            FrequencyRowValue(j / span, sim.Run.FrequencyInHz, sim.Fft.LogFrequency, TwoPiSixFigures);
    }
}

}  // namespace

FrequencyWindowAction SpectrumOfColumn(Simulation& sim, int column) {
    assert(column >= 0 && column <= MaxDisplaySeries);
    FftState& fft = sim.Fft;
    DisplayBuffer& display = sim.Display;
    const int ratio = DecimationRatio(sim);
    if (!FitLength(sim, ratio)) return FrequencyWindowAction::Hide;
    const int m = fft.HalfSize;

    // No mean removal and no window: the mean is reported as its own term.
    for (int k = 1; k <= 2 * m; ++k) fft.Transform[k] = display.At(column, (k - 1) * ratio + 1);
    const double scale = ScaleTransformInput(fft, m);
    RealFft(fft.Transform, m, 1);
    MagnitudesAndPhases(fft, m, scale);

    if (fft.FftColumnsUsed >= MaxResultColumns) {
        sim.Ui.Message("No free display buffer for FFT display");
        return FrequencyWindowAction::Redraw;
    }
    // Results stay within the FFT's own columns so that the correlation's 16..18 survive.
    bool dropped = false;
    const auto nextColumn = [&]() {
        if (FrequencyColumn + fft.FftColumnsUsed + 1 > LastResultColumn) {
            dropped = true;
            return 0;
        }
        return FrequencyColumn + ++fft.FftColumnsUsed;
    };
    if (fft.ShowMagnitude) {
        if (const int target = nextColumn()) {
            display.ColumnTitle[target] = "Magnitude - " + display.ColumnTitle[column];
            display.ColumnUnits[target] = display.ColumnUnits[column];
            display.ColumnSource[target] = 0;
            WriteMagnitudeRows(sim, target, m, fft.DbMagnitude);
        }
    }
    if (fft.ShowPhase) {
        if (const int target = nextColumn()) {
            display.ColumnTitle[target] = "Phase - " + display.ColumnTitle[column];
            display.ColumnUnits[target] = "degrees";
            display.ColumnSource[target] = 0;
            WritePhaseRows(sim, target, m);
        }
    }
    if (dropped) sim.Ui.Message("No free display buffer for FFT display");
    WriteFrequencyColumn(sim, m);
    return FrequencyWindowAction::Redraw;
}

bool RatioOfAnalyses(Simulation& sim) {
    FftState& fft = sim.Fft;
    DisplayBuffer& display = sim.Display;
    if (!fft.ShowMagnitude) {
        sim.Ui.Message("Need to select Magnitude for comparison");
        return false;
    }
    const auto valid = [&](int c) { return c >= 1 && c <= display.ColumnCount; };
    if (!valid(fft.PrimaryColumn) || !valid(fft.ComparisonColumn)) {
        sim.Ui.Message("two valid analysis needed");
        return false;
    }
    const int m = fft.HalfSize;
    constexpr int a = FirstResultColumn;
    constexpr int b = FirstResultColumn + 1;
    constexpr int ratio = FirstResultColumn + 2;
    if (fft.ShowPhase) {
        // A-magnitude, A-phase, B-magnitude, B-phase becomes A-magnitude, B-magnitude.
        for (int row = 0; row < m; ++row) display.At(b, row) = display.At(ratio, row);
        display.ColumnTitle[b] = display.ColumnTitle[ratio];
        display.ColumnUnits[b] = display.ColumnUnits[ratio];
        display.ColumnSource[b] = display.ColumnSource[ratio];
        fft.ShowPhase = false;
    }
    display.ColumnTitle[ratio] = "Ratio ";
    display.ColumnUnits[ratio] = " ";
    display.ColumnSource[ratio] = 0;
    if (!fft.DbMagnitude)
        ReplaceZerosByFloor(sim.Ui, std::span<float>(display.Column(b), static_cast<std::size_t>(m)));
    const int lastRow = std::min(display.RecordedCount, DisplayRowLast);
    for (int row = 1; row <= lastRow; ++row) {
        float& out = display.At(ratio, row);
        if (row >= m)
            out = 0;
        else if (fft.DbMagnitude)
            out = display.At(a, row) - display.At(b, row);
        else
            out = HeldSingle(static_cast<double>(display.At(a, row)) / display.At(b, row));
    }

    // The ratio's axis is always in cycles per time unit.
    const bool seconds = sim.Run.TimeUnits == "sec" || sim.Run.TimeUnits == "secs";
    display.ColumnTitle[FrequencyColumn] = "Frequency ";
    display.ColumnUnits[FrequencyColumn] = seconds ? "Hz" : sim.Run.TimeUnits + "^-1";
    const double span = 2.0 * m * SpacingOfSamples(sim);
    for (int j = 1; j <= m && span > 0; ++j)
        display.At(FrequencyColumn, j) = FrequencyRowValue(j / span, true, fft.LogFrequency, TwoPiSixFigures);
    fft.FftColumnsUsed = 3;
    return true;
}

}  // namespace quorvane
