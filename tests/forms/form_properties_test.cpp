#include "forms/form_properties.h"

#include <gtest/gtest.h>

#include "editing/form_slots.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

using FormPropertiesTest = SimulationFixture<>;
using Lines = std::vector<TerminalListLine>;

TEST_F(FormPropertiesTest, UnlinkedBlocksNeitherFeedNorAreFed) {
    const int lonely = Drop(6, 600, 600);
    EXPECT_EQ(CountUnlinkedBlocks(Sheet()), 1);
    const int source = Drop(1, 600, 2400);
    const int gain = Drop(6, 2400, 2400);
    const int display = Drop(42, 4200, 2400);
    ConnectOnSheet(source, gain);
    ConnectOnSheet(gain, display);
    EXPECT_EQ(CountUnlinkedBlocks(Sheet()), 1);
    Sim.Forms[1].Blocks[lonely].Input[1] = lonely;   // a block fed by itself is linked
    EXPECT_EQ(CountUnlinkedBlocks(Sheet()), 0);
}

TEST_F(FormPropertiesTest, TerminalListGroupsAndColoursTheTerminals) {
    EXPECT_EQ(TerminalList(Sim, 1),
              (Lines{{"No input terminals.", Palette::Blue}, {"No output terminals.", Palette::Blue}}));

    const int out = Drop(50, 3000, 600);
    const int linkedIn = Drop(48, 600, 600);
    const int feeder = Drop(1, 600, 2400);
    const int openIn = Drop(49, 600, 4200);
    Sim.Forms[1].Blocks[out].Title = "To plant";
    Sim.Forms[1].Blocks[openIn].Title = "Spare";
    Sim.Forms[1].Blocks[linkedIn].Title = "From plant";
    Link(1, linkedIn, 2, 1);
    EXPECT_EQ(TerminalList(Sim, 1), (Lines{{"Input Terminals:", Palette::Blue},
                                           {"  Terminal 2  From plant", Palette::LightRed},
                                           {"  Terminal 3  Spare", Palette::DarkGrey},
                                           {"Output Terminals:", Palette::Blue},
                                           {"  Terminal 1  To plant", Palette::DarkGrey}}));
    ConnectOnSheet(feeder, out);
    EXPECT_EQ(TerminalList(Sim, 1).back(), (TerminalListLine{"  Terminal 1  To plant", Palette::LightRed}));
}

TEST_F(FormPropertiesTest, WindowShowsAndNamesTheForm) {
    AllocateForm(Sim);
    Drop(6, 600, 600);
    Place(2, 6);
    Place(2, 8, 2400, 600);
    const FormPropertiesFields f = ActivateFormProperties(Sim, 2);
    EXPECT_EQ(f.Caption, "Simulation Form  2 Properties");
    EXPECT_EQ(f.Title, "Unnamed Form  2");
    EXPECT_EQ(f.BlockCount, "2");
    EXPECT_EQ(f.Unlinked, "2");

    FormPropertiesFields named = f;
    named.Title = "Controller";
    Windows.Calls.clear();
    StoreFormProperties(Sim, named);
    EXPECT_EQ(Sim.Forms[2].Title, "Controller");
    EXPECT_EQ(SheetCalls(), (Strings{"ShowSheet 2 Controller"}));
}

}  // namespace
}  // namespace quorvane
