#include "drawing/time_graph.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "drawing/graph_curves.h"
#include "drawing/plot_axes.h"
#include "drawing/plot_core.h"
#include "engine/simulation.h"
#include "platform/canvas.h"
#include "results/run_history.h"
#include "results/tabulation.h"

namespace quorvane {

namespace {

constexpr double ScreenLeftMargin = 0.11;
constexpr double ScreenRightMargin = 0.08;
constexpr double PrinterLeftMargin = 0.2;
constexpr double YLabelOffset = 0.11;
constexpr double TimeTitleShift = 0.1;   ///< X ranges right of the axis start

/// Where a value stands on an axis: its logarithm on a decade axis.
double Position(double value, bool log) { return log ? std::log10(value) : value; }

void DrawCurve(Canvas& canvas, const PlotFrame& frame, const GraphCurve& curve) {
    const int stride = SymbolStride(curve.Rows);
    canvas.SetForeColour(curve.Pen);
    canvas.SetPen(curve.Style, 1);
    double lastX = Position(curve.XAt(0), frame.XLog);
    double lastY = Position(curve.Y[0], frame.YLog);
    if (curve.Rows == 1) canvas.Point(lastX, lastY);
    for (int row = 2; row <= curve.Rows; ++row) {
        const double x = Position(curve.XAt(row - 1), frame.XLog);
        const double y = Position(curve.Y[row - 1], frame.YLog);
        canvas.Line(lastX, lastY, x, y);
        if (curve.Symbol != 0 && CarriesSymbol(row, stride)) {
            DrawSymbol(canvas, x, y, curve.Symbol, frame.XRange, frame.YRange);
        }
        lastX = x;
        lastY = y;
    }
    canvas.SetPen(PenStyle::Solid, 1);
}

/// The display series, then the previous runs' curves drawn behind them, each named by its title
/// with the run in place of the units, where a long name would run into the sample line (as
/// many as the printed key holds).
std::vector<KeyEntry> KeyEntries(const DisplayBuffer& display, const std::vector<GraphCurve>& previous) {
    std::vector<KeyEntry> entries;
    for (int column = 1; column <= display.ColumnCount; ++column) {
        entries.push_back({display.ColumnTitle[column], display.ColumnUnits[column], SeriesColour(column), column,
                           PenStyle::Solid, {}});
    }
    for (const GraphCurve& curve : previous) {
        entries.push_back({curve.Title, PreviousRunTag(curve.Run), curve.Pen, 0, curve.Style});
    }
    FitKeyRows(entries);
    return entries;
}

/// Tick label pattern of one axis: the user's digits, or chosen from the axis span.
std::optional<std::string> AxisPattern(Simulation& sim, const AxisScaling& axis, int mode, int before, int after) {
    if (mode == 1) return UserNumberPattern(before, after);
    return LabelFormat(axis.Start, axis.End(), sim.Ui);
}

bool AxisIsX(GraphAxis axis) { return axis == GraphAxis::X; }

/// The name of the first curve an axis plots that reaches zero or below ("Time" for the time
/// axis from a start at or below zero), or none.
std::optional<std::string> CurveAtOrBelowZero(const Simulation& sim, GraphAxis axis) {
    const auto reaches = [](const float* values, int rows) {
        for (int row = 0; row < rows; ++row) {
            if (!(values[row] > 0)) return true;
        }
        return false;
    };
    const int xColumn = sim.Graph.XColumn;
    const DisplayBuffer& display = sim.Display;
    const std::vector<GraphCurve> previous = PreviousCurves(sim, xColumn);
    if (AxisIsX(axis)) {
        if (xColumn == 0) {
            if (!(sim.Run.StartTime > 0)) return "Time";
        } else if (reaches(&display.At(xColumn, 1), display.RecordedCount)) {
            return display.ColumnTitle[xColumn];
        }
        for (const GraphCurve& curve : previous) {
            if (!reaches(curve.X, curve.Rows)) continue;
            return PreviousRunName(xColumn == 0 ? "Time" : display.ColumnTitle[xColumn], curve.Run);
        }
        return std::nullopt;
    }
    for (const GraphCurve& curve : RecordedCurves(sim, xColumn)) {
        if (reaches(curve.Y, curve.Rows)) return curve.Name;
    }
    for (const GraphCurve& curve : previous) {
        if (reaches(curve.Y, curve.Rows)) return curve.Name;
    }
    return std::nullopt;
}

/// An axis' limits: the scanned or manual range, on a decade axis their logarithms.
AxisLimits Limits(double min, double max, bool log) {
    if (!log) return {min, max, false};
    // Constant data still gets a decade to stand in.
    if (!(max > min)) return {std::log10(min) - 0.5, std::log10(min) + 0.5, true};
    return {std::log10(min), std::log10(max), true};
}

/// A logarithmic axis the data no longer allows (a later run reached zero) is drawn linear,
/// and its box cleared, with the reason.
bool UseLogAxis(Simulation& sim, GraphAxis axis) {
    bool& log = AxisIsX(axis) ? sim.Graph.XLog : sim.Graph.YLog;
    if (!log) return false;
    const std::string refusal = LogScaleRefusal(sim, axis);
    if (refusal.empty()) return true;
    sim.Ui.Message(refusal);
    log = false;
    return false;
}

}  // namespace

std::string LogScaleRefusal(const Simulation& sim, GraphAxis axis) {
    const GraphSettings& graph = sim.Graph;
    const bool x = AxisIsX(axis);
    const std::string prefix = std::string("Cannot use a Log Scale on the ") + (x ? "X" : "Y") + " axis - ";
    const bool manual = (x ? graph.XManual : graph.YManual) == 1;
    if (manual && !((x ? graph.XMinimum : graph.YMinimum) > 0)) return prefix + "its minimum is not above zero";
    const std::optional<std::string> curve = CurveAtOrBelowZero(sim, axis);
    if (!curve) return {};
    return prefix + *curve + " reaches zero or below";
}

void DrawTimeGraph(Simulation& sim, Canvas& canvas, GraphTarget target, int xColumn) {
    const DisplayBuffer& display = sim.Display;
    const int rows = display.RecordedCount;
    if (xColumn < 0 || xColumn > display.ColumnCount) xColumn = 0;
    const std::vector<GraphCurve> previous = PreviousCurves(sim, xColumn);

    GraphContent content;
    content.YMin = NoDataHigh;
    content.YMax = -NoDataHigh;
    for (int column = 1; column <= display.ColumnCount; ++column) {
        ScanRange(&display.At(column, 1), rows, content.YMin, content.YMax);
    }
    for (const GraphCurve& curve : previous) ScanRange(curve.Y, curve.Rows, content.YMin, content.YMax);
    RangeAdjust(content.YMin, content.YMax);
    for (int column = 1; column <= display.ColumnCount; ++column) {
        if (column != xColumn) ScanRange(&display.At(column, 1), rows, content.YDataMin, content.YDataMax);
    }
    for (const GraphCurve& curve : previous) ScanRange(curve.Y, curve.Rows, content.YDataMin, content.YDataMax);

    content.XMin = sim.Run.StartTime;
    content.XMax = sim.Run.StopTime;
    if (xColumn != 0) {
        content.XMin = NoDataHigh;
        content.XMax = -NoDataHigh;
        ScanRange(&display.At(xColumn, 1), rows, content.XMin, content.XMax);
    }
    // The scales cover the previous runs too, which may have run longer or over other values.
    for (const GraphCurve& curve : previous) ScanRange(curve.X, curve.Rows, content.XMin, content.XMax);
    if (xColumn != 0) SettleXRange(sim.Ui, content.XMin, content.XMax);
    content.TimeAxis = xColumn == 0;
    content.XTitle = xColumn == 0 ? TimeAxisTitle(sim.Run.TimeUnits)
                                  : display.ColumnTitle[xColumn] + " ( " + display.ColumnUnits[xColumn] + " ) ------>";
    content.Key = KeyEntries(display, previous);
    content.Curves = [&sim, xColumn, &previous](Canvas& c, const PlotFrame& frame) {
        // Behind the last run, so that it stays in full view.
        for (const GraphCurve& curve : previous) DrawCurve(c, frame, curve);
        for (const GraphCurve& curve : RecordedCurves(sim, xColumn)) DrawCurve(c, frame, curve);
    };
    DrawGraph(sim, canvas, target, content);
}

std::string TimeAxisTitle(const std::string& units) { return "Time  ( " + units + " )   ------->"; }

void DrawGraph(Simulation& sim, Canvas& canvas, GraphTarget target, const GraphContent& content) {
    GraphSettings& graph = sim.Graph;
    if (target == GraphTarget::Screen) canvas.Clear();
    double yMin = content.YMin;
    double yMax = content.YMax;
    double xMin = content.XMin;
    double xMax = content.XMax;
    if (graph.YManual == 1) {
        yMin = graph.YMinimum;
        yMax = graph.YMaximum;
    }
    if (graph.XManual == 1) {
        xMin = graph.XMinimum;
        xMax = graph.XMaximum;
    }
    // Limits that leave nothing between them (a stored file, equal start and stop times) are
    // opened up rather than scaled into a zero-sized picture.
    if (!(yMax > yMin)) RangeAdjust(yMin, yMax);
    if (!(xMax > xMin)) RangeAdjust(xMin, xMax);

    // A logarithmic axis spans the values themselves, not the adjusted range, which may reach zero.
    const bool xLog = UseLogAxis(sim, GraphAxis::X);
    const bool yLog = UseLogAxis(sim, GraphAxis::Y);
    if (yLog && graph.YManual != 1 && content.YDataMax >= content.YDataMin) {
        yMin = content.YDataMin;
        yMax = content.YDataMax;
    }
    const PlotFrame frame = MakePlotFrame(Limits(xMin, xMax, xLog), Limits(yMin, yMax, yLog));

    if (target == GraphTarget::Screen) {
        canvas.SetFontSize(GraphFontSize);
        SetScreenScale(canvas, frame, ScreenLeftMargin, ScreenRightMargin);
    } else {
        const double titleY =
            StartPrinterPage(canvas, frame, PrinterLeftMargin, "Quorvane Simulation Run " + TabulatedFormTitle(sim));
        DrawPrinterKey(canvas, frame, content.Key);
        // A printed graph carries its date, as the printed tables do, at the right of the title line.
        const std::string date = TabulationDate(sim.Ui);
        canvas.Text(frame.X.End() - canvas.TextWidth(date), titleY, date);
    }

    const Settings& run = sim.Run;
    const std::optional<std::string> yPattern =
        AxisPattern(sim, frame.Y, run.DataColumnFormatMode, run.DataDigitsBefore, run.DataDigitsAfter);
    const std::optional<std::string> xPattern =
        AxisPattern(sim, frame.X, run.TimeColumnFormatMode, run.TimeDigitsBefore, run.TimeDigitsAfter);
    if (yPattern && xPattern) {
        DrawGrid(canvas, frame, {*xPattern, *yPattern, {}}, YLabelOffset);
        DrawXAxisTitle(canvas, frame, frame.X.Start + (content.TimeAxis ? TimeTitleShift * frame.XRange : 0.0),
                       content.XTitle);
        ClipToFrame(canvas, frame);
        content.Curves(canvas, frame);
    }

    // The limits used become the manual ones, so the scales dialog shows them (as values, not
    // as their logarithms).
    const auto value = [](double position, bool log) { return SettingValue(log ? std::pow(10.0, position) : position); };
    if (graph.YManual != 1) {
        graph.YMaximum = value(frame.Y.End(), yLog);
        graph.YMinimum = value(frame.Y.Start, yLog);
    }
    if (graph.XManual != 1) {
        graph.XMaximum = SettingValue(xMax);
        graph.XMinimum = value(frame.X.Start, xLog);
    }
    graph.YRange = SettingValue(frame.YRange);
    graph.XRange = SettingValue(frame.XRange);
    if (target == GraphTarget::Printer) canvas.EndDocument();
}

}  // namespace quorvane
