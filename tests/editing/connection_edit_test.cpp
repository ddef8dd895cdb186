#include "editing/connection_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_simulation.h"

namespace quorvane {
namespace {

using Primitive = RecordingCanvas::Primitive;

class ConnectionEdit : public SimulationFixture<> {
protected:
    /// Sounds and messages in the order they came.
    Strings Events() const {
        Strings events;
        for (const RecordingHost::Entry& e : Host.Log) {
            events.push_back(e.What == RecordingHost::Kind::Sound ? "sound " + std::to_string(e.Sound) : e.Text);
        }
        return events;
    }

    std::vector<Primitive> Drawn(RecordingCanvas::Kind kind, Palette colour) const {
        std::vector<Primitive> found;
        for (const Primitive& p : Canvas.OfKind(kind)) {
            if (p.Fore == PaletteColour(colour)) found.push_back(p);
        }
        return found;
    }
};

void ExpectBox(const Primitive& p, double x1, double y1, double x2, double y2) {
    EXPECT_EQ(p.X1, x1);
    EXPECT_EQ(p.Y1, y1);
    EXPECT_EQ(p.X2, x2);
    EXPECT_EQ(p.Y2, y2);
}

TEST_F(ConnectionEdit, DirectRouteTurnsAtTheMidpoint) {
    Drop(GainCode, 600, 240);    // output anchor (1200, 600)
    Drop(GainCode, 2400, 960);   // input anchor (2400, 1320)
    Host.Clear();
    PressOutput(1, 1);
    EXPECT_EQ(Sim.PendingLineCount, -1);
    PressInput(2, 1);
    EXPECT_EQ(Sheet().NextConnection, 2);
    EXPECT_EQ(Sheet().Connections[1], (Connection{1, 2, 1, 1, 3, 1}));
    EXPECT_EQ(LineOf(1, 1), (ConnectionLine{1200, 600, 1800, 600}));
    EXPECT_EQ(LineOf(1, 2), (ConnectionLine{1800, 600, 1800, 1320}));
    EXPECT_EQ(LineOf(1, 3), (ConnectionLine{1800, 1320, 2400, 1320}));
    EXPECT_EQ(Sheet().Blocks[2].Input[1], 1);
    EXPECT_EQ(State.SelectedConnection, 1);
    EXPECT_EQ(Events(), (Strings{"sound 2", "sound 2"}));
    // The new connection is marked as selected: start, both joints, end.
    const std::vector<Primitive> marks = Drawn(RecordingCanvas::Kind::Box, SelectionColour);
    ASSERT_EQ(marks.size(), 4u);
    ExpectBox(marks[1], 1780, 580, 1840, 640);
    ExpectBox(marks[3], 2430, 1290, 2470, 1330);
}

TEST_F(ConnectionEdit, FirstSegmentWithinTheBandIsLevelled) {
    Drop(GainCode, 1200, 1200);   // output anchor (1800, 1560)
    struct Row { int X, Y; ConnectionLine Line; };
    const Row rows[] = {
        {2400, 1800, {1800, 1560, 2400, 1560}},   // 240 below: levelled
        {2450, 1930, {1800, 1560, 2400, 1920}},   // 360 below: kept
        {2400, 1320, {1800, 1560, 2400, 1560}},   // 240 above: levelled
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.X) + "," + std::to_string(r.Y));
        Host.Clear();
        CancelConnection(Sim, State, 1, Canvas);
        PressOutput(1, 1);
        EXPECT_TRUE(Bend(r.X, r.Y));
        EXPECT_EQ(Sim.PendingLineCount, 1);
        EXPECT_EQ(Sim.PendingLine[1], r.Line);
        // The rubber band goes on from the levelled end.
        EXPECT_EQ(State.Band.AnchorY, r.Line.Y2);
        EXPECT_EQ(Host.Sounds(), (std::vector<int>{2, 1}));
    }
}

TEST_F(ConnectionEdit, BendsFollowTheThreeToOneRule) {
    Drop(GainCode, 1200, 1200);
    struct Row { int Dx, Dy; ConnectionLine Line; };
    const Row rows[] = {
        {360, 120, {2400, 2400, 2760, 2520}},    // not more than three times: sloped
        {480, 120, {2400, 2400, 2880, 2400}},    // horizontal
        {120, 480, {2400, 2400, 2400, 2880}},    // vertical
        {-480, 120, {2400, 2400, 1920, 2400}},
        {120, -480, {2400, 2400, 2400, 1920}},
        {360, -120, {2400, 2400, 2760, 2280}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.Dx) + "," + std::to_string(r.Dy));
        CancelConnection(Sim, State, 1, Canvas);
        PressOutput(1, 1);
        Bend(2400, 2400);
        EXPECT_TRUE(Bend(2400 + r.Dx, 2400 + r.Dy));
        EXPECT_EQ(Sim.PendingLineCount, 2);
        EXPECT_EQ(Sim.PendingLine[2], r.Line);
    }
}

