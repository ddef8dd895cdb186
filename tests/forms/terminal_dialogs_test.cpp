#include "forms/terminal_dialogs.h"

#include <gtest/gtest.h>

#include "editing/form_slots.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

using TerminalDialogsTest = SimulationFixture<>;

std::vector<std::string> Items(const InputTerminalFields& f) {
    std::vector<std::string> items;
    for (const TerminalChoice& c : f.Choices) items.push_back(c.Text);
    return items;
}

TEST_F(TerminalDialogsTest, InputTerminalOffersTheOutputTerminalsOfEveryAllocatedForm) {
    AllocateForm(Sim);
    AllocateForm(Sim);
    Sim.Forms[3].Title = "Plant";
    Place(1, 6);
    const int input = Place(1, 49);
    const int localOut = Place(1, 51);
    Sim.Forms[1].Blocks[localOut].Title = "Loop";
    Place(3, 8);
    const int plantOut = Place(3, 50);
    Sim.Forms[3].Blocks[plantOut].Title = "Speed";
    ReleaseForm(Sim, 2);   // a released lower slot hides nothing above it
    Link(1, input, 3, 1);

    const InputTerminalFields f = ActivateInputTerminal(Sim, 1, input);
    EXPECT_EQ(f.Caption, "Form  1 Block  2 - Input Terminal  1");
    EXPECT_EQ(Items(f), (Strings{"Unnamed Form  1  Terminal: 2  (Loop )", "Plant  Terminal: 1  (Speed )"}));
    EXPECT_EQ(f.Selected, 2);

    ChooseTerminalConnection(Sim, f, 1);
    const Block& b = Sim.Forms[1].Blocks[input];
    EXPECT_EQ(b.Constant[1], 1.0f);
    EXPECT_EQ(b.Constant[2], 2.0f);
    EXPECT_EQ(b.Constant[3], static_cast<float>(localOut));
    ChooseTerminalConnection(Sim, f, 0);   // "Select Connection" keeps the link
    EXPECT_EQ(b.Constant[2], 2.0f);
    EXPECT_EQ(ActivateInputTerminal(Sim, 1, input).Selected, 1);

    Link(1, input, 0, 0);
    EXPECT_EQ(ActivateInputTerminal(Sim, 1, input).Selected, 0);
}

TEST_F(TerminalDialogsTest, AtMostThirtyOutputTerminalsAreOffered) {
    AllocateForm(Sim);
    AllocateForm(Sim);
    // A file may hold more output terminal blocks than the link table registers.
    for (int f = 1; f <= 3; ++f) {
        Sim.Forms[f].BlockCount = 11;
        for (int b = 1; b <= 11; ++b) Sim.Forms[f].Blocks[b].FunctionCode = 50;
    }
    const InputTerminalFields f = ActivateInputTerminal(Sim, 1, 1);
    ASSERT_EQ(f.Choices.size(), 30u);
    EXPECT_EQ(f.Choices.back().Form, 3);
    EXPECT_EQ(f.Choices.back().Block, 8);
}

TEST_F(TerminalDialogsTest, DoneStoresTitlesOnlyWhileTheBlockIsThere) {
    const int input = Place(1, 48);
    const int output = Place(1, 50);
    InputTerminalFields in = ActivateInputTerminal(Sim, 1, input);
    OutputTerminalFields out = ActivateOutputTerminal(Sim, 1, output);
    EXPECT_EQ(out.Caption, "Form  1 Block  2 - Output Terminal  2");
    in.Title = "Demand";
    out.Title = "Flow";
    out.Units = "l/s";
    Windows.Redraws = 0;
    EXPECT_TRUE(StoreInputTerminal(Sim, in));
    EXPECT_TRUE(StoreOutputTerminal(Sim, out));
    EXPECT_EQ(Sim.Forms[1].Blocks[input].Title, "Demand");
    EXPECT_EQ(Sim.Forms[1].Blocks[output].Title, "Flow");
    EXPECT_EQ(Sim.Forms[1].Blocks[output].Units, "l/s");
    EXPECT_EQ(Windows.Redraws, 2);

    DeleteBlock(Sim, State, 1, input);   // the output terminal is now block 1
    in.Title = "lost";
    out.Title = "lost";
    EXPECT_FALSE(StoreInputTerminal(Sim, in));
    EXPECT_FALSE(StoreOutputTerminal(Sim, out));
    EXPECT_EQ(Sim.Forms[1].Blocks[1].Title, "Flow");
}

}  // namespace
}  // namespace quorvane
