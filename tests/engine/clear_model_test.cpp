#include <gtest/gtest.h>

#include "support/test_simulation.h"

namespace quorvane {

TEST(ClearModel, ClearsBlocksButKeepsLinksSlotsAndTheSharedStore) {
    TestSimulation t;
    Simulation& sim = t.Sim;
    SimulationForm& form = sim.Forms[2];
    form.BlockCount = 3;
    form.Title = "Plant";
    form.InUse = 1;
    form.NextConnection = 4;
    form.NextLine = 9;
    form.Terminals[1] = {3, 3};
    form.SpareHigh = 5;
    form.SpareLow = -5;
    form.SpareLong2 = 7;
    Block& block = form.Blocks[3];
    block = {};
    block.FunctionCode = 10;
    block.Input[1] = 2;
    block.Work[2] = 1.5f;
    block.History[3] = 2.5f;
    block.Constant[1] = 4;
    block.SatHigh = 10;
    block.SatLow = -10;
    block.Title = "Lag";
    sim.BlockSpareLong[3] = 42;
    sim.Run.ManualTimeStep = true;
    sim.Run.PowerOfTwoTimeStep = false;

    ClearModel(sim);

    EXPECT_EQ(form.BlockCount, 0);
    EXPECT_EQ(form.Blocks[3], Block{});
    EXPECT_EQ(form.Blocks[3].SatHigh, NoHighLimit);
    EXPECT_EQ(form.Blocks[3].SatLow, NoLowLimit);
    EXPECT_EQ(form.SpareHigh, NoHighLimit);
    EXPECT_EQ(form.SpareLow, NoLowLimit);
    EXPECT_EQ(form.SpareLong2, 0);
    EXPECT_FALSE(sim.Run.ManualTimeStep);
    EXPECT_TRUE(sim.Run.PowerOfTwoTimeStep);
    // Connections, lines, terminal tables, titles, slots and the shared spare store stay.
    EXPECT_EQ(form.NextConnection, 4);
    EXPECT_EQ(form.NextLine, 9);
    EXPECT_EQ(form.Terminals[1].TermBlk, 3);
    EXPECT_EQ(form.Title, "Plant");
    EXPECT_EQ(form.InUse, 1);
    EXPECT_EQ(sim.BlockSpareLong[3], 42);
}

TEST(ResetSettings, KeepsTheTitleAndTheStartUpOptions) {
    TestSimulation t;
    Simulation& sim = t.Sim;
    sim.Run.StopTime = 99;
    sim.Run.SimulationTitle = "Boiler";
    sim.Run.ManualTimeStep = true;
    sim.Run.PowerOfTwoTimeStep = false;
    sim.Run.MathsSymbols = true;
    sim.Graph.YManual = 1;

    ResetSettings(sim);

    EXPECT_EQ(sim.Run.StopTime, Settings{}.StopTime);
    EXPECT_EQ(sim.Graph.YManual, GraphSettings{}.YManual);
    // The title and these options belong to start-up, loading and "new simulation".
    EXPECT_EQ(sim.Run.SimulationTitle, "Boiler");
    EXPECT_TRUE(sim.Run.ManualTimeStep);
    EXPECT_FALSE(sim.Run.PowerOfTwoTimeStep);
    EXPECT_TRUE(sim.Run.MathsSymbols);
}

}  // namespace quorvane
