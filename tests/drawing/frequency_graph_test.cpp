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
    /// degrees with row 3 undefined, and means 5 and -15 in row 0 at -1 Hz.
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
        d.At(12, 0) = 5;
        d.At(13, 0) = -15;
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

TEST_F(FrequencyGraphTest, PhaseOnItsOwnScaleDashedAroundUndefinedRows) {
    Spectrum();
    Sim.Fft.DbMagnitude = true;
    Redraw(FftOnScreen);
    EXPECT_EQ(Canvas.Drawn.front().What, Kind::Clear);
    // Magnitudes 10 / j (rows 1..6) with 5% above: 1.67..10.5, axis 1.5..10.5 in 9 steps of 1.
    // Phases -5..-30 with 5% above the top: -30..-4.75, right-hand axis -30..0 in 6 steps of 5,
    // so a phase p stands at 1.5 + (p + 30) x 9 / 30.
    const auto dashed = Lines(PenStyle::Dash, Palette::Blue);
    ASSERT_EQ(dashed.size(), 3u);
    EXPECT_EQ(std::vector<double>({dashed[0].X1, dashed[0].Y1, dashed[0].X2, dashed[0].Y2}),
              std::vector<double>({1, 9, 2, 7.5}));
    EXPECT_EQ(std::vector<double>({dashed[1].X1, dashed[1].Y1, dashed[1].X2, dashed[1].Y2}),
              std::vector<double>({4, 4.5, 5, 3}));
    // Five magnitude segments, then the two means as points at -1 Hz, each on its own scale,
    // with a symbol half as large again (hexagon: 6 lines, cross: 4).
    EXPECT_EQ(Lines(PenStyle::Solid, Palette::Blue).size(), 5u + 6u + 4u);
    const auto points = Canvas.OfKind(Kind::Point);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].X1, -1);
    EXPECT_NEAR(points[0].Y1, 5, Tolerance);
    EXPECT_NEAR(points[1].Y1, 6, Tolerance);   // -15 degrees
    const auto texts = Canvas.Texts();
    for (const char* text : {"Frequency  ( Hz ) ------>", "dB", "deg", "-30.", "-15.", "0."}) {
        SCOPED_TRACE(text);
        EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end());
    }
    // The frame runs from 0.9 Hz (a tenth left of 1 Hz) over 6 steps of 1 to 6.9 Hz; the phase
    // labels stand right of it, and curves and means are drawn inside it.
    for (const Primitive& t : Canvas.OfKind(Kind::Text)) {
        if (t.Text == "-15.") {
            EXPECT_GT(t.X1, 6.9);
        }
    }
    const auto clips = Canvas.OfKind(Kind::Clip);
    ASSERT_EQ(clips.size(), 1u);
    EXPECT_NEAR(clips[0].X1, 0.9, Tolerance);
    EXPECT_NEAR(clips[0].Y1, 10.5, Tolerance);
    EXPECT_NEAR(clips[0].X2, 6.9, Tolerance);
    EXPECT_NEAR(clips[0].Y2, 1.5, Tolerance);
    EXPECT_NEAR(Sim.Fft.YRange, 10.5 - 10.0 / 6, 1e-5);
    EXPECT_NEAR(Sim.Fft.XRange, 5.1, 1e-5);
    EXPECT_TRUE(Host.Log.empty());

    // A phase undefined everywhere draws nothing dashed.
    for (int j = 1; j <= 8; ++j) Sim.Display.At(13, j) = PhaseUndefinedMarker;
    Redraw(FftOnScreen);
    EXPECT_TRUE(Lines(PenStyle::Dash, Palette::Blue).empty());
    EXPECT_EQ(Lines(PenStyle::Solid, Palette::Blue).size(), 5u + 6u);

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
    EXPECT_EQ(Canvas.Texts()[1], "Magnitude - Out (left scale)");
    EXPECT_EQ(Canvas.Texts()[3], "Phase - Out (right scale)");
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
