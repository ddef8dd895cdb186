#include "results/print_dump.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "model/simulation.h"
#include "platform/recording_host.h"

namespace quorvane {
namespace {

std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct DumpFixture : ::testing::Test {
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("quorvane_dump_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder);
        sim.Dump.PrintDumpPath = (folder / "Print Dump.txt").string();
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    /// Two series recorded every 0.1 s, tabulated every 0.2 s with a two-decimal data format.
    void TwoSeries() {
        sim.Forms[2].Title = "Reactor A";
        sim.RunForm = 2;
        sim.Run.PrintInterval = 0.2f;
        sim.Status.MinDisplayInterval = 0.1f;
        sim.Run.DataColumnFormatMode = 1;
        sim.Run.DataDigitsBefore = 4;
        sim.Run.DataDigitsAfter = 2;
        DisplayBuffer& d = sim.Display;
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

    std::filesystem::path folder;
    RecordingHost host;
    Desktop desktop;
    Simulation sim{host, desktop};
};

TEST_F(DumpFixture, WholeDumpMatchesTheHandWrittenFile) {
    TwoSeries();
    ASSERT_TRUE(WritePrintDump(sim));
    EXPECT_EQ(FileText(sim.Dump.PrintDumpPath), FileText(QUORVANE_TEST_DATA "/print_dump_two_series.txt"));
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(DumpFixture, NothingIsWrittenWithoutSeriesOrWithoutDigits) {
    WriteInitialPrintDump(sim);
    const std::string initial = FileText(sim.Dump.PrintDumpPath);

    EXPECT_FALSE(WritePrintDump(sim));
    EXPECT_EQ(host.Messages(), std::vector<std::string>{"No data to display"});

    TwoSeries();
    sim.Run.DataDigitsBefore = 0;
    sim.Run.DataDigitsAfter = 0;
    EXPECT_FALSE(WritePrintDump(sim));
    EXPECT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(FileText(sim.Dump.PrintDumpPath), initial);
}

TEST_F(DumpFixture, InitialDumpHoldsAHeaderAndSevenBlankLines) {
    WriteInitialPrintDump(sim);
    std::string expected = "\"Quorvane Simulation Run          Unnamed                          06 December 2026\"\n";
    for (int i = 0; i < 7; ++i) expected += "\" \"\n";
    EXPECT_EQ(FileText(sim.Dump.PrintDumpPath), expected);
}

TEST_F(DumpFixture, AnUnwritablePathIsReported) {
    TwoSeries();
    sim.Dump.PrintDumpPath = (folder / "missing" / "Print Dump.txt").string();
    EXPECT_THROW(WritePrintDump(sim), std::runtime_error);
}

TEST_F(DumpFixture, PreparingATabulationRewindsTheViewer) {
    sim.Dump.CurrentPage = 4;
    sim.Dump.EndOfPrintoutLine = 30;
    sim.Run.StopTime = 100;
    sim.Run.PrintInterval = 1;
    PrepareTabulation(sim);
    EXPECT_EQ(sim.Dump.CurrentPage, 1);
    EXPECT_EQ(sim.Dump.EndOfPrintoutLine, -1);
    EXPECT_EQ(sim.Dump.ScrollMaximum, 7);
}

}  // namespace
}  // namespace quorvane