TEST_F(ConnectionEdit, NineteenBendSegmentsThenTheFinalLine) {
    Drop(GainCode, 1200, 1200);   // output anchor (1800, 1560)
    Drop(GainCode, 7200, 3000);   // input anchor (7200, 3360)
    PressOutput(1, 1);
    Bend(1800, 3000);
    for (int i = 1; i <= 18; ++i) ASSERT_TRUE(Bend(1800 + 240 * i, 3000 + 240 * (i % 2)));
    ASSERT_EQ(Sim.PendingLineCount, 19);
    Host.Clear();
    EXPECT_FALSE(Bend(6600, 3000));
    EXPECT_EQ(Sim.PendingLineCount, 19);
    EXPECT_EQ(Events(), Strings{"Limit on Lines in this connection reached - either complete or Escape"});

    PressInput(2, 1);
    EXPECT_EQ(Sheet().Connections[1].LineCount, 20);
    EXPECT_EQ(Sheet().NextLine, 21);
    EXPECT_EQ(LineOf(1, 20), (ConnectionLine{6120, 3000, 7200, 3360}));
    EXPECT_EQ(Host.Messages().size(), 1u);   // no near-limit warning
}

TEST_F(ConnectionEdit, FinalLineWithinTheBandArrivesLevel) {
    Drop(GainCode, 1200, 1200);   // output anchor (1800, 1560)
    Drop(GainCode, 3600, 2400);   // input anchor (3600, 2760)
    PressOutput(1, 1);
    Bend(2400, 2400);
    Bend(2400, 2640);   // vertical, ends 120 above the input
    PressInput(2, 1);
    EXPECT_EQ(LineOf(1, 2), (ConnectionLine{2400, 2400, 2400, 2760}));
    EXPECT_EQ(LineOf(1, 3), (ConnectionLine{2400, 2760, 3600, 2760}));
}

TEST_F(ConnectionEdit, RefusalsForSameKindsAndTakenInputs) {
    Drop(GainCode, 1200, 1200);   // 1
    Drop(GainCode, 3600, 1200);   // 2, input taken below
    Drop(GainCode, 3600, 3600);   // 3
    ConnectOnSheet(1, 2);
    Host.Clear();

    PressInput(2, 1);    // idle, on a taken input
    EXPECT_EQ(Sim.PendingLineCount, 0);
    PressOutput(1, 1);
    PressOutput(3, 1);   // output to output
    PressInput(2, 1);    // taken, no line drawn yet
    EXPECT_EQ(Sim.PendingLineCount, -1);
    Bend(2400, 2400);
    PressInput(2, 1);    // taken, after a bend
    EXPECT_EQ(Sim.PendingLineCount, 1);
    // Escape abandons the pending connection; the next press starts afresh.
    CancelConnection(Sim, State, 1, Canvas);
    EXPECT_EQ(Sim.PendingLineCount, 0);
    EXPECT_EQ(State.Band.Now, RubberBand::None);
    EXPECT_EQ(Sheet().NextLine, 4);
    PressInput(3, 1);    // a connection may start from an input too
    PressInput(2, 1);    // input to input
    PressOutput(1, 1);   // completes input 1 of block 3 from block 1

    EXPECT_EQ(Events(), (Strings{"Input already alocated",
                                 "sound 2", "sound 3", "trying to link same terminal types",
                                 "Input already alocated",
                                 "sound 1", "sound 3", "input already allocated",
                                 "sound 2", "sound 3", "trying to link same terminal types",
                                 "sound 2"}));
    EXPECT_EQ(Sheet().NextConnection, 3);
    EXPECT_EQ(Sheet().Connections[2], (Connection{1, 3, 1, 1, 3, 4}));
    EXPECT_EQ(Sheet().Blocks[3].Input[1], 1);
    // Drawn from the input it started at.
    EXPECT_EQ(LineOf(2, 1), (ConnectionLine{3600, 3960, 2700, 3960}));
    EXPECT_EQ(LineOf(2, 3), (ConnectionLine{2700, 1560, 1800, 1560}));
}

