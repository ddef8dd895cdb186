#pragma once

#include <optional>
#include <string>

#include "platform/canvas.h"

namespace quorvane {

class Host;

/// The "no data" sentinels a range scan starts from.
inline constexpr double NoDataHigh = 1e37;

/// Widens, offsets or trims a data range in place so that AxisScale can make a readable axis of
/// it: the no-data sentinels (exactly +-NoDataHigh) give 0..0, an empty range is opened up (0..0 becomes -1..1), a minimum
/// or maximum below 1/20 of the other end is pulled to zero, and a range narrower than 0.2% of
/// its level is widened to +-0.1% about its middle.
void RangeAdjust(double& min, double& max);

/// An axis of `Divisions` ticks `Step` apart from `Start`.
struct AxisScaling {
    double Start = 0;
    double Step = 1;
    int Divisions = 1;
    double End() const { return Start + Divisions * Step; }
};

/// The round axis that covers min..max, from the 18-row span/step table (span = step x divisions).
AxisScaling AxisScale(double min, double max);

/// Pattern by magnitude: "0.0" for 0, "0.###e+##" below 1e-4 and from 1e6, otherwise as many
/// decimals as the magnitude leaves room for ("0.###" for 0.1..1, "##0.#" for 10..100, ...).
/// Compared in single precision, as the values are kept.
std::string MagnitudePattern(float magnitude);

/// The tick label pattern for an axis from min to max; shows "Graph Range too small - Try
/// removing any offset" when the span is below 0.2% of its level (the label still comes back).
std::string LabelFormat(double min, double max, Host& ui);

/// Palette colour of a DisplayBuffer column's curve (1..11); black otherwise.
Colour SeriesColour(int column);

/// Draws the plot symbol of symbol set `symbol` (1..6; others draw nothing) centred at (x, y)
/// in the fore colour, sized relative to the axis spans; `scale` enlarges it.
void DrawSymbol(Canvas& canvas, double x, double y, int symbol, double xRange, double yRange,
                double scale = 1.0);

/// Symbols go on every n-th row, n = count / 17 rounded half to even, at least 1.
int SymbolStride(int count);
/// Whether row `row` carries a symbol: from row 2, every stride-th row.
bool CarriesSymbol(int row, int stride);

}  // namespace quorvane
