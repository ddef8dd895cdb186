#include <gtest/gtest.h>

#include "forms/first_run.h"
#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

using testing::ReadAll;
using testing::ScratchFolder;
using testing::WriteAll;

const VersionInfo Version{2, 3, 4, "Test Company", "Test notice"};

/// An installed program: its shipped models in share/examples, its own folder bin.
struct FirstRun {
    FirstRun() {
        Folders = {Prefix / "bin", Prefix / "user", Prefix / "share"};
        std::filesystem::create_directories(Folders.Program);
        WriteAll(Prefix / "share" / "examples" / "Lag.vqe", "lag");
        WriteAll(Prefix / "share" / "examples" / "Loop.vqe", "loop");
        WriteAll(Prefix / "share" / "examples" / "README.txt", "not a model");
    }
    std::filesystem::path Prepare(const std::filesystem::path& appFolder) {
        return PrepareExamples(Host, Folders, appFolder, "Examples", "vqe", Version);
    }

    ScratchFolder Prefix;
    ProgramFolders Folders;
    RecordingHost Host;
};

TEST(ProgramFolders, AnInstalledProgramIsFoundBesideItsExecutableAndNeverWritesThere) {
    FirstRun run;
    const ProgramFolders installed = LocateProgramFolders(run.Prefix / "bin", run.Prefix / "user", "../share");
    EXPECT_EQ(installed.Installed, run.Prefix / "share");
    EXPECT_EQ(DataFolder(installed), run.Prefix / "share");
    EXPECT_EQ(ShippedExamples(installed), run.Prefix / "share" / "examples");
    EXPECT_EQ(ChooseAppFolder(installed), run.Prefix / "user");   // although bin could be written
    EXPECT_TRUE(std::filesystem::is_directory(run.Prefix / "user"));

    // A build folder has no shipped-files folder: everything is beside the executable.
    const ProgramFolders build = LocateProgramFolders(run.Prefix / "bin", run.Prefix / "user", "../share/quorvane");
    EXPECT_TRUE(build.Installed.empty());
    EXPECT_EQ(DataFolder(build), run.Prefix / "bin");
    EXPECT_EQ(ShippedExamples(build), run.Prefix / "bin" / "Examples");
    EXPECT_EQ(ChooseAppFolder(build), run.Prefix / "bin");
}

TEST(PrepareExamples, FirstStartAnnouncesWritesTheSlipAndCopiesTheModelsThenStaysQuiet) {
    FirstRun run;
    run.Host.Clock = 3600 * 15 + 60 * 4 + 9.75;
    const auto examples = run.Prefix / "user" / "Examples";
    EXPECT_EQ(run.Prepare(run.Prefix / "user"), run.Prefix / "user");
    EXPECT_EQ(run.Host.Messages(), (std::vector<std::string>{"creating " + examples.string(), "Creating Packing Slip"}));
    EXPECT_EQ(ReadAll(examples / "Packing Slip.pck"),
              "\"Quorvane Packing Slip  \"\r\n\"Installed: 06/12/2026 15:04:09\"\r\n\"Version 2.3.4\"\r\n"
              "\"Test Company\"\r\n\"Test notice\"\r\n\" \"\r\n\"End of File\"\r\n");
    EXPECT_EQ(ReadAll(examples / "Lag.vqe"), "lag");
    EXPECT_EQ(ReadAll(examples / "Loop.vqe"), "loop");
    EXPECT_FALSE(std::filesystem::exists(examples / "README.txt"));

    // A later start finds the slip: nothing said, nothing copied over what the user changed.
    WriteAll(examples / "Lag.vqe", "edited");
    run.Host.Clear();
    run.Prepare(run.Prefix / "user");
    EXPECT_TRUE(run.Host.Log.empty());
    EXPECT_EQ(ReadAll(examples / "Lag.vqe"), "edited");
}

TEST(PrepareExamples, RepairsAFolderWithoutSlipAndReportsMissingModels) {
    FirstRun run;
    std::filesystem::create_directories(run.Prefix / "user" / "Examples");
    run.Prepare(run.Prefix / "user");
    EXPECT_EQ(run.Host.Messages(), std::vector<std::string>{"Creating packing slip"});
    EXPECT_EQ(ReadAll(run.Prefix / "user" / "Examples" / "Loop.vqe"), "loop");

    // In a build folder the build fills the example folder itself: the first start adds the slip.
    FirstRun build;
    build.Folders.Installed.clear();
    WriteAll(build.Folders.Program / "Examples" / "Lag.vqe", "lag");
    build.Prepare(build.Folders.Program);
    EXPECT_EQ(build.Host.Messages(), std::vector<std::string>{"Creating packing slip"});
    EXPECT_EQ(ReadAll(build.Folders.Program / "Examples" / "Lag.vqe"), "lag");
    EXPECT_TRUE(std::filesystem::exists(build.Folders.Program / "Examples" / "Packing Slip.pck"));

    FirstRun bare;
    std::filesystem::remove_all(bare.Prefix / "share" / "examples");
    bare.Prepare(bare.Prefix / "user");
    const auto examples = bare.Prefix / "user" / "Examples";
    EXPECT_EQ(bare.Host.Messages(), (std::vector<std::string>{"creating " + examples.string(), "Creating Packing Slip",
                                                              "Setup Phase -No Example files available"}));
}

}  // namespace
}  // namespace quorvane
