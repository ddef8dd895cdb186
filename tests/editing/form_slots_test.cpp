#include "editing/form_slots.h"

#include <gtest/gtest.h>

#include "model/terminal_links.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

using FormSlotsTest = SimulationFixture<>;

TEST_F(FormSlotsTest, SlotsAreTakenLowestFirstAndReleasedOnce) {
    EXPECT_EQ(AllocateForm(Sim), 2);
    EXPECT_EQ(AllocateForm(Sim), 3);
    EXPECT_EQ(AllocateForm(Sim), 0);
    EXPECT_EQ(Sim.FormCount, 3);

    Place(2, 50);
    Place(2, 10);
    Sim.Forms[2].NextConnection = 4;
    Sim.Forms[2].NextLine = 9;
    Sim.Forms[2].RunSelected = 1;
    Windows.Calls.clear();
    EXPECT_EQ(ReleaseForm(Sim, 2), 2);
    EXPECT_EQ(Sim.Forms[2].Title, "Available 2");
    EXPECT_EQ(Sim.Forms[2].InUse, 0);
    EXPECT_EQ(Sim.Forms[2].BlockCount, 0);
    EXPECT_EQ(Sim.Forms[2].NextConnection, 1);
    EXPECT_EQ(Sim.Forms[2].NextLine, 1);
    EXPECT_EQ(Sim.Forms[2].RunSelected, 0);
    EXPECT_EQ(Sim.Forms[2].TermCount, 0);
    EXPECT_EQ(Sim.Forms[2].Terminals[1].TermBlk, 0);
    EXPECT_EQ(Sim.FormCount, 2);
    EXPECT_EQ(CountFreeSlots(Sim), 1);

    // The second release of the same slot does nothing at all.
    Sim.Forms[2].Title = "kept";
    EXPECT_EQ(ReleaseForm(Sim, 2), 2);
    EXPECT_EQ(Sim.Forms[2].Title, "kept");
    EXPECT_EQ(Sim.FormCount, 2);

    EXPECT_EQ(AllocateForm(Sim), 2);
    EXPECT_EQ(Sim.Forms[2].Title, "Unnamed Form  2");
    EXPECT_EQ(SheetCalls(), (Strings{"CloseSheet 2", "ShowSheet 2 Unnamed Form  2"}));
    EXPECT_TRUE(Host.Log.empty());
    // The reused slot's terminal table starts empty.
    EXPECT_EQ(Place(2, 51), 1);
    EXPECT_EQ(FindTerminalEntry(Sim, 2, 1), 1);
    EXPECT_EQ(Sim.Forms[2].TermCount, 1);
}

TEST_F(FormSlotsTest, BookkeepingProblemsAreReportedAndRepaired) {
    // A slot whose id does not match is still released.
    Sim.Forms[1].RegId = 3;
    ReleaseForm(Sim, 1);
    EXPECT_EQ(Host.Messages(), (Strings{"bad form No. found"}));
    EXPECT_EQ(Sim.Forms[1].InUse, 0);

    // A count already at zero does not go negative.
    Host.Clear();
    ASSERT_EQ(AllocateForm(Sim), 1);
    Sim.FormCount = 0;
    ReleaseForm(Sim, 1);
    EXPECT_EQ(Host.Messages(), (Strings{"Form Management problem - Unload"}));
    EXPECT_EQ(Sim.FormCount, 0);

    // A count that claims three forms while a slot is free: the allocation stands.
    Host.Clear();
    Sim.FormCount = 3;
    EXPECT_EQ(AllocateForm(Sim), 1);
    EXPECT_EQ(Host.Messages(), (Strings{"Form Management Problem - Load"}));
    EXPECT_EQ(Sim.Forms[1].InUse, 1);
    EXPECT_EQ(Sim.FormCount, 1);
}

