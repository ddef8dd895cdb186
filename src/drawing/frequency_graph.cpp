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
/// The unit labels' places inside the ends of the X axis and above the Y axis' end, in X and Y ranges.
constexpr double UnitLabelShift = 0.01;
constexpr double UnitLabelRise = 0.02;

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

/// Phases stand on a scale of their own on the right when magnitudes share the graph.
bool TwoScales(const Simulation& sim, const Layout& layout) {
    bool phase = false;
    bool other = false;
    for (int k = 1; k <= layout.Curves; ++k) (IsPhase(sim.Display, layout.XColumn + k) ? phase : other) = true;
    return phase && other;
}

bool LogFrequencyAxis(const Simulation& sim, const Layout& layout) {
    if (layout.Fft) return sim.Fft.LogFrequency;
    return !sim.Prbs.ImpulseResponseMode && sim.Prbs.LogFrequency;
}

/// The unit labels at the top of the left-hand and right-hand scales: decibels on a
/// logarithmic magnitude axis and degrees for phases (both on the left when the phases share
/// it); empty where there is nothing to say.
struct ScaleLabels {
    std::string Left;
    std::string Right;
};
ScaleLabels UnitLabels(const Simulation& sim, const Layout& layout, bool twoScales) {
    bool magnitude = true;
    bool phase = sim.Prbs.ShowCorrelationPhase;
    bool decibels = !layout.Fft && sim.Prbs.LogMagnitude && !sim.Prbs.ImpulseResponseMode;
    if (layout.Fft) {
        decibels = sim.Fft.DbMagnitude;
        magnitude = sim.Fft.ShowMagnitude;
        phase = sim.Fft.ShowPhase;
    }
    if (twoScales) return {decibels ? "dB" : "", "deg"};
    if (!decibels) return {};
    if (magnitude && phase) return {"dB / deg", ""};
    return {magnitude ? "dB" : "deg", ""};
}

/// Where curve k's values stand against the left-hand scale.
double Height(const PlotFrame& frame, bool rightScale, double value) {
    return rightScale ? frame.OnLeftScale(value) : value;
}

void DrawCurve(Simulation& sim, Canvas& canvas, const PlotFrame& frame, const Layout& layout, int k) {
    const DisplayBuffer& display = sim.Display;
    const int column = layout.XColumn + k;
    const bool phase = IsPhase(display, column);
    const bool rightScale = phase && frame.Right;
    const int stride = SymbolStride(layout.Rows);
    canvas.SetForeColour(CurveColour(sim, layout, k));
    canvas.SetPen(phase ? PenStyle::Dash : PenStyle::Solid, 1);
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
        const double y = Height(frame, rightScale, value);
        if (drawing) canvas.Line(lastX, lastY, x, y);
        if (sim.Fft.ShowSymbols == 1 && CarriesSymbol(row, stride)) {
            DrawSymbol(canvas, x, y, k, frame.XRange, frame.YRange);
        }
        lastX = x;
        lastY = y;
        drawing = true;
    }
    canvas.SetPen(PenStyle::Solid, 1);
}

/// Row 0 holds the mean, plotted left of the first frequency when it is within its axis.
void DrawMeans(Simulation& sim, Canvas& canvas, const PlotFrame& frame, const Layout& layout) {
    const DisplayBuffer& display = sim.Display;
    for (int k = 1; k <= layout.Curves; ++k) {
        const int column = layout.XColumn + k;
        const bool rightScale = IsPhase(display, column) && frame.Right;
        const AxisScaling& axis = rightScale ? *frame.Right : frame.Y;
        const double mean = display.At(column, 0);
        if (!(mean > axis.Start && mean < axis.End())) continue;
        const double x = display.At(layout.XColumn, 0);
        const double y = Height(frame, rightScale, mean);
        canvas.SetForeColour(CurveColour(sim, layout, k));
        canvas.Point(x, y);
        DrawSymbol(canvas, x, y, k, frame.XRange, frame.YRange, MeanSymbolScale);
    }
}

std::vector<KeyEntry> KeyEntries(const Simulation& sim, const Layout& layout, bool twoScales) {
    std::vector<KeyEntry> entries;
    for (int k = 1; k <= layout.Curves; ++k) {
        const int column = layout.XColumn + k;
        const bool phase = IsPhase(sim.Display, column);
        std::string note;
        if (twoScales) note = phase ? " (right scale)" : " (left scale)";
        entries.push_back({sim.Display.ColumnTitle[column], sim.Display.ColumnUnits[column],
                           CurveColour(sim, layout, k), k, phase ? PenStyle::Dash : PenStyle::Solid, note});
    }
    return entries;
}

