#include "drawing/plot_axes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "platform/text.h"

namespace quorvane {

namespace {

constexpr Colour Black = PaletteColour(Palette::Black);

// Fractions of the data spans (X range, Y range) that place the parts of a graph.
constexpr double ScreenHeadRoom = 0.02;    ///< above the Y axis end on the screen
constexpr double XLabelRoom = 0.2;         ///< below the X axis: its tick labels and title
constexpr double PrinterHeadRoom = 0.12;   ///< above the Y axis end on paper, of the axis span
constexpr double PrinterFootRoom = 0.22;   ///< below the Y axis start on paper at least: the key
constexpr double TitleLineInHeadRoom = 10.0 / 12;   ///< the title's height in the head room
constexpr double PageFill = 1.1;           ///< the page is this much larger than the graph
constexpr double PageWidening = 1.18;      ///< and wider still, for the Y labels
constexpr double GridOverhangX = 0.02;     ///< horizontal grid lines reach left of the Y axis
constexpr double GridOverhangY = 0.03;     ///< vertical grid lines reach below the X axis
constexpr double YLabelRise = 0.02;        ///< Y tick labels stand above their grid line
constexpr double XLabelShift = 0.01;       ///< X tick labels start left of their grid line
constexpr double XLabelDrop = 0.03;        ///< X tick labels hang below the X axis
constexpr double XAxisTitleDrop = 0.1;     ///< the X axis title hangs below the X axis
constexpr double RightLabelShift = 0.03;   ///< right-hand scale labels start right of its axis
constexpr double MaxDecadeTicks = 10;

// The printed key below the plot, in X ranges right of the X axis start and Y ranges below
// the Y axis start: two blocks of rows, the right one KeyRightBlock further right.
constexpr double KeyRightBlock = 0.32;
constexpr double KeyTitleAt = 0.4;
constexpr double KeyUnitsAt = 0.57;
constexpr double KeySampleAt = 0.64;
constexpr double KeySampleLength = 0.03;
constexpr double KeyFirstRowDrop = 0.04;   ///< row r stands this plus r row heights down
constexpr double KeyRowHeight = 0.025;
constexpr double KeyBoxTop = 0.06;
constexpr double KeyBoxBottom = 0.195;
constexpr double KeyRightBoxLeft = 0.71;
constexpr double KeyLeftBoxLeft = 0.39;
constexpr double KeyLeftBoxRight = 0.68;
constexpr int KeyRowsPerBlock = 5;
constexpr std::size_t KeyTitleLength = 30;
constexpr std::size_t KeyUnitsLength = 10;

/// Tick i of an axis; a tick that is zero up to rounding prints as zero, not as "-0.".
double Tick(const AxisScaling& axis, int i) {
    const double v = axis.Start + i * axis.Step;
    return std::fabs(v) < 1e-9 * axis.Step ? 0.0 : v;
}

std::string TickLabel(double tick, bool log, const std::string& pattern) {
    return log ? DecadeLabel(tick) : Format(tick, pattern);
}

AxisScaling ScaleOf(const AxisLimits& limits) {
    return limits.Log ? DecadeScale(limits.Min, limits.Max) : AxisScale(limits.Min, limits.Max);
}

/// The fainter lines at 2..9 times each decade of a decade axis, as `line` draws them at their
/// positions; none when the ticks are more than a decade apart.
template <typename DrawAt>
void BetweenDecades(const AxisScaling& axis, DrawAt line) {
    if (axis.Step != 1) return;
    for (int i = 0; i < axis.Divisions; ++i) {
        for (int k = 2; k <= 9; ++k) line(Tick(axis, i) + std::log10(k));
    }
}

void DrawRightScale(Canvas& canvas, const PlotFrame& frame, const std::string& pattern) {
    const AxisScaling& right = *frame.Right;
    const double x = frame.X.End();
    canvas.SetForeColour(Black);
    canvas.Line(x, frame.Y.Start, x, frame.Y.End());
    for (int i = 0; i <= right.Divisions; ++i) {
        const double y = frame.OnLeftScale(Tick(right, i));
        canvas.Line(x, y, x + GridOverhangX * frame.XRange, y);
        canvas.Text(x + RightLabelShift * frame.XRange, y + YLabelRise * frame.YRange, Format(Tick(right, i), pattern));
    }
}

}  // namespace

double PlotFrame::OnLeftScale(double rightValue) const {
    if (!Right || Right->End() == Right->Start) return rightValue;
    return Y.Start + (rightValue - Right->Start) * (Y.End() - Y.Start) / (Right->End() - Right->Start);
}

PlotFrame MakePlotFrame(const AxisLimits& x, const AxisLimits& y) {
    PlotFrame frame;
    frame.X = ScaleOf(x);
    frame.Y = ScaleOf(y);
    frame.XLog = x.Log;
    frame.YLog = y.Log;
    frame.XDataMax = x.Max;
    frame.XRange = x.Max - x.Min;
    frame.YRange = y.Max - y.Min;
    return frame;
}

AxisScaling DecadeScale(double min, double max) {
    const double first = std::floor(min);
    const double decades = std::max(1.0, std::ceil(max) - first);
    const double step = std::ceil(decades / MaxDecadeTicks);
    return {first, step, static_cast<int>(std::ceil(decades / step))};
}

std::string DecadeLabel(double decade) { return NumberText(std::pow(10.0, std::round(decade))); }

void SetScreenScale(Canvas& canvas, const PlotFrame& frame, double leftMargin, double rightMargin) {
    canvas.SetScale(frame.X.Start - std::fabs(leftMargin * frame.XRange),
                    frame.Y.End() + ScreenHeadRoom * frame.YRange, frame.RightEnd() + rightMargin * frame.XRange,
                    frame.Y.Start - std::fabs(XLabelRoom * frame.YRange));
}

double StartPrinterPage(Canvas& canvas, const PlotFrame& frame, double leftMargin, const std::string& title) {
    // Margins are counted in data ranges left of an axis that starts below zero, otherwise in
    // plot widths, and the room above in axis spans, so that an axis starting well above zero
    // stays on the page.
    const double width = (frame.RightEnd() - frame.X.Start) * PageFill * PageWidening;
    const double left = frame.X.Start < 0 ? frame.X.Start - leftMargin * frame.XRange
                                          : frame.X.Start - leftMargin * (frame.RightEnd() - frame.X.Start);
    const double yEnd = frame.Y.End();
    const double headRoom = PrinterHeadRoom * (yEnd - frame.Y.Start);
    const double top = yEnd + headRoom;
    // The key hangs below the axis by shares of the data range, which a wide axis can exceed.
    const double bottom = std::min(top - PageFill * (yEnd - (frame.Y.Start - std::fabs(XLabelRoom * frame.YRange))),
                                   frame.Y.Start - PrinterFootRoom * std::fabs(frame.YRange));
    canvas.SetScale(left, top, left + width, bottom);
    canvas.SetForeColour(Black);
    canvas.SetFontSize(PrinterTitleFontSize);
    const double titleY = yEnd + headRoom * TitleLineInHeadRoom;
    canvas.Text(frame.X.Start, titleY, title);
    canvas.SetFontSize(GraphFontSize);
    return titleY;
}

void DrawGrid(Canvas& canvas, const PlotFrame& frame, const TickPatterns& patterns, double yLabelOffset) {
    const double xEnd = frame.X.End();
    const double yEnd = frame.Y.End();
    canvas.SetPen(PenStyle::Dot, 1);
    canvas.SetForeColour(GridColour);
    if (frame.YLog) BetweenDecades(frame.Y, [&](double y) { canvas.Line(frame.X.Start, y, xEnd, y); });
    if (frame.XLog) BetweenDecades(frame.X, [&](double x) { canvas.Line(x, frame.Y.Start, x, yEnd); });
    canvas.SetPen(PenStyle::Solid, 1);
    for (int i = 0; i <= frame.Y.Divisions; ++i) {
        const double y = Tick(frame.Y, i);
        canvas.SetForeColour(GridColour);
        canvas.Line(frame.X.Start - GridOverhangX * frame.XRange, y, xEnd, y);
        canvas.SetForeColour(Black);
        canvas.Text(frame.X.Start - yLabelOffset * frame.XRange, y + YLabelRise * frame.YRange,
                    TickLabel(y, frame.YLog, patterns.Y));
    }
    for (int i = 0; i <= frame.X.Divisions; ++i) {
        const double x = Tick(frame.X, i);
        canvas.SetForeColour(GridColour);
        canvas.Line(x, frame.Y.Start - GridOverhangY * frame.YRange, x, yEnd);
        canvas.SetForeColour(Black);
        canvas.Text(x - XLabelShift * frame.XRange, frame.Y.Start - XLabelDrop * frame.YRange,
                    TickLabel(x, frame.XLog, patterns.X));
    }
    canvas.SetForeColour(Black);
    canvas.Line(frame.X.Start, frame.Y.Start, xEnd, frame.Y.Start);
    canvas.Line(frame.X.Start, frame.Y.Start, frame.X.Start, yEnd);
    // A decade axis has no zero: its start below zero is a frequency below 1.
    if (frame.Y.Start < 0 && !frame.YLog) canvas.Line(frame.X.Start, 0, xEnd, 0);
    if (frame.X.Start < 0 && !frame.XLog) canvas.Line(0, frame.Y.Start, 0, yEnd);
    if (frame.Right) DrawRightScale(canvas, frame, patterns.Right);
}

void ClipToFrame(Canvas& canvas, const PlotFrame& frame) {
    canvas.SetClip(frame.X.Start, frame.Y.End(), frame.X.End(), frame.Y.Start);
}

void DrawXAxisTitle(Canvas& canvas, const PlotFrame& frame, double x, const std::string& text) {
    canvas.SetForeColour(Black);
    canvas.Text(x, frame.Y.Start - XAxisTitleDrop * frame.YRange, text);
}

void DrawPrinterKey(Canvas& canvas, const PlotFrame& frame, const std::vector<KeyEntry>& entries) {
    const int count = std::min(static_cast<int>(entries.size()), 2 * KeyRowsPerBlock);
    const double xs = frame.X.Start;
    const double xr = frame.XRange;
    const double yr = frame.YRange;
    for (int i = 1; i <= count; ++i) {
        const KeyEntry& entry = entries[static_cast<std::size_t>(i - 1)];
        const bool rightBlock = count <= KeyRowsPerBlock || i > KeyRowsPerBlock;
        const double offset = rightBlock ? KeyRightBlock : 0.0;
        const int row = i > KeyRowsPerBlock ? i - KeyRowsPerBlock : i;
        const double y = frame.Y.Start - KeyRowHeight * yr * row - KeyFirstRowDrop * yr;
        canvas.SetForeColour(Black);
        canvas.SetPen(PenStyle::Solid, 1);
        const std::string title(LeadingCharacters(entry.Title, KeyTitleLength));
        const std::string units(LeadingCharacters(entry.Units, KeyUnitsLength));
        canvas.Text(xs + (offset + KeyTitleAt) * xr, y, title + entry.Note);
        canvas.Text(xs + (offset + KeyUnitsAt) * xr, y, units + " ");
        // The sample line runs through the middle of its row's text.
        const double sampleY = y - canvas.TextHeight(entry.Title) / 2;
        const double sampleX = xs + (offset + KeySampleAt) * xr;
        canvas.SetForeColour(entry.Pen);
        canvas.SetPen(entry.Style, 1);
        canvas.Line(sampleX, sampleY, sampleX + KeySampleLength * xr, sampleY);
        canvas.SetPen(PenStyle::Solid, 1);
        DrawSymbol(canvas, sampleX + KeySampleLength * xr, sampleY, entry.Symbol, xr, yr);
    }
    canvas.SetForeColour(Black);
    const double boxTop = frame.Y.Start - KeyBoxTop * yr;
    const double boxBottom = frame.Y.Start - KeyBoxBottom * yr;
    canvas.Box(xs + KeyRightBoxLeft * xr, boxTop, xs + xr, boxBottom, false);
    if (count > KeyRowsPerBlock) {
        canvas.Box(xs + KeyLeftBoxLeft * xr, boxTop, xs + KeyLeftBoxRight * xr, boxBottom, false);
    }
}

void FitKeyRows(std::vector<KeyEntry>& entries) {
    const auto rows = static_cast<std::size_t>(2 * KeyRowsPerBlock);
    if (entries.size() <= rows) return;
    const std::size_t more = entries.size() - (rows - 1);
    entries.resize(rows - 1);
    entries.push_back({"+ " + std::to_string(more) + " more not shown", "", PaletteColour(Palette::White)});
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
