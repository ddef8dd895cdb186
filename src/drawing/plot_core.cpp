#include "drawing/plot_core.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "platform/host.h"

namespace quorvane {

namespace {

struct ScaleRow {
    double Span;
    double Step;
    int Divisions;
};

// Every row satisfies span = step x divisions.
constexpr std::array<ScaleRow, 18> ScaleRows{{
    {1, 0.1, 10},    {1.125, 0.125, 9}, {1.25, 0.125, 10}, {1.5, 0.25, 6}, {1.75, 0.25, 7},
    {2, 0.25, 8},    {2.25, 0.25, 9},   {2.5, 0.25, 10},   {3, 0.5, 6},    {3.5, 0.5, 7},
    {4, 0.5, 8},     {4.5, 0.5, 9},     {5, 0.5, 10},      {6, 1, 6},      {7, 1, 7},
    {8, 1, 8},       {9, 1, 9},         {10, 1, 10},
}};

// Spans read back from single-precision data are a hair off the table's round values.
constexpr double SpanTolerance = 1e-6;
constexpr int DecadeLimit = 37;   // power-of-ten scaling stays within 1e-37..1e37

/// v scaled by 10^k, dividing for negative k so that 0.1-steps stay as exact as they can.
double TimesDecade(double v, int k) {
    return k >= 0 ? v * std::pow(10.0, k) : v / std::pow(10.0, -k);
}

/// The exponent k that brings v x 10^k into 1..10, within the decade limit.
int DecadeExponent(double v) {
    int k = 0;
    while (TimesDecade(v, k) > 10 && k > -DecadeLimit) --k;
    while (TimesDecade(v, k) < 1 && k < DecadeLimit) ++k;
    return k;
}

const ScaleRow& FirstRowCovering(double scaled) {
    for (const ScaleRow& row : ScaleRows) {
        if (row.Span >= scaled * (1 - SpanTolerance)) return row;
    }
    return ScaleRows.back();
}

int Sign(double v) { return (v > 0) - (v < 0); }

struct SymbolShape {
    double Size;
    int Count;
    std::array<std::pair<double, double>, 7> Points;   // start offset, then relative segments
};

constexpr std::array<SymbolShape, 6> Symbols{{
    {0.75, 7, {{{-1.5, 0}, {1, 1}, {1, 0}, {1, -1}, {-1, -1}, {-1, 0}, {-1, 1}}}},
    {0.75, 5, {{{-1.5, 3}, {3, -6}, {-1.5, 3}, {1.5, 3}, {-3, -6}}}},
    {0.6, 5, {{{-2, 3}, {4, 0}, {0, -6}, {-4, 0}, {0, 6}}}},
    {0.8, 4, {{{0, 3}, {2, -6}, {-4, 0}, {2, 6}}}},
    {1.0, 7, {{{-1.5, 0}, {1, 2}, {1, 0}, {1, -2}, {-1, -2}, {-1, 0}, {-1, 2}}}},
    {1.0, 2, {{{0, 3}, {0, -6}}}},
}};

}  // namespace

void RangeAdjust(double& min, double& max) {
    // Only the sentinels themselves mean no data: single-precision data never equal them.
    if (std::isnan(min) || std::isnan(max) || std::fabs(min) == NoDataHigh || std::fabs(max) == NoDataHigh) {
        min = 0;
        max = 0;
    }
    if (min > max) std::swap(min, max);
    if (min == max) {
        if (max > 0) {
            max = 2 * min;
            min = 0;
        } else if (max < 0) {
            max = 0;
            min = 2 * min;
        } else {
            max = 1;
            min = -1;
        }
    }
    // An end close to zero compared with the other is taken to zero, so the axis starts there.
    if (max > 0 && min < 0) {
        if (std::fabs(max) > 20 * std::fabs(min)) {
            min = 0;
        } else if (std::fabs(min) > 20 * std::fabs(max)) {
            max = 0;
        }
    } else if (min > 0 && max > 20 * min) {
        min = 0;
    } else if (max < 0 && std::fabs(min) > 20 * std::fabs(max)) {
        max = 0;
    }
    const double range = max - min;
    double mid = std::fabs(min + max) / 2;
    if (mid == 0) mid = max / 2;
    if (range / mid <= 0.002) {
        if (min + max > 0) {
            max = 1.001 * mid;
            min = 0.999 * mid;
        } else {
            min = -1.001 * mid;
            max = -0.999 * mid;
        }
    }
}

AxisScaling AxisScale(double min, double max) {
    if (!(max > min)) RangeAdjust(min, max);
    const double range = max - min;
    const double ratio = range / (std::fabs(min) + range / 2);
    AxisScaling axis;
    if (ratio <= 0.1) {
        // A narrow band far from zero: ticks on the band's own decade, starting below min.
        const int k = DecadeExponent(range);
        const ScaleRow& row = FirstRowCovering(TimesDecade(range, k));
        axis.Step = TimesDecade(row.Step, -k);
        axis.Divisions = row.Divisions;
        axis.Start = std::floor(min / axis.Step + SpanTolerance) * axis.Step;
        // Starting below min can leave the top of the band above the last tick; extra
        // divisions keep the whole band on the axis.
        while (axis.End() < max - SpanTolerance * axis.Step) ++axis.Divisions;
        return axis;
    }
    const int sign = Sign(min);
    const int kMin = DecadeExponent(std::fabs(min));
    const double scaledMin = TimesDecade(std::fabs(min), kMin);
    const ScaleRow* startRow = nullptr;
    if (sign >= 0) {
        startRow = &ScaleRows.front();
        for (auto row = ScaleRows.rbegin(); row != ScaleRows.rend(); ++row) {
            if (row->Span <= scaledMin * (1 + SpanTolerance)) {
                startRow = &*row;
                break;
            }
        }
    } else {
        startRow = &FirstRowCovering(scaledMin);
    }
    axis.Start = sign * TimesDecade(startRow->Span, -kMin);
    const double span = max - axis.Start;
    const int k = DecadeExponent(span);
    const ScaleRow& row = FirstRowCovering(TimesDecade(span, k));
    axis.Step = TimesDecade(row.Step, -k);
    axis.Divisions = row.Divisions;
    return axis;
}

std::string MagnitudePattern(float magnitude) {
    const float a = magnitude;
    if (a == 0.0f) return "0.0";
    if (a <= 0.0001f) return "0.###e+##";
    if (a < 0.001f) return "0.######";
    if (a < 0.01f) return "0.#####";
    if (a < 0.1f) return "0.####";
    if (a < 1.0f) return "0.###";
    if (a < 10.0f) return "#0.##";
    if (a < 100.0f) return "##0.#";
    if (a < 1000.0f) return "##0";
    if (a < 10000.0f) return "###0";
    if (a < 100000.0f) return "####0";
    if (a < 1000000.0f) return "#####0";
    return "0.###e+##";
}

std::string LabelFormat(double min, double max, Host& ui) {
    const double mid = std::fabs(min + max) / 2;
    const double range = max - min;
    const double upper = std::fabs(mid + max) / 2;
    if (0.002 * mid > range) ui.Message("Graph Range too small - Try removing any offset");
    const double v = std::min(upper, range);
    if (std::isnan(v)) return "####.####";
    if (v < 0) return "0.###e+##";
    return MagnitudePattern(static_cast<float>(v));
}

Colour SeriesColour(int column) {
    using enum Palette;
    static constexpr std::array<Palette, 12> ColumnColours{
        Black, Blue, LightRed, Cyan, Red, Magenta, LightMagenta, LightGreen, LightCyan, Brown, LightBlue, Yellow};
    if (column < 1 || column > 11) return PaletteColour(Black);
    return PaletteColour(ColumnColours[static_cast<std::size_t>(column)]);
}

void DrawSymbol(Canvas& canvas, double x, double y, int symbol, double xRange, double yRange, double scale) {
    if (symbol < 1 || symbol > static_cast<int>(Symbols.size())) return;
    const SymbolShape& shape = Symbols[static_cast<std::size_t>(symbol - 1)];
    const double unitX = shape.Size * xRange / 300 * scale;
    const double unitY = shape.Size * yRange / 300 * scale;
    double px = x + shape.Points[0].first * unitX;
    double py = y + shape.Points[0].second * unitY;
    for (int i = 1; i < shape.Count; ++i) {
        const double nx = px + shape.Points[static_cast<std::size_t>(i)].first * unitX;
        const double ny = py + shape.Points[static_cast<std::size_t>(i)].second * unitY;
        canvas.Line(px, py, nx, ny);
        px = nx;
        py = ny;
    }
}

int SymbolStride(int count) {
    return std::max(1, static_cast<int>(std::nearbyint(count / 17.0)));
}

bool CarriesSymbol(int row, int stride) { return row >= 2 && row % stride == 0; }

}  // namespace quorvane
