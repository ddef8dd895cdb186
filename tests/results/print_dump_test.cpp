#include "results/print_dump.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

struct PrintDump : SimulationFixture<Begin::Ran> {
    PrintDump() { Sim.Dump.PrintDumpPath = (Scratch / "Print Dump.txt").string(); }

    /// Two series recorded every 0.1 s on form 2, tabulated every 0.2 s with two decimals.
    void TwoSeries() {
        Sim.Forms[2].Title = "Reactor A";
        Sim.RunForm = 2;
        Sim.Run.PrintInterval = 0.2f;
        Sim.Status.MinDisplayInterval = 0.1f;
        Sim.Run.DataColumnFormatMode = 1;
        Sim.Run.DataDigitsBefore = 4;
        Sim.Run.DataDigitsAfter = 2;
        DisplayBuffer& d = Sim.Display;
        d.ColumnCount = 2;
        d.RecordedCount = 7;
        d.ColumnTitle[0] = "Time";
        d.ColumnUnits[0] = "sec";
        d.ColumnTitle[1] = "Tank level out";
        d.ColumnUnits[1] = "m";
        d.ColumnTitle[2] = "Flow";
        d.ColumnUnits[2] = "litres per second";
        const float times[] = {0, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f};
        const float level[] = {1.5f, 999, -0.25f, 999, 3, 999, -1234.56f};
        const float flow[] = {100, 999, 2.75f, 999, -3, 999, 0.004f};
        for (int r = 1; r <= 7; ++r) {
            d.At(0, r) = times[r - 1];
            d.At(1, r) = level[r - 1];
            d.At(2, r) = flow[r - 1];
        }
    }

    const testing::ScratchFolder Scratch;
};

TEST_F(PrintDump, WholeDumpMatchesTheHandWrittenFile) {
    TwoSeries();
    ASSERT_TRUE(WritePrintDump(Sim, Sim.Display, Sim.Dump, Sim.Status.MinDisplayInterval, Sim.Ui));
    EXPECT_EQ(testing::ReadAll(Sim.Dump.PrintDumpPath), testing::ReadAll(QUORVANE_TEST_DATA "/print_dump_two_series.txt"));
    EXPECT_TRUE(Host.Messages().empty());
}

TEST_F(PrintDump, InitialDumpStaysWhenThereIsNothingToWrite) {
    WriteInitialPrintDump(Sim.Dump, Sim.Ui);
    std::string initial = "\"Quorvane Simulation Run          Unnamed                          06 December 2026\"\n";
    for (int i = 0; i < 7; ++i) initial += "\" \"\n";
    EXPECT_EQ(testing::ReadAll(Sim.Dump.PrintDumpPath), initial);

    EXPECT_FALSE(WritePrintDump(Sim, Sim.Display, Sim.Dump, Sim.Status.MinDisplayInterval, Sim.Ui));
    EXPECT_EQ(Host.Messages(), std::vector<std::string>{"No data to display"});
    TwoSeries();
    Sim.Run.DataDigitsBefore = 0;
    Sim.Run.DataDigitsAfter = 0;
    EXPECT_FALSE(WritePrintDump(Sim, Sim.Display, Sim.Dump, Sim.Status.MinDisplayInterval, Sim.Ui));
    EXPECT_EQ(Host.Messages().size(), 1u);
    EXPECT_EQ(testing::ReadAll(Sim.Dump.PrintDumpPath), initial);

    Sim.Dump.PrintDumpPath = (Scratch / "missing" / "Print Dump.txt").string();
    Sim.Run.DataDigitsBefore = 4;
    EXPECT_THROW(WritePrintDump(Sim, Sim.Display, Sim.Dump, Sim.Status.MinDisplayInterval, Sim.Ui), std::runtime_error);
}

TEST_F(PrintDump, PreparingATabulationRewindsTheViewerAndSizesItsScrollBar) {
    // Pages of 20 printed rows plus two: 200 rows give 12, 100 give 7, equal start and stop 2.
    for (const auto& [stop, interval, maximum] : {std::tuple{100.0f, 0.5f, 12}, {100.0f, 1.0f, 7}, {0.0f, 1.0f, 2}}) {
        SCOPED_TRACE(maximum);
        Sim.Dump.CurrentPage = 4;
        Sim.Dump.EndOfPrintoutLine = 30;
        Sim.Run.StopTime = stop;
        Sim.Run.PrintInterval = interval;
        PrepareTabulation(Sim.Dump, Sim.Run);
        EXPECT_EQ(Sim.Dump.CurrentPage, 1);
        EXPECT_EQ(Sim.Dump.EndOfPrintoutLine, -1);
        EXPECT_EQ(Sim.Dump.ScrollMaximum, maximum);
    }
}

}  // namespace
}  // namespace quorvane