enum class Curves { All = 0, Magnitudes = 1, Phases = 2 };

/// The value range of some of the curves, adjusted and with room above.
void ValueRange(const Simulation& sim, const Layout& layout, Curves which, double& min, double& max) {
    min = NoDataHigh;
    max = -NoDataHigh;
    for (int k = 1; k <= layout.Curves; ++k) {
        const int column = layout.XColumn + k;
        const bool phase = IsPhase(sim.Display, column);
        if (which != Curves::All && phase != (which == Curves::Phases)) continue;
        // Undefined phases are markers, not values.
        for (int row = 1; row <= layout.Rows; ++row) {
            const float value = sim.Display.At(column, row);
            if (!phase || value != PhaseUndefinedMarker) ScanRange(&value, 1, min, max);
        }
    }
    RangeAdjust(min, max);
    // Room above the highest value, also when the values are negative, as decibels often are.
    max += ValueHeadRoom * std::fabs(max);
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

    const bool twoScales = TwoScales(sim, layout);
    double yMin = 0;
    double yMax = 0;
    ValueRange(sim, layout, twoScales ? Curves::Magnitudes : Curves::All, yMin, yMax);
    const bool logX = LogFrequencyAxis(sim, layout);
    double xMin = NoDataHigh;
    double xMax = -NoDataHigh;
    ScanRange(&display.At(layout.XColumn, 1), layout.Rows, xMin, xMax);
    SettleXRange(sim.Ui, xMin, xMax);
    // Room left of the lowest frequency; a decade axis starts at a whole decade below it anyway.
    if (!logX) xMin -= FrequencyRoom * std::fabs(xMin);

    PlotFrame frame = MakePlotFrame({xMin, xMax, logX}, {yMin, yMax, false});
    if (twoScales) {
        double phaseMin = 0;
        double phaseMax = 0;
        ValueRange(sim, layout, Curves::Phases, phaseMin, phaseMax);
        frame.Right = AxisScale(phaseMin, phaseMax);
    }

    if (printer) {
        StartPrinterPage(canvas, frame, PrinterLeftMargin, Title(sim, layout));
        DrawPrinterKey(canvas, frame, KeyEntries(sim, layout, twoScales));
    } else {
        canvas.SetFontSize(GraphFontSize);
        SetScreenScale(canvas, frame, ScreenMargin, ScreenMargin);
    }
    // The picture leaves only 0.1 X ranges left of the axis, so the Y labels start there.
    TickPatterns patterns{LabelFormat(frame.X.Start, frame.X.End(), sim.Ui),
                          LabelFormat(frame.Y.Start, frame.Y.End(), sim.Ui), {}};
    if (frame.Right) patterns.Right = LabelFormat(frame.Right->Start, frame.Right->End(), sim.Ui);
    DrawGrid(canvas, frame, patterns, ScreenMargin);
    DrawXAxisTitle(canvas, frame, frame.X.Start,
                   display.ColumnTitle[layout.XColumn] + " ( " + display.ColumnUnits[layout.XColumn] + " ) ------>");
    const ScaleLabels units = UnitLabels(sim, layout, twoScales);
    const double unitsY = frame.Y.End() + UnitLabelRise * frame.YRange;
    if (!units.Left.empty()) canvas.Text(frame.X.Start + UnitLabelShift * frame.XRange, unitsY, units.Left);
    if (!units.Right.empty()) {
        canvas.Text(frame.X.End() - UnitLabelShift * frame.XRange - canvas.TextWidth(units.Right), unitsY,
                    units.Right);
    }

    ClipToFrame(canvas, frame);
    for (int k = 1; k <= layout.Curves; ++k) DrawCurve(sim, canvas, frame, layout, k);
    // The mean stands at frequency zero, which a decade axis does not reach.
    if (layout.Fft && !logX) DrawMeans(sim, canvas, frame, layout);

    sim.Fft.XRange = SettingValue(frame.XRange);
    sim.Fft.YRange = SettingValue(frame.YRange);
    if (printer) canvas.EndDocument();
}

}  // namespace quorvane
