#pragma once

#include <functional>
#include <string>
#include <vector>

#include "drawing/plot_axes.h"
#include "drawing/plot_core.h"

namespace quorvane {

class Canvas;
struct Simulation;

/// Where a graph goes: the window's picture (cleared first, no title or key) or a printer page
/// (titled, with the key of the curves, ended after drawing).
enum class GraphTarget { Screen = 0, Printer = 1 };

/// Plots the recorded display series against time (xColumn 0) or against display series
/// xColumn, with automatic or manual, linear or logarithmic axes, the curves kept inside the
/// plot frame, and stores the limits and spans it used in sim.Graph. Messages go through sim.Ui.
void DrawTimeGraph(Simulation& sim, Canvas& canvas, GraphTarget target, int xColumn);

/// What one graph shows beyond the settings: the data limits of its curves (already adjusted
/// for scaling), its printed key, its X-axis title, and the curves, drawn once the axes stand.
struct GraphContent {
    double XMin = 0;
    double XMax = 0;
    double YMin = 0;
    double YMax = 0;
    double YDataMin = NoDataHigh;    ///< the plotted values themselves, for a logarithmic Y axis
    double YDataMax = -NoDataHigh;
    bool TimeAxis = true;   ///< the title then starts a little right of the axis start
    std::string XTitle;
    std::vector<KeyEntry> Key;
    std::function<void(Canvas&, const PlotFrame&)> Curves;
};

/// Draws a graph as DrawTimeGraph does (manual axes, page, key, grid, curves) and stores the
/// limits and spans it used in sim.Graph.
void DrawGraph(Simulation& sim, Canvas& canvas, GraphTarget target, const GraphContent& content);

/// "Time  ( sec )   ------->".
std::string TimeAxisTitle(const std::string& units);

enum class GraphAxis { X = 0, Y = 1 };

/// Why an axis of the time graph cannot be logarithmic: a plotted value, or a manual limit
/// when the axis is manual, at or below zero. Empty when it can.
std::string LogScaleRefusal(const Simulation& sim, GraphAxis axis);

}  // namespace quorvane
