#include "drawing/time_graph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "drawing/graph_curves.h"
#include "engine/simulation.h"
#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane {

using Kind = RecordingCanvas::Kind;
namespace {

constexpr double Tolerance = 1e-6;

struct TimeGraph : SimulationFixture<Begin::Ran> {
    /// `count` series of `rows` samples 0.1 apart from t = 0: series c is sin(t) / c.
    void Record(int count, int rows) {
        DisplayBuffer& d = Sim.Display;
        d.ColumnCount = count;
        d.RecordedCount = rows;
        d.ColumnTitle[0] = "Time";
        for (int c = 1; c <= count; ++c) {
            d.ColumnTitle[c] = "Series " + std::to_string(c);
            d.ColumnUnits[c] = "V";
            for (int r = 1; r <= rows; ++r) {
                d.At(0, r) = 0.1f * static_cast<float>(r - 1);
                d.At(c, r) = static_cast<float>(std::sin(0.1 * (r - 1)) / c);
            }
        }
        Sim.Run.StopTime = 0.1f * static_cast<float>(rows - 1);
    }

    std::size_t LinesIn(Colour colour) const {
        std::size_t n = 0;
        for (const auto& p : Canvas.OfKind(Kind::Line)) n += p.Fore == colour;
        return n;
    }
};

TEST_F(TimeGraph, SineAgainstTimeOnScreen) {
    Record(1, 101);
    // The samples peak a little inside +-1; two exact peaks make the Y range exactly 2.
    Sim.Display.At(1, 50) = 1;
    Sim.Display.At(1, 51) = -1;
    DrawTimeGraph(Sim, Canvas, GraphTarget::Screen, 0);
    EXPECT_EQ(Canvas.Drawn.front().What, Kind::Clear);
    // Y -1..1 on 8 divisions of 0.25, X 0..10 on 10 of 1. The scale leaves 0.11 X ranges on the
    // left, 0.08 on the right, 2% of the Y range above and 20% below.
    const auto scales = Canvas.OfKind(Kind::Scale);
    ASSERT_EQ(scales.size(), 1u);
    EXPECT_NEAR(scales[0].X1, -1.1, Tolerance);
    EXPECT_NEAR(scales[0].Y1, 1.04, Tolerance);
    EXPECT_NEAR(scales[0].X2, 10.8, Tolerance);
    EXPECT_NEAR(scales[0].Y2, -1.4, Tolerance);
    EXPECT_EQ(Canvas.Texts(), (std::vector<std::string>{
        "-1.", "-0.75", "-0.5", "-0.25", "0.", "0.25", "0.5", "0.75", "1.",   // Y: "0.###"
        "0.", "1.", "2.", "3.", "4.", "5.", "6.", "7.", "8.", "9.", "10.",     // X: "#0.##"
        "Time  ( sec )   ------->"}));

    // 100 segments in the first series' colour, the first from (0, 0) to (0.1, sin 0.1).
    std::vector<RecordingCanvas::Primitive> curve;
    bool zeroLine = false;
    for (const auto& p : Canvas.OfKind(Kind::Line)) {
        if (p.Fore == PaletteColour(Palette::Blue)) curve.push_back(p);
        // The Y axis starts below zero: a black zero line across the plot.
        zeroLine |= p.Fore == PaletteColour(Palette::Black) && p.Y1 == 0 && p.Y2 == 0 && p.X1 == 0 && p.X2 == 10;
    }
    ASSERT_EQ(curve.size(), 100u);
    EXPECT_NEAR(curve[0].X2, 0.1, Tolerance);
    EXPECT_NEAR(curve[0].Y2, std::sin(0.1), Tolerance);
    EXPECT_NEAR(curve[99].X2, 10, Tolerance);
    EXPECT_TRUE(zeroLine);

    // The limits used are kept for the scales dialog.
    EXPECT_FLOAT_EQ(Sim.Graph.YMaximum, 1);
    EXPECT_FLOAT_EQ(Sim.Graph.YMinimum, -1);
    EXPECT_FLOAT_EQ(Sim.Graph.XMaximum, 10);
    EXPECT_FLOAT_EQ(Sim.Graph.XMinimum, 0);
    EXPECT_TRUE(Host.Log.empty());
}

TEST_F(TimeGraph, SymbolsOnEveryRowFromTheSecondButNotForLaterSeries) {
    // 25 rows: every row from 2 on carries a symbol. Series 1's hexagon has 6 lines, series 2's
    // cross 4; series 7 has none, so its 24 curve segments are all it draws.
    Record(7, 25);
    Sim.Graph.ShowSymbols = 1;
    DrawTimeGraph(Sim, Canvas, GraphTarget::Screen, 0);
    EXPECT_EQ(LinesIn(PaletteColour(Palette::Blue)), 24u + 24u * 6u);
    EXPECT_EQ(LinesIn(PaletteColour(Palette::LightRed)), 24u + 24u * 4u);
    EXPECT_EQ(LinesIn(PaletteColour(Palette::LightGreen)), 24u);
}

TEST_F(TimeGraph, AgainstAnotherSeries) {
    Record(2, 11);
    DrawTimeGraph(Sim, Canvas, GraphTarget::Screen, 1);
    // Series 1 gives X, so only series 2 is drawn; the axis is named after series 1.
    EXPECT_EQ(LinesIn(PaletteColour(Palette::Blue)), 0u);
    EXPECT_EQ(LinesIn(PaletteColour(Palette::LightRed)), 10u);
    EXPECT_EQ(Canvas.Texts().back(), "Series 1 ( V ) ------>");
    EXPECT_FLOAT_EQ(Sim.Graph.XMaximum, static_cast<float>(std::sin(1.0)));

    // A constant X series cannot be spread over an axis.
    for (int r = 1; r <= 11; ++r) Sim.Display.At(1, r) = 2;
    DrawTimeGraph(Sim, Canvas, GraphTarget::Screen, 1);
    EXPECT_EQ(Host.Messages(), (std::vector<std::string>{"Cannot Plot -Constant data specified for X axis"}));
    // max' = 5 x 2 + 2 = 12, min' = 12 - 120 = -108.
    EXPECT_FLOAT_EQ(Sim.Graph.XMaximum, 12);
    EXPECT_FLOAT_EQ(Sim.Graph.XRange, 120);

    // Spread from a huge constant the span, 6 x 9e36 + 54 x 9e36, passes the float range; the
    // stored span stays at its edge.
    for (int r = 1; r <= 11; ++r) Sim.Display.At(1, r) = 9e36f;
    DrawTimeGraph(Sim, Canvas, GraphTarget::Screen, 1);
    EXPECT_EQ(Sim.Graph.XRange, std::numeric_limits<float>::max());

    // Series wholly beyond 1e37 are data like any other: X runs 2e37 .. 6e37, Y reaches -3e37.
    Host.Clear();
    for (int r = 1; r <= 11; ++r) {
        Sim.Display.At(1, r) = 2e37f + 4e36f * static_cast<float>(r - 1);
        Sim.Display.At(2, r) = -3e37f;
    }
    DrawTimeGraph(Sim, Canvas, GraphTarget::Screen, 1);
    EXPECT_TRUE(Host.Messages().empty());
    EXPECT_FLOAT_EQ(Sim.Graph.XMaximum, 6e37f);
    EXPECT_LE(Sim.Graph.XMinimum, 2e37f);
    EXPECT_LE(Sim.Graph.YMinimum, -3e37f);
    EXPECT_GE(Sim.Graph.YMaximum, 0.0f);
}

TEST_F(TimeGraph, ManualLimitsAndUserLabels) {
    Record(1, 11);
    Sim.Graph.YManual = 1;
    Sim.Graph.YMinimum = 0;
    Sim.Graph.YMaximum = 5;
    Sim.Run.DataColumnFormatMode = 1;
    Sim.Run.DataDigitsBefore = 2;
    Sim.Run.DataDigitsAfter = 1;
    DrawTimeGraph(Sim, Canvas, GraphTarget::Screen, 0);
    // 0..5 takes the 5-row: ten steps of 0.5, labelled "#0.#".
    const auto texts = Canvas.Texts();
    ASSERT_GE(texts.size(), 11u);
    EXPECT_EQ(texts[0], "0.");
    EXPECT_EQ(texts[1], "0.5");
    EXPECT_EQ(texts[10], "5.");

    // No digits on either side of the point: nothing but the cleared picture and its scale.
    Sim.Run.DataDigitsBefore = 0;
    Sim.Run.DataDigitsAfter = 0;
    Canvas.Drawn.clear();
    DrawTimeGraph(Sim, Canvas, GraphTarget::Screen, 0);
    EXPECT_TRUE(Canvas.Texts().empty());
    EXPECT_TRUE(Canvas.OfKind(Kind::Line).empty());
}

TEST_F(TimeGraph, PrinterPageHasTitleAndKey) {
    Record(7, 11);
    Sim.Display.ColumnTitle[3] = std::string(35, 'T');
    DrawTimeGraph(Sim, Canvas, GraphTarget::Printer, 0);
    EXPECT_TRUE(Canvas.OfKind(Kind::Clear).empty());
    EXPECT_EQ(Canvas.Drawn.back().What, Kind::EndDocument);
    const auto texts = Canvas.OfKind(Kind::Text);
    ASSERT_GE(texts.size(), 12u);
    EXPECT_EQ(texts[0].Text, "Quorvane Simulation Run Plant");
    EXPECT_EQ(texts[0].FontSize, 12);
    EXPECT_EQ(texts[1].Text, "Series 1");
    EXPECT_EQ(texts[5].Text, std::string(30, 'T'));
    // Seven series: 1..5 in the left block (titles at 0.4 X ranges), 6 and 7 in the right one
    // (at 0.72), each boxed; X range 1 (time 0..1).
    EXPECT_NEAR(texts[1].X1, 0.4, Tolerance);
    EXPECT_NEAR(texts[11].X1, 0.72, Tolerance);
    EXPECT_EQ(Canvas.OfKind(Kind::Box).size(), 2u);
    // The date on the title line.
    const auto date = std::find_if(texts.begin(), texts.end(), [](const auto& t) { return t.Text == "06 December 2026"; });
    ASSERT_NE(date, texts.end());
    EXPECT_EQ(date->Y1, texts[0].Y1);
    EXPECT_NEAR(date->X1 + Canvas.TextWidth(date->Text), 1.0, Tolerance);
}

TEST_F(TimeGraph, PreviousRunsDrawnBehindByTitleAndCovered) {
    // The previous run: twice as long, three times as high.
    Record(2, 21);
    for (int c = 1; c <= 2; ++c) {
        for (int r = 1; r <= 21; ++r) Sim.Display.At(c, r) *= 3;
    }
    Sim.Runs.Keep(Sim.Display);
    // The last run shows "Series 2" still, but no longer "Series 1".
    Record(2, 11);
    Sim.Display.ColumnTitle[1] = "Series 9";
    Sim.Runs.Keep(Sim.Display);

    DrawTimeGraph(Sim, Canvas, GraphTarget::Screen, 0);
    const std::vector<RecordingCanvas::Primitive> single = Canvas.Drawn;
    const float singleYMax = Sim.Graph.YMaximum;
    // Without the box, or with nothing to overlay, the graph is drawn as for one run.
    Sim.Graph.OverlayRuns = true;
    {
        const auto other = std::make_unique<Simulation>(Host, Windows);
        other->Display = Sim.Display;
        other->Run = Sim.Run;
        other->Status = Sim.Status;
        other->Graph.OverlayRuns = true;
        RecordingCanvas alone;
        DrawTimeGraph(*other, alone, GraphTarget::Screen, 0);
        EXPECT_TRUE(alone.Drawn == single);
    }

    Canvas.Drawn.clear();
    DrawTimeGraph(Sim, Canvas, GraphTarget::Screen, 0);
    const Colour pale = Rgb(255, 77, 77);   // light red (255, 0, 0) taken 0.3 of the way to white
    EXPECT_EQ(PreviousRunColour(PaletteColour(Palette::LightRed), 1), pale);
    EXPECT_EQ(PreviousRunColour(PaletteColour(Palette::Blue), 5), Rgb(179, 179, 217));   // 0.7 of the way
    const auto lines = Canvas.OfKind(Kind::Line);
    const auto firstOf = [&](Colour c) {
        return std::find_if(lines.begin(), lines.end(), [c](const auto& p) { return p.Fore == c; });
    };
    // Only "Series 2" of the previous run, dashed, and before the last run's curves.
    EXPECT_EQ(LinesIn(pale), 20u);
    EXPECT_EQ(LinesIn(PreviousRunColour(PaletteColour(Palette::Blue), 1)), 0u);
    EXPECT_EQ(firstOf(pale)->Pen, PenStyle::Dash);
    EXPECT_LT(firstOf(pale), firstOf(PaletteColour(Palette::Blue)));
    // The scales take in its 2 s and its peak of 1.5 sin 1.6 (one run alone stays below 1).
    EXPECT_FLOAT_EQ(Sim.Graph.XMaximum, 2);
    EXPECT_LT(singleYMax, 1.01f);
    EXPECT_GE(Sim.Graph.YMaximum, 1.5 * std::sin(1.6));

    // The printed key names it after the last run's series, the run standing for its units.
    Canvas.Drawn.clear();
    DrawTimeGraph(Sim, Canvas, GraphTarget::Printer, 0);
    const std::vector<std::string> texts = Canvas.Texts();
    ASSERT_GE(texts.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 1, texts.begin() + 7),
              (std::vector<std::string>{"Series 9", "V ", "Series 2", "V ", "Series 2", "run \xE2\x88\x92" "1 "}));

    // Against "Series 9", which the previous run did not record, it has nothing to draw.
    Canvas.Drawn.clear();
    DrawTimeGraph(Sim, Canvas, GraphTarget::Screen, 1);
    EXPECT_EQ(LinesIn(pale), 0u);
}

}  // namespace
}  // namespace quorvane