TEST_F(ConnectionEdit, HundredAndFifthConnectionIsRefused) {
    Drop(ConstantCode, 0, 0);   // output 1 anchor (0, 360)
    for (int s = 0; s < 35; ++s) Drop(SumCode, 1200 + (s % 7) * 960, 1200 + (s / 7) * 960);
    for (int k = 0; k < 104; ++k) {
        PressOutput(1, 1);
        Bend(0, 7200);
        PressInput(k / 3 + 2, k % 3 + 1);
    }
    EXPECT_EQ(Sheet().NextConnection, 105);
    EXPECT_EQ(Sheet().Connections[104].ToBlock, 36);
    EXPECT_EQ(Sheet().Connections[104].ToInput, 2);
    EXPECT_EQ(Host.Messages(), Strings(2, "You have almost used up the available connections"));
    Host.Clear();

    PressOutput(1, 1);
    Bend(0, 7200);
    PressInput(36, 3);
    EXPECT_EQ(Host.Messages(), Strings{"The graphics library has run out of connections"});
    EXPECT_EQ(Sheet().Blocks[36].Input[3], 0);
    EXPECT_EQ(Sheet().NextConnection, 105);
    EXPECT_EQ(Sheet().NextLine, 209);
    EXPECT_EQ(Sim.PendingLineCount, 0);
    EXPECT_EQ(State.SelectedConnection, 0);
    EXPECT_EQ(State.Band.Now, RubberBand::None);
}

TEST_F(ConnectionEdit, LineTableRefusesWhatWouldOverflowIt) {
    Drop(ConstantCode, 0, 0);
    for (int s = 0; s < 34; ++s) Drop(SumCode, 1200 + (s % 7) * 960, 1200 + (s / 7) * 960);
    auto target = [](int k) { return k / 3 + 2; };
    for (int k = 0; k < 93; ++k) ConnectOnSheet(1, target(k), k % 3 + 1);
    ASSERT_EQ(Sheet().NextLine, 280);
    PressOutput(1, 1);
    Bend(0, 7200);
    PressInput(target(93), 93 % 3 + 1);   // 282 + 20 is past the table: warned
    for (int k = 94; k < 99; ++k) ConnectOnSheet(1, target(k), k % 3 + 1);   // direct routes warn of nothing
    ASSERT_EQ(Sheet().NextLine, 297);
    ConnectOnSheet(1, target(99), 99 % 3 + 1);   // 297 + 3 lines would reach 300
    EXPECT_EQ(Host.Messages(), (Strings{"You have almost used up the available connection lines",
                                        "the graphics library has run out of lines"}));
    EXPECT_EQ(Sheet().Blocks[target(99)].Input[99 % 3 + 1], 0);
    EXPECT_EQ(Sheet().NextConnection, 100);
    EXPECT_EQ(Sheet().NextLine, 297);
}

TEST_F(ConnectionEdit, DeletingTheFirstOfThreeMovesTheOthersDown) {
    Drop(GainCode, 600, 240);   // output anchor (1200, 600)
    Drop(SumCode, 2400, 960);   // input anchors (2400, 1080), (2400, 1320), (2400, 1560)
    ConnectOnSheet(1, 2, 1);
    PressOutput(1, 1);
    Bend(1800, 2400);
    PressInput(2, 2);
    ConnectOnSheet(1, 2, 3);
    ASSERT_EQ(Sheet().NextLine, 9);
    Host.Clear();

    ASSERT_TRUE(DeleteConnection(Sim, State, 1, 1));
    EXPECT_EQ(Sheet().NextConnection, 3);
    EXPECT_EQ(Sheet().NextLine, 6);
    EXPECT_EQ(Sheet().Connections[1], (Connection{2, 2, 1, 1, 2, 1}));
    EXPECT_EQ(Sheet().Connections[2], (Connection{3, 2, 1, 1, 3, 3}));
    EXPECT_EQ(Sheet().Connections[3], Connection{});
    const ConnectionLine lines[] = {{1200, 600, 1800, 2400}, {1800, 2400, 2400, 1320},
                                    {1200, 600, 1800, 600},  {1800, 600, 1800, 1560},
                                    {1800, 1560, 2400, 1560}};
    for (int l = 1; l <= 5; ++l) EXPECT_EQ(Sheet().Lines[l], lines[l - 1]) << "line " << l;
    for (int l = 6; l <= 8; ++l) EXPECT_EQ(Sheet().Lines[l], ConnectionLine{}) << "line " << l;
    EXPECT_EQ(Sheet().Blocks[2].Input[1], 0);
    EXPECT_EQ(Sheet().Blocks[2].Input[2], 1);

    EXPECT_FALSE(DeleteConnection(Sim, State, 1, 3));
    EXPECT_FALSE(DeleteConnection(Sim, State, 1, 0));
    ASSERT_TRUE(DeleteConnection(Sim, State, 1, 2));
    ASSERT_TRUE(DeleteConnection(Sim, State, 1, 1));
    EXPECT_FALSE(DeleteConnection(Sim, State, 1, 1));
    EXPECT_EQ(Host.Messages(), (Strings{"attempt to delete none existant connection",
                                        "attempt to delete none existant connection",
                                        "No connection to delete"}));
    EXPECT_EQ(Sheet().NextLine, 1);
}

