#include "drawing/sheet_redraw.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawing/block_pictures.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

using Kind = RecordingCanvas::Kind;
using Primitive = RecordingCanvas::Primitive;

class SheetRedraw : public SimulationFixture<> {
protected:
    /// A constant feeding a gain through three lines; an output terminal (entry 1) beside them
    /// and an input terminal (entry 2) below.
    SheetRedraw() {
        Place(1, 1, 600, 600);
        Place(1, 6, 2400, 600);
        Place(1, 50, 4200, 600);
        Place(1, 48, 600, 2400);
        SimulationForm& sheet = Sim.Forms[1];
        sheet.Lines[1] = {1260, 960, 1800, 960};
        sheet.Lines[2] = {1800, 960, 1800, 1440};
        sheet.Lines[3] = {1800, 1440, 2430, 1440};
        sheet.Connections[1] = {1, 2, 1, 2, 3, 1};
        sheet.NextConnection = 2;
        sheet.NextLine = 4;
        sheet.Blocks[2].Input[1] = 1;
    }

    std::vector<Primitive> Coloured(Kind kind, Palette palette) const {
        std::vector<Primitive> found;
        for (const Primitive& p : Canvas.OfKind(kind)) {
            if (p.Fore == PaletteColour(palette)) found.push_back(p);
        }
        return found;
    }
};

TEST_F(SheetRedraw, DrawsPicturesLinesMarkersAndThenText) {
    Sim.Run.AnnotateBlocks = true;
    RedrawSheet(Sim, 1, Canvas);
    ASSERT_FALSE(Canvas.Drawn.empty());
    EXPECT_EQ(Canvas.Drawn.front().What, Kind::Clear);

    const auto lines = Coloured(Kind::Line, Palette::Blue);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2].X2, 2430);

    // Terminal markers at both ends: 40 by 110 from (x + 30, y - 60).
    const auto markers = Coloured(Kind::Box, Palette::LightRed);
    ASSERT_EQ(markers.size(), 2u);
    EXPECT_EQ(std::vector<double>({markers[1].X1, markers[1].Y1, markers[1].X2, markers[1].Y2}),
              std::vector<double>({2460, 1380, 2500, 1490}));

    // One picture box per block, in black, each at its block's place.
    const auto pictures = Coloured(Kind::Box, Palette::Black);
    ASSERT_EQ(pictures.size(), 4u);
    EXPECT_GE(pictures[1].X1, 2400);
    EXPECT_LE(pictures[1].X2, 2400 + BlockPictureSize);

    // Link markers face off the sheet: right of an output terminal, left of an input terminal.
    const auto circles = Coloured(Kind::Circle, Palette::Brown);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(std::vector<double>({circles[0].X1, circles[0].Y1, circles[0].X2}), std::vector<double>({4875, 935, 100}));
    EXPECT_EQ(std::vector<double>({circles[1].X1, circles[1].Y1}), std::vector<double>({600, 2735}));
    const auto numbers = Coloured(Kind::Text, Palette::LightRed);
    ASSERT_EQ(numbers.size(), 2u);
    EXPECT_EQ(numbers[1].Text, " 2");
    EXPECT_EQ(std::vector<double>({numbers[1].X1, numbers[1].Y1}), std::vector<double>({525, 2645}));

    // The annotation comes over everything drawn.
    std::size_t lastLine = 0;
    std::size_t gainText = 0;
    for (std::size_t i = 0; i < Canvas.Drawn.size(); ++i) {
        if (Canvas.Drawn[i].What == Kind::Line) lastLine = i;
        if (Canvas.Drawn[i].What == Kind::Text && Canvas.Drawn[i].Text == "Gain") gainText = i;
    }
    EXPECT_GT(gainText, lastLine);
    EXPECT_EQ(Canvas.Fore, PaletteColour(Palette::Blue));
}

TEST_F(SheetRedraw, NodesMarkEveryLineEnd) {
    Sim.Run.ShowNodes = true;
    RedrawSheet(Sim, 1, Canvas);
    std::vector<std::vector<double>> nodes;
    for (const Primitive& p : Coloured(Kind::Box, Palette::Black)) {
        if (p.X2 - p.X1 == 40 && p.Y2 - p.Y1 == 40) nodes.push_back({p.X1, p.Y1});
    }
    EXPECT_EQ(nodes, (std::vector<std::vector<double>>{{1780, 940}, {1780, 1420}, {2410, 1420}}));
}

TEST_F(SheetRedraw, LinesOutsideTheTableAreNotRead) {
    // A connection claiming lines beyond the table (a damaged file) draws what exists.
    Sim.Forms[1].Connections[1].FirstLine = LineTableLast - 1;
    Sim.Forms[1].Connections[1].LineCount = 20;
    RedrawSheet(Sim, 1, Canvas);
    EXPECT_EQ(Coloured(Kind::Line, Palette::Blue).size(), 2u);
}

}  // namespace
}  // namespace quorvane
