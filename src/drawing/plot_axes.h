#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "drawing/plot_core.h"
#include "platform/canvas.h"
#include "platform/host.h"

namespace quorvane {

/// Grid lines of the time and frequency graphs.
inline constexpr Colour GridColour = Rgb(128, 128, 200);
/// Type sizes of the graph texts and of the printed title.
inline constexpr double GraphFontSize = 8;
inline constexpr double PrinterTitleFontSize = 12;

/// One axis' limits as plotted: on a logarithmic axis in decades (log10 of the values).
struct AxisLimits {
    double Min = 0;
    double Max = 0;
    bool Log = false;
};

/// The axes of one graph and the data spans they were made from.
struct PlotFrame {
    AxisScaling X;
    AxisScaling Y;
    double XDataMax = 0;   ///< the right-hand end of the data (or the manual maximum)
    double XRange = 0;     ///< data spans: symbol sizes, margins and label offsets follow them
    double YRange = 0;
    bool XLog = false;     ///< positions are decades; ticks stand at powers of ten, labelled with them
    bool YLog = false;
    /// A second Y scale on the right-hand side of the frame (phases beside magnitudes).
    std::optional<AxisScaling> Right;

    /// Where the drawing ends on the right: the data, or the right-hand scale at the axis end.
    double RightEnd() const { return Right ? std::max(XDataMax, X.End()) : XDataMax; }
    /// A value of the right-hand scale at its height against the left-hand one.
    double OnLeftScale(double rightValue) const;
};

/// The axes scaled to the data limits (decade axes for logarithmic ones), and the data spans.
PlotFrame MakePlotFrame(const AxisLimits& x, const AxisLimits& y);

/// A logarithmic axis over min..max decades: whole decades, every n-th when there would be
/// more than ten.
AxisScaling DecadeScale(double min, double max);

/// The value a decade tick stands for, as its label reads: "0.01", "1", "1000", "1E+08".
std::string DecadeLabel(double decade);

/// Screen user scale: the plot with `leftMargin` X ranges of room for the Y labels and
/// `rightMargin` X ranges beyond the data, 2% of the Y range above and 20% below for the X labels.
void SetScreenScale(Canvas& canvas, const PlotFrame& frame, double leftMargin, double rightMargin);

/// Printer user scale with `leftMargin` (in X ranges, or in data maxima when the axis starts at
/// or above zero) and room above the plot for the title and below it for the key; then the
/// title in 12-point type above the plot and the type set back to 8 points. The room above is
/// a share of the Y axis' span, so an axis far from zero stays on the page. Returns the Y of
/// the title line, so that other page items can stand on it.
double StartPrinterPage(Canvas& canvas, const PlotFrame& frame, double leftMargin, const std::string& title);

/// Number patterns of the tick labels (unused on a logarithmic axis).
struct TickPatterns {
    std::string X;
    std::string Y;
    std::string Right;
};

/// Horizontal and vertical grid with their tick labels (the Y labels `yLabelOffset` X ranges
/// left of the axis), the right-hand scale when there is one, the axes, and the zero lines
/// where a linear axis starts below zero. A decade axis has fainter lines between its decades.
void DrawGrid(Canvas& canvas, const PlotFrame& frame, const TickPatterns& patterns, double yLabelOffset);

/// Keeps what is drawn next (curves, symbols, markers) inside the plot frame.
void ClipToFrame(Canvas& canvas, const PlotFrame& frame);

/// The X-axis title below the tick labels, starting at x.
void DrawXAxisTitle(Canvas& canvas, const PlotFrame& frame, double x, const std::string& text);

/// One curve of the printed key: its title, units, colour and plot symbol.
struct KeyEntry {
    std::string Title;
    std::string Units;
    Colour Pen;
    int Symbol = 0;
    PenStyle Style = PenStyle::Solid;   ///< of the sample line
    std::string Note{};   ///< after the title, such as the scale a curve is read against
};

/// The printed key below the plot: up to five entries in a right-hand block, otherwise the
/// first five on the left and the rest (up to ten) on the right, each block boxed.
void DrawPrinterKey(Canvas& canvas, const PlotFrame& frame, const std::vector<KeyEntry>& entries);

/// A key longer than the printed key's ten rows keeps nine and says in the tenth how many more
/// there are.
void FitKeyRows(std::vector<KeyEntry>& entries);

/// Widens min..max to take in `count` values from `first`; a scan starts from
/// min = NoDataHigh and max = -NoDataHigh, which stay only when there are no values.
void ScanRange(const float* first, int count, double& min, double& max);

/// Settles a scanned X data range: no data gives 0..0; constant data shows "Cannot Plot
/// -Constant data specified for X axis" and is spread to max' = 5 max + min, min' = max' - 10 max'
/// (a constant 0, which that leaves empty, becomes -1..1).
void SettleXRange(Host& ui, double& min, double& max);

/// A limit or span of a drawing as the single-precision settings keep it: the spread of huge
/// data or wide manual limits can pass the float range, which would store an infinity.
float SettingValue(double value);

}  // namespace quorvane
