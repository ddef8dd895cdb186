#include "analysis/prbs_correlation.h"

#include <algorithm>

#include "analysis/fft.h"
#include "analysis/spectrum_terms.h"
#include "engine/simulation.h"
#include "platform/circle_constants.h"

namespace quorvane {

namespace {

constexpr int LagColumn = 16;
constexpr int CorrelationColumn = 17;
constexpr int PhaseColumn = 18;

void SetColumn(DisplayBuffer& display, int column, const std::string& title, const std::string& units) {
    display.ColumnTitle[column] = title;
    display.ColumnUnits[column] = units;
    display.ColumnSource[column] = 0;
}

// Circular cross-correlation of one recorded period with the sequence, lags 0..L into rows
// 1..L+1: c(m) = 1/2 sum_{i=1}^{L} record(i) sequence(i - m mod L).
void CorrelateRecord(Simulation& sim) {
    PrbsData& prbs = sim.Prbs;
    DisplayBuffer& display = sim.Display;
    const int length = prbs.Length;
    float* rows = display.Column(CorrelationColumn);
    std::fill(rows, rows + DisplayRowLast + 1, 0.0f);
    SetColumn(display, CorrelationColumn, "PRBS Correlation ", " ");
    for (int i = 1; i <= length + 1; ++i) prbs.PrbsSequence[length + i] = prbs.PrbsSequence[i];
    for (int lag = 0; lag <= length; ++lag) {
        double sum = 0;
        for (int i = 1; i <= length; ++i)
            sum += static_cast<double>(prbs.PrbsRecord[i]) * prbs.PrbsSequence[length + i - lag];
        // Lag L repeats lag 0 and is halved like every other lag.
        rows[lag + 1] = HeldSingle(sum / 2);
    }
}

void FrequencyResponse(Simulation& sim) {
    PrbsData& prbs = sim.Prbs;
    FftState& fft = sim.Fft;
    DisplayBuffer& display = sim.Display;
    const int length = prbs.Length;
    const int half = (length + 1) / 2;
    // Row 0 (always zero) leads, so the 2^n transform inputs are rows 0..L.
    for (int r = 0; r <= length; ++r) fft.Transform[r + 1] = display.At(CorrelationColumn, r);
    const double scale = ScaleTransformInput(fft, half);
    RealFft(fft.Transform, half, 1);
    MagnitudesAndPhases(fft, half, scale);

    SetColumn(display, CorrelationColumn, "Frequency Response", "");
    WriteMagnitudeRows(sim, CorrelationColumn, half, prbs.LogMagnitude);

    SetColumn(display, LagColumn, "Correlation Frequency ", FrequencyUnits(sim.Run));
    // The transform spans L + 1 bit intervals, so bin r lies at r / ((L + 1) bit interval).
    const double span = (length + 1.0) * prbs.BitInterval;
    for (int r = 1; r <= length + 1; ++r) {
        const bool inBand = r < half && span > 0;
        display.At(LagColumn, r) =
            inBand ? FrequencyRowValue(r / span, sim.Run.FrequencyInHz, prbs.LogFrequency, RadiansPerCycle) : 0.0f;
    }

    SetColumn(display, PhaseColumn, "Phase - ", "degrees");
    WritePhaseRows(sim, PhaseColumn, half);
    fft.FftColumnsUsed = prbs.ShowCorrelationPhase ? 2 : 1;
}

}  // namespace

void CorrelationAnalysis(Simulation& sim) {
    PrbsData& prbs = sim.Prbs;
    DisplayBuffer& display = sim.Display;
    CorrelateRecord(sim);
    SetColumn(display, LagColumn, "Correlation Time ", sim.Run.TimeUnits);
    for (int r = 0; r <= prbs.Length; ++r)
        display.At(LagColumn, r + 1) = static_cast<float>(static_cast<double>(r) * prbs.BitInterval);
    if (prbs.ImpulseResponseMode) {
        sim.Fft.FftColumnsUsed = 1;
        return;
    }
    FrequencyResponse(sim);
}

}  // namespace quorvane
