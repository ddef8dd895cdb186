#include "forms/frequency_window.h"

#include <algorithm>
#include <cmath>

#include "analysis/spectrum.h"
#include "drawing/frequency_graph.h"
#include "engine/simulation.h"
#include "platform/text.h"

namespace quorvane {

namespace {

constexpr int PictureWidthAllowance = 2000;
constexpr int PictureHeightAllowance = 1400;
constexpr int ButtonGap = 350;
// The check boxes stand below the row of buttons rather than beside it.
constexpr int BoxGap = 800;
constexpr int ListGap = 200;
constexpr int RightMargin = 100;
/// A window shrunk below its controls keeps a picture that can still be drawn.
constexpr int SmallestPicture = 300;

bool Busy(const Simulation& sim) { return sim.Status.WindowsBusy == 1; }

bool IsSeries(const Simulation& sim, int column) { return column >= 1 && column <= sim.Display.ColumnCount; }

FrequencyView Outcome(FrequencyWindowAction action) {
    return action == FrequencyWindowAction::Hide ? FrequencyView::Hide : FrequencyView::Draw;
}

/// Nothing to draw without analysis A and B.
FrequencyView Drawing(const FrequencyWindowState& state) {
    return state.Curves == 0 && state.PrimaryUnallocated ? FrequencyView::Clear : FrequencyView::Draw;
}

bool IsColumn(const Simulation& sim, int column) { return column >= 0 && column <= sim.Display.ColumnCount; }

/// Whether a comparison B is chosen: a series, or "Time" when the list chose it.
bool Comparing(const Simulation& sim, const FrequencyWindowState& state) {
    const int column = sim.Fft.ComparisonColumn;
    return state.ComparisonChosen ? IsColumn(sim, column) : IsSeries(sim, column);
}

/// A afresh, then B when `comparison` is set, then, when asked, the ratio of the two; nothing
/// without A, so that B is never drawn alone.
FrequencyView Analyse(Simulation& sim, FrequencyWindowState& state, bool comparison, bool ratio) {
    FftState& fft = sim.Fft;
    state.Curves = fft.FftColumnsUsed = 0;
    // A run without display series leaves nothing to analyse.
    if (sim.Display.ColumnCount < 1 || sim.Display.RecordedCount < 1) return FrequencyView::Clear;
    if (state.PrimaryUnallocated) return FrequencyView::Clear;
    FrequencyView view = Outcome(SpectrumOfColumn(sim, fft.PrimaryColumn));
    if (view != FrequencyView::Hide && comparison) view = Outcome(SpectrumOfColumn(sim, fft.ComparisonColumn));
    if (view == FrequencyView::Draw && ratio && !RatioOfAnalyses(sim)) fft.ComparisonActive = false;
    state.Curves = fft.FftColumnsUsed;
    return view;
}

}  // namespace

int UnallocatedRow(const Simulation& sim) { return sim.Display.ColumnCount + 1; }

FrequencyListRows FrequencyListSelection(const Simulation& sim, const FrequencyWindowState& state) {
    const FftState& fft = sim.Fft;
    const bool primary = !state.PrimaryUnallocated && fft.PrimaryColumn >= 0 && fft.PrimaryColumn <= sim.Display.ColumnCount;
    return {primary ? fft.PrimaryColumn : UnallocatedRow(sim),
            Comparing(sim, state) ? fft.ComparisonColumn : UnallocatedRow(sim)};
}

FrequencyView ActivateFrequencyWindow(Simulation& sim, FrequencyWindowState& state) {
    sim.Status.CurrentActivity = "Activating FFT Display";
    sim.Fft.ComparisonActive = false;
    if (FrequencyListSelection(sim, state).Primary == UnallocatedRow(sim)) state.PrimaryUnallocated = true;
    return Analyse(sim, state, Comparing(sim, state), false);
}

std::string FrequencyCaption(const Simulation& sim) {
    const FftState& fft = sim.Fft;
    const std::string& units = sim.Run.TimeUnits;
    const double interval = fft.SampleInterval;
    return "Frequency Analysis                 FFT Size: " + Str(2 * fft.HalfSize) +
           "    Time Step: " + Format(interval, "###0.0####") + " " + units + "     (" +
           Format(2.0 * fft.HalfSize * interval, "###0.0####") + " " + units + ")";
}

FrequencyView SelectPrimary(Simulation& sim, FrequencyWindowState& state, int row) {
    if (Busy(sim)) return FrequencyView::Unchanged;
    sim.Status.CurrentActivity = "Selecting FFT Primary Display";
    FftState& fft = sim.Fft;
    fft.ComparisonActive = false;
    if (!IsColumn(sim, row)) {
        fft.PrimaryColumn = 0;
        state.PrimaryUnallocated = true;
        state.Curves = fft.FftColumnsUsed = 0;
        return Drawing(state);
    }
    fft.PrimaryColumn = row;
    state.PrimaryUnallocated = false;
    fft.ComparisonColumn = 0;
    state.ComparisonChosen = false;
    return Analyse(sim, state, false, false);
}

FrequencyView SelectComparison(Simulation& sim, FrequencyWindowState& state, int row) {
    if (Busy(sim)) return FrequencyView::Unchanged;
    sim.Status.CurrentActivity = "Selecting FFT Comparison Display";
    FftState& fft = sim.Fft;
    fft.ComparisonActive = false;
    const bool chosen = IsColumn(sim, row);
    fft.ComparisonColumn = chosen ? row : 0;
    state.ComparisonChosen = chosen;
    return Analyse(sim, state, chosen, false);
}

bool FrequencySwitchValue(const Simulation& sim, FrequencySwitch which) {
    const FftState& fft = sim.Fft;
    switch (which) {
    case FrequencySwitch::Magnitude: return fft.ShowMagnitude;
    case FrequencySwitch::Phase: return fft.ShowPhase;
    case FrequencySwitch::LogY: return fft.DbMagnitude;
    case FrequencySwitch::LogX: return fft.LogFrequency;
    case FrequencySwitch::Symbols: return fft.ShowSymbols == 1;
    }
    return false;
}

FrequencyView SetFrequencySwitch(Simulation& sim, FrequencyWindowState& state, FrequencySwitch which, bool on) {
    if (Busy(sim)) return FrequencyView::Unchanged;
    FftState& fft = sim.Fft;
    const bool comparison = Comparing(sim, state);
    switch (which) {
    case FrequencySwitch::Magnitude:
        sim.Status.CurrentActivity = "Setting FFT Magnitude Display";
        fft.ShowMagnitude = on;
        return Analyse(sim, state, comparison, false);
    case FrequencySwitch::Phase:
        sim.Status.CurrentActivity = "Setting FFT Phase Display";
        fft.ShowPhase = on;
        fft.ComparisonActive = false;
        return Analyse(sim, state, comparison, false);
    case FrequencySwitch::Symbols:
        // The symbols change the drawing only; the analysis stands.
        if (FrequencySwitchValue(sim, which) == on) return FrequencyView::Unchanged;
        sim.Status.CurrentActivity = "Setting FFT Symbols";
        fft.ShowSymbols = on ? 1 : 0;
        return Drawing(state);
    case FrequencySwitch::LogY:
    case FrequencySwitch::LogX:
        if (FrequencySwitchValue(sim, which) == on) return FrequencyView::Unchanged;
        sim.Status.CurrentActivity = which == FrequencySwitch::LogY ? "Setting Log Y scales (FFT)" : "Setting Log X scales (FFT)";
        (which == FrequencySwitch::LogY ? fft.DbMagnitude : fft.LogFrequency) = on;
        return Analyse(sim, state, comparison, fft.ComparisonActive);
    }
    return FrequencyView::Unchanged;
}

FrequencyView CompareAnalyses(Simulation& sim, FrequencyWindowState& state) {
    sim.Status.CurrentActivity = "Comparing FFT Analyses";
    if (!RatioOfAnalyses(sim)) return FrequencyView::Unchanged;
    sim.Fft.ComparisonActive = true;
    state.Curves = sim.Fft.FftColumnsUsed;
    return FrequencyView::Draw;
}

void DrawFrequencyWindow(Simulation& sim, const FrequencyWindowState& state, Canvas& canvas, int mode) {
    sim.Fft.FftColumnsUsed = state.Curves;
    FrequencyGraph(sim, canvas, mode);
}

ClickReadout ReadOutFrequency(double x, double y, bool logarithmicX) {
    return ReadOutClick(logarithmicX ? std::pow(10.0, x) : x, y);
}

double FrequencyMarkerRadius(const Simulation& sim) { return std::fabs(static_cast<double>(sim.Fft.XRange)) / 20.0; }

FrequencyWindowLayout LayoutFrequencyWindow(int formWidth, int formHeight, int columnWidth) {
    FrequencyWindowLayout layout;
    // Captions wider than the usual column take their room from the picture.
    const int allowance = std::max(PictureWidthAllowance, FrequencyPictureLeft + ListGap + columnWidth + RightMargin);
    layout.PictureWidth = std::max(formWidth - allowance, SmallestPicture);
    layout.PictureHeight = std::max(formHeight - PictureHeightAllowance, SmallestPicture);
    const int bottom = FrequencyPictureTop + layout.PictureHeight;
    layout.ButtonTop = bottom + ButtonGap;
    layout.BoxTop = bottom + BoxGap;
    layout.ListLeft = FrequencyPictureLeft + layout.PictureWidth + ListGap;
    layout.ColumnWidth = std::max(formWidth - layout.ListLeft - RightMargin, columnWidth);
    return layout;
}

}  // namespace quorvane
