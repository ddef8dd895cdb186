#include <gtest/gtest.h>

#include <QImage>

#include <string>

#include "drawing/block_pictures.h"
#include "drawing/sheet_redraw.h"
#include "render/qt_canvas.h"
#include "render_fixture.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

constexpr int TwipsPerPixel = 15;
constexpr QRgb Navy = qRgb(0, 0, 128);       // palette 1: connection lines
constexpr QRgb LightRed = qRgb(255, 0, 0);   // palette 12: terminal markers

class DrawingRender : public SimulationFixture<> {
protected:
    void SetUp() override { EnsureGuiApplication(); }

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

}  // namespace
}  // namespace quorvane
