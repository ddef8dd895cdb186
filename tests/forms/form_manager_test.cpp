#include "forms/form_manager.h"

#include <gtest/gtest.h>

#include "editing/form_slots.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

using FormManagerTest = SimulationFixture<>;

TEST_F(FormManagerTest, RowsFollowTheSlots) {
    Place(1, 6);
    Place(1, 8);
    AllocateForm(Sim);
    AllocateForm(Sim);
    UnloadForm(Sim, 2);
    Sim.Forms[3].RunSelected = 1;
    Sim.Forms[3].Title = "Plant";

    const FormManagerView view = FormManagerStatus(Sim);
    EXPECT_EQ(view.FormsIssued, "2");
    struct Row {
        bool Enabled;
        bool Run;
        std::string Name, Status, Blocks;
    };
    const Row expected[] = {
        {true, true, "Unnamed Form  1", "In Use", "2"},
        {false, false, "Available 2", "Available", "0"},
        {true, true, "Plant", "In Use", "0"},
    };
    for (int r = 0; r < FormManagerRows; ++r) {
        SCOPED_TRACE(r + 1);
        const FormManagerRow& row = view.Rows[static_cast<std::size_t>(r)];
        const Row want = r < 3 ? expected[r] : Row{false, false, "", "Unavailable", ""};
        EXPECT_EQ(row.Enabled, want.Enabled);
        EXPECT_EQ(row.RunChecked, want.Run);
        EXPECT_EQ(row.Name, want.Name);
        EXPECT_EQ(row.Status, want.Status);
        EXPECT_EQ(row.Blocks, want.Blocks);
    }
}

TEST_F(FormManagerTest, RunBoxChoosesTheFormToRun) {
    AllocateForm(Sim);
    Sim.CurrentForm = 2;
    SelectFormToRun(Sim, 1, false);
    EXPECT_EQ(Sim.Forms[1].RunSelected, 0);
    EXPECT_EQ(ChooseRunForm(Sim), 2);   // none chosen: the sheet last activated
    SelectFormToRun(Sim, 2, true);
    SelectFormToRun(Sim, 1, true);
    EXPECT_EQ(ChooseRunForm(Sim), 1);
}

TEST_F(FormManagerTest, LoadingAndUnloadingForms) {
    EXPECT_EQ(LoadNewForm(Sim), 2);
    EXPECT_EQ(LoadNewForm(Sim), 3);
    Windows.Calls.clear();
    EXPECT_EQ(LoadNewForm(Sim), 0);
    EXPECT_EQ(Host.Messages(), (Strings{"No more simulation forms available"}));
    EXPECT_TRUE(Windows.Calls.empty());
    EXPECT_EQ(Sim.FormCount, 3);

    // A form holding blocks goes only after Yes; Return keeps it.
    Place(2, 6);
    Place(2, 6, 3600, 1200);
    Sim.CurrentForm = 2;
    Host.Clear();
    Host.Answers = {false, true};
    EXPECT_FALSE(UnloadForm(Sim, 2));
    EXPECT_EQ(Sim.Forms[2].BlockCount, 2);
    EXPECT_EQ(Sim.Forms[2].InUse, 1);
    ASSERT_EQ(Host.Log.size(), 1u);
    EXPECT_EQ(Host.Log[0].Text, "Unnamed Form  2 holds 2 blocks - unload and delete them ?");
    EXPECT_EQ(Host.Log[0].Preset, Answer::No);

    // Unloading the current form makes the lowest allocated one current.
    EXPECT_TRUE(UnloadForm(Sim, 2));
    EXPECT_EQ(Host.Questions().size(), 2u);
    EXPECT_EQ(Sim.Forms[2].InUse, 0);
    EXPECT_EQ(Sim.Forms[2].BlockCount, 0);
    EXPECT_EQ(Sim.CurrentForm, 1);
    EXPECT_EQ(SheetCalls().back(), "CloseSheet 2");
    EXPECT_TRUE(UnloadForm(Sim, 1));   // empty forms go without a question
    EXPECT_TRUE(UnloadForm(Sim, 3));
    EXPECT_EQ(Host.Questions().size(), 2u);
    EXPECT_EQ(Sim.CurrentForm, 0);
    EXPECT_EQ(FormManagerStatus(Sim).FormsIssued, "0");
    EXPECT_EQ(LoadNewForm(Sim), 1);
}

}  // namespace
}  // namespace quorvane
