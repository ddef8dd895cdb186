#include "model/terminal_links.h"

#include <gtest/gtest.h>

#include <iterator>
#include <limits>
#include <vector>

#include "editing/form_slots.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

using TerminalLinks = SimulationFixture<>;

TEST_F(TerminalLinks, StartingValuesOfNewBlocks) {
    Sim.Run.StartTime = 2;
    Sim.Run.StopTime = 7.5f;
    struct Case { int Code; float K1, K2, K3, IC; const char* Title; };
    const Case cases[] = {
        {2, 0, 0, 0, 0, "Sum"},
        {7, 1, 0, 0, 0, "Gain"},
        {27, 0.628f, 1, 0, 0, "Sine Wave"},
        {30, 0.000001f, 0, 0, 0, "Ln"},
        {41, 10, 5.5f, 1, 0, "PRBS"},
        {60, 0, 0, 0, 1, "Chirp"},
        {49, 0, 0, 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Code);
        const int b = Place(1, c.Code);
        ASSERT_NE(b, 0);
        const Block& block = Sim.Forms[1].Blocks[b];
        EXPECT_EQ(block.Constant[1], c.K1);
        EXPECT_EQ(block.Constant[2], c.K2);
        EXPECT_EQ(block.Constant[3], c.K3);
        EXPECT_EQ(block.InitialCondition, c.IC);
        EXPECT_EQ(block.Title, c.Title);
        EXPECT_EQ(block.SatHigh, NoHighLimit);
    }
    // An unrepresentable run length does not put an infinity into the table.
    Sim.Run.StartTime = -3e38f;
    Sim.Run.StopTime = 3e38f;
    const int prbs = Place(1, 41);
    EXPECT_EQ(Sim.Forms[1].Blocks[prbs].Constant[2], std::numeric_limits<float>::max());
}

TEST_F(TerminalLinks, DeletingAnOutputTerminalUnlinksItsInputs) {
    ASSERT_EQ(AllocateForm(Sim), 2);
    Place(1, 8);
    for (int i = 1; i <= 3; ++i) Place(1, 50);   // blocks 2..4, entries 1..3
    const int sameEntry = Place(1, 48);
    const int otherEntry = Place(1, 48);
    const int remote = Place(2, 49);
    const int otherForm = Place(2, 48);
    Link(1, sameEntry, 1, 3);
    Link(1, otherEntry, 1, 2);
    Link(2, remote, 1, 3);
    Link(2, otherForm, 2, 3);
    Sim.Forms[2].Blocks[remote].Constant[3] = 7;

    EXPECT_EQ(RemoveTerminalBlock(Sim, 1, 4), 3);
    EXPECT_EQ(Sim.Forms[1].Terminals[3], TerminalEntry{});
    for (const Block* block : {&Sim.Forms[1].Blocks[sameEntry], &Sim.Forms[2].Blocks[remote]}) {
        EXPECT_EQ(block->Constant[1], 0.0f);
        EXPECT_EQ(block->Constant[2], 0.0f);
        EXPECT_EQ(block->Constant[3], 0.0f);
    }
    EXPECT_EQ(Sim.Forms[1].Blocks[otherEntry].Constant[2], 2.0f);
    EXPECT_EQ(Sim.Forms[2].Blocks[otherForm].Constant[1], 2.0f);

    // A block that is not registered frees nothing.
    EXPECT_EQ(RemoveTerminalBlock(Sim, 1, 1), 0);
    EXPECT_EQ(RemoveTerminalBlock(Sim, 1, 0), 0);
    EXPECT_EQ(Sim.Forms[1].TermCount, 4);
}

TEST_F(TerminalLinks, RefreshSetsTheOutputBlockOfOutputTerminalsOnly) {
    const int output = Place(1, 51);
    const int input = Place(1, 48);
    Sim.Forms[1].Terminals[1].OpBlk = 0;
    EXPECT_EQ(RefreshOutputEntry(Sim, 1, output), 1);
    EXPECT_EQ(Sim.Forms[1].Terminals[1].OpBlk, output);
    EXPECT_EQ(RefreshOutputEntry(Sim, 1, input), 2);
    EXPECT_EQ(Sim.Forms[1].Terminals[2].OpBlk, 0);
    EXPECT_EQ(RefreshOutputEntry(Sim, 1, 9), 0);
}

TEST_F(TerminalLinks, RenumberingMovesEachEntryOnce) {
    for (int i = 1; i <= 4; ++i) Place(1, 8);
    Place(1, 50);   // block 5, entry 1
    Place(1, 48);   // block 6, entry 2
    ShufflePass pass;
    EXPECT_EQ(ShuffleTerminalEntry(Sim, Sim.Ui, 1, 5, 4, pass), 1);
    EXPECT_EQ(ShuffleTerminalEntry(Sim, Sim.Ui, 1, 6, 5, pass), 2);
    EXPECT_EQ(Sim.Forms[1].Terminals[1], (TerminalEntry{4, 4}));
    EXPECT_EQ(Sim.Forms[1].Terminals[2], (TerminalEntry{5, 0}));
    // Within the same pass an entry already moved is not found again.
    EXPECT_EQ(ShuffleTerminalEntry(Sim, Sim.Ui, 1, 4, 3, pass), 0);
    EXPECT_EQ(Host.Messages(), (Strings{"failed to shufffle terminal entry"}));

    // A new pass starts with clean marks; old block 0 never matches the free entries.
    Host.Clear();
    ShufflePass next;
    EXPECT_EQ(ShuffleTerminalEntry(Sim, Sim.Ui, 1, 4, 3, next), 1);
    EXPECT_EQ(ShuffleTerminalEntry(Sim, Sim.Ui, 1, 5, 0, next), 2);
    EXPECT_EQ(ShuffleTerminalEntry(Sim, Sim.Ui, 1, 0, 9, next), 0);
    EXPECT_EQ(Sim.Forms[1].Terminals[3].TermBlk, 0);
    EXPECT_EQ(Host.Messages(), (Strings{"attempt to shuffle to zero", "failed to shufffle terminal entry"}));

    // An empty table: nothing to move or find, and nothing to say.
    Host.Clear();
    Sim.Forms[1].TermCount = 0;
    EXPECT_EQ(ShuffleTerminalEntry(Sim, Sim.Ui, 1, 3, 2, next), 0);
    EXPECT_EQ(FindTerminalEntry(Sim, 1, 3), 0);
    EXPECT_TRUE(Host.Log.empty());
}