// A loaded table may hold a connection's lines after those of a higher-numbered one.
TEST_F(ConnectionEdit, DeletingKeepsLinesOfAnOutOfOrderTable) {
    SimulationForm& sheet = Sim.Forms[1];
    const ConnectionLine lines[] = {{0, 0, 120, 0}, {120, 0, 120, 240}, {0, 600, 240, 600},
                                    {240, 600, 240, 960}, {240, 960, 480, 960}};
    for (int l = 1; l <= 5; ++l) sheet.Lines[l] = lines[l - 1];
    sheet.Connections[1] = Connection{1, 2, 1, 1, 3, 3};
    sheet.Connections[2] = Connection{2, 2, 1, 1, 2, 1};
    sheet.NextConnection = 3;
    sheet.NextLine = 6;
    ASSERT_TRUE(DeleteConnection(Sim, State, 1, 1));
    EXPECT_EQ(Sheet().Connections[1], (Connection{2, 2, 1, 1, 2, 1}));
    EXPECT_EQ(LineOf(1, 2), lines[1]);
    EXPECT_EQ(Sheet().NextLine, 3);
}

TEST_F(ConnectionEdit, HitTestReachesJustUnderAHundredTwips) {
    EXPECT_EQ(ConnectionAt(Sim, 1, 0, 0), 0);
    SimulationForm& sheet = Sim.Forms[1];
    sheet.Lines[1] = {1800, 600, 1800, 1320};
    sheet.Lines[2] = {0, 0, 1000, 500};
    sheet.Lines[3] = {5000, 3000, 4000, 2500};
    for (int c = 1; c <= 3; ++c) sheet.Connections[c] = Connection{1, 2, 1, 1, 1, c};
    sheet.NextConnection = 4;
    sheet.NextLine = 4;
    struct Row { int X, Y, Hit; };
    const Row rows[] = {
        {1899, 960, 1}, {1900, 960, 0}, {1701, 960, 1}, {1700, 960, 0}, {1800, 1419, 1}, {1800, 1420, 0},
        {500, 349, 2}, {500, 350, 0}, {-99, -49, 2}, {-100, -50, 0}, {4500, 2651, 3}, {4500, 2650, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.X) + "," + std::to_string(r.Y));
        EXPECT_EQ(ConnectionAt(Sim, 1, r.X, r.Y), r.Hit);
    }
}

TEST_F(ConnectionEdit, JointOfTheSelectedConnectionIsDragged) {
    Drop(GainCode, 600, 240);
    Drop(GainCode, 2400, 960);
    ConnectOnSheet(1, 2);   // (1200,600) (1800,600) (1800,1320) (2400,1320), selected
    EXPECT_EQ(JointAt(Sim, 1, 1899, 699).Line, 1);
    EXPECT_EQ(JointAt(Sim, 1, 1900, 600).Connection, 0);
    EXPECT_EQ(JointAt(Sim, 1, 1200, 600).Connection, 0);    // nor is the start
    EXPECT_EQ(JointAt(Sim, 1, 2400, 1320).Connection, 0);   // the end is a terminal, not a joint
    Host.Clear();

    ClearConnectionSelection(Sim, State, 1);
    EXPECT_FALSE(JointDragStart(Sim, State, 1, 1800, 600));   // not selected
    SelectConnection(Sim, State, 1, 1, Canvas);
    Canvas.Drawn.clear();
    ASSERT_TRUE(JointDragStart(Sim, State, 1, 1850, 650));
    EXPECT_EQ(Host.Sounds(), std::vector<int>{5});
    JointDragMove(State, 1, 2000, 700, Canvas);
    JointDragMove(State, 1, 2100, 800, Canvas);
    JointDragEnd(Sim, State, 1, Canvas);
    EXPECT_EQ(LineOf(1, 1), (ConnectionLine{1200, 600, 2040, 720}));
    EXPECT_EQ(LineOf(1, 2), (ConnectionLine{2040, 720, 1800, 1320}));
    EXPECT_EQ(State.SelectedConnection, 1);
    EXPECT_EQ(State.Joint.Now, JointDrag::None);

    // Each pair of rubber lines is drawn once in XOR and rubbed out once.
    std::vector<Primitive> rubber;
    for (const Primitive& p : Canvas.OfKind(RecordingCanvas::Kind::Line)) {
        if (p.Mode == DrawMode::Xor) rubber.push_back(p);
    }
    ASSERT_EQ(rubber.size(), 8u);
    ExpectBox(rubber[0], 1200, 600, 1920, 600);
    ExpectBox(rubber[2], 1200, 600, 1920, 600);
    EXPECT_EQ(Canvas.Mode, DrawMode::Copy);
}

