#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "cli/runner_support.h"
#include "storage/data_file_writer.h"
#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane {

namespace {

const std::string LagModel = ExamplePath("First Order Lag.vqe");

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

/// Field `field` of every line below the heading of a CSV text whose fields hold no commas.
std::vector<std::string> Column(const std::string& csv, std::size_t field) {
    std::vector<std::string> column;
    const std::vector<std::string> lines = Lines(csv);
    for (auto line = lines.begin() + (lines.empty() ? 0 : 1); line != lines.end(); ++line) {
        std::vector<std::string> fields;
        std::istringstream in(*line);
        for (std::string f; std::getline(in, f, ',');) fields.push_back(f);
        column.push_back(field < fields.size() ? fields[field] : "");
    }
    return column;
}

}  // namespace

TEST(Sweep, BlockValuesGoThroughThePropertiesWindow) {
    const testing::ScratchFolder scratch;
    const std::string folder = scratch.Path.string();
    // Refused with the window's own message, and a usage error.
    RunnerResult run = RunRunner({LagModel, "--block", "Lag Output.K1=0"}, folder);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(MessageLines(run.Err), std::vector<std::string>{"Time Constant k cannot be negative or zero"});
    EXPECT_NE(run.Err.find("quorvane-run: Lag Output.K1=0 was refused"), std::string::npos) << run.Err;

    const struct {
        std::string Value;
        std::string Error;
    } unknown[] = {
        {"Lag.K1=2", "no block titled \"Lag\" on form 1"},
        {"Display.K1=2", "blocks 3 and 4 on form 1 are both titled \"Display\""},
        {"Lag Output.K2=2", "block 2 \"Lag Output\" has no K2 in its properties window"},
    };
    for (const auto& c : unknown) {
        SCOPED_TRACE(c.Value);
        run = RunRunner({LagModel, "--block", c.Value}, folder);
        EXPECT_EQ(run.Status, 2);
        EXPECT_EQ(run.Err, "quorvane-run: " + c.Error + "\n");
    }

    // A value the window takes is stored, and --save keeps it: a lag of 2 s.
    run = RunRunner({LagModel, "--block", "Lag Output.K1=2", "--no-run", "--save", "slow.vqe"}, folder);
    ASSERT_EQ(run.Status, 0) << run.Err;
    run = RunRunner({"slow.vqe", "--csv", "-"}, folder);
    ASSERT_EQ(run.Status, 0) << run.Err;
    constexpr double Tolerance = 1e-6;
    for (const auto& row : CsvRows(run.Out)) EXPECT_NEAR(row[1], 1.0 - std::exp(-row[0] / 2.0), Tolerance);
}

TEST(Sweep, RunsMatchSingleRunsBitForBitWhateverTheJobs) {
    const testing::ScratchFolder scratch;
    const std::string folder = scratch.Path.string();
    const std::vector<std::string> values{"0.5", "1", "2"};
    std::vector<std::string> sweeps;
    for (const char* jobs : {"1", "2"}) {
        const RunnerResult run =
            RunRunner({LagModel, "--sweep", "Lag Output.K1=0.5,1,2", "--jobs", jobs, "--csv", "-"}, folder);
        ASSERT_EQ(run.Status, 0) << run.Err;
        sweeps.push_back(run.Out);
    }
    EXPECT_EQ(sweeps[0], sweeps[1]);
    for (std::size_t r = 0; r < values.size(); ++r) {
        SCOPED_TRACE(values[r]);
        const RunnerResult single = RunRunner({LagModel, "--block", "Lag Output.K1=" + values[r], "--csv", "-"}, folder);
        ASSERT_EQ(single.Status, 0) << single.Err;
        EXPECT_EQ(Column(sweeps[0], 0), Column(single.Out, 0));
        for (std::size_t s = 1; s <= 2; ++s) EXPECT_EQ(Column(sweeps[0], 2 * r + s), Column(single.Out, s));
    }
}

