#include <gtest/gtest.h>

#include "forms/file_maintenance.h"
#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

using testing::ReadAll;
using testing::ScratchFolder;
using testing::WriteAll;

struct Maintenance : SimulationFixture<Begin::Bare> {
    ScratchFolder Scratch;
    std::string Path = (Scratch / "NelqueStor.dat").string();
};

TEST_F(Maintenance, AFileSavedUnchangedKeepsItsBytes) {
    const std::string content = "2\r\n\"/m/a.vqe\"\r\n\"/m/b.vqe\"\r\n\"0\"\r\n\"12-06-2026\"\r\n";
    WriteAll(Path, content);
    MaintainedFile file;
    ASSERT_TRUE(OpenMaintainedFile(Sim, Path, file));
    EXPECT_EQ(file.Path, Path);
    EXPECT_EQ(file.Size, std::to_string(content.size()) + " bytes");
    EXPECT_FALSE(file.Changed.empty());
    EXPECT_EQ(file.Text, "2\n\"/m/a.vqe\"\n\"/m/b.vqe\"\n\"0\"\n\"12-06-2026\"");

    Host.Answers = {true};
    EXPECT_TRUE(SaveAmendedFile(Sim, Path, file.Text));
    EXPECT_EQ(ReadAll(Path), content);
    ASSERT_EQ(Host.Log.size(), 1u);
    EXPECT_EQ(Host.Log[0].What, RecordingHost::Kind::Question);
    EXPECT_EQ(Host.Log[0].Text, "Over Write  " + Path);
    EXPECT_EQ(Host.Log[0].Title, "Warning");
}

TEST_F(Maintenance, AnEditIsWrittenOnlyAfterYes) {
    WriteAll(Path, "1\r\n\"/m/a.vqe\"\r\n");
    EXPECT_FALSE(SaveAmendedFile(Sim, Path, "0"));   // No
    EXPECT_EQ(ReadAll(Path), "1\r\n\"/m/a.vqe\"\r\n");
    Host.Answers = {true};
    EXPECT_TRUE(SaveAmendedFile(Sim, Path, "0\n\"0\"\n"));
    EXPECT_EQ(ReadAll(Path), "0\r\n\"0\"\r\n\r\n");
    EXPECT_EQ(Host.Log.size(), 2u);

    // Nothing chosen: nothing asked, nothing written.
    Host.Clear();
    EXPECT_FALSE(SaveAmendedFile(Sim, "", "text"));
    EXPECT_TRUE(Host.Log.empty());
}

TEST_F(Maintenance, FailuresAreReportedAndChangeNothing) {
    MaintainedFile file;
    file.Text = "kept";
    EXPECT_FALSE(OpenMaintainedFile(Sim, (Scratch / "missing.dat").string(), file));
    EXPECT_EQ(file.Text, "kept");
    Host.Answers = {true};
    EXPECT_FALSE(SaveAmendedFile(Sim, (Scratch / "no folder" / "x.dat").string(), "text"));
    const std::vector<std::string> messages = Host.Messages();
    ASSERT_EQ(messages.size(), 2u);
    for (const std::string& message : messages) {
        SCOPED_TRACE(message);
        EXPECT_TRUE(message.starts_with("Error encountered during Maintaining Data Files - "));
        EXPECT_GT(message.size(), std::string("Error encountered during Maintaining Data Files - ").size());
    }
}

}  // namespace
}  // namespace quorvane
