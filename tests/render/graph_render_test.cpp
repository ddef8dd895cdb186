#include <gtest/gtest.h>

#include <QImage>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <string>

#include "drawing/frequency_graph.h"
#include "drawing/plot_axes.h"
#include "drawing/time_graph.h"
#include "render/qt_canvas.h"
#include "render_fixture.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

constexpr int Width = 800;
constexpr int Height = 600;
constexpr QRgb Navy = qRgb(0, 0, 128);   // palette 1: the first series, analysis A
constexpr QRgb Black = qRgb(0, 0, 0);

/// Graphs drawn on an image as the picture boxes, the printer and the exports draw them.
class GraphRender : public SimulationFixture<Begin::Ran> {
protected:
    void SetUp() override {
        EnsureGuiApplication();
        Image.fill(Qt::white);
        Surface.Begin(Image);
        Sim.Run.StartTime = 0;
        Sim.Run.TimeStep = 0.5f;
        Sim.Status.StepsPerSample = 1;
    }

    /// A lag from `from` towards `to` with a time constant of 10 s, over 0..50 s a row every 0.5 s.
    void RecordLag(double from, double to) {
        DisplayBuffer& d = Sim.Display;
        d.ColumnCount = 1;
        d.RecordedCount = 101;
        d.ColumnTitle[1] = "Temperature";
        d.ColumnUnits[1] = "K";
        for (int r = 1; r <= 101; ++r) d.At(1, r) = static_cast<float>(to + (from - to) * std::exp(-0.05 * (r - 1)));
        Sim.Run.StopTime = 50;
    }

    /// The plot frame on the image, from the axis limits the drawing stored.
    QRectF Frame(double xMin, double xMax, double yMin, double yMax) const {
        return QRectF(Surface.DevicePoint(xMin, yMax), Surface.DevicePoint(xMax, yMin)).normalized();
    }

    /// Pixels of a colour outside a rectangle grown by a pixel each way, but below it, where a
    /// printed key shows the curve's colour.
    int OutsideCount(QRgb colour, const QRectF& inside) const {
        const QRect grown = inside.toAlignedRect().adjusted(-1, -1, 1, 1);
        const QRect above(0, 0, Width, grown.bottom() + 1);
        return CountColour(Image, colour, above) - CountColour(Image, colour, grown.intersected(Image.rect()));
    }

    QImage Image{Width, Height, QImage::Format_RGB32};
    PainterCanvas Surface;
};

TEST_F(GraphRender, PrintedFrameStaysOnThePageAwayFromZero) {
    struct Case {
        const char* Name;
        bool Manual;
        float Min, Max;
    };
    // The lag at 300 K, and manual limits spanning a tenth of their level.
    for (const Case& c : {Case{"300 K", false, 0, 0}, Case{"manual 0.7 .. 0.8", true, 0.7f, 0.8f}}) {
        SCOPED_TRACE(c.Name);
        Image.fill(Qt::white);
        Surface.Begin(Image);
        RecordLag(c.Manual ? 0.72 : 300, c.Manual ? 0.78 : 310);
        Sim.Graph.YManual = c.Manual ? 1 : 0;
        Sim.Graph.YMinimum = c.Min;
        Sim.Graph.YMaximum = c.Max;
        DrawTimeGraph(Sim, Surface, GraphTarget::Printer, 0);
        const QRectF frame = Frame(Sim.Graph.XMinimum, Sim.Graph.XMaximum, Sim.Graph.YMinimum, Sim.Graph.YMaximum);
        EXPECT_TRUE(QRectF(Image.rect()).contains(frame)) << frame.top() << " " << frame.bottom();
        // The title above the frame, the key below it.
        EXPECT_GT(CountInk(Image, QRect(0, 0, Width, static_cast<int>(frame.top()))), 100);
        EXPECT_GT(CountInk(Image, QRect(0, static_cast<int>(frame.bottom()) + 2, Width,
                                        Height - static_cast<int>(frame.bottom()) - 2)), 100);
        EXPECT_GT(CountColour(Image, Navy), 100);
    }

    // The frequency graph's page too, for magnitudes far from zero.
    Image.fill(Qt::white);
    Surface.Begin(Image);
    Sim.Fft.HalfSize = 64;
    Sim.Fft.FftColumnsUsed = 1;
    for (int j = 0; j <= 64; ++j) {
        Sim.Display.At(11, j) = static_cast<float>(j);
        Sim.Display.At(12, j) = 300.0f + static_cast<float>(j % 7);
    }
    FrequencyGraph(Sim, Surface, FftOnPrinter);
    EXPECT_GT(CountInk(Image, QRect(0, 0, Width, Height / 10)), 100);   // the title
    EXPECT_GT(CountColour(Image, Navy), 100);
}