TEST_F(TerminalLinks, ResolvingLinksBeforeARun) {
    ASSERT_EQ(AllocateForm(Sim), 2);
    ASSERT_EQ(AllocateForm(Sim), 3);
    for (int i = 1; i <= 3; ++i) Place(1, 50);   // blocks 1..3, entries 1..3 of form 1
    Place(1, 8);
    ASSERT_EQ(Place(1, 51), 5);                  // entry 4
    // Constants as typed, then constants 1..3 expected after resolution.
    struct Case { const char* What; float Form, Entry, K1, K2, K3; };
    const Case cases[] = {
        {"registered entry", 1, 4, 1, 4, 5},
        {"half rounds down to even", 1, 2.5f, 1, 2.5f, 2},
        {"half rounds up to even", 1, 3.5f, 1, 3.5f, 5},
        {"form 0.5 rounds to no form", 0.5f, 1, 0, 0, 0},
        {"form 1.5 is the released form 2", 1.5f, 1, 0, 0, 0},
        {"free entry", 1, 10, 0, 0, 0},
        {"entry beyond the table", 1, 31, 0, 0, 0},
        {"entry zero", 1, 0, 0, 0, 0},
        {"no such form", 4, 1, 0, 0, 0},
        {"negative form", -1, 1, 0, 0, 0},
        {"huge constants", 1e38f, -1e38f, 0, 0, 0},
    };
    // Slot 2 is released while slot 3 stays allocated: slot 3 is still visited.
    ReleaseForm(Sim, 2);
    // Ten entries per form: the cases share forms 3 and 1.
    struct Placed { int Form, Block; };
    std::vector<Placed> inputs;
    for (const Case& c : cases) {
        const int form = inputs.size() < 8 ? 3 : 1;
        const int b = Place(form, 49);
        ASSERT_NE(b, 0);
        Link(form, b, c.Form, c.Entry);
        Sim.Forms[form].Blocks[b].Constant[3] = 33;
        inputs.push_back({form, b});
    }
    const int output = Place(3, 50);
    ASSERT_NE(output, 0);
    Sim.Forms[3].Blocks[output].Constant[3] = 33;
    const int named = 1;   // the Output Terminal block 1 names its own entry 1
    Link(1, named, 1, 1);
    Sim.Forms[1].Terminals[1].OpBlk = 0;
    Sim.Forms[1].Terminals[4].OpBlk = 0;
    const TerminalEntry scratch = Sim.Forms[0].Terminals[0];

    ResolveTerminalLinks(Sim, Sim.Ui);

    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.What);
        const Block& block = Sim.Forms[inputs[i].Form].Blocks[inputs[i].Block];
        EXPECT_EQ(block.Constant[1], c.K1);
        EXPECT_EQ(block.Constant[2], c.K2);
        EXPECT_EQ(block.Constant[3], c.K3);
    }
    EXPECT_EQ(Sim.Forms[1].Blocks[named].Constant[3], 1.0f);
    EXPECT_EQ(Sim.Forms[1].Terminals[1].OpBlk, named);
    // An Output Terminal naming no entry (its constants are 0) records 0 and writes nothing.
    EXPECT_EQ(Sim.Forms[3].Blocks[output].Constant[3], 0.0f);
    EXPECT_EQ(Sim.Forms[0].Terminals[0], scratch);
    EXPECT_EQ(Sim.Forms[1].Terminals[4].OpBlk, 0);
    EXPECT_TRUE(Host.Log.empty());
}

TEST_F(TerminalLinks, EmptyTableIsAMismatchForEachTerminalBlock) {
    const int first = Place(1, 48);
    Place(1, 8);
    Place(1, 50);
    Link(1, first, 1, 2);
    Sim.Forms[1].TermCount = 0;
    ResolveTerminalLinks(Sim, Sim.Ui);
    EXPECT_EQ(Host.Messages(), (Strings{"Terminal mismatch error", "Terminal mismatch error"}));
    EXPECT_EQ(Sim.Forms[1].Blocks[first].Constant[2], 2.0f);
}

TEST_F(TerminalLinks, ClearingVisitsTheAllocatedSlots) {
    ASSERT_EQ(AllocateForm(Sim), 2);
    ASSERT_EQ(AllocateForm(Sim), 3);
    Place(1, 50);
    Place(3, 48);
    ReleaseForm(Sim, 2);
    ClearTerminalTables(Sim);
    for (int slot : {1, 3}) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(Sim.Forms[slot].TermCount, 0);
        EXPECT_EQ(Sim.Forms[slot].Terminals[1], TerminalEntry{});
    }
}

}  // namespace
}  // namespace quorvane
