#include <gtest/gtest.h>

#include <random>

#include "editing/block_selection.h"
#include "forms/block_properties.h"
#include "forms/edit_commands.h"
#include "forms/form_manager.h"
#include "forms/form_properties.h"
#include "forms/terminal_dialogs.h"
#include "model/terminal_links.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

/// The tables an edit may change, for comparing whole models.
struct Tables {
    explicit Tables(const Model& model) : FormCount(model.FormCount), Spare(model.BlockSpareLong) {
        for (int f = 1; f <= FormSlots; ++f) Forms[static_cast<std::size_t>(f)] = model.Forms[f];
    }
    bool operator==(const Tables&) const = default;

    std::array<SimulationForm, FormSlots + 1> Forms{};
    int FormCount;
    Table<int, MaxBlocks> Spare;
};

/// A started simulation edited by random operations of every kind the windows offer.
class RandomEditor : public TestSimulation {
public:
    explicit RandomEditor(unsigned sequence) : TestSimulation(Begin::Started), Random(sequence) {
        States.emplace_back(Sim);
    }

    /// The tables after every recorded step, the first tables first.
    std::vector<Tables> States;

    void Edit() {
        const int form = SomeForm();
        if (form == 0) {
            LoadNewForm(Sim);
            Note();
            return;
        }
        const SimulationForm& sheet = Sim.Forms[form];
        const int blocks = sheet.BlockCount;
        switch (Pick(16)) {
        case 0: case 1: case 2: {
            static constexpr int Codes[] = {1, 2, 6, 8, 10, 16, 42, 48, 50, 60};
            const int code = Codes[Pick(10)];
            BeginNewBlockDrag(State, code, 0, 0);
            PlaceBlock(Sim, State, form, code, 120 * Pick(80), 120 * Pick(50));
            break;
        }
        case 3:
            if (blocks > 0) {
                const int b = 1 + Pick(blocks);
                BeginBlockDrag(Sim, State, form, b, Pick(700), Pick(700));
                MoveBlock(Sim, State, form, 120 * Pick(80), 120 * Pick(50));
            }
            break;
        case 4:
            if (blocks > 0) TurnBlock(Sim, form, 1 + Pick(blocks));
            break;
        case 5:
            if (blocks > 0) DeleteBlock(Sim, State, form, 1 + Pick(blocks));
            break;
        case 6: case 7:
            if (blocks > 0) Connect(form, 1 + Pick(blocks), 1 + Pick(blocks), Pick(3));
            break;
        case 8:
            if (sheet.NextConnection > 1) DeleteConnection(Sim, State, form, 1 + Pick(sheet.NextConnection - 1));
            break;
        case 9:
            if (sheet.NextConnection > 1) DragJoint(form, 1 + Pick(sheet.NextConnection - 1));
            break;
        case 10:
            if (blocks > 0) StoreProperties(form, 1 + Pick(blocks));
            break;
        case 11:
            if (blocks > 1) {
                SelectSome(form);
                DuplicateSelection(Sim, State, form);
            }
            break;
        case 12:
            if (blocks > 1) {
                SelectSome(form);
                if (Pick(2) == 0) {
                    DeleteSelection(Sim, State, form);
                } else {
                    const int b = SelectedBlocks(State, form).front();
                    const BlockGroup group = State.Group;
                    BeginBlockDrag(Sim, State, form, b, 0, 0);
                    KeepGroupForDrag(State, group);
                    DropGroupOnSheet(Sim, State, form, 120 * Pick(80), 120 * Pick(50));
                }
            }
            break;
        case 13:
            if (blocks > 0) {
                SelectSome(form);
                if (const auto text = CopySelection(Sim, State, form)) {
                    PasteText(Sim, State, SomeForm(), *text, {Pick(2) == 0, 120 * Pick(80), 120 * Pick(50), 1});
                }
            }
            break;
        case 14:
            if (Pick(2) == 0) {
                LoadNewForm(Sim);
            } else if (Pick(4) == 0) {
                UnloadForm(Sim, form);
            }
            break;
        default: {
            FormPropertiesFields fields = ActivateFormProperties(Sim, form);
            fields.Title = "Form " + std::to_string(Pick(100));
            StoreFormProperties(Sim, fields);
            break;
        }
        }
        CancelConnection(Sim, State, form, Canvas);
        Note();
    }

private:
    // Each action of a window that changed the tables is one step.
    void Note() {
        if (Sim.History.UndoLevels() == static_cast<int>(States.size())) States.emplace_back(Sim);
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(Random); }

