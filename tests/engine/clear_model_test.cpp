#include <gtest/gtest.h>

#include "engine/simulation.h"
#include "model/desktop.h"
#include "support/recording_host.h"

namespace quorvane {

TEST(ClearModel, ClearsBlocksButKeepsLinksSlotsAndTheSharedStore) {
    RecordingHost host;
    NullDesktop windows;
    Simulation sim(host, windows);
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

TEST(ResetSettings, RestoresRunAndDisplayDefaults) {
    RecordingHost host;
    NullDesktop windows;
    Simulation sim(host, windows);
    sim.Run.StopTime = 99;
    sim.Run.TimeStep = 0.5f;
    sim.Run.TimeUnits = "min";
    sim.Run.DataDigitsBefore = 3;
    sim.Run.TabulationOutput = false;
    sim.Run.FrequencyInHz = false;
    sim.Run.SimulationTitle = "Boiler";
    sim.Graph.YManual = 1;
    sim.Graph.YMaximum = 4;
    sim.Fft.ShowPhase = true;
    sim.Prbs.ImpulseResponseMode = false;

    ResetSettings(sim);

    EXPECT_EQ(sim.Run.StartTime, 0.0f);
    EXPECT_EQ(sim.Run.StopTime, 10.0f);
    EXPECT_EQ(sim.Run.TimeStep, 0.1f);
    EXPECT_EQ(sim.Run.TimeUnits, "sec");
    EXPECT_EQ(sim.Run.PrintInterval, 1.0f);
    EXPECT_EQ(sim.Run.GraphInterval, 0.1f);
    EXPECT_EQ(sim.Run.DataDigitsBefore, 6);
    EXPECT_EQ(sim.Run.TimeDigitsAfter, 1);
    EXPECT_TRUE(sim.Run.TabulationOutput);
    EXPECT_TRUE(sim.Run.FrequencyInHz);
    EXPECT_EQ(sim.Graph.YManual, 0);
    EXPECT_FALSE(sim.Fft.ShowPhase);
    EXPECT_TRUE(sim.Prbs.ImpulseResponseMode);
    // The title belongs to start-up, loading and "new simulation", not to the settings reset.
    EXPECT_EQ(sim.Run.SimulationTitle, "Boiler");
}

}  // namespace quorvane