TEST_F(ConnectionEdit, RubberBandRubsOutWhatItDrew) {
    RubberBandCancel(State, Canvas);   // never drawn: nothing to rub out
    RubberBandStart(State, 100, 100);
    RubberBandCancel(State, Canvas);
    EXPECT_TRUE(Canvas.Drawn.empty());

    RubberBandStart(State, 100, 100);
    RubberBandMove(State, Canvas, 200, 250);
    RubberBandMove(State, Canvas, 300, 350);
    RubberBandCancel(State, Canvas);
    // Drawn, rubbed out, drawn at the new end, rubbed out: dotted XOR lines in the band colour.
    const std::vector<Primitive> lines = Canvas.OfKind(RecordingCanvas::Kind::Line);
    ASSERT_EQ(lines.size(), 4u);
    ExpectBox(lines[0], 100, 100, 200, 250);
    ExpectBox(lines[1], 100, 100, 200, 250);
    ExpectBox(lines[3], 100, 100, 300, 350);
    EXPECT_EQ(lines[0].Mode, DrawMode::Xor);
    EXPECT_EQ(lines[0].Pen, PenStyle::Dot);
    EXPECT_EQ(lines[0].Fore, PaletteColour(RubberBandColour));
    EXPECT_EQ(State.Band.Now, RubberBand::None);
    EXPECT_EQ(Canvas.Mode, DrawMode::Copy);
    EXPECT_EQ(Canvas.Pen, PenStyle::Solid);
}

TEST_F(ConnectionEdit, SheetPressesClicksAndTheDeleteKey) {
    Drop(GainCode, 600, 240);
    Drop(GainCode, 2400, 960);
    ConnectOnSheet(1, 2);   // vertical at 1800 from 600 to 1320
    ClearConnectionSelection(Sim, State, 1);
    Host.Clear();

    PressOnSheet(Sim, State, 1, 1850, 960, Canvas);   // on the line: selected, no drag
    EXPECT_EQ(State.SelectedConnection, 1);
    EXPECT_EQ(State.Joint.Now, JointDrag::None);
    ClickOnSheet(Sim, State, 1, 1850, 960, Canvas);   // the click after it changes nothing
    PressOnSheet(Sim, State, 1, 1850, 650, Canvas);   // its joint, now that it is selected
    EXPECT_EQ(State.Joint.Now, JointDrag::Grabbed);
    MoveOnSheet(Sim, State, 1, 2000, 700, Canvas);
    JointDragEnd(Sim, State, 1, Canvas);
    EXPECT_EQ(LineOf(1, 1), (ConnectionLine{1200, 600, 1920, 600}));
    EXPECT_EQ(Host.Sounds(), (std::vector<int>{4, 5}));

    PressOnSheet(Sim, State, 1, 6000, 6000, Canvas);   // nothing there: selections cleared
    EXPECT_EQ(State.SelectedConnection, 0);
    EXPECT_FALSE(DeleteSelected(Sim, State, 1));
    ClickOnSheet(Sim, State, 1, 1850, 960, Canvas);
    ASSERT_TRUE(DeleteSelected(Sim, State, 1));
    EXPECT_EQ(Sheet().NextConnection, 1);

    PressOutput(1, 1);
    PressOnSheet(Sim, State, 1, 2400, 2400, Canvas);   // a press while linking selects nothing
    ClickOnSheet(Sim, State, 1, 2400, 2400, Canvas);
    EXPECT_EQ(Sim.PendingLineCount, 1);
    MoveOnSheet(Sim, State, 1, 3000, 3000, Canvas);
    EXPECT_EQ(State.Band.Now, RubberBand::Drawn);
    CancelConnection(Sim, State, 1, Canvas);

    ClickBody(2);
    ASSERT_TRUE(DeleteSelected(Sim, State, 1));
    EXPECT_EQ(Sheet().BlockCount, 1);
    EXPECT_EQ(Host.Messages(), Strings{});
}

}  // namespace
}  // namespace quorvane
