#pragma once

#include <string>

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

enum class GraphAxis { X = 0, Y = 1 };

/// Why an axis of the time graph cannot be logarithmic: a plotted value, or a manual limit
/// when the axis is manual, at or below zero. Empty when it can.
std::string LogScaleRefusal(const Simulation& sim, GraphAxis axis);

}  // namespace quorvane
