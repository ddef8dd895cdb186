#include "drawing/runs_graph.h"

#include <array>
#include <string>

#include "drawing/plot_core.h"
#include "drawing/time_graph.h"
#include "engine/simulation.h"
#include "platform/canvas.h"
#include "platform/text.h"

namespace quorvane {

namespace {

constexpr int RunColours = 11;        ///< the curve colours of the palette
constexpr std::array<PenStyle, 3> Styles{PenStyle::Solid, PenStyle::Dash, PenStyle::Dot};

/// What the key can show of a title before the sample line.
constexpr std::size_t KeyTitleRoom = 30;

// A run's values as the key names it: in full ("Gain.K1=2; Lag.K1=0.5") when every run's fits
// the row, otherwise by field alone ("K1=2; K1=0.5"), the full names being in the table.
std::vector<std::string> RunNames(std::span<const RecordedRun> runs) {
    std::vector<std::string> names;
    bool fits = true;
    for (const RecordedRun& run : runs) {
        names.push_back(RunLabel(run));
        fits = fits && CharacterCount(names.back()) <= KeyTitleRoom;
    }
    if (fits) return names;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        names[r].clear();
        for (const RunValue& value : runs[r].Values) {
            const std::string field = value.Name.substr(value.Name.rfind('.') + 1);
            names[r] += (names[r].empty() ? "" : "; ") + field + "=" + value.Text;
        }
    }
    return names;
}

}  // namespace

Colour RunColour(std::size_t run) { return SeriesColour(static_cast<int>(run % RunColours) + 1); }

PenStyle SeriesStyle(std::size_t series) { return Styles[series % Styles.size()]; }

std::vector<KeyEntry> RunsKey(std::span<const RecordedRun> runs) {
    std::vector<KeyEntry> key;
    const std::vector<std::string> names = RunNames(runs);
    const RecordedRun* shape = nullptr;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        if (!runs[r].Failure.empty()) continue;
        if (shape == nullptr) shape = &runs[r];
        key.push_back({names[r], "", RunColour(r)});
    }
    if (shape == nullptr) return key;
    for (std::size_t s = 0; s < shape->Series.size(); ++s)
        key.push_back({shape->Series[s].Title, shape->Series[s].Units, PaletteColour(Palette::Black), 0, SeriesStyle(s)});
    FitKeyRows(key);
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
