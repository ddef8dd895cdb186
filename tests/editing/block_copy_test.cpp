#include <gtest/gtest.h>

#include "editing/block_copy.h"
#include "editing/block_selection.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

using BlockCopy = SimulationFixture<>;

TEST_F(BlockCopy, TwoConnectedBlocksPasteWithOneNewConnectionBetweenThem) {
    Drop(ConstantCode, 1200, 1200);   // 1 feeds 2 and 3
    Drop(GainCode, 3600, 1200);
    Drop(GainCode, 3600, 3600);
    ConnectOnSheet(1, 2);
    ConnectOnSheet(1, 3);
    Sim.Forms[1].Blocks[2].Title = "Pump gain";
    Sim.Forms[1].Blocks[2].Units = "l/s";
    Sim.Forms[1].Blocks[2].Constant[1] = 2.5f;
    Sim.Forms[1].Blocks[2].SatHigh = 10;
    const ConnectionLine firstLine = LineOf(1, 1);

    const SimulationForm copied = CopyBlocks(Sim, 1, {1, 2});
    ASSERT_EQ(copied.BlockCount, 2);
    ASSERT_EQ(copied.NextConnection, 2);   // 1 -> 3 leaves the copy

    const int levels = Sim.History.UndoLevels();
    const std::vector<int> pasted = PasteBlocks(Sim, State, 1, copied, 240, 240);
    ASSERT_EQ(pasted, (std::vector<int>{4, 5}));
    EXPECT_EQ(Sim.History.UndoLevels(), levels + 1);
    EXPECT_TRUE(Host.Messages().empty());

    const SimulationForm& sheet = Sheet();
    EXPECT_EQ(sheet.BlockCount, 5);
    ASSERT_EQ(sheet.NextConnection, 4);
    EXPECT_EQ(sheet.Connections[3].FromBlock, 4);
    EXPECT_EQ(sheet.Connections[3].ToBlock, 5);
    EXPECT_EQ(sheet.Connections[3].FirstLine, sheet.Connections[2].FirstLine + sheet.Connections[2].LineCount);
    EXPECT_EQ(sheet.Blocks[5].Input[1], 4);
    // None of the new connections reaches an original, and the originals keep theirs.
    EXPECT_EQ(sheet.Blocks[2].Input[1], 1);
    EXPECT_EQ(sheet.Blocks[3].Input[1], 1);
    // Every parameter, title and units came along, 240 twips right and down.
    Block expected = sheet.Blocks[2];
    expected.Left += 240;
    expected.Top += 240;
    expected.Input[1] = 4;
    EXPECT_EQ(sheet.Blocks[5], expected);
    const ConnectionLine moved = sheet.Lines[sheet.Connections[3].FirstLine];
    EXPECT_EQ(moved, (ConnectionLine{firstLine.X1 + 240, firstLine.Y1 + 240, firstLine.X2 + 240, firstLine.Y2 + 240}));
    EXPECT_EQ(SelectedBlocks(State, 1), pasted);
}

TEST_F(BlockCopy, PasteGoesToTheGridWithTheCornerOfTheCopies) {
    Drop(GainCode, 1200, 2400);
    Drop(GainCode, 2400, 1200);
    const SimulationForm copied = CopyBlocks(Sim, 1, {1, 2});
    // The corner (1200, 1200) moved by (1000, 500) is snapped to (2160, 1680).
    PasteBlocks(Sim, State, 1, copied, 1000, 500);
    EXPECT_EQ(Sheet().Blocks[3].Left, 2160);
    EXPECT_EQ(Sheet().Blocks[3].Top, 2880);
    EXPECT_EQ(Sheet().Blocks[4].Left, 3360);
    EXPECT_EQ(Sheet().Blocks[4].Top, 1680);
}

TEST_F(BlockCopy, APasteTheSheetCannotTakeIsRefusedWholeWithOneMessage) {
    struct Case {
        const char* Name;
        int BlocksBefore;
        int ConnectionsBefore;
        int LinesBefore;
        std::string Message;
    };
    const Case cases[] = {
        {"71 blocks", 69, 0, 0, "limit reached - No more blocks on this form"},
        {"105 connections", 4, 104, 104, "The graphics library has run out of connections"},
        {"300 lines", 4, 1, 298, "the graphics library has run out of lines"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TestSimulation t(Begin::Started);
        Simulation& sim = t.Sim;
        EditingState& state = t.State;
        RecordingHost& host = t.Host;
        SimulationForm& sheet = sim.Forms[1];
        for (int b = 1; b <= c.BlocksBefore; ++b) t.Place(1, ConstantCode, 120 * b, 120);
        // Connections stored straight into the tables, one line each and the rest of the lines
        // on the last: only the counts matter.
        for (int n = 1; n <= c.ConnectionsBefore; ++n) {
            const int lines = n < c.ConnectionsBefore ? 1 : c.LinesBefore - n + 1;
            sheet.Connections[n] = {1, 1, 2, 1, lines, n};
        }
        sheet.NextConnection = c.ConnectionsBefore + 1;
        sheet.NextLine = c.LinesBefore + 1;
        SimulationForm copied;
        copied.BlockCount = 2;
        copied.Blocks[1].FunctionCode = ConstantCode;
        copied.Blocks[2].FunctionCode = GainCode;
        copied.Blocks[2].Input[1] = 1;
        copied.Connections[1] = {1, 2, 1, 1, 1, 1};
        copied.NextConnection = 2;
        copied.Lines[1] = {0, 0, 240, 0};
        copied.NextLine = 2;
        host.Clear();
        const SimulationForm before = sheet;
        const int levels = sim.History.UndoLevels();
        EXPECT_TRUE(PasteBlocks(sim, state, 1, copied, 240, 240).empty());
        EXPECT_EQ(host.Messages(), Strings{c.Message});
        EXPECT_TRUE(sheet == before);
        EXPECT_EQ(sim.History.UndoLevels(), levels);
    }
}

TEST_F(BlockCopy, TerminalLinksArePastedUnlinkedWithEntriesOfTheirOwn) {
    Drop(OutputTerminalCode, 1200, 1200);   // entry 1
    Drop(InputTerminalCode, 3600, 1200);    // entry 2, linked to form 1 entry 1
    Link(1, 2, 1, 1);
    Sim.Forms[1].Blocks[2].Constant[3] = 1;
    PasteBlocks(Sim, State, 1, CopyBlocks(Sim, 1, {1, 2}), 0, 2400);
    const SimulationForm& sheet = Sheet();
    ASSERT_EQ(sheet.BlockCount, 4);
    EXPECT_EQ(sheet.TermCount, 4);
    EXPECT_EQ(sheet.Terminals[3], (TerminalEntry{3, 3}));
    EXPECT_EQ(sheet.Terminals[4], (TerminalEntry{4, 0}));
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(sheet.Blocks[4].Constant[k], 0.0f) << k;
    EXPECT_EQ(sheet.Blocks[2].Constant[1], 1.0f);   // the original keeps its link

    // Ten entries are all a form can register.
    for (int n = 0; n < 5; ++n) Drop(OutputTerminalCode, 1200 + 600 * n, 6000);
    ASSERT_EQ(Sheet().TermCount, 9);
    Host.Clear();
    EXPECT_TRUE(PasteBlocks(Sim, State, 1, CopyBlocks(Sim, 1, {1, 2}), 0, 2400).empty());
    EXPECT_EQ(Host.Messages(), Strings{"Run out of terminals"});
    EXPECT_EQ(Sheet().BlockCount, 9);
}

}  // namespace
}  // namespace quorvane
