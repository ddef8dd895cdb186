#include "drawing/plot_axes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "platform/text.h"

namespace quorvane {

namespace {

constexpr Colour Black = Rgb(0, 0, 0);
constexpr int KeyRowsPerBlock = 5;
constexpr std::size_t KeyTitleLength = 30;
constexpr std::size_t KeyUnitsLength = 10;

/// Tick i of an axis; a tick that is zero up to rounding prints as zero, not as "-0.".
double Tick(const AxisScaling& axis, int i) {
    const double v = axis.Start + i * axis.Step;
    return std::fabs(v) < 1e-9 * axis.Step ? 0.0 : v;
}

}  // namespace

void SetScreenScale(Canvas& canvas, const PlotFrame& frame, double leftMargin, double rightMargin) {
    canvas.SetScale(frame.X.Start - std::fabs(leftMargin * frame.XRange), frame.Y.End() + 0.02 * frame.YRange,
                    frame.XDataMax + rightMargin * frame.XRange, frame.Y.Start - std::fabs(0.2 * frame.YRange));
}

double StartPrinterPage(Canvas& canvas, const PlotFrame& frame, double leftMargin, const std::string& title) {
    // The page is 1.298 plot widths wide; the margin is counted in data ranges left of an axis
    // that starts below zero, otherwise in plot widths (the data maximum when the axis starts
    // at zero), so that an axis starting well above zero stays on the page.
    const double width = (frame.XDataMax - frame.X.Start) * 1.1 * 1.18;
    const double left = frame.X.Start < 0 ? frame.X.Start - leftMargin * frame.XRange
                                          : frame.X.Start - leftMargin * (frame.XDataMax - frame.X.Start);
    const double yEnd = frame.Y.End();
    // Head room of 12% of the axis end; an axis ending at or below zero takes it from its span.
    const double headRoom = yEnd > 0 ? 0.12 * yEnd : 0.12 * (yEnd - frame.Y.Start);
    const double top = yEnd + headRoom;
    const double height = -1.1 * (yEnd - (frame.Y.Start - std::fabs(0.2 * frame.YRange)));
    canvas.SetScale(left, top, left + width, top + height);
    canvas.SetForeColour(Black);
    canvas.SetFontSize(PrinterTitleFontSize);
    const double titleY = yEnd + headRoom * 10 / 12;
    canvas.Text(frame.X.Start, titleY, title);
    canvas.SetFontSize(GraphFontSize);
    return titleY;
}

void DrawGrid(Canvas& canvas, const PlotFrame& frame, const std::string& xPattern, const std::string& yPattern,
              double yLabelOffset) {
    const double xEnd = frame.X.End();
    const double yEnd = frame.Y.End();
    canvas.SetPen(PenStyle::Solid, 1);
    for (int i = 0; i <= frame.Y.Divisions; ++i) {
        const double y = Tick(frame.Y, i);
        canvas.SetForeColour(GridColour);
        canvas.Line(frame.X.Start - 0.02 * frame.XRange, y, xEnd, y);
        canvas.SetForeColour(Black);
        canvas.Text(frame.X.Start - yLabelOffset * frame.XRange, y + frame.YRange / 50, Format(y, yPattern));
    }
    for (int i = 0; i <= frame.X.Divisions; ++i) {
        const double x = Tick(frame.X, i);
        canvas.SetForeColour(GridColour);
        canvas.Line(x, frame.Y.Start - 0.03 * frame.YRange, x, yEnd);
        canvas.SetForeColour(Black);
        canvas.Text(x - frame.XRange / 100, frame.Y.Start - 0.03 * frame.YRange, Format(x, xPattern));
    }
    canvas.SetForeColour(Black);
    canvas.Line(frame.X.Start, frame.Y.Start, xEnd, frame.Y.Start);
    canvas.Line(frame.X.Start, frame.Y.Start, frame.X.Start, yEnd);
    if (frame.Y.Start < 0) canvas.Line(frame.X.Start, 0, xEnd, 0);
    if (frame.X.Start < 0) canvas.Line(0, frame.Y.Start, 0, yEnd);
}

void DrawXAxisTitle(Canvas& canvas, const PlotFrame& frame, double x, const std::string& text) {
    canvas.SetForeColour(Black);
    canvas.Text(x, frame.Y.Start - 0.1 * frame.YRange, text);
}

void DrawPrinterKey(Canvas& canvas, const PlotFrame& frame, const std::vector<KeyEntry>& entries) {
    const int count = std::min(static_cast<int>(entries.size()), 2 * KeyRowsPerBlock);
    const double xs = frame.X.Start;
    const double xr = frame.XRange;
    const double yr = frame.YRange;
    for (int i = 1; i <= count; ++i) {
        const KeyEntry& entry = entries[static_cast<std::size_t>(i - 1)];
        const bool rightBlock = count <= KeyRowsPerBlock || i > KeyRowsPerBlock;
        const double offset = rightBlock ? 0.32 : 0.0;
        const int row = i > KeyRowsPerBlock ? i - KeyRowsPerBlock : i;
        const double y = frame.Y.Start - 0.025 * yr * row - 0.04 * yr;
        canvas.SetForeColour(Black);
        canvas.SetPen(PenStyle::Solid, 1);
        canvas.Text(xs + (offset + 0.4) * xr, y, std::string(LeadingCharacters(entry.Title, KeyTitleLength)));
        canvas.Text(xs + (offset + 0.57) * xr, y, std::string(LeadingCharacters(entry.Units, KeyUnitsLength)) + " ");
        // The sample line runs through the middle of its row's text.
        const double sampleY = y - canvas.TextHeight(entry.Title) / 2;
        const double sampleX = xs + (offset + 0.64) * xr;
        canvas.SetForeColour(entry.Pen);
        canvas.Line(sampleX, sampleY, sampleX + 0.03 * xr, sampleY);
        DrawSymbol(canvas, sampleX + 0.03 * xr, sampleY, entry.Symbol, xr, yr);
    }
    canvas.SetForeColour(Black);
    canvas.Box(xs + 0.71 * xr, frame.Y.Start - 0.06 * yr, xs + xr, frame.Y.Start - 0.195 * yr, false);
    if (count > KeyRowsPerBlock) {
        canvas.Box(xs + 0.39 * xr, frame.Y.Start - 0.06 * yr, xs + 0.68 * xr, frame.Y.Start - 0.195 * yr, false);
    }
}

void ScanRange(const float* first, int count, double& min, double& max) {
    for (int i = 0; i < count; ++i) {
        const double v = first[i];
        // The first value replaces a sentinel outright, so data beyond 1e37 cannot leave one
        // standing.
        min = min == NoDataHigh ? v : std::min(min, v);
        max = max == -NoDataHigh ? v : std::max(max, v);
    }
}

void SettleXRange(Host& ui, double& min, double& max) {
    if (min == NoDataHigh || max == -NoDataHigh) {
        min = 0;
        max = 0;
    }
    if (min != max) return;
    ui.Message("Cannot Plot -Constant data specified for X axis");
    if (max == 0) {
        min = -1;
        max = 1;
        return;
    }
    const double spreadMax = 5 * max + min;
    min = spreadMax - 10 * spreadMax;
    max = spreadMax;
    // A negative constant gives the two ends the wrong way round.
    if (min > max) std::swap(min, max);
}

float SettingValue(double value) {
    constexpr double Largest = std::numeric_limits<float>::max();
    if (std::isnan(value)) return 0.0f;
    return static_cast<float>(std::clamp(value, -Largest, Largest));
}

}  // namespace quorvane
