#include "drawing/frequency_graph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane {

using Kind = RecordingCanvas::Kind;
namespace {

using Primitive = RecordingCanvas::Primitive;
constexpr double Tolerance = 1e-6;

struct FrequencyGraphTest : SimulationFixture<Begin::Ran> {
    /// A spectrum with M = 8 (rows 1..6 plotted) at 1 Hz a row: magnitude 10 / j, phase -5 j
    /// degrees with row 3 undefined, and means 0.5 and 0 in row 0 at -1 Hz.
    void Spectrum() {
        DisplayBuffer& d = Sim.Display;
        Sim.Fft.HalfSize = 8;
        Sim.Fft.FftColumnsUsed = 2;
        Sim.Fft.ShowPhase = true;
        d.ColumnTitle[11] = "Frequency ";
        d.ColumnUnits[11] = "Hz";
        d.ColumnTitle[12] = "Magnitude - Out";
        d.ColumnTitle[13] = "Phase - Out";
        d.ColumnUnits[13] = "degrees";
        d.At(11, 0) = -1;
        d.At(12, 0) = 0.5f;
        for (int j = 1; j <= 8; ++j) {
            d.At(11, j) = static_cast<float>(j);
            d.At(12, j) = 10.0f / static_cast<float>(j);
            d.At(13, j) = -5.0f * static_cast<float>(j);
        }
        d.At(13, 3) = PhaseUndefinedMarker;
    }

    std::vector<Primitive> Lines(PenStyle pen, Palette palette) const {
        std::vector<Primitive> found;
        for (const Primitive& p : Canvas.OfKind(Kind::Line)) {
            if (p.Pen == pen && p.Fore == PaletteColour(palette)) found.push_back(p);
        }
        return found;
    }
    void Redraw(int mode) {
        Canvas.Drawn.clear();
        FrequencyGraph(Sim, Canvas, mode);
    }
};

TEST_F(FrequencyGraphTest, MagnitudeSolidPhaseDashedAroundUndefinedRows) {
    Spectrum();
    Sim.Fft.DbMagnitude = true;
    Redraw(FftOnScreen);
    EXPECT_EQ(Canvas.Drawn.front().What, Kind::Clear);
    // Magnitude and phase of one analysis are both blue; the phase skips row 3.
    const auto dashed = Lines(PenStyle::Dash, Palette::Blue);
    ASSERT_EQ(dashed.size(), 3u);
    EXPECT_EQ(std::vector<double>({dashed[0].X1, dashed[0].Y1, dashed[0].X2, dashed[0].Y2}),
              std::vector<double>({1, -5, 2, -10}));
    EXPECT_EQ(std::vector<double>({dashed[1].X1, dashed[1].Y1, dashed[1].X2, dashed[1].Y2}),
              std::vector<double>({4, -20, 5, -25}));
    // Five magnitude segments, then the two means as points at -1 Hz, each with a symbol half
    // as large again (hexagon: 6 lines, cross: 4).
    EXPECT_EQ(Lines(PenStyle::Solid, Palette::Blue).size(), 5u + 6u + 4u);
    const auto points = Canvas.OfKind(Kind::Point);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].X1, -1);
    EXPECT_FLOAT_EQ(static_cast<float>(points[0].Y1), 0.5f);
    const auto texts = Canvas.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Frequency  ( Hz ) ------>"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "dB / deg"), texts.end());
    // Y -30..10 with 5% more above: 10.5; X from 0.9 (a tenth left of 1 Hz) to 6.
    EXPECT_NEAR(Sim.Fft.YRange, 40.5, Tolerance);
    EXPECT_NEAR(Sim.Fft.XRange, 5.1, 1e-5);
    EXPECT_TRUE(Host.Log.empty());

    // A phase undefined everywhere draws nothing dashed.
    for (int j = 1; j <= 8; ++j) Sim.Display.At(13, j) = PhaseUndefinedMarker;
    Redraw(FftOnScreen);
    EXPECT_TRUE(Lines(PenStyle::Dash, Palette::Blue).empty());
    EXPECT_EQ(Lines(PenStyle::Solid, Palette::Blue).size(), 5u + 6u + 4u);

    // Two magnitudes, A and B: blue and red, both solid.
    Sim.Display.ColumnUnits[13] = "V";
    for (int j = 1; j <= 8; ++j) Sim.Display.At(13, j) = -5.0f * static_cast<float>(j);
    Redraw(FftOnScreen);
    EXPECT_EQ(Lines(PenStyle::Solid, Palette::LightRed).size(), 5u + 4u);
    EXPECT_TRUE(Lines(PenStyle::Dash, Palette::LightRed).empty());
}

TEST_F(FrequencyGraphTest, NegativeDecibelsKeepRoomAboveTheTop) {
    Sim.Fft.HalfSize = 8;
    Sim.Fft.FftColumnsUsed = 1;
    for (int j = 1; j <= 6; ++j) {
        Sim.Display.At(11, j) = static_cast<float>(j);
        Sim.Display.At(12, j) = -20.0f - 8.0f * static_cast<float>(j - 1);   // -20 .. -60 dB
    }
    Redraw(FftOnScreen);
    // The top moves up by 5% of its size, to -19, not down to -21.
    EXPECT_NEAR(Sim.Fft.YRange, 41, Tolerance);
}

TEST_F(FrequencyGraphTest, CorrelationRowsFollowTheMode) {
    Sim.Prbs.Length = 7;
    Sim.Fft.FftColumnsUsed = 1;
    for (int r = 1; r <= 8; ++r) {
        Sim.Display.At(16, r) = 0.1f * static_cast<float>(r - 1);
        Sim.Display.At(17, r) = 1.0f / static_cast<float>(r);
    }
    Redraw(CorrelationOnScreen);
    EXPECT_EQ(Lines(PenStyle::Solid, Palette::Blue).size(), 6u);   // L = 7 rows
    EXPECT_TRUE(Canvas.OfKind(Kind::Point).empty());    // no mean outside the spectra
    Sim.Prbs.ImpulseResponseMode = false;
    Redraw(CorrelationOnScreen);
    EXPECT_EQ(Lines(PenStyle::Solid, Palette::Blue).size(), 2u);   // (7 - 1) / 2 = 3 rows
}

TEST_F(FrequencyGraphTest, PrinterPageAndBadModes) {
    Spectrum();
    Redraw(FftOnPrinter);
    EXPECT_TRUE(Canvas.OfKind(Kind::Clear).empty());
    ASSERT_GE(Canvas.Texts().size(), 2u);
    EXPECT_EQ(Canvas.Texts()[0], "Quorvane Simulation Run                          Plant - FFT Analysis");
    EXPECT_EQ(Canvas.Texts()[1], "Magnitude - Out");
    EXPECT_EQ(Canvas.Drawn.back().What, Kind::EndDocument);
    Sim.Prbs.ImpulseResponseMode = false;
    Redraw(CorrelationOnPrinter);
    EXPECT_EQ(Canvas.Texts()[0],
              "Quorvane Simulation Run                          Plant - PRBS Correlation (Frequency Response)");

    for (int mode : {-1, 4}) {
        SCOPED_TRACE(mode);
        Host.Clear();
        Redraw(mode);
        EXPECT_TRUE(Canvas.Drawn.empty());
        EXPECT_EQ(Host.Messages(), (std::vector<std::string>{"Bad FFT Graphics Call"}));
    }
}

}  // namespace
}  // namespace quorvane