TEST_F(GraphRender, CurvesStayInsideManualLimits) {
    // 0 .. 100 over 0 .. 500 s, drawn with Y 70 .. 90 and X 200 .. 400, symbols on.
    DisplayBuffer& d = Sim.Display;
    d.ColumnCount = 1;
    d.RecordedCount = 501;
    for (int r = 1; r <= 501; ++r) d.At(1, r) = static_cast<float>(50 + 50 * std::sin(0.05 * r));
    Sim.Run.TimeStep = 1;
    Sim.Run.StopTime = 500;
    Sim.Graph.ShowSymbols = 1;
    Sim.Graph.YManual = 1;
    Sim.Graph.XManual = 1;
    Sim.Graph.YMaximum = 90;
    Sim.Graph.YMinimum = 70;
    Sim.Graph.XMaximum = 400;
    Sim.Graph.XMinimum = 200;
    for (GraphTarget target : {GraphTarget::Screen, GraphTarget::Printer}) {
        SCOPED_TRACE(static_cast<int>(target));
        Image.fill(Qt::white);
        Surface.Begin(Image);
        DrawTimeGraph(Sim, Surface, target, 0);
        const QRectF frame = Frame(200, 400, 70, 90);
        EXPECT_GT(CountColour(Image, Navy, frame.toAlignedRect()), 200);
        EXPECT_EQ(OutsideCount(Navy, frame), 0);
    }
}

struct SpectrumRender : GraphRender {
    /// A square wave's odd harmonics, row j at j x `spacing` Hz (rows 1..50 drawn, M = 52):
    /// magnitudes 4 / (pi j) on odd rows and nothing between, phases -90 degrees.
    void SquareWaveSpectrum(bool phase, double spacing = 1) {
        DisplayBuffer& d = Sim.Display;
        Sim.Fft.HalfSize = 52;
        Sim.Fft.FftColumnsUsed = phase ? 2 : 1;
        d.ColumnTitle[11] = "Frequency ";
        d.ColumnUnits[11] = "Hz";
        d.ColumnTitle[12] = "Magnitude - Square";
        d.ColumnTitle[13] = "Phase - Square";
        d.ColumnUnits[13] = "degrees";
        for (int j = 1; j <= 52; ++j) {
            const double f = spacing * j;
            d.At(11, j) = static_cast<float>(Sim.Fft.LogFrequency ? std::log10(f) : f);
            d.At(12, j) = j % 2 == 1 ? static_cast<float>(4 / (3.14159265 * j)) : 0.0f;
            d.At(13, j) = j % 2 == 1 ? -90.0f : PhaseUndefinedMarker;
        }
    }
};

TEST_F(SpectrumRender, PhaseScaleLabelledOnTheRight) {
    // Ink right of the frame, beside it, comes only from a right-hand scale.
    for (bool phase : {false, true}) {
        SCOPED_TRACE(phase);
        Image.fill(Qt::white);
        Surface.Begin(Image);
        SquareWaveSpectrum(phase);
        Sim.Fft.ShowPhase = phase;
        FrequencyGraph(Sim, Surface, FftOnScreen);
        const QPointF topRight = Surface.DevicePoint(50.9, 0);   // 0.9 .. 50: 10 steps of 5 from 0.9
        const QPointF axisTop = Surface.DevicePoint(0, 1.3);
        const QRect beside(static_cast<int>(topRight.x()) + 3, static_cast<int>(axisTop.y()),
                           Width - static_cast<int>(topRight.x()) - 3, Height / 2);
        if (phase) {
            EXPECT_GT(CountColour(Image, Black, beside), 30);
        } else {
            EXPECT_EQ(CountColour(Image, Black, beside), 0);
        }
    }
}

TEST_F(SpectrumRender, LogFrequencyAxisHasDecadeLabelsAndNoZeroLine) {
    // 0.2 .. 10 Hz: positions -0.7 .. 1 on the decades 0.1, 1 and 10.
    Sim.Fft.LogFrequency = true;
    SquareWaveSpectrum(false, 0.2);
    RecordingCanvas recording;
    FrequencyGraph(Sim, recording, FftOnScreen);
    const Strings texts = recording.Texts();
    for (const char* label : {"0.1", "1", "10"}) {
        SCOPED_TRACE(label);
        EXPECT_NE(std::find(texts.begin(), texts.end(), label), texts.end());
    }
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "-1."), texts.end());   // not the logarithm

    // At 1 Hz (position 0) stands the decade's grid line, not a black zero line.
    FrequencyGraph(Sim, Surface, FftOnScreen);
    const QPointF bottom = Surface.DevicePoint(0, 0);
    const QRect above(static_cast<int>(std::lround(bottom.x())) - 1, static_cast<int>(bottom.y()) - 100, 3, 90);
    EXPECT_LT(CountColour(Image, Black, above), 5);
    EXPECT_GT(CountColour(Image, GridColour.Red << 16 | GridColour.Green << 8 | GridColour.Blue | 0xFF000000u, above), 80);
}

}  // namespace
}  // namespace quorvane