TEST_F(FormSlotsTest, FormChoicesAndTitles) {
    ASSERT_EQ(AllocateForm(Sim), 2);
    ASSERT_EQ(AllocateForm(Sim), 3);
    ReleaseForm(Sim, 1);
    EXPECT_EQ(FirstAllocatedForm(Sim), 2);
    ReleaseForm(Sim, 2);
    ReleaseForm(Sim, 3);
    EXPECT_EQ(FirstAllocatedForm(Sim), 0);

    Sim.CurrentForm = 2;
    EXPECT_EQ(ChooseRunForm(Sim), 2);
    Sim.Forms[3].RunSelected = 1;
    EXPECT_EQ(ChooseRunForm(Sim), 3);
    Sim.Forms[1].RunSelected = 1;
    EXPECT_EQ(ChooseRunForm(Sim), 1);

    ASSERT_EQ(AllocateForm(Sim), 1);
    Windows.Calls.clear();
    SetFormTitle(Sim, 1, "Plant");
    Sim.Forms[1].RegId = 2;
    SetFormTitle(Sim, 1, "Controller");   // the id does not match: ignored
    SetFormTitle(Sim, 3, "Later");        // a free slot takes it without showing its sheet
    EXPECT_EQ(Sim.Forms[1].Title, "Plant");
    EXPECT_EQ(Sim.Forms[3].Title, "Later");
    EXPECT_EQ(SheetCalls(), (Strings{"ShowSheet 1 Plant"}));
}

TEST_F(FormSlotsTest, NewSimulationAndStartUpBeginFromOneEmptyForm) {
    ASSERT_EQ(AllocateForm(Sim), 2);
    ASSERT_EQ(AllocateForm(Sim), 3);
    Place(1, 48);
    Place(3, 50);
    Sim.Forms[3].NextLine = 7;
    Sim.PendingLineCount = -1;
    Sim.SelectedOutput = 2;
    Sim.Run.SimulationTitle = "Boiler";
    Sim.Run.MathsSymbols = true;
    Sim.CurrentForm = 3;
    Sim.Functions[8].Name = "damaged";
    Windows.Calls.clear();

    NewSimulation(Sim);

    EXPECT_EQ(SheetCalls(),
              (Strings{"RefreshOptions", "CloseSheet 1", "CloseSheet 2", "CloseSheet 3", "ShowSheet 1 Unnamed Form  1"}));
    EXPECT_TRUE(Host.Log.empty());
    EXPECT_EQ(Sim.Run.SimulationTitle, "Unnamed Simulation");
    EXPECT_FALSE(Sim.Run.MathsSymbols);
    EXPECT_EQ(Sim.Functions[8].Name, "Integrate");
    EXPECT_EQ(Sim.FormCount, 1);
    EXPECT_EQ(Sim.CurrentForm, 0);
    EXPECT_EQ(Sim.PendingLineCount, 0);
    EXPECT_EQ(Sim.SelectedOutput, 0);
    for (int slot = 1; slot <= 3; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(Sim.Forms[slot].BlockCount, 0);
        EXPECT_EQ(Sim.Forms[slot].NextLine, 1);
        EXPECT_EQ(Sim.Forms[slot].Terminals[1].TermBlk, 0);
    }
    EXPECT_EQ(Sim.Forms[3].Title, "Available");

    // Start-up is the same without the options refresh, and slot 1 is chosen for runs.
    Windows.Calls.clear();
    Sim.Run.MathsSymbols = true;
    Sim.CurrentForm = 2;
    StartUp(Sim);
    EXPECT_EQ(SheetCalls(), (Strings{"CloseSheet 1", "CloseSheet 2", "CloseSheet 3", "ShowSheet 1 Unnamed Form  1"}));
    EXPECT_EQ(Sim.Forms[1].RunSelected, 1);
    EXPECT_EQ(Sim.CurrentForm, 0);
    EXPECT_EQ(Sim.FormCount, 1);
    EXPECT_FALSE(Sim.Run.MathsSymbols);
}

}  // namespace
}  // namespace quorvane
