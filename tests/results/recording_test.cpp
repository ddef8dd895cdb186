#include "results/recording.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/text.h"
#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

struct Recording : SimulationFixture<Begin::Ran> {
    int AddTitled(int functionCode, const std::string& title, int input = 0) {
        Block& block = AddAt(functionCode, 1200, 1200);
        block.Title = title;
        block.Units = title + " units";
        block.Input[1] = input;
        return Sim.Forms[1].BlockCount;
    }
};

TEST_F(Recording, FirstTenDisplaysRecordTheirSourcesAndUnconnectedOnesZero) {
    Sim.Run.TimeUnits = "min";
    const int source = AddTitled(1, "Supply");
    AddTitled(43, "Display", source);   // the turned display counts too
    AddTitled(42, "Display");           // not connected
    for (int i = 0; i < 9; ++i) AddTitled(42, "Display", source);
    BuildDisplayList(Sim, Sim.Display, Sim.Ui, 1);

    EXPECT_EQ(Host.Messages(), std::vector<std::string>{"Too many Display blocks - the first ten will be displayed "});
    DisplayBuffer& d = Sim.Display;
    ASSERT_EQ(d.ColumnCount, 10);
    EXPECT_EQ(d.ColumnSource[1], source);
    EXPECT_EQ(d.ColumnTitle[1], "Supply");
    EXPECT_EQ(d.ColumnUnits[1], "Supply units");
    EXPECT_EQ(d.ColumnSource[2], 0);
    EXPECT_EQ(d.ColumnTitle[2], "");
    EXPECT_EQ(d.ColumnTitle[0], "Time");
    EXPECT_EQ(d.ColumnUnits[0], "min");

    Sim.Forms[1].Blocks[source].Output = 2.5f;
    d.At(2, 1) = 99.0f;   // left over from an earlier run
    Sim.Status.CurrentTime = 0.0f;
    RecordSample(Sim.Display, Sim.Forms[1], Sim.Status.CurrentTime);
    Sim.Forms[1].Blocks[source].Output = -1.0f;
    Sim.Status.CurrentTime = 0.5f;
    RecordSample(Sim.Display, Sim.Forms[1], Sim.Status.CurrentTime);
    ASSERT_EQ(d.RecordedCount, 2);
    EXPECT_EQ(d.At(0, 1), 0.0f);
    EXPECT_EQ(d.At(1, 1), 2.5f);
    EXPECT_EQ(d.At(2, 1), 0.0f);
    EXPECT_EQ(d.At(0, 2), 0.5f);
    EXPECT_EQ(d.At(1, 2), -1.0f);
    EXPECT_EQ(d.At(10, 2), -1.0f);
}

TEST_F(Recording, DisplayTimingDialogStoresOnlyTwoPositiveIntervals) {
    struct Case { const char* Print; const char* Plot; const char* Message; };   // no message: stored
    // The rule and its messages are the run window's too; here the boxes' lenient reading, the
    // first bad box reported alone, and nothing stored unless both are good.
    const Case cases[] = {
        {"abc", "0", "Print data Interval must be greater than zero"},
        {"2", "-1", "Graph data Interval must be greater than zero"},
        {"2.5x", "0.25", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Print) + " / " + c.Plot);
        Host.Clear();
        EXPECT_EQ(ApplyDisplayTiming(Sim.Run, Sim.Ui, {c.Print, c.Plot, "", ""}), c.Message == nullptr);
        EXPECT_EQ(Host.Messages(), c.Message ? std::vector<std::string>{c.Message} : std::vector<std::string>{});
        EXPECT_EQ(Sim.Run.PrintInterval, c.Message ? 1.0f : 2.5f);
        EXPECT_EQ(Sim.Run.GraphInterval, c.Message ? 0.1f : 0.25f);
    }
    // An over-large entry is held within the float range rather than becoming an infinity.
    EXPECT_EQ(SingleFromText("1e39"), std::numeric_limits<float>::max());
    EXPECT_EQ(SingleFromText("-1e300"), -std::numeric_limits<float>::max());
    EXPECT_EQ(SingleFromText("0.25"), 0.25f);
}

}  // namespace
}  // namespace quorvane