    int SomeForm() {
        std::vector<int> forms;
        for (int f = 1; f <= FormSlots; ++f) {
            if (Sim.Forms[f].InUse > 0) forms.push_back(f);
        }
        return forms.empty() ? 0 : forms[static_cast<std::size_t>(Pick(static_cast<int>(forms.size())))];
    }

    void SelectSome(int form) {
        std::vector<int> blocks;
        for (int b = 1; b <= Sim.Forms[form].BlockCount; ++b) {
            if (Pick(2) == 0) blocks.push_back(b);
        }
        if (blocks.empty()) blocks.push_back(1);
        SelectBlocks(State, form, blocks);
    }

    // Output 1 of `from` to input k of `to`, directly or with two bends.
    void Connect(int form, int from, int to, int bends) {
        const SimulationForm& sheet = Sim.Forms[form];
        const BlockFunction& source = Sim.Functions[sheet.Blocks[from].FunctionCode];
        const BlockFunction& target = Sim.Functions[sheet.Blocks[to].FunctionCode];
        if (source.OutputCount < 1 || target.InputCount < 1) return;
        const int k = 1 + Pick(target.InputCount);
        PressOnBlock(Sim, State, form, from, source.OutputX[1] + 10, source.OutputY[1] + 10, Canvas);
        for (int n = 0; n < bends; ++n) AddBendPoint(Sim, State, form, 120 * Pick(80), 120 * Pick(50), Canvas);
        PressOnBlock(Sim, State, form, to, target.InputX[k] + 10, target.InputY[k] + 10, Canvas);
    }

    void DragJoint(int form, int c) {
        const SimulationForm& sheet = Sim.Forms[form];
        const Connection& conn = sheet.Connections[c];
        if (conn.LineCount < 2) return;
        const ConnectionLine& line = sheet.Lines[conn.FirstLine];
        SelectConnection(Sim, State, form, c, Canvas);
        if (!JointDragStart(Sim, State, form, line.X2, line.Y2)) return;
        JointDragMove(State, form, line.X2 + 240, line.Y2 - 120, Canvas);
        JointDragEnd(Sim, State, form, Canvas);
    }

    void StoreProperties(int form, int block) {
        const int code = Sim.Forms[form].Blocks[block].FunctionCode;
        if (IsInputTerminal(code)) {
            InputTerminalFields fields = ActivateInputTerminal(Sim, form, block);
            if (!fields.Choices.empty()) ChooseTerminalConnection(Sim, fields, 1);
            Note();
            fields.Title = "In " + std::to_string(Pick(10));
            StoreInputTerminal(Sim, fields);
        } else if (IsOutputTerminal(code)) {
            OutputTerminalFields fields = ActivateOutputTerminal(Sim, form, block);
            fields.Units = "V";
            StoreOutputTerminal(Sim, fields);
        } else {
            BlockPropertiesFields fields = ActivateBlockProperties(Sim, form, block);
            fields.Title = "Block " + std::to_string(Pick(10));
            fields.InitialCondition = std::to_string(Pick(5));
            if (fields.TimeSpanVisible) SetAutomaticTimeSpan(Sim, fields, Pick(2) == 0);
            Note();
            StoreBlockProperties(Sim, fields);
        }
    }

    std::mt19937 Random;
};

TEST(EditCommands, UndoingEveryStepOfRandomEditsGivesBackEveryModelOnTheWay) {
    for (unsigned sequence = 1; sequence <= 200; ++sequence) {
        SCOPED_TRACE(sequence);
        RandomEditor editor(sequence);
        Simulation& sim = editor.Sim;
        const std::vector<Tables>& states = editor.States;
        for (int n = 0; n < 40; ++n) {
            editor.Edit();
            ASSERT_EQ(sim.History.UndoLevels() + 1, static_cast<int>(states.size())) << "edit " << n;
        }
        ASSERT_TRUE(Tables(sim) == states.back());
        for (auto state = states.rbegin() + 1; state != states.rend(); ++state) {
            ASSERT_TRUE(UndoEdit(sim, editor.State));
            ASSERT_TRUE(Tables(sim) == *state) << "undo to level " << (states.rend() - state - 1);
        }
        EXPECT_FALSE(UndoEdit(sim, editor.State));
        for (auto state = states.begin() + 1; state != states.end(); ++state) {
            ASSERT_TRUE(RedoEdit(sim, editor.State));
            ASSERT_TRUE(Tables(sim) == *state) << "redo to level " << (state - states.begin());
        }
        EXPECT_FALSE(RedoEdit(sim, editor.State));
    }
}

