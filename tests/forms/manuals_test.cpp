#include <gtest/gtest.h>

#include <filesystem>

#include "support/scratch_folder.h"
#include "support/test_simulation.h"
#include "forms/manuals.h"

namespace quorvane {
namespace {

using testing::ScratchFolder;
using testing::WriteAll;

void MakeProgram(const std::filesystem::path& path) {
    WriteAll(path, "#!/bin/sh\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

TEST(FindPdfReader, TakesThePreferredReaderAcrossThePath) {
    ScratchFolder first;
    ScratchFolder second;
    MakeProgram(first / "xdg-open");
    MakeProgram(second / "okular");
    WriteAll(first / "evince", "not executable");
    const std::string path = first.Path.string() + "::" + second.Path.string();
    EXPECT_EQ(FindPdfReader(path), (second / "okular").string());
    MakeProgram(second / "evince");
    EXPECT_EQ(FindPdfReader(path), (second / "evince").string());
    EXPECT_EQ(FindPdfReader(""), "");
}

TEST(ManualLaunch, SearchesForTheTopicWhereTheReaderCan) {
    struct Case {
        const char* Reader;
        int Key;
        std::vector<std::string> Arguments;
    };
    const Case cases[] = {
        {"/usr/bin/evince", 0, {"/m.pdf"}},
        {"/usr/bin/evince", 1002, {"--find=Topic 1002", "/m.pdf"}},
        {"/usr/bin/okular", 2001, {"--find", "Topic 2001", "/m.pdf"}},
        {"/usr/bin/zathura", 1002, {"/m.pdf"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Reader) + " " + std::to_string(c.Key));
        const ReaderLaunch launch = ManualLaunch(c.Reader, "/m.pdf", c.Key);
        EXPECT_EQ(launch.Program, c.Reader);
        EXPECT_EQ(launch.Arguments, c.Arguments);
    }
}

TEST(OpenManual, OpensTheNamedManualOrTheTopicInTheFunctionBlockGuide) {
    ScratchFolder readers;
    ScratchFolder help;
    MakeProgram(readers / "evince");
    WriteAll(help / "Quorvane Manual.pdf", "1");
    WriteAll(help / "Quorvane Function Blocks.pdf", "2");
    const std::string helpFolder = help.Path.string() + "/";
    RecordingHost host;
    std::vector<ReaderLaunch> started;
    auto start = [&](const ReaderLaunch& launch) {
        started.push_back(launch);
        return true;
    };

    OpenManual(host, helpFolder, 0, 1, readers.Path.string(), start);
    OpenManual(host, helpFolder, 1002, 1, readers.Path.string(), start);
    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(started[0].Arguments, std::vector<std::string>{helpFolder + "Quorvane Manual.pdf"});
    EXPECT_EQ(started[1].Arguments,
              (std::vector<std::string>{"--find=Topic 1002", helpFolder + "Quorvane Function Blocks.pdf"}));
    EXPECT_TRUE(host.Log.empty());

    // The examples manual is missing; no reader at all; a reader that will not start.
    OpenManual(host, helpFolder, 0, 3, readers.Path.string(), start);
    OpenManual(host, helpFolder, 0, 1, help.Path.string(), start);
    OpenManual(host, helpFolder, 0, 1, readers.Path.string(), [](const ReaderLaunch&) { return false; });
    EXPECT_EQ(host.Messages(), (std::vector<std::string>{"Manual not found", "PDF Reader not found", "bad program path"}));
    EXPECT_EQ(started.size(), 2u);
}

}  // namespace
}  // namespace quorvane
