#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <string>

#include "analysis/spectrum.h"
#include "drawing/block_pictures.h"
#include "drawing/frequency_graph.h"
#include "drawing/printed_pages.h"
#include "drawing/sheet_redraw.h"
#include "drawing/time_graph.h"
#include "render/qt_canvas.h"
#include "render_fixture.h"
#include "support/model_fixture.h"

namespace quorvane {
namespace {

constexpr int TwipsPerPixel = 15;
constexpr QRgb Navy = qRgb(0, 0, 128);       // palette 1: connection lines, series 1
constexpr QRgb LightRed = qRgb(255, 0, 0);   // palette 12: terminal markers, series 2

class DrawingRender : public ModelFixture {
protected:
    void SetUp() override { EnsureGuiApplication(); }

    /// Rows of a run from t = 0 every `interval`: a lag's step response 1 - exp(-t / 0.8) and
    /// a sine of amplitude 0.5 and 1.25 rad/s.
    void RecordLagAndSine(int rows, float interval) {
        DisplayBuffer& d = Sim.Display;
        d.ColumnCount = 2;
        d.RecordedCount = rows;
        d.ColumnTitle[0] = "Time";
        d.ColumnUnits[0] = "sec";
        d.ColumnTitle[1] = "Lag output";
        d.ColumnUnits[1] = "m";
        d.ColumnTitle[2] = "Sine";
        d.ColumnUnits[2] = "V";
        for (int r = 1; r <= rows; ++r) {
            const double t = (r - 1) * static_cast<double>(interval);
            d.At(0, r) = static_cast<float>(t);
            d.At(1, r) = static_cast<float>(1 - std::exp(-t / 0.8));
            d.At(2, r) = static_cast<float>(0.5 * std::sin(1.25 * t));
        }
        Sim.Run.StartTime = 0;
        Sim.Run.TimeStep = interval;
        Sim.Run.StopTime = static_cast<float>((rows - 1) * static_cast<double>(interval));
        Sim.Run.GraphInterval = interval;
        Sim.Run.PrintInterval = interval;
        Sim.Status.StepsPerSample = 1;
        Sim.Status.MinDisplayInterval = interval;
        Sim.Forms[1].Title = "Plant";
        Sim.RunForm = 1;
    }