using EditCommandsTest = SimulationFixture<>;

TEST_F(EditCommandsTest, UndoBringsBackAnUnloadedSheetAndForgetsTheSelection) {
    LoadNewForm(Sim);
    BeginNewBlockDrag(State, GainCode, 0, 0);
    PlaceBlock(Sim, State, 2, GainCode, 1200, 1200);
    Sim.CurrentForm = 2;
    Host.Answers = {true};
    ASSERT_TRUE(UnloadForm(Sim, 2));
    EXPECT_EQ(Sim.CurrentForm, 1);
    SelectBlocks(State, 1, {});
    Windows.Calls.clear();

    ASSERT_TRUE(UndoEdit(Sim, State));
    EXPECT_EQ(Sim.Forms[2].InUse, 1);
    EXPECT_EQ(Sim.Forms[2].BlockCount, 1);
    EXPECT_EQ(SheetCalls(), (Strings{"ShowSheet 1 Unnamed Form  1", "PlaceBlockImage 2 1", "ShowSheet 2 Unnamed Form  2",
                                     "CloseSheet 3"}));
    EXPECT_EQ(State.SelectedBlock, 0);

    ASSERT_TRUE(RedoEdit(Sim, State));
    EXPECT_EQ(Sim.Forms[2].InUse, 0);
    EXPECT_EQ(Sim.CurrentForm, 1);
}

TEST_F(EditCommandsTest, ASelectionMovesTogetherWithTheConnectionsAmongIt) {
    Drop(ConstantCode, 1200, 1200);   // 1 -> 2 inside the group, 2 -> 3 to a block left behind
    Drop(GainCode, 3600, 2400);
    Drop(GainCode, 7200, 2400);
    ConnectOnSheet(1, 2);
    ConnectOnSheet(2, 3);
    const ConnectionLine inner = LineOf(1, 2);
    const ConnectionLine outerStart = LineOf(2, 1);
    const ConnectionLine outerEnd = LineOf(2, 3);
    SelectBlocks(State, 1, {1, 2});
    const int levels = Sim.History.UndoLevels();

    const BlockGroup group = State.Group;
    BeginBlockDrag(Sim, State, 1, 2, 100, 100);
    KeepGroupForDrag(State, group);
    ASSERT_TRUE(DropGroupOnSheet(Sim, State, 1, 3700 + 240, 2500 + 480));
    EXPECT_EQ(Sim.History.UndoLevels(), levels + 1);
    EXPECT_EQ(SelectedBlocks(State, 1), (std::vector<int>{1, 2}));
    EXPECT_EQ(Sheet().Blocks[1].Left, 1440);
    EXPECT_EQ(Sheet().Blocks[1].Top, 1680);
    EXPECT_EQ(Sheet().Blocks[3].Left, 7200);
    // The connection within the group moved whole; the one leaving it kept its far end.
    EXPECT_EQ(LineOf(1, 2), (ConnectionLine{inner.X1 + 240, inner.Y1 + 480, inner.X2 + 240, inner.Y2 + 480}));
    EXPECT_EQ(LineOf(2, 3), outerEnd);
    EXPECT_EQ(LineOf(2, 1),
              (ConnectionLine{outerStart.X1 + 240, outerStart.Y1 + 480, outerStart.X2 + 240, outerStart.Y2 + 480}));

    ASSERT_TRUE(UndoEdit(Sim, State));
    EXPECT_EQ(Sheet().Blocks[1].Left, 1200);
    EXPECT_EQ(LineOf(1, 2), inner);
}

TEST_F(EditCommandsTest, DraggedBlocksStayInsideTheSheet) {
    Drop(GainCode, 1200, 1200);
    Drop(GainCode, 2400, 1200);
    // Alone, past the right edge (13150 twips, so corners up to 12430) and above the top.
    BeginBlockDrag(Sim, State, 1, 1, 100, 100);
    ASSERT_TRUE(DropGroupOnSheet(Sim, State, 1, 13100, 50));
    EXPECT_EQ(Sheet().Blocks[1].Left, 12360);
    EXPECT_EQ(Sheet().Blocks[1].Top, 0);
    // A group stops where its leftmost block meets the edge.
    SelectBlocks(State, 1, {1, 2});
    Sim.Forms[1].Blocks[1].Left = 1200;
    const BlockGroup group = State.Group;
    BeginBlockDrag(Sim, State, 1, 2, 100, 100);
    KeepGroupForDrag(State, group);
    ASSERT_TRUE(DropGroupOnSheet(Sim, State, 1, 600, 1300));
    EXPECT_EQ(Sheet().Blocks[2].Left, 1200);
    EXPECT_EQ(Sheet().Blocks[1].Left, 0);
}

