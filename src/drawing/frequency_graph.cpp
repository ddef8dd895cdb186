#include "drawing/frequency_graph.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "drawing/plot_axes.h"
#include "drawing/plot_core.h"
#include "engine/simulation.h"
#include "platform/canvas.h"
#include "results/tabulation.h"

namespace quorvane {

namespace {

constexpr double ScreenMargin = 0.1;
constexpr double PrinterLeftMargin = 0.15;
constexpr double MeanSymbolScale = 1.5;
/// Room above the highest value and left of the lowest frequency, as fractions of their size.
constexpr double ValueHeadRoom = 0.05;
constexpr double FrequencyRoom = 0.1;
/// The decibel label's place right of the Y axis and above its end, in X and Y ranges.
constexpr double DecibelLabelShift = 0.01;
constexpr double DecibelLabelRise = 0.02;

struct Layout {
    bool Fft = true;
    int XColumn = 11;
    int Curves = 0;   ///< result columns XColumn + 1 .. XColumn + Curves
    int Rows = 0;     ///< rows 1..Rows are plotted
};

Layout LayoutOf(const Simulation& sim, int mode) {
    Layout layout;
    layout.Fft = mode == FftOnScreen || mode == FftOnPrinter;
    layout.XColumn = layout.Fft ? 11 : 16;
    // Spectra fill columns 12..15 and the correlation 17..18; never read beyond them.
    layout.Curves = std::clamp(sim.Fft.FftColumnsUsed, 0, layout.Fft ? 4 : 2);
    if (layout.Fft) {
        layout.Rows = sim.Fft.HalfSize - 2;
    } else if (sim.Prbs.ImpulseResponseMode) {
        layout.Rows = sim.Prbs.Length;
    } else {
        layout.Rows = static_cast<int>(std::nearbyint((sim.Prbs.Length - 1) / 2.0));
    }
    layout.Rows = std::clamp(layout.Rows, 0, DisplayRowLast);
    return layout;
}

bool IsPhase(const DisplayBuffer& display, int column) { return display.ColumnUnits[column] == "degrees"; }

/// Curve k's colour: A blue, B light red, the ratio cyan; a phase takes its magnitude's colour.
Colour CurveColour(const Simulation& sim, const Layout& layout, int k) {
    using enum Palette;
    if (!layout.Fft) return PaletteColour(Blue);
    const DisplayBuffer& display = sim.Display;
    switch (layout.Curves) {
    case 4: return PaletteColour(k <= 2 ? Blue : LightRed);
    case 3: return PaletteColour(k == 1 ? Blue : k == 2 ? LightRed : Cyan);
    case 2: {
        const bool magnitudeAndPhase = !IsPhase(display, 12) && IsPhase(display, 13);
        return PaletteColour(k == 1 || magnitudeAndPhase ? Blue : LightRed);
    }
    default: return PaletteColour(Blue);
    }
}

std::string Title(const Simulation& sim, const Layout& layout) {
    std::string title = "Quorvane Simulation Run                          " + TabulatedFormTitle(sim);
    if (layout.Fft) return title + " - FFT Analysis";
    return title + " - PRBS Correlation" +
           (sim.Prbs.ImpulseResponseMode ? " (Impulse Response)" : " (Frequency Response)");
}

/// The unit label of a logarithmic magnitude axis; empty when the axis is linear.
std::string DecibelLabel(const Simulation& sim, const Layout& layout) {
    bool magnitude = true;
    bool phase = sim.Prbs.ShowCorrelationPhase;
    if (layout.Fft) {
        if (!sim.Fft.DbMagnitude) return {};
        magnitude = sim.Fft.ShowMagnitude;
        phase = sim.Fft.ShowPhase;
    } else if (!sim.Prbs.LogMagnitude || sim.Prbs.ImpulseResponseMode) {
        return {};
    }
    if (magnitude && phase) return "dB / deg";
    return magnitude ? "dB" : "deg";
}

void DrawCurve(Simulation& sim, Canvas& canvas, const PlotFrame& frame, const Layout& layout, int k) {
    const DisplayBuffer& display = sim.Display;
    const int column = layout.XColumn + k;
    const int stride = SymbolStride(layout.Rows);
    canvas.SetForeColour(CurveColour(sim, layout, k));
    canvas.SetPen(IsPhase(display, column) ? PenStyle::Dash : PenStyle::Solid, 1);
    // Rows where the phase is undefined are left out, and the line starts again after them.
    bool drawing = false;
    double lastX = 0;
    double lastY = 0;
    for (int row = 1; row <= layout.Rows; ++row) {
        const float value = display.At(column, row);
        if (value == PhaseUndefinedMarker) {
            drawing = false;
            continue;
        }
        const double x = display.At(layout.XColumn, row);
        if (drawing) canvas.Line(lastX, lastY, x, value);
        if (sim.Fft.ShowSymbols == 1 && CarriesSymbol(row, stride)) {
            DrawSymbol(canvas, x, value, k, frame.XRange, frame.YRange);
        }
        lastX = x;
        lastY = value;
        drawing = true;
    }
    canvas.SetPen(PenStyle::Solid, 1);
}

std::vector<KeyEntry> KeyEntries(const Simulation& sim, const Layout& layout) {
    std::vector<KeyEntry> entries;
    for (int k = 1; k <= layout.Curves; ++k) {
        const int column = layout.XColumn + k;
        entries.push_back({sim.Display.ColumnTitle[column], sim.Display.ColumnUnits[column],
                           CurveColour(sim, layout, k), k});
    }
    return entries;
}

}  // namespace

void FrequencyGraph(Simulation& sim, Canvas& canvas, int mode) {
    if (mode < FftOnScreen || mode > CorrelationOnPrinter) {
        sim.Ui.Message("Bad FFT Graphics Call");
        return;
    }
    const bool printer = mode == FftOnPrinter || mode == CorrelationOnPrinter;
    const Layout layout = LayoutOf(sim, mode);
    const DisplayBuffer& display = sim.Display;
    if (!printer) canvas.Clear();

    double yMin = NoDataHigh;
    double yMax = -NoDataHigh;
    for (int k = 1; k <= layout.Curves; ++k) {
        ScanRange(&display.At(layout.XColumn + k, 1), layout.Rows, yMin, yMax);
    }
    RangeAdjust(yMin, yMax);
    // Room above the highest value (and, below, left of the lowest frequency), also when the
    // values are negative, as decibels and logarithmic frequencies often are.
    yMax += ValueHeadRoom * std::fabs(yMax);
    double xMin = NoDataHigh;
    double xMax = -NoDataHigh;
    ScanRange(&display.At(layout.XColumn, 1), layout.Rows, xMin, xMax);
    SettleXRange(sim.Ui, xMin, xMax);
    xMin -= FrequencyRoom * std::fabs(xMin);

    const PlotFrame frame = MakePlotFrame(xMin, xMax, yMin, yMax);

    if (printer) {
        StartPrinterPage(canvas, frame, PrinterLeftMargin, Title(sim, layout));
        DrawPrinterKey(canvas, frame, KeyEntries(sim, layout));
    } else {
        canvas.SetFontSize(GraphFontSize);
        SetScreenScale(canvas, frame, ScreenMargin, ScreenMargin);
    }
    // The picture leaves only 0.1 X ranges left of the axis, so the Y labels start there.
    DrawGrid(canvas, frame, LabelFormat(frame.X.Start, frame.X.End(), sim.Ui),
             LabelFormat(frame.Y.Start, frame.Y.End(), sim.Ui), ScreenMargin);
    DrawXAxisTitle(canvas, frame, frame.X.Start,
                   display.ColumnTitle[layout.XColumn] + " ( " + display.ColumnUnits[layout.XColumn] + " ) ------>");
    const std::string decibels = DecibelLabel(sim, layout);
    if (!decibels.empty()) {
        canvas.Text(frame.X.Start + DecibelLabelShift * frame.XRange, frame.Y.End() + DecibelLabelRise * frame.YRange,
                    decibels);
    }

    for (int k = 1; k <= layout.Curves; ++k) DrawCurve(sim, canvas, frame, layout, k);
    if (layout.Fft) {
        // Row 0 holds the mean, plotted left of the first frequency when it is within the axis.
        for (int k = 1; k <= layout.Curves; ++k) {
            const double mean = display.At(layout.XColumn + k, 0);
            if (!(mean > yMin && mean < yMax)) continue;
            const double x = display.At(layout.XColumn, 0);
            canvas.SetForeColour(CurveColour(sim, layout, k));
            canvas.Point(x, mean);
            DrawSymbol(canvas, x, mean, k, frame.XRange, frame.YRange, MeanSymbolScale);
        }
    }

    sim.Fft.XRange = SettingValue(frame.XRange);
    sim.Fft.YRange = SettingValue(frame.YRange);
    if (printer) canvas.EndDocument();
}

}  // namespace quorvane
