#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace quorvane {

struct GraphSettings;
struct Simulation;

/// Where the graph window's controls go for a window of formWidth x formHeight twips (client
/// area): the picture fills it but for 500 twips of width and 1400 of height, the buttons stand
/// 350 twips below the picture, the "X Axis Selection" label 300 and its list 550 below it.
/// The row under the buttons holds, from the buttons' left, the "Overlay Previous Runs" box and
/// the "Clear Previous Runs" button, each as wide as its caption needs (`overlayWidth`,
/// `clearWidth`), then the click read-out: captions and values, the values narrowed as far as
/// GraphValueWidths allows to end by the picture's right-hand edge.
struct GraphWindowLayout {
    int PictureWidth = 0;
    int PictureHeight = 0;
    int ButtonTop = 0;
    int LabelTop = 0;
    int ListTop = 0;
    int RowLeft = 0;        ///< where the buttons and the row under them start
    int SecondRowTop = 0;
    int ClearLeft = 0;
    int ReadoutLeft = 0;    ///< the X caption; the X value, Y caption and Y value follow
    int ValueWidth = 0;
};
inline constexpr int GraphPictureLeft = 120;
inline constexpr int GraphPictureTop = 120;
inline constexpr int GraphListWidth = 2200;
inline constexpr int GraphRowHeight = 400;
inline constexpr int GraphControlGap = 100;
inline constexpr int GraphCaptionWidth = 1000;
GraphWindowLayout LayoutGraphWindow(int formWidth, int formHeight, int overlayWidth = 0, int clearWidth = 0);

/// The X-axis list's choice (0 time, n display series n) or the "Show Symbols" box changed.
/// Nothing happens, and false comes back, while a run fills the result windows (it refills the
/// list itself); otherwise the setting is stored and the graph is to be redrawn.
bool SelectGraphXAxis(Simulation& sim, int index);
bool ShowGraphSymbols(Simulation& sim, bool on);

/// The coordinates read out for a click in the plot, in user units.
struct ClickReadout {
    std::string X;
    std::string Y;
};
ClickReadout ReadOutClick(double x, double y);
/// The time graph's read-out: the values themselves on logarithmic axes, not their logarithms.
ClickReadout ReadOutGraphClick(const GraphSettings& graph, double x, double y);

/// Radius of the marker circle drawn at a click: a twentieth of the X span last drawn.
double ClickMarkerRadius(const GraphSettings& graph);

/// One row of the key window: a curve's title, units and colour; the display series, then the
/// previous runs drawn behind them, as many as the rows hold.
struct GraphKeyRow {
    std::string Title;
    std::string Units;
    Colour Pen;
};
inline constexpr int GraphKeyRows = 10;
std::vector<GraphKeyRow> GraphKey(const Simulation& sim);

}  // namespace quorvane