TEST_F(EditCommandsTest, SelectionBoxSelectsTheBlocksWhollyInsideAndRubsItselfOut) {
    Drop(GainCode, 1200, 1200);
    Drop(GainCode, 2400, 1200);
    Drop(GainCode, 2400, 3600);
    SelectionBoxStart(State, 1, 3300, 2100);   // dragged up and left, over blocks 1 (partly) and 2
    SelectionBoxMove(State, Canvas, 2000, 1300);
    SelectionBoxMove(State, Canvas, 1000, 1000);
    Canvas.Drawn.clear();
    EXPECT_EQ(SelectionBoxEnd(Sim, State, Canvas), 2);
    EXPECT_EQ(SelectedBlocks(State, 1), (std::vector<int>{1, 2}));
    // The last rectangle drawn is drawn once more in XOR, which rubs it out.
    const auto boxes = Canvas.OfKind(RecordingCanvas::Kind::Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Mode, DrawMode::Xor);
    EXPECT_EQ((std::array{boxes[0].X1, boxes[0].Y1, boxes[0].X2, boxes[0].Y2}), (std::array{3300.0, 2100.0, 1000.0, 1000.0}));

    ToggleSelected(State, 1, 3);
    ToggleSelected(State, 1, 1);
    EXPECT_EQ(SelectedBlocks(State, 1), (std::vector<int>{2, 3}));
    EXPECT_EQ(State.SelectedBlock, 3);
    ToggleSelected(State, 2, 1);   // another sheet: that selection goes
    EXPECT_TRUE(SelectedBlocks(State, 1).empty());
}

TEST_F(EditCommandsTest, PastesGoToTheFirstFreePlaceRightOfTheOffsetOrOfTheClickedPoint) {
    Drop(GainCode, 1200, 1200);
    SelectBlocks(State, 1, {1});
    const std::string text = *CopySelection(Sim, State, 1);
    struct Case {
        PastePlace Place;
        int Left;
        int Top;
    };
    // A picture is 720 twips square: each paste steps right from its offset place until it
    // clears the original (at 1200) and the pastes before it.
    const Case cases[] = {
        {{false, 0, 0, 1}, 1920, 1440},
        {{false, 0, 0, 2}, 2640, 1680},
        {{true, 5000, 3000, 1}, 4920, 3000},   // the click's grid point
        {{true, 5000, 3000, 2}, 5640, 3240},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Left);
        const std::vector<int> pasted = PasteText(Sim, State, 1, text, c.Place);
        ASSERT_EQ(pasted.size(), 1u);
        EXPECT_EQ(Sheet().Blocks[pasted[0]].Left, c.Left);
        EXPECT_EQ(Sheet().Blocks[pasted[0]].Top, c.Top);
    }
    // Stepping right and then down from the start of the next row when a row is full.
    Sim.Forms[1].Window.Width = 13150;
    SelectBlocks(State, 1, {1});
    Drop(GainCode, 12360, 1440);
    const std::vector<int> below = PasteText(Sim, State, 1, text, {true, 12000, 1440, 1});
    ASSERT_EQ(below.size(), 1u);
    EXPECT_EQ(Sheet().Blocks[below[0]].Left, 0);
    EXPECT_EQ(Sheet().Blocks[below[0]].Top, 1560);
    // A sheet with no room for the group refuses it as a full sheet does.
    Sim.Forms[1].Window.Width = 700;
    SelectBlocks(State, 1, {1});
    const int count = Sheet().BlockCount;
    EXPECT_TRUE(DuplicateSelection(Sim, State, 1).empty());
    EXPECT_EQ(Sheet().BlockCount, count);
    EXPECT_EQ(Host.Messages(), (Strings{"limit reached - No more blocks on this form"}));
    Host.Clear();
    // Text that is not copied blocks pastes nothing and says nothing.
    EXPECT_TRUE(PasteText(Sim, State, 1, "\"Unnamed Simulation\"\r\n", {}).empty());
    EXPECT_TRUE(Host.Messages().empty());
    // With no current form the Edit menu acts on the first sheet in use.
    Sim.CurrentForm = 0;
    EXPECT_EQ(SheetToEdit(Sim), 1);
    const EditMenuItems items = EditMenuState(Sim, State, true);
    EXPECT_EQ(items, (EditMenuItems{true, false, true, true, true, true, true}));
}

}  // namespace
}  // namespace quorvane