    /// Joins output `output` of block `from` to input `input` of block `to`, routed out to the
    /// right, along the gap below the source's row and in from the left.
    void Connect(int from, int output, int to, int input) {
        SimulationForm& sheet = Sim.Forms[1];
        const Block& a = sheet.Blocks[from];
        const Block& b = sheet.Blocks[to];
        const BlockFunction& fa = Sim.Functions[a.FunctionCode];
        const BlockFunction& fb = Sim.Functions[b.FunctionCode];
        const int x1 = a.Left + fa.OutputX[output] + 60;
        const int y1 = a.Top + fa.OutputY[output] + 60;
        const int xe = b.Left + fb.InputX[input] + 30;
        const int ye = b.Top + fb.InputY[input] + 60;
        const int gap = a.Top + 960;
        const int first = sheet.NextLine;
        sheet.Lines[first] = {x1, y1, x1 + 120, y1};
        sheet.Lines[first + 1] = {x1 + 120, y1, x1 + 120, gap};
        sheet.Lines[first + 2] = {x1 + 120, gap, xe - 120, gap};
        sheet.Lines[first + 3] = {xe - 120, gap, xe - 120, ye};
        sheet.Lines[first + 4] = {xe - 120, ye, xe, ye};
        sheet.NextLine += 5;
        sheet.Connections[sheet.NextConnection++] = {input, to, from, output, 5, first};
        sheet.Blocks[to].Input[input] = from;
    }
};

TEST_F(DrawingRender, SheetWithEveryBlockKind) {
    // Codes 0..63 in eight rows of eight, 1800 twips apart across and 1500 down.
    for (int code = 0; code <= 63; ++code) {
        const int block = Place(1, code, 600 + 1800 * (code % 8), 600 + 1500 * (code / 8));
        ASSERT_EQ(block, code + 1);
        Sim.Forms[1].Blocks[block].Output = 0.25f * static_cast<float>(code);
    }
    Connect(2, 2, 3, 2);     // Constant -> Sum
    Connect(3, 1, 13, 1);    // Sum -> Lead on the next row
    Connect(11, 1, 43, 1);   // Lag -> Display, four rows down
    Sim.Run.AnnotateBlocks = true;
    Sim.Run.ShowOutputs = true;
    Sim.Run.AnnotateNumbers = true;
    Sim.Run.ShowNodes = true;

    const std::string path = OutputPath("sheet_every_block.png");
    const int width = 15000 / TwipsPerPixel;
    const int height = 12900 / TwipsPerPixel;
    {
        auto canvas = OpenFileCanvas(path, width, height);
        ASSERT_TRUE(canvas);
        canvas->SetScale(0, 0, width * TwipsPerPixel, height * TwipsPerPixel);
        RedrawSheet(Sim, 1, *canvas);
        ASSERT_TRUE(canvas->Finish());
    }
    QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    for (int code = 0; code <= 63; ++code) {
        SCOPED_TRACE(code);
        const Block& block = Sim.Forms[1].Blocks[code + 1];
        const QRect picture(block.Left / TwipsPerPixel, block.Top / TwipsPerPixel, BlockPictureSize / TwipsPerPixel,
                            BlockPictureSize / TwipsPerPixel);
        EXPECT_GT(CountInk(image, picture), 40);
    }
    // The first connection's run along the gap below the first row is navy, from x1 + 120
    // (the constant at 2400 has its output anchor at 3060) to the sum's input anchor (at
    // 4200 + 30) less 120: 930 twips, 62 pixels.
    const int gapRow = (600 + 960) / TwipsPerPixel;
    EXPECT_GE(CountColour(image, Navy, QRect(3180 / TwipsPerPixel, gapRow - 1, 930 / TwipsPerPixel, 3)), 60);
    EXPECT_GT(CountColour(image, LightRed), 40);
}

TEST_F(DrawingRender, TimeGraphOfARecordedRun) {
    RecordLagAndSine(201, 0.05f);
    Sim.Graph.ShowSymbols = 1;
    const std::string path = OutputPath("time_graph.png");
    {
        auto canvas = OpenFileCanvas(path, 800, 500);
        ASSERT_TRUE(canvas);
        DrawTimeGraph(Sim, *canvas, GraphTarget::Screen, 0);
        ASSERT_TRUE(canvas->Finish());
    }
    QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    // The lag settles near 1 at the right: the top of the plot holds navy near its right end,
    // the sine shows in light red, the grid in its blue-grey.
    EXPECT_GT(CountColour(image, Navy), 300);
    EXPECT_GT(CountColour(image, LightRed), 300);
    EXPECT_GT(CountColour(image, qRgb(128, 128, 200)), 1000);
    EXPECT_TRUE(Host.Log.empty());

    const std::string printed = OutputPath("time_graph.pdf");
    {
        auto printer = OpenFileCanvas(printed, 1123, 794);
        ASSERT_TRUE(printer);
        DrawTimeGraph(Sim, *printer, GraphTarget::Printer, 0);
        EXPECT_TRUE(printer->Finish());
    }
    const std::string text = CommandOutput("pdftotext -layout '" + printed + "' -");
    EXPECT_NE(text.find("Quorvane Simulation Run Plant"), std::string::npos) << text;
    EXPECT_NE(text.find("Lag output"), std::string::npos) << text;
    EXPECT_NE(text.find("( sec )"), std::string::npos) << text;
}

TEST_F(DrawingRender, SpectrumWithMagnitudeAndPhase) {
    RecordLagAndSine(1024, 0.05f);
    Sim.Fft.HalfSize = 512;
    Sim.Fft.SampleInterval = 0.05f;
    Sim.Fft.ShowMagnitude = true;
    Sim.Fft.ShowPhase = true;
    Sim.Fft.FftColumnsUsed = 0;
    Sim.Fft.DbMagnitude = true;
    ASSERT_EQ(SpectrumOfColumn(Sim, 1), FrequencyWindowAction::Redraw);
    ASSERT_EQ(Sim.Fft.FftColumnsUsed, 2);
    const std::string path = OutputPath("spectrum.png");
    {
        auto canvas = OpenFileCanvas(path, 800, 500);
        ASSERT_TRUE(canvas);
        FrequencyGraph(Sim, *canvas, FftOnScreen);
        ASSERT_TRUE(canvas->Finish());
    }
    QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    // Magnitude and its phase (dashed) are both drawn in navy.
    EXPECT_GT(CountColour(image, Navy), 400);
}

TEST_F(DrawingRender, PrintedTabulationPage) {
    RecordLagAndSine(101, 0.1f);
    const std::string path = OutputPath("tabulation.pdf");
    {
        auto printer = OpenFileCanvas(path, 794, 1123);
        ASSERT_TRUE(printer);
        printer->SetScale(0, 0, 794 * TwipsPerPixel, 1123 * TwipsPerPixel);
        PrintTabulation(Sim, *printer);
        EXPECT_TRUE(printer->Finish());
    }
    const std::string text = CommandOutput("pdftotext -layout '" + path + "' -");
    EXPECT_NE(text.find("Quorvane Simulation Run Plant"), std::string::npos) << text;
    EXPECT_NE(text.find("06 December 2026"), std::string::npos) << text;
    EXPECT_NE(text.find("Lag output"), std::string::npos) << text;
    // 101 rows: 70 on the first page, 31 on the second.
    EXPECT_NE(text.find("Page 2"), std::string::npos) << text;
    EXPECT_EQ(text.find("Page 3"), std::string::npos) << text;
    // t = 1: the lag has reached 1 - e^-1.25 = 0.7134952, the sine 0.5 sin 1.25 = 0.4744923.
    EXPECT_NE(text.find("0.7134952"), std::string::npos) << text;
    EXPECT_NE(text.find("0.4744923"), std::string::npos) << text;
    EXPECT_NE(CommandOutput("pdfinfo '" + path + "'").find("Pages:           2"), std::string::npos);
}

}  // namespace
}  // namespace quorvane
