#include "drawing/graph_curves.h"

#include <cmath>

#include "drawing/plot_core.h"
#include "engine/simulation.h"
#include "results/run_history.h"

namespace quorvane {

namespace {

constexpr double FirstPaling = 0.3;
constexpr double PalingPerRun = 0.1;

}  // namespace

std::vector<GraphCurve> RecordedCurves(const Simulation& sim, int xColumn) {
    const DisplayBuffer& display = sim.Display;
    // Rows are recorded every stride time units from the start, so time is not read back.
    const double stride = static_cast<double>(sim.Run.TimeStep) * sim.Status.StepsPerSample;
    const float* x = xColumn != 0 ? &display.At(xColumn, 1) : nullptr;
    std::vector<GraphCurve> curves;
    for (int column = 1; column <= display.ColumnCount; ++column) {
        if (column == xColumn) continue;
        const int symbol = sim.Graph.ShowSymbols == 1 ? column : 0;
        curves.push_back({x, sim.Run.StartTime, stride, &display.At(column, 1), display.RecordedCount,
                          SeriesColour(column), PenStyle::Solid, symbol, display.ColumnTitle[column],
                          display.ColumnTitle[column], display.ColumnUnits[column]});
    }
    return curves;
}

std::vector<GraphCurve> PreviousCurves(const Simulation& sim, int xColumn) {
    std::vector<GraphCurve> curves;
    if (!sim.Graph.OverlayRuns) return curves;
    const std::span<const RecordedRun> runs = sim.Runs.Previous();
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const RecordedRun& run = runs[r];
        const std::vector<int> match = MatchByTitle(sim.Display, run);
        const auto seriesOf = [&](int column) { return match[static_cast<std::size_t>(column - 1)]; };
        if (run.Time.empty() || (xColumn != 0 && seriesOf(xColumn) < 0)) continue;
        const float* x = xColumn != 0 ? run.Series[static_cast<std::size_t>(seriesOf(xColumn))].Values.data()
                                      : run.Time.data();
        for (int column = 1; column <= sim.Display.ColumnCount; ++column) {
            if (column == xColumn || seriesOf(column) < 0) continue;
            const RecordedSeries& series = run.Series[static_cast<std::size_t>(seriesOf(column))];
            curves.push_back({x, 0, 0, series.Values.data(), static_cast<int>(run.Time.size()),
                              PreviousRunColour(SeriesColour(column), r + 1), PenStyle::Dash, 0,
                              series.Title, PreviousRunName(series.Title, r + 1), series.Units, r + 1});
        }
    }
    return curves;
}

Colour PreviousRunColour(Colour series, std::size_t run) {
    const double share = FirstPaling + PalingPerRun * static_cast<double>(run - 1);
    const auto pale = [share](std::uint8_t c) { return static_cast<int>(std::lround(c + share * (255 - c))); };
    return Rgb(pale(series.Red), pale(series.Green), pale(series.Blue));
}

}  // namespace quorvane
