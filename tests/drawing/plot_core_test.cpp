#include "drawing/plot_core.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "support/recording_canvas.h"
#include "support/recording_host.h"

namespace quorvane {
namespace {

constexpr double Tolerance = 1e-9;

std::string RangeName(double min, double max) { return std::to_string(min) + " .. " + std::to_string(max); }

TEST(PlotCore, RangeAdjustOpensTrimsAndWidens) {
    struct Case { double Min, Max, WantMin, WantMax; };
    const Case cases[] = {
        {0, 0, -1, 1},                 // all-zero data
        {1e37, -1e37, -1, 1},          // no data at all
        {0, 5e37, 0, 5e37},            // data beyond the sentinels' magnitude is still data
        {-5e37, 4e37, -5e37, 4e37},
        {5e37, 5e37, 0, 1e38},
        {3, 3, 0, 6},                  // constant positive
        {-3, -3, -6, 0},               // constant negative
        {5, 1000, 0, 1000},            // min below max / 20 drops to zero
        {-1000, 5, -1000, 0},          // straddling, max tiny
        {-5, 1000, 0, 1000},           // straddling, min tiny
        {-1000, -5, -1000, 0},         // both negative, max near zero
        {100.25, 100.85, 100.25, 100.85},   // 0.6% of its level: kept
        // 0.1 / 100.05 is below 0.2%: widened to +-0.1% about the middle, either side of zero.
        {100, 100.1, 0.999 * 100.05, 1.001 * 100.05},
        {-100.1, -100, -1.001 * 100.05, -0.999 * 100.05},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(RangeName(c.Min, c.Max));
        double min = c.Min;
        double max = c.Max;
        RangeAdjust(min, max);
        EXPECT_NEAR(min, c.WantMin, Tolerance * std::max(1.0, std::fabs(c.WantMin)));
        EXPECT_NEAR(max, c.WantMax, Tolerance * std::max(1.0, std::fabs(c.WantMax)));
    }
}

TEST(PlotCore, AxisScaleGivesRoundAxes) {
    struct Case { double Min, Max, Start, Step; int Divisions; };
    const Case cases[] = {
        {-1, 1, -1, 0.25, 8},              // all-zero data after RangeAdjust
        {0, 7.3, 0, 1, 8},                 // span 7.3 takes the 8-row
        {100.25, 100.85, 100.2, 0.1, 7},   // narrow band from Int(1002.5) * 0.1, on to 100.9
        {100.2, 100.8, 100.2, 0.1, 6},
        {0, 1000, 0, 100, 10},
        {30, 100, 30, 10, 7},              // start on the 3-row, 70 more on the 7-row
        {-3.7, 10, -4, 2.5, 6},            // start rounds outward to -4; 14 takes the 1.5-row
        {0, 0.6, 0, 0.1, 6},
        {0, 10, 0, 1, 10},
        // Single-precision data reads back a hair off: 100.85f is 100.8499985, 7.3f is 7.3000002.
        {100.25f, 100.85f, 100.2, 0.1, 7},
        {0, 7.3f, 0, 1, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(RangeName(c.Min, c.Max));
        const AxisScaling axis = AxisScale(c.Min, c.Max);
        EXPECT_NEAR(axis.Start, c.Start, Tolerance);
        EXPECT_NEAR(axis.Step, c.Step, Tolerance);
        EXPECT_EQ(axis.Divisions, c.Divisions);
        EXPECT_LE(axis.Start, c.Min + Tolerance);
        EXPECT_GE(axis.End(), c.Max - Tolerance);
    }
}

TEST(PlotCore, LabelFormatFollowsTheSmallerOfSpanAndLevel) {
    struct Case { double Min, Max; const char* Pattern; };
    const Case cases[] = {
        {0, 0, "0.0"},          {0, 0.00005, "0.###e+##"}, {0, 0.0005, "0.######"}, {0, 0.005, "0.#####"},
        {0, 0.05, "0.####"},    {0, 0.5, "0.###"},         {0, 8, "#0.##"},         {0, 50, "##0.#"},
        {0, 500, "##0"},        {0, 5000, "###0"},         {0, 50000, "####0"},     {0, 500000, "#####0"},
        {0, 5e6, "0.###e+##"},
        {-1, 1, "0.###"},       // level (|0| + 1) / 2 = 0.5 is smaller than the span 2
        {1000, 1010, "##0.#"},  // a narrow band far from zero: the span 10 decides
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(RangeName(c.Min, c.Max));
        RecordingHost host;
        EXPECT_EQ(LabelFormat(c.Min, c.Max, host), c.Pattern);
        EXPECT_TRUE(host.Messages().empty());
    }
    RecordingHost host;
    LabelFormat(1000, 1000.5, host);
    EXPECT_EQ(host.Messages(), (std::vector<std::string>{"Graph Range too small - Try removing any offset"}));
}

TEST(PlotCore, SymbolsAreClosedShapesSizedByTheRanges) {
    // Symbol 1 with both ranges 400: unit = 0.75 * 400 / 300 = 1, a hexagon from (-1.5, 0)
    // round to where it started.
    RecordingCanvas canvas;
    DrawSymbol(canvas, 10, 20, 1, 400, 400);
    const auto lines = canvas.OfKind(RecordingCanvas::Kind::Line);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_NEAR(lines.front().X1, 8.5, Tolerance);
    EXPECT_NEAR(lines.front().Y1, 20, Tolerance);
    EXPECT_NEAR(lines.front().X2, 9.5, Tolerance);
    EXPECT_NEAR(lines.front().Y2, 21, Tolerance);
    EXPECT_NEAR(lines.back().X2, 8.5, Tolerance);
    EXPECT_NEAR(lines.back().Y2, 20, Tolerance);

    // Symbol 6 is a single bar of 6 units, here with size 1 and Y range 300: y 23 down to 17.
    RecordingCanvas bar;
    DrawSymbol(bar, 10, 20, 6, 300, 300, 1.0);
    ASSERT_EQ(bar.Drawn.size(), 1u);
    EXPECT_NEAR(bar.Drawn[0].Y1, 23, Tolerance);
    EXPECT_NEAR(bar.Drawn[0].Y2, 17, Tolerance);

    for (int column : {0, 7, 8, 9, 10, 11, 18}) {
        SCOPED_TRACE(column);
        RecordingCanvas none;
        DrawSymbol(none, 0, 0, column, 1, 1);
        EXPECT_TRUE(none.Drawn.empty());
    }
}

TEST(PlotCore, SymbolStrideRoundsTheRowsOverSeventeen) {
    // 101 / 17 = 5.94 gives 6, 144 / 17 = 8.47 gives 8 (25 rows, stride 1, are drawn in the
    // time graph tests).
    EXPECT_EQ(SymbolStride(101), 6);
    EXPECT_EQ(SymbolStride(144), 8);
    EXPECT_EQ(SymbolStride(0), 1);
    EXPECT_TRUE(CarriesSymbol(12, 6));
    EXPECT_FALSE(CarriesSymbol(13, 6));
}

}  // namespace
}  // namespace quorvane
