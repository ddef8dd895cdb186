#include "forms/graph_window.h"

#include <algorithm>
#include <cmath>

#include "drawing/graph_curves.h"
#include "drawing/plot_core.h"
#include "engine/simulation.h"
#include "platform/text.h"

namespace quorvane {

namespace {

constexpr int PictureWidthAllowance = 500;
constexpr int PictureHeightAllowance = 1400;
constexpr int ButtonGap = 350;
constexpr int LabelGap = 300;
constexpr int ListGap = 550;
/// A window shrunk below its controls keeps a picture that can still be drawn.
constexpr int SmallestPicture = 300;
/// Read-out values: room for "-12345.12345" at the least, wider where the window allows.
constexpr int NarrowestValue = 1100;
constexpr int WidestValue = 2300;

}  // namespace

GraphWindowLayout LayoutGraphWindow(int formWidth, int formHeight, int overlayWidth, int clearWidth) {
    GraphWindowLayout layout;
    layout.PictureWidth = std::max(formWidth - PictureWidthAllowance, SmallestPicture);
    layout.PictureHeight = std::max(formHeight - PictureHeightAllowance, SmallestPicture);
    const int bottom = GraphPictureTop + layout.PictureHeight;
    layout.ButtonTop = bottom + ButtonGap;
    layout.LabelTop = bottom + LabelGap;
    layout.ListTop = bottom + ListGap;
    layout.RowLeft = GraphPictureLeft + GraphListWidth + GraphControlGap;
    layout.SecondRowTop = layout.ButtonTop + GraphRowHeight + GraphControlGap;
    layout.ClearLeft = layout.RowLeft + overlayWidth + GraphControlGap;
    layout.ReadoutLeft = layout.ClearLeft + clearWidth + GraphControlGap;
    const int room = GraphPictureLeft + layout.PictureWidth - layout.ReadoutLeft - 2 * GraphCaptionWidth;
    layout.ValueWidth = std::clamp(room / 2, NarrowestValue, WidestValue);
    return layout;
}

bool SelectGraphXAxis(Simulation& sim, int index) {
    if (sim.Status.WindowsBusy == 1) return false;
    sim.Status.CurrentActivity = "Graph X axis selection";
    sim.Graph.XColumn = std::clamp(index, 0, sim.Display.ColumnCount);
    return true;
}

bool ShowGraphSymbols(Simulation& sim, bool on) {
    if (sim.Status.WindowsBusy == 1) return false;
    sim.Status.CurrentActivity = "Graph Display - Showing Symbols";
    sim.Graph.ShowSymbols = on ? 1 : 0;
    return true;
}

ClickReadout ReadOutClick(double x, double y) { return {Format(x, "0.#####"), Format(y, "0.#####")}; }

ClickReadout ReadOutGraphClick(const GraphSettings& graph, double x, double y) {
    return ReadOutClick(graph.XLog ? std::pow(10.0, x) : x, graph.YLog ? std::pow(10.0, y) : y);
}

double ClickMarkerRadius(const GraphSettings& graph) { return std::fabs(static_cast<double>(graph.XRange)) / 20.0; }

std::vector<GraphKeyRow> GraphKey(const Simulation& sim) {
    std::vector<GraphKeyRow> rows;
    for (int column = 1; column <= sim.Display.ColumnCount; ++column) {
        rows.push_back({sim.Display.ColumnTitle[column], sim.Display.ColumnUnits[column], SeriesColour(column)});
    }
    for (const GraphCurve& curve : PreviousCurves(sim, sim.Graph.XColumn)) {
        rows.push_back({curve.Name, curve.Units, curve.Pen});
    }
    if (rows.size() > GraphKeyRows) rows.resize(GraphKeyRows);
    return rows;
}

}  // namespace quorvane
