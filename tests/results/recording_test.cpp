#include "results/recording.h"

#include <gtest/gtest.h>

#include <limits>

#include "model/simulation.h"
#include "platform/recording_host.h"

namespace quorvane {
namespace {

struct Fixture {
    RecordingHost host;
    Desktop desktop;
    Simulation sim{host, desktop};

    int Add(int functionCode, const std::string& title, int input = 0) {
        SimulationForm& form = sim.Forms[1];
        const int b = ++form.BlockCount;
        form.Blocks[b].FunctionCode = functionCode;
        form.Blocks[b].Title = title;
        form.Blocks[b].Units = title + " units";
        form.Blocks[b].Input[1] = input;
        return b;
    }
};

TEST(Recording, DisplayListTakesFirstTenDisplaysTitledAfterTheirSources) {
    Fixture f;
    f.sim.Run.TimeUnits = "min";
    const int source = f.Add(1, "Supply");
    f.Add(43, "Display", source);   // the turned display counts too
    f.Add(42, "Display");           // not connected
    for (int i = 0; i < 9; ++i) f.Add(42, "Display", source);
    BuildDisplayList(f.sim, 1);

    EXPECT_EQ(f.host.Messages(), std::vector<std::string>{"Too many Display blocks - the first ten will be displayed "});
    const DisplayBuffer& d = f.sim.Display;
    ASSERT_EQ(d.ColumnCount, 10);
    EXPECT_EQ(d.ColumnSource[1], source);
    EXPECT_EQ(d.ColumnTitle[1], "Supply");
    EXPECT_EQ(d.ColumnUnits[1], "Supply units");
    EXPECT_EQ(d.ColumnSource[2], 0);
    EXPECT_EQ(d.ColumnTitle[2], "");
    EXPECT_EQ(d.ColumnTitle[0], "Time");
    EXPECT_EQ(d.ColumnUnits[0], "min");
}

TEST(Recording, SamplesCarryTimeAndSourceOutputsAndZeroForUnconnected) {
    Fixture f;
    const int source = f.Add(1, "Supply");
    f.Add(42, "Display", source);
    f.Add(42, "Display");
    f.sim.Forms[1].Blocks[source].Output = 2.5f;
    f.sim.Display.At(2, 1) = 99.0f;   // left over from an earlier run
    BuildDisplayList(f.sim, 1);
    f.sim.Status.CurrentTime = 0.0f;
    RecordSample(f.sim, 1);
    f.sim.Forms[1].Blocks[source].Output = -1.0f;
    f.sim.Status.CurrentTime = 0.5f;
    RecordSample(f.sim, 1);

    const DisplayBuffer& d = f.sim.Display;
    ASSERT_EQ(d.RecordedCount, 2);
    EXPECT_EQ(d.At(0, 1), 0.0f);
    EXPECT_EQ(d.At(1, 1), 2.5f);
    EXPECT_EQ(d.At(2, 1), 0.0f);
    EXPECT_EQ(d.At(0, 2), 0.5f);
    EXPECT_EQ(d.At(1, 2), -1.0f);
}

TEST(Recording, NothingIsRecordedWithoutDisplaysOrPastTheLastRow) {
    Fixture f;
    f.Add(1, "Supply");
    BuildDisplayList(f.sim, 1);
    RecordSample(f.sim, 1);
    EXPECT_EQ(f.sim.Display.RecordedCount, 0);

    const int source = f.Add(1, "Supply");
    f.Add(42, "Display", source);
    BuildDisplayList(f.sim, 1);
    f.sim.Display.RecordedCount = DisplayRowLast - 1;
    f.sim.Status.CurrentTime = 7.0f;
    RecordSample(f.sim, 1);
    f.sim.Status.CurrentTime = 8.0f;
    RecordSample(f.sim, 1);
    EXPECT_EQ(f.sim.Display.RecordedCount, DisplayRowLast);
    EXPECT_EQ(f.sim.Display.At(0, DisplayRowLast), 7.0f);
}

TEST(Recording, DisplayTimingDialogStoresOnlyTwoPositiveIntervals) {
    struct Case {
        const char* Print;
        const char* Plot;
        const char* Message;   // nullptr: stored
    };
    const Case cases[] = {
        {"0", "0.5", "Print data Interval must be greater than zero"},
        {"abc", "0", "Print data Interval must be greater than zero"},
        {"2", "-1", "Graph data Interval must be greater than zero"},
        {"2.5x", "0.25", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Print) + " / " + c.Plot);
        Fixture f;
        EXPECT_EQ(ApplyDisplayTiming(f.sim, {c.Print, c.Plot, "", ""}), c.Message == nullptr);
        if (c.Message) {
            EXPECT_EQ(f.host.Messages(), std::vector<std::string>{c.Message});
            EXPECT_EQ(f.sim.Run.PrintInterval, 1.0f);
            EXPECT_EQ(f.sim.Run.GraphInterval, 0.1f);
        } else {
            EXPECT_TRUE(f.host.Messages().empty());
            EXPECT_EQ(f.sim.Run.PrintInterval, 2.5f);
            EXPECT_EQ(f.sim.Run.GraphInterval, 0.25f);
        }
    }
}

TEST(Recording, OverLargeEntriesStayFinite) {
    EXPECT_EQ(SingleFromText("1e39"), std::numeric_limits<float>::max());
    EXPECT_EQ(SingleFromText("-1e300"), -std::numeric_limits<float>::max());
    EXPECT_EQ(SingleFromText("0.25"), 0.25f);
}

}  // namespace
}  // namespace quorvane
