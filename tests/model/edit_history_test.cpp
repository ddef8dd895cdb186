#include <gtest/gtest.h>

#include "editing/form_slots.h"
#include "model/edit_history.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

using EditHistoryTest = SimulationFixture<>;

TEST_F(EditHistoryTest, RecordsOnlyStepsThatChangeTheTables) {
    const SimulationForm empty = Sheet();
    ASSERT_EQ(Drop(GainCode, 1200, 1200), 1);
    EXPECT_EQ(Sim.History.UndoLevels(), 1);

    // Refused or idle operations leave no step: a turn of a block without a partner, a delete
    // out of range, a terminal press that only starts a connection.
    Drop(ConstantCode, 3600, 1200);
    EXPECT_EQ(Sim.History.UndoLevels(), 2);
    EXPECT_FALSE(TurnBlock(Sim, 1, 2));
    EXPECT_FALSE(DeleteBlock(Sim, State, 1, 9));
    PressOutput(2, 1);
    EXPECT_EQ(Sim.History.UndoLevels(), 2);
    PressInput(1, 1);   // completes the connection
    EXPECT_EQ(Sim.History.UndoLevels(), 3);

    // A step opened inside another belongs to it.
    {
        EditStep group(Sim.History, Sim);
        DeleteBlock(Sim, State, 1, 2);
        DeleteBlock(Sim, State, 1, 1);
    }
    EXPECT_EQ(Sim.History.UndoLevels(), 4);
    EXPECT_EQ(Sheet().BlockCount, 0);

    ASSERT_TRUE(Sim.History.Undo(Sim));
    EXPECT_EQ(Sheet().BlockCount, 2);
    EXPECT_EQ(Sheet().NextConnection, 2);
    EXPECT_EQ(Sheet().Blocks[1].Input[1], 2);
    ASSERT_TRUE(Sim.History.Undo(Sim));
    ASSERT_TRUE(Sim.History.Undo(Sim));
    ASSERT_TRUE(Sim.History.Undo(Sim));
    EXPECT_FALSE(Sim.History.Undo(Sim));
    EXPECT_TRUE(Sheet() == empty);
    EXPECT_EQ(Sim.History.RedoLevels(), 4);

    // A new edit after an undo drops what could have been redone.
    ASSERT_TRUE(Sim.History.Redo(Sim));
    Drop(SumCode, 6000, 1200);
    EXPECT_FALSE(Sim.History.CanRedo());
    EXPECT_EQ(Sim.History.UndoLevels(), 2);
}

TEST_F(EditHistoryTest, SheetPlacesAndRunsAreNoEdits) {
    Drop(GainCode, 1200, 1200);
    Sim.Forms[1].Window.Left = 4000.0;   // the sheet moved, as a save records it
    // A run renumbers and sets outputs outside any step: nothing is recorded for it.
    Sim.Forms[1].Blocks[1].Output = 2.5f;
    EXPECT_EQ(Sim.History.UndoLevels(), 1);
    ASSERT_TRUE(Sim.History.Undo(Sim));
    EXPECT_EQ(Sheet().BlockCount, 0);
    EXPECT_EQ(Sheet().Window.Left, std::optional<double>(4000.0));
    // Redo gives back the tables as they were when undone, run values included.
    ASSERT_TRUE(Sim.History.Redo(Sim));
    EXPECT_EQ(Sheet().Blocks[1].Output, 2.5f);
}

TEST_F(EditHistoryTest, UnchangedFormsAreSharedAndTheBudgetDropsTheOldestSteps) {
    Drop(GainCode, 1200, 1200);
    const std::size_t oneStep = Sim.History.Bytes();
    // Three forms, of which one changed: one step costs about one form, not three.
    EXPECT_GE(oneStep, 3 * sizeof(SimulationForm));
    Drop(GainCode, 2400, 1200);
    EXPECT_LT(Sim.History.Bytes() - oneStep, 2 * sizeof(SimulationForm));

    EditHistory small(5 * sizeof(SimulationForm));
    for (int b = 1; b <= 10; ++b) {
        EditStep step(small, Sim);
        Sim.Forms[1].Blocks[b].Title = std::string(100, 'x');
    }
    EXPECT_LE(small.Bytes(), 5 * sizeof(SimulationForm));
    EXPECT_GE(small.UndoLevels(), 1);
    EXPECT_LT(small.UndoLevels(), 10);
    // What is kept still undoes exactly: the newest step first.
    ASSERT_TRUE(small.Undo(Sim));
    EXPECT_EQ(Sim.Forms[1].Blocks[10].Title, "");
    EXPECT_EQ(Sim.Forms[1].Blocks[9].Title, std::string(100, 'x'));
}