TEST(Sweep, ListedRunsMergeIntoTheSweepsTable) {
    const testing::ScratchFolder scratch;
    const std::string folder = scratch.Path.string();
    // A title with a space, a dot and a quote must reach the listed runs through the shell.
    TestSimulation t(Begin::Started);
    t.Add(1, "Step's size", {}, 1);
    t.Add(10, "Lag v1.2 out", {1});
    t.Add(42, "Display");
    t.Connect({{"Step's size", "Lag v1.2 out"}, {"Lag v1.2 out", "Display"}});
    t.Sim.Run.StopTime = 2;
    ASSERT_TRUE(SaveSimulation(t.Sim, folder + "/study model.vqe"));
    const std::vector<std::string> study{"study model.vqe", "--sweep", "Lag v1.2 out.K1=0.5:1.5:3", "--sweep",
                                         "Step's size.IC=1,-2"};

    std::vector<std::string> args = study;
    args.push_back("--list-runs");
    const RunnerResult listed = RunRunner(args, folder);
    ASSERT_EQ(listed.Status, 0) << listed.Err;
    const std::vector<std::string> commands = Lines(listed.Out);
    ASSERT_EQ(commands.size(), 6u);
    EXPECT_NE(commands[1].find(" --block 'Lag v1.2 out'.K1=0.5 --block 'Step'\\''s size'.IC=-2 --csv run-0002.csv"),
              std::string::npos)
        << commands[1];
    for (const std::string& command : commands) {
        SCOPED_TRACE(command);
        EXPECT_EQ(std::system(("cd '" + folder + "' && " + command + " 2>/dev/null").c_str()), 0);
    }

    args = study;
    for (const char* option : {"--csv", "sweep.csv", "--summary", "sweep summary.csv"}) args.push_back(option);
    const RunnerResult swept = RunRunner(args, folder);
    ASSERT_EQ(swept.Status, 0) << swept.Err;
    args = study;
    for (const char* option : {"--merge", ".", "--csv", "merged.csv", "--summary", "merged summary.csv"})
        args.push_back(option);
    const RunnerResult merged = RunRunner(args, folder);
    ASSERT_EQ(merged.Status, 0) << merged.Err;
    for (const char* file : {"sweep", "sweep summary"}) {
        SCOPED_TRACE(file);
        const std::string mergedFile = std::string(file).replace(0, 5, "merged");
        EXPECT_EQ(testing::ReadAll(folder + "/" + mergedFile + ".csv"), testing::ReadAll(folder + "/" + file + ".csv"));
    }
    EXPECT_EQ(Lines(testing::ReadAll(folder + "/sweep.csv"))[0],
              "Time,Lag v1.2 out [Lag v1.2 out.K1=0.5; Step's size.IC=1],Lag v1.2 out [Lag v1.2 out.K1=0.5; Step's "
              "size.IC=-2],Lag v1.2 out [Lag v1.2 out.K1=1; Step's size.IC=1],Lag v1.2 out [Lag v1.2 out.K1=1; Step's "
              "size.IC=-2],Lag v1.2 out [Lag v1.2 out.K1=1.5; Step's size.IC=1],Lag v1.2 out [Lag v1.2 out.K1=1.5; "
              "Step's size.IC=-2]");
}

TEST(Sweep, FailedRunIsReportedWithItsValuesAndTheOthersGoOn) {
    const testing::ScratchFolder scratch;
    const std::string folder = scratch.Path.string();
    const RunnerResult run =
        RunRunner({LagModel, "--sweep", "Lag Output.K1=0,1", "--csv", "-", "--summary", "summary.csv", "--graph", "g.svg"},
                  folder);
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("run 1 [Lag Output.K1=0]: message: Time Constant k cannot be negative or zero\n"),
              std::string::npos)
        << run.Err;
    EXPECT_EQ(Lines(run.Out)[0], "Time,Lag Output [Lag Output.K1=1],Step Demand [Lag Output.K1=1]");
    EXPECT_NE(testing::ReadAll(folder + "/g.svg").find(">Lag Output.K1=1<"), std::string::npos);
    const std::vector<std::string> summary = Lines(testing::ReadAll(folder + "/summary.csv"));
    ASSERT_EQ(summary.size(), 3u);
    EXPECT_EQ(summary[1], "0,,,,,,,,,Time Constant k cannot be negative or zero; Lag Output.K1=0 was refused");
    // The lag of 1 s rises to 1 - e^-10 at the stop time of 10 s; the step holds 1 from the start.
    std::vector<double> figures;
    std::istringstream fields(summary[2]);
    for (std::string field; std::getline(fields, field, ',');) figures.push_back(std::stod(field));
    const double rise = 1.0 - std::exp(-10.0);
    const std::vector<double> expected{1, rise, 0, rise, 10, 1, 1, 1, 0};
    ASSERT_EQ(figures.size(), expected.size());
    constexpr double Tolerance = 1e-6;
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(figures[i], expected[i], Tolerance) << i;
}

}  // namespace quorvane
