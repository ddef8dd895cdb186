#include "drawing/runs_graph.h"

#include <array>
#include <string>

#include "drawing/plot_core.h"
#include "drawing/time_graph.h"
#include "engine/simulation.h"
#include "platform/canvas.h"

namespace quorvane {

namespace {

constexpr std::size_t KeyRows = 10;   ///< what the printed key holds
constexpr int RunColours = 11;        ///< the curve colours of the palette
constexpr std::array<PenStyle, 3> Styles{PenStyle::Solid, PenStyle::Dash, PenStyle::Dot};

std::size_t CurveCount(std::span<const RecordedRun> runs) {
    std::size_t curves = 0;
    for (const RecordedRun& run : runs) {
        if (run.Failure.empty()) curves += run.Series.size();
    }
    return curves;
}

}  // namespace

Colour RunColour(std::size_t run) { return SeriesColour(static_cast<int>(run % RunColours) + 1); }

PenStyle SeriesStyle(std::size_t series) { return Styles[series % Styles.size()]; }

std::vector<KeyEntry> RunsKey(std::span<const RecordedRun> runs) {
    std::vector<KeyEntry> key;
    if (CurveCount(runs) <= KeyRows) {
        for (std::size_t r = 0; r < runs.size(); ++r) {
            if (!runs[r].Failure.empty()) continue;
            for (std::size_t s = 0; s < runs[r].Series.size(); ++s) {
                const RecordedSeries& series = runs[r].Series[s];
                key.push_back({RunSeriesHeading(series.Title, runs[r]), series.Units, RunColour(r), 0, SeriesStyle(s)});
            }
        }
        return key;
    }
    const RecordedRun* shape = nullptr;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        if (!runs[r].Failure.empty()) continue;
        if (shape == nullptr) shape = &runs[r];
        key.push_back({RunLabel(runs[r]), "", RunColour(r)});
    }
    for (std::size_t s = 0; s < shape->Series.size(); ++s)
        key.push_back({shape->Series[s].Title, shape->Series[s].Units, PaletteColour(Palette::Black), 0, SeriesStyle(s)});
    if (key.size() > KeyRows) {
        const std::size_t more = key.size() - (KeyRows - 1);
        key.resize(KeyRows - 1);
        key.push_back({"+ " + std::to_string(more) + " more not shown", "", PaletteColour(Palette::White)});
    }
    return key;
}

void DrawRunsGraph(Simulation& sim, Canvas& canvas, std::span<const RecordedRun> runs) {
    GraphContent content;
    content.XMin = content.YMin = NoDataHigh;
    content.XMax = content.YMax = -NoDataHigh;
    for (const RecordedRun& run : runs) {
        if (!run.Failure.empty()) continue;
        ScanRange(run.Time.data(), static_cast<int>(run.Time.size()), content.XMin, content.XMax);
        for (const RecordedSeries& series : run.Series)
            ScanRange(series.Values.data(), static_cast<int>(series.Values.size()), content.YMin, content.YMax);
        if (content.XTitle.empty()) content.XTitle = TimeAxisTitle(run.TimeUnits);
    }
    RangeAdjust(content.YMin, content.YMax);
    if (content.XMin == NoDataHigh) content.XMin = content.XMax = 0;
    if (content.XTitle.empty()) content.XTitle = TimeAxisTitle(sim.Run.TimeUnits);
    content.Key = RunsKey(runs);
    content.Curves = [runs](Canvas& c, const PlotFrame&) {
        for (std::size_t r = 0; r < runs.size(); ++r) {
            if (!runs[r].Failure.empty()) continue;
            c.SetForeColour(RunColour(r));
            const std::vector<float>& time = runs[r].Time;
            for (std::size_t s = 0; s < runs[r].Series.size(); ++s) {
                const std::vector<float>& values = runs[r].Series[s].Values;
                c.SetPen(SeriesStyle(s), 1);
                if (values.size() == 1) c.Point(time[0], values[0]);
                for (std::size_t row = 1; row < values.size() && row < time.size(); ++row)
                    c.Line(time[row - 1], values[row - 1], time[row], values[row]);
            }
        }
        c.SetPen(PenStyle::Solid, 1);
    };
    DrawGraph(sim, canvas, GraphTarget::Printer, content);
}

}  // namespace quorvane
