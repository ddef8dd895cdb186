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

struct FirstRun {
    FirstRun() {
        Folders.Program = Program.Path;
        Folders.UserData = Data.Path / "user";
        WriteAll(Program / "examples" / "Lag.vqe", "lag");
        WriteAll(Program / "examples" / "Loop.vqe", "loop");
        WriteAll(Program / "examples" / "README.txt", "not a model");
    }
    std::filesystem::path Prepare(const std::filesystem::path& appFolder) {
        return PrepareExamples(Host, Folders, appFolder, "Examples", "vqe", Version);
    }

    ScratchFolder Program;
    ScratchFolder Data;
    ProgramFolders Folders;
    RecordingHost Host;
};

TEST(PrepareExamples, FirstStartAnnouncesWritesTheSlipAndCopiesTheModelsThenStaysQuiet) {
    FirstRun run;
    run.Host.Clock = 3600 * 15 + 60 * 4 + 9.75;
    const auto examples = run.Program.Path / "Examples";
    EXPECT_EQ(run.Prepare(run.Program.Path), run.Program.Path);
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
    run.Prepare(run.Program.Path);
    EXPECT_TRUE(run.Host.Log.empty());
    EXPECT_EQ(ReadAll(examples / "Lag.vqe"), "edited");
}

TEST(PrepareExamples, RepairsAFolderWithoutSlipAndReportsMissingModels) {
    FirstRun run;
    std::filesystem::create_directories(run.Program / "Examples");
    run.Prepare(run.Program.Path);
    EXPECT_EQ(run.Host.Messages(), std::vector<std::string>{"Creating packing slip"});
    EXPECT_EQ(ReadAll(run.Program / "Examples" / "Loop.vqe"), "loop");

    FirstRun bare;
    std::filesystem::remove_all(bare.Program / "examples");
    bare.Prepare(bare.Program.Path);
    EXPECT_EQ(bare.Host.Messages(),
              (std::vector<std::string>{"creating " + (bare.Program / "Examples").string(), "Creating Packing Slip",
                                        "Setup Phase -No Example files available"}));
}

TEST(PrepareExamples, AnotherAppFolderAlsoReceivesTheManuals) {
    FirstRun run;
    WriteAll(run.Program / "Quorvane Manual.pdf", "manual");
    const auto appFolder = ChooseAppFolder(run.Folders);
    ASSERT_EQ(appFolder, run.Program.Path);   // a writable program folder keeps everything

    const auto elsewhere = run.Data.Path / "user";
    std::filesystem::create_directories(elsewhere);
    run.Prepare(elsewhere);
    EXPECT_EQ(ReadAll(elsewhere / "Quorvane Manual.pdf"), "manual");
    EXPECT_EQ(ReadAll(elsewhere / "Examples" / "Lag.vqe"), "lag");
}

}  // namespace
}  // namespace quorvane