TEST_F(EditHistoryTest, HundredsOfLevelsOfAFullSheetFitTheBudget) {
    for (int b = 1; b <= MaxBlocks; ++b) Drop(GainCode, 120 * (b % 10) * 8, 120 * (b / 10) * 8);
    ASSERT_EQ(Sheet().BlockCount, MaxBlocks);
    for (int n = 0; n < 300; ++n) {
        EditStep step(Sim.History, Sim);
        Sim.Forms[1].Blocks[1 + n % MaxBlocks].Title = "Block title " + std::to_string(n);
    }
    EXPECT_EQ(Sim.History.UndoLevels(), MaxBlocks + 300);
    EXPECT_LT(Sim.History.Bytes(), EditHistory::DefaultBudget);

    // Everything undone and a new edit made: what could have been redone is let go, and the
    // history holds the first tables and the new ones, the sheets nobody edited once.
    while (Sim.History.Undo(Sim)) {
    }
    EXPECT_EQ(Sheet().BlockCount, 0);
    Drop(GainCode, 1200, 1200);
    EXPECT_EQ(Sim.History.RedoLevels(), 0);
    EXPECT_LT(Sim.History.Bytes(), 4 * sizeof(SimulationForm));
    Sim.History.Clear();
    EXPECT_EQ(Sim.History.Bytes(), 0u);
}

TEST_F(EditHistoryTest, KnowsWhetherTheTablesLeftTheSavedState) {
    std::vector<bool> told;
    Sim.History.Listen([&told](bool changed) { told.push_back(changed); });
    EXPECT_FALSE(Sim.History.Changed());
    Drop(GainCode, 1200, 1200);
    Drop(SumCode, 3600, 1200);
    EXPECT_TRUE(Sim.History.Changed());
    Sim.History.MarkSaved();   // saved with both blocks
    EXPECT_FALSE(Sim.History.Changed());

    // Back and forth through the saved state, then a different edit where it stood.
    struct Step {
        const char* What;
        bool (*Act)(Simulation&);
        bool Changed;
    };
    const Step steps[] = {
        {"undo to one block", [](Simulation& s) { return s.History.Undo(s); }, true},
        {"redo to the saved two", [](Simulation& s) { return s.History.Redo(s); }, false},
        {"undo again", [](Simulation& s) { return s.History.Undo(s); }, true},
        {"undo to none", [](Simulation& s) { return s.History.Undo(s); }, true},
        {"redo", [](Simulation& s) { return s.History.Redo(s); }, true},
        {"redo to the saved two", [](Simulation& s) { return s.History.Redo(s); }, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.What);
        ASSERT_TRUE(step.Act(Sim));
        EXPECT_EQ(Sim.History.Changed(), step.Changed);
    }
    ASSERT_TRUE(Sim.History.Undo(Sim));
    Drop(SumCode, 3600, 1200);   // the same tables as saved, reached by another edit
    EXPECT_TRUE(Sim.History.Changed());
    EXPECT_EQ(told, (std::vector<bool>{true, true, false, true, false, true, true, true, false, true, true}));

    // A new model or a load starts unchanged, with nothing to undo or redo.
    ASSERT_TRUE(Sim.History.Undo(Sim));
    ASSERT_TRUE(Sim.History.CanUndo() && Sim.History.CanRedo());
    NewSimulation(Sim);
    EXPECT_FALSE(Sim.History.Changed());
    EXPECT_FALSE(Sim.History.CanUndo());
    EXPECT_FALSE(Sim.History.CanRedo());
}

}  // namespace
}  // namespace quorvane
