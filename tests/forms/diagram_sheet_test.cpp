#include "forms/diagram_sheet.h"

#include <gtest/gtest.h>

#include "editing/block_edit.h"
#include "editing/connection_edit.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

constexpr int Constant = 1;
constexpr int Lag = 10;

class DiagramSheet : public SimulationFixture<> {
protected:
    DiagramSheet() { AllocateSecondSheet(); }
    void AllocateSecondSheet() { Sim.Forms[2].InUse = 1; }
};

TEST_F(DiagramSheet, BlockAtTakesThePictureSquareAndTheTopmostBlock) {
    Place(1, Constant, 1200, 1200);
    Place(1, Lag, 1680, 1200);   // overlaps the constant's right part
    struct Row {
        int X, Y, Block;
    };
    const Row rows[] = {
        {1200, 1200, 1}, {1199, 1500, 0}, {1500, 1919, 1}, {1500, 1920, 0},
        {1700, 1500, 2}, {2399, 1500, 2}, {2400, 1500, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.X) + "," + std::to_string(r.Y));
        EXPECT_EQ(BlockAt(Sim, 1, r.X, r.Y), r.Block);
    }
}

TEST_F(DiagramSheet, ADraggedBlockMovesOnlyOnItsOwnSheet) {
    Place(1, Constant, 1200, 1200);
    // A block dropped on its own picture moves by less than its size.
    BeginBlockDrag(Sim, State, 1, 1, 100, 100);
    EXPECT_TRUE(DropOnSheet(Sim, State, 1, 1200 + 340, 1200 + 100));
    EXPECT_EQ(Sim.Forms[1].Blocks[1].Left, 1440);
    EXPECT_EQ(Sim.Forms[1].Blocks[1].Top, 1200);

    // Dropped on another sheet it stays, and the drag is over.
    BeginBlockDrag(Sim, State, 1, 1, 100, 100);
    EXPECT_FALSE(DropOnSheet(Sim, State, 2, 600, 600));
    EXPECT_EQ(Sim.Forms[1].Blocks[1].Left, 1440);
    EXPECT_FALSE(State.Moving);
    EXPECT_EQ(Sim.Forms[2].BlockCount, 0);
}

TEST_F(DiagramSheet, LosingTheFocusAbandonsOnlyThisSheetsConnection) {
    Place(1, Constant, 1200, 1200);
    Place(1, Lag, 3600, 1200);
    PressOnBlock(Sim, State, 1, 1, 650, 310, Canvas);
    ASSERT_EQ(Sim.PendingLineCount, -1);
    SheetLostFocus(Sim, State, 2);
    EXPECT_EQ(Sim.PendingLineCount, -1);

    SheetLostFocus(Sim, State, 1);
    EXPECT_EQ(Sim.PendingLineCount, 0);
    EXPECT_EQ(State.Band.Now, RubberBand::None);
    // Nothing was stored and the next press starts a new connection.
    PressOnBlock(Sim, State, 1, 2, 10, 310, Canvas);
    EXPECT_EQ(Sim.PendingLineCount, -1);
    EXPECT_EQ(State.StartInput, 1);
    EXPECT_EQ(Sim.Forms[1].NextConnection, 1);

    PressOnBlock(Sim, State, 1, 1, 650, 310, Canvas);   // completed and selected
    ASSERT_EQ(State.SelectedConnection, 1);
    SelectBlock(State, 1, 2);
    SheetLostFocus(Sim, State, 1);
    EXPECT_EQ(State.SelectedConnection, 0);
    EXPECT_EQ(State.SelectedBlock, 0);
    EXPECT_EQ(Sim.Forms[1].NextConnection, 2);
}

TEST_F(DiagramSheet, APendingConnectionSurvivesARedraw) {
    Place(1, Constant, 1200, 1200);
    PressOnBlock(Sim, State, 1, 1, 650, 310, Canvas);   // from (1800, 1560)
    ClickOnSheet(Sim, State, 1, 2400, 1560, Canvas);
    ClickOnSheet(Sim, State, 1, 2400, 2760, Canvas);
    MoveOnSheet(Sim, State, 1, 3000, 2900, Canvas);
    Canvas.Drawn.clear();
    DrawPendingConnection(Sim, State, 1, Canvas);
    const auto lines = Canvas.OfKind(RecordingCanvas::Kind::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].X2, 2400);
    EXPECT_EQ(lines[1].Y2, 2760);
    EXPECT_EQ(lines[2].Mode, DrawMode::Xor);   // the rubber band, where it was
    EXPECT_EQ(lines[2].X2, 3000);
    EXPECT_EQ(Canvas.OfKind(RecordingCanvas::Kind::Box).size(), 2u);   // start and bend markers

    Canvas.Drawn.clear();
    DrawPendingConnection(Sim, State, 2, Canvas);
    EXPECT_TRUE(Canvas.Drawn.empty());
}

TEST_F(DiagramSheet, KeyboardPlacementFindsRoomOnTheCurrentSheet) {
    constexpr int Gain = 6;
    Place(1, Constant, 240, 240);    // the first place taken
    Place(1, Lag, 1440, 120);        // overlaps the second place without standing on it
    Sim.CurrentForm = 1;
    const int gain = PlaceOnFreeArea(Sim, State, Gain);
    ASSERT_EQ(gain, 3);
    EXPECT_EQ(Sim.Forms[1].Blocks[gain].FunctionCode, Gain);
    EXPECT_EQ(Sim.Forms[1].Blocks[gain].Left, 2160);
    EXPECT_EQ(Sim.Forms[1].Blocks[gain].Top, 240);
    EXPECT_EQ(State.SelectedBlock, gain);
    EXPECT_EQ(State.SelectedBlockForm, 1);
    EXPECT_EQ(State.NewBlockCode, 0);

    // Sheet 2 holds three places a row and four rows; once they are taken the first is used.
    Sim.CurrentForm = 2;
    for (int n = 1; n <= 12; ++n) {
        SCOPED_TRACE(n);
        ASSERT_EQ(PlaceOnFreeArea(Sim, State, Lag), n);
        EXPECT_EQ(Sim.Forms[2].Blocks[n].Left, 240 + (n - 1) % 3 * 960);
        EXPECT_EQ(Sim.Forms[2].Blocks[n].Top, 240 + (n - 1) / 3 * 960);
    }
    EXPECT_EQ(PlaceOnFreeArea(Sim, State, Lag), 13);
    EXPECT_EQ(Sim.Forms[2].Blocks[13].Left, 240);
    EXPECT_EQ(Sim.Forms[2].Blocks[13].Top, 240);

    // A current sheet no longer in use gives way to the lowest one in use; with none, nothing.
    Sim.CurrentForm = 3;
    EXPECT_EQ(PlaceOnFreeArea(Sim, State, Gain), 4);
    Sim.Forms[1].InUse = 0;
    Sim.Forms[2].InUse = 0;
    EXPECT_EQ(PlaceOnFreeArea(Sim, State, Gain), 0);
    EXPECT_EQ(Sim.Forms[1].BlockCount, 4);
    EXPECT_EQ(Sim.Forms[2].BlockCount, 13);
    EXPECT_TRUE(Host.Log.empty());
}

}  // namespace
}  // namespace quorvane
