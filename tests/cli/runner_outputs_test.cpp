#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <future>
#include <set>
#include <sstream>

#include "cli/runner_support.h"
#include "support/scratch_folder.h"

namespace quorvane {

namespace {

namespace fs = std::filesystem;

// Files of the runner cannot grow past 512 bytes (1024 where the shell counts in kilobytes), as
// on a full disk; a write beyond fails with "File too large" instead of ending the runner.
const RunnerShell FullDisk{"trap '' XFSZ && ulimit -f 1", ""};

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

using testing::ReadAll;

// What the runner left in a temporary folder (Qt keeps a runtime folder of its own there).
std::set<std::string> ScratchLeft(const fs::path& folder) {
    std::set<std::string> names = Names(folder);
    std::erase_if(names, [](const std::string& name) { return name.rfind("runtime-", 0) == 0; });
    return names;
}

// A table row of the tabulated lag example: the time column starts the line.
std::string Row(int time) { return "\n " + std::to_string(time) + " "; }

}  // namespace

TEST(RunnerOutputs, AFailedWriteIsReportedAndLeavesNoPartialFile) {
    // The lag example without its tabulation, whose print dump would meet the limit first.
    const testing::ScratchFolder modelFolder;
    const std::string lag = (modelFolder / "lag.vqe").string();
    std::istringstream example(ReadAll(ExamplePath("First Order Lag.vqe")));
    std::ofstream model(lag, std::ios::binary);
    int number = 0;
    for (std::string line; std::getline(example, line);) model << (++number == 18 ? "#FALSE#\r" : line) << "\n";
    model.close();
    const testing::ScratchFolder scratch;
    const std::string folder = scratch.Path.string();
    const struct {
        std::vector<std::string> Args;
        RunnerShell Shell;
        std::string Err;
    } cases[] = {
        {{lag, "--graph", "g.pdf"}, FullDisk, "quorvane-run: cannot write g.pdf: File too large\n"},
        {{lag, "--graph", "g.svg"}, FullDisk, "quorvane-run: cannot write g.svg: File too large\n"},
        {{lag, "--graph", "g.png"}, FullDisk, "quorvane-run: cannot write g.png: File too large\n"},
        {{lag, "--sheet", "1", "s.pdf"}, FullDisk, "quorvane-run: cannot write s.pdf: File too large\n"},
        {{lag, "--csv", "c.csv"}, FullDisk, "quorvane-run: cannot write c.csv: File too large\n"},
        {{lag, "--save", "m.vqe"}, FullDisk, "message: Error encountered during Saving Simulation - File too large\n"},
        {{lag, "--graph", "none/g.svg"}, {}, "quorvane-run: cannot write none/g.svg: No such file or directory\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Args[1] + " " + c.Args.back());
        const RunnerResult run = RunRunner(c.Args, folder, c.Shell);
        EXPECT_EQ(run.Status, 2);
        EXPECT_EQ(run.Err, c.Err);
        EXPECT_TRUE(Names(folder).empty());
    }
}

TEST(RunnerOutputs, AFailedStandardOutputIsReported) {
    const std::string lag = ExamplePath("First Order Lag.vqe");
    const testing::ScratchFolder scratch;
    const std::string folder = scratch.Path.string();
    const std::vector<std::string> requests[] = {
        {lag, "--csv", "-"},
        {lag, "--tabulate"},
        {lag, "--audit", "--no-run"},
        {ExamplePath("Square Wave Spectrum.vqe"), "--spectrum", "2"},
        {"--version"},
    };
    for (const char* redirection : {">/dev/full", ">&-"}) {
        for (const auto& args : requests) {
            SCOPED_TRACE(std::string(redirection) + " " + args.back());
            const RunnerResult run = RunRunner(args, folder, {"", redirection});
            EXPECT_EQ(run.Status, 2);
            EXPECT_EQ(run.Err, "quorvane-run: cannot write standard output\n");
        }
    }
    // With standard output closed, the file saved meanwhile must not receive the table.
    const RunnerResult saved = RunRunner({lag, "--csv", "-", "--save", "m.vqe"}, folder, {"", ">&-"});
    EXPECT_EQ(saved.Status, 2);
    EXPECT_EQ(ReadAll(folder + "/m.vqe").rfind("\"m.vqe\"\r\n", 0), 0u);
}

TEST(RunnerOutputs, RunsSideBySidePrintTheirOwnTables) {
    const testing::ScratchFolder scratch;
    const std::string folder = scratch.Path.string();
    // Runs of 1..8 seconds: run k prints the row of k seconds and none of k + 1.
    std::vector<std::future<RunnerResult>> runs;
    for (int k = 1; k <= 8; ++k) {
        runs.push_back(std::async(std::launch::async, [&folder, k] {
            return RunRunner({ExamplePath("First Order Lag.vqe"), "--tabulate", "--set",
                              "StopTime=" + std::to_string(k)},
                             folder);
        }));
    }
    for (int k = 1; k <= 8; ++k) {
        SCOPED_TRACE(k);
        const RunnerResult run = runs[static_cast<std::size_t>(k - 1)].get();
        EXPECT_EQ(run.Status, 0) << run.Err;
        EXPECT_NE(run.Out.find(Row(k)), std::string::npos);
        EXPECT_EQ(run.Out.find(Row(k + 1)), std::string::npos);
    }
    // The dump left in the folder is the whole table of one run: 8 lines before the rows, then a
    // row every half second.
    const std::string dump = ReadAll(folder + "/Print Dump.txt");
    const auto lines = static_cast<int>(std::count(dump.begin(), dump.end(), '\n'));
    const int seconds = (lines - 8 - 1) / 2;
    EXPECT_EQ(lines, 8 + 2 * seconds + 1);
    EXPECT_NE(dump.find("\n\" " + std::to_string(seconds) + " "), std::string::npos);
    EXPECT_EQ(Names(folder), std::set<std::string>{"Print Dump.txt"});
}

TEST(RunnerOutputs, ScratchFilesArePrivateAndRemovedOnEveryExit) {
    const testing::ScratchFolder scratch;
    const std::string folder = scratch.Path.string();
    fs::create_directory(folder + "/tmp");
    const RunnerShell privateTmp{"export TMPDIR=" + folder + "/tmp", ""};
    const std::string lag = ExamplePath("First Order Lag.vqe");
    std::ofstream(folder + "/broken.vqe") << "\"broken.vqe\"\r\n\"x\"\r\nnot a number\r\n";
    const struct {
        std::vector<std::string> Args;
        int Status;
    } cases[] = {
        {{lag, "--tabulate"}, 0},
        {{lag, "--form", "3"}, 2},
        {{folder + "/broken.vqe"}, 2},
        {{lag, "--graph", "none/g.png"}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Args.back());
        EXPECT_EQ(RunRunner(c.Args, folder, privateTmp).Status, c.Status);
        EXPECT_TRUE(ScratchLeft(folder + "/tmp").empty());
    }

    // Another user's link where a predictable scratch name would be is neither followed nor removed.
    std::ofstream(folder + "/victim.txt") << "mine";
    const RunnerResult planted = RunRunner(
        {lag}, folder, {privateTmp.Setup + " && ln -s " + folder + "/victim.txt " + folder + "/tmp/quorvane-run-$$.txt", ""});
    EXPECT_EQ(planted.Status, 0) << planted.Err;
    EXPECT_EQ(ReadAll(folder + "/victim.txt"), "mine");
    EXPECT_EQ(ScratchLeft(folder + "/tmp").size(), 1u);
    for (const auto& entry : fs::directory_iterator(folder + "/tmp")) {
        if (entry.is_symlink()) fs::remove(entry.path());
    }

    // A dump that cannot be written after a finished run is not a run that did not finish.
    const RunnerResult full =
        RunRunner({lag, "--tabulate"}, folder, {privateTmp.Setup + " && " + FullDisk.Setup, ""});
    EXPECT_EQ(full.Status, 2);
    EXPECT_NE(full.Err.find("message: Error encountered during Printing or Tabulating - Cannot write the print dump file"),
              std::string::npos)
        << full.Err;
    EXPECT_NE(full.Err.find("quorvane-run: the run finished, but its results could not be handed on\n"),
              std::string::npos);
    EXPECT_TRUE(ScratchLeft(folder + "/tmp").empty());
}

TEST(RunnerOutputs, AnInheritedDisplayPlatformIsIgnored) {
    const testing::ScratchFolder scratch;
    const std::string folder = scratch.Path.string();
    for (const char* platform : {"xcb", "wayland"}) {
        SCOPED_TRACE(platform);
        const RunnerShell desktop{std::string("export QT_QPA_PLATFORM=") + platform + " && unset DISPLAY WAYLAND_DISPLAY", ""};
        const RunnerResult version = RunRunner({"--version"}, folder, desktop);
        EXPECT_EQ(version.Status, 0) << version.Err;
        const RunnerResult graph =
            RunRunner({ExamplePath("First Order Lag.vqe"), "--graph", std::string(platform) + ".png"}, folder, desktop);
        EXPECT_EQ(graph.Status, 0) << graph.Err;
        EXPECT_EQ(graph.Err, "");
    }
}

TEST(RunnerOutputs, OutputsMayNotOverwriteTheModelOrEachOther) {
    const testing::ScratchFolder scratch;
    const std::string folder = scratch.Path.string();
    fs::copy_file(ExamplePath("First Order Lag.vqe"), folder + "/m.vqe");
    fs::create_symlink("m.vqe", folder + "/link.csv");
    const std::string model = ReadAll(folder + "/m.vqe");
    const struct {
        std::vector<std::string> Args;
        std::string Err;
    } cases[] = {
        {{"m.vqe", "--csv", "m.vqe"}, "quorvane-run: --csv would overwrite the model file m.vqe\n"},
        {{"m.vqe", "--csv", "./link.csv"}, "quorvane-run: --csv would overwrite the model file m.vqe\n"},
        {{folder + "/m.vqe", "--sheet", "1", "m.vqe"},
         "quorvane-run: --sheet would overwrite the model file " + folder + "/m.vqe\n"},
        {{"m.vqe", "--graph", "out.png", "--sheet", "1", "./out.png"},
         "quorvane-run: --graph and --sheet name the same file ./out.png\n"},
        {{"m.vqe", "--csv", "out.vqe", "--save", "out.vqe"}, "quorvane-run: --csv and --save name the same file out.vqe\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Err);
        const RunnerResult run = RunRunner(c.Args, folder);
        EXPECT_EQ(run.Status, 2);
        EXPECT_EQ(run.Err, c.Err);
        EXPECT_EQ(ReadAll(folder + "/m.vqe"), model);
        EXPECT_EQ(Names(folder), (std::set<std::string>{"m.vqe", "link.csv"}));
    }
    // Saving back over the model is what --save is for.
    EXPECT_EQ(RunRunner({"m.vqe", "--save", "m.vqe"}, folder).Status, 0);
}

}  // namespace quorvane
