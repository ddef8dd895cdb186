#include "drawing/time_graph.h"

#include <optional>
#include <string>
#include <vector>

#include "drawing/plot_axes.h"
#include "drawing/plot_core.h"
#include "engine/simulation.h"
#include "platform/canvas.h"
#include "results/tabulation.h"

namespace quorvane {

namespace {

constexpr double ScreenLeftMargin = 0.11;
constexpr double ScreenRightMargin = 0.08;
constexpr double PrinterLeftMargin = 0.2;
constexpr double YLabelOffset = 0.11;
constexpr double TimeTitleShift = 0.1;   ///< X ranges right of the axis start

/// Tick label pattern of one axis: the user's digits, or chosen from the axis span.
std::optional<std::string> AxisPattern(Simulation& sim, const AxisScaling& axis, int mode, int before, int after) {
    if (mode == 1) return UserNumberPattern(before, after);
    return LabelFormat(axis.Start, axis.End(), sim.Ui);
}

double RowX(const Simulation& sim, int xColumn, int row) {
    if (xColumn != 0) return sim.Display.At(xColumn, row);
    // Rows are recorded every StepsPerSample steps from the start time.
    return static_cast<double>(sim.Run.StartTime) +
           (row - 1) * static_cast<double>(sim.Run.TimeStep) * sim.Status.StepsPerSample;
}

void DrawCurves(Simulation& sim, Canvas& canvas, const PlotFrame& frame, int xColumn) {
    const DisplayBuffer& display = sim.Display;
    const int rows = display.RecordedCount;
    const int stride = SymbolStride(rows);
    canvas.SetPen(PenStyle::Solid, 1);
    for (int column = 1; column <= display.ColumnCount; ++column) {
        if (column == xColumn) continue;
        canvas.SetForeColour(SeriesColour(column));
        double lastX = RowX(sim, xColumn, 1);
        double lastY = display.At(column, 1);
        if (rows == 1) canvas.Point(lastX, lastY);
        for (int row = 2; row <= rows; ++row) {
            const double x = RowX(sim, xColumn, row);
            const double y = display.At(column, row);
            canvas.Line(lastX, lastY, x, y);
            if (sim.Graph.ShowSymbols == 1 && CarriesSymbol(row, stride)) {
                DrawSymbol(canvas, x, y, column, frame.XRange, frame.YRange);
            }
            lastX = x;
            lastY = y;
        }
    }
}

std::vector<KeyEntry> KeyEntries(const DisplayBuffer& display) {
    std::vector<KeyEntry> entries;
    for (int column = 1; column <= display.ColumnCount; ++column) {
        entries.push_back({display.ColumnTitle[column], display.ColumnUnits[column], SeriesColour(column), column});
    }
    return entries;
}

}  // namespace

void DrawTimeGraph(Simulation& sim, Canvas& canvas, GraphTarget target, int xColumn) {
    const DisplayBuffer& display = sim.Display;
    const int rows = display.RecordedCount;
    if (xColumn < 0 || xColumn > display.ColumnCount) xColumn = 0;

    GraphContent content;
    content.YMin = NoDataHigh;
    content.YMax = -NoDataHigh;
    for (int column = 1; column <= display.ColumnCount; ++column) {
        ScanRange(&display.At(column, 1), rows, content.YMin, content.YMax);
    }
    RangeAdjust(content.YMin, content.YMax);

    content.XMin = sim.Run.StartTime;
    content.XMax = sim.Run.StopTime;
    if (xColumn != 0) {
        content.XMin = NoDataHigh;
        content.XMax = -NoDataHigh;
        ScanRange(&display.At(xColumn, 1), rows, content.XMin, content.XMax);
        SettleXRange(sim.Ui, content.XMin, content.XMax);
    }
    content.TimeAxis = xColumn == 0;
    content.XTitle = xColumn == 0 ? TimeAxisTitle(sim.Run.TimeUnits)
                                  : display.ColumnTitle[xColumn] + " ( " + display.ColumnUnits[xColumn] + " ) ------>";
    content.Key = KeyEntries(display);
    content.Curves = [&sim, xColumn](Canvas& c, const PlotFrame& frame) { DrawCurves(sim, c, frame, xColumn); };
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

    const PlotFrame frame = MakePlotFrame(xMin, xMax, yMin, yMax);

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
        DrawGrid(canvas, frame, *xPattern, *yPattern, YLabelOffset);
        DrawXAxisTitle(canvas, frame, frame.X.Start + (content.TimeAxis ? TimeTitleShift * frame.XRange : 0.0),
                       content.XTitle);
        content.Curves(canvas, frame);
    }

    // The limits used become the manual ones, so the scales dialog shows them.
    if (graph.YManual != 1) {
        graph.YMaximum = SettingValue(frame.Y.End());
        graph.YMinimum = SettingValue(frame.Y.Start);
    }
    if (graph.XManual != 1) {
        graph.XMaximum = SettingValue(xMax);
        graph.XMinimum = SettingValue(frame.X.Start);
    }
    graph.YRange = SettingValue(frame.YRange);
    graph.XRange = SettingValue(frame.XRange);
    if (target == GraphTarget::Printer) canvas.EndDocument();
}

}  // namespace quorvane
