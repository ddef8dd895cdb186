#include <gtest/gtest.h>

#include "editing/start_up.h"
#include "support/scratch_folder.h"
#include "support/test_simulation.h"
#include "forms/load_save_dialogs.h"
#include "storage/data_file_writer.h"

namespace quorvane {
namespace {

using testing::ReadAll;
using testing::ScratchFolder;
using testing::WriteAll;

/// A started model, its recent-file store and a folder of models in a scratch folder.
struct Files : SimulationFixture<Begin::Bare> {
    Files() {
        StartUp(Sim);
        State.Filestor = Scratch / "NelqueStor.dat";
        EnsureFilestor(State.Filestor, Host.Today());
        std::filesystem::create_directories(Models);
    }
    std::string Model(const std::string& name) const { return (Models / name).string(); }
    /// The paths the store lists, newest first.
    std::vector<std::string> Stored() {
        RecentFiles recent;
        EXPECT_TRUE(LoadFilestor(Host, State.Filestor, recent));
        std::vector<std::string> paths;
        for (int i = 1; i <= recent.RecentCount; ++i) paths.push_back(recent.RecentPath[i]);
        return paths;
    }

    ScratchFolder Scratch;
    std::filesystem::path Models = Scratch / "models";
    ProgramState State;
};

TEST(FileDialogPaths, TypedNamesAreCompletedWithTheFolderShownAndTheDefaultExtension) {
    struct Case {
        const char* Typed;
        const char* Path;
        const char* Folder;
        const char* Ext;
    };
    const Case cases[] = {
        {"Oven", "/shown/Oven.vqe", "/shown", "vqe"},
        {"Oven.dat", "/shown/Oven.dat", "/shown", "dat"},
        {"Oven.", "/shown/Oven.vqe", "/shown", "vqe"},
        {"/home/ann/Oven", "/home/ann/Oven.vqe", "/home/ann/", "vqe"},
        {"/home/ann.b/Oven", "/home/ann.b/Oven.vqe", "/home/ann.b/", "vqe"},
        {"/Oven.vqe", "/Oven.vqe", "/", "vqe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        FilePaths paths;
        EXPECT_EQ(CompleteTypedPath(paths, c.Typed, "/shown"), c.Path);
        EXPECT_EQ(paths.CurrentPath, c.Path);
        EXPECT_EQ(paths.CurrentFolder, c.Folder);
        EXPECT_EQ(paths.CurrentExt, c.Ext);
        EXPECT_EQ(paths.CurrentDrive, "");
    }
    EXPECT_EQ(NameInFolder("/m", "a.vqe"), "/m/a.vqe");
    EXPECT_EQ(NameInFolder("/", "a.vqe"), "/a.vqe");
    EXPECT_EQ(MoveNameToFolder("/m/a.vqe", "/n"), "/n/a.vqe");
    EXPECT_EQ(MoveNameToFolder("a", "/n/"), "/n/a");

    FilePaths paths;
    paths.CurrentFolder = "/home/ann/models/";
    paths.CurrentPath = "/home/ann/models/Oven.vqe";
    const FileDialogView view = OpenFileDialog(paths);
    EXPECT_EQ(view.Pattern, "*.vqe");
    EXPECT_EQ(view.Folder, "/home/ann/models");
    EXPECT_EQ(view.NameBox, paths.CurrentPath);
    paths.CurrentFolder = "/";
    EXPECT_EQ(OpenFileDialog(paths).Folder, "/");
}

TEST_F(Files, SavingOverAFileReplacesItOnlyWhenTheQuestionIsAnsweredYes) {
    Sim.Run.SimulationTitle = "Oven";
    EXPECT_TRUE(SaveTypedSimulation(Sim, State, "Oven", Models.string(), true));
    EXPECT_EQ(Host.Log.size(), 1u);   // "Simulation Saved: ...", no question for a new file
    const std::string first = ReadAll(Model("Oven.vqe"));
    EXPECT_EQ(first.substr(0, 12), "\"Oven.vqe\"\r\n");

    Host.Clear();
    State.NewModel = true;
    State.Paths.CurrentPath = "/before.vqe";
    Sim.Forms[1].Title = "Changed";
    Host.Answers = {false};
    EXPECT_FALSE(SaveTypedSimulation(Sim, State, Model("Oven.vqe"), "/elsewhere", true));
    EXPECT_EQ(ReadAll(Model("Oven.vqe")), first);
    EXPECT_TRUE(State.NewModel);
    EXPECT_EQ(State.Paths.CurrentPath, "/before.vqe");
    ASSERT_EQ(Host.Log.size(), 1u);
    EXPECT_EQ(Host.Log[0].What, RecordingHost::Kind::Question);
    EXPECT_EQ(Host.Log[0].Text, "file exists - overwrite ?");
    EXPECT_EQ(Host.Log[0].Preset, Answer::No);   // Return keeps the file

    Host.Clear();
    Host.Answers = {true};
    EXPECT_TRUE(SaveTypedSimulation(Sim, State, Model("Oven.vqe"), "/elsewhere", true));
    EXPECT_NE(ReadAll(Model("Oven.vqe")).find("\"Changed\""), std::string::npos);
    EXPECT_FALSE(State.NewModel);
    EXPECT_EQ(State.Paths.CurrentPath, Model("Oven.vqe"));
    EXPECT_EQ(Host.Messages(), std::vector<std::string>{"Simulation Saved: " + Model("Oven.vqe")});

    // Finish writes without the question.
    Host.Clear();
    EXPECT_TRUE(SaveTypedSimulation(Sim, State, Model("Oven.vqe"), "/elsewhere", false));
    EXPECT_EQ(Host.Messages(), std::vector<std::string>{"Simulation Saved: " + Model("Oven.vqe")});
    EXPECT_EQ(Host.Log.size(), 1u);
}

TEST_F(Files, AFailedSaveKeepsTheModelMarkedNewAndTheStoreAsItWas) {
    State.NewModel = true;
    EXPECT_FALSE(SaveTypedSimulation(Sim, State, "Oven", (Models / "no such folder").string(), true));
    EXPECT_TRUE(State.NewModel);
    EXPECT_TRUE(Stored().empty());
    ASSERT_EQ(Host.Messages().size(), 1u);
    EXPECT_TRUE(Host.Messages()[0].starts_with("Error encountered during Saving Simulation - "));

    // A name box without a file name writes no hidden ".vqe", and says why.
    Host.Clear();
    for (const std::string& typed : {std::string(), Models.string() + "/"}) {
        SCOPED_TRACE(typed);
        EXPECT_FALSE(SaveTypedSimulation(Sim, State, typed, Models.string(), true));
    }
    EXPECT_TRUE(std::filesystem::is_empty(Models));
    EXPECT_EQ(Host.Messages(), (std::vector<std::string>{"Enter a file name", "Enter a file name"}));
    EXPECT_EQ(Host.Log.size(), 2u);
}

TEST_F(Files, ARefusedLoadKeepsThePathTheFlagAndTheStore) {
    ASSERT_TRUE(SaveTypedSimulation(Sim, State, "Kept", Models.string(), true));
    WriteAll(Models / "Cut.vqe", ReadAll(Model("Kept.vqe")).substr(0, 300));
    const FilePaths paths = State.Paths;
    const std::string store = ReadAll(State.Filestor);
    for (const FileLayout layout : {FileLayout::Current, FileLayout::Older}) {
        for (const char* typed : {"Cut", "Missing"}) {
            SCOPED_TRACE(typed);
            Host.Clear();
            EXPECT_FALSE(LoadTypedSimulation(Sim, State, typed, Models.string(), layout));
            EXPECT_EQ(Host.Messages().size(), 1u);
            EXPECT_EQ(State.Paths.CurrentPath, paths.CurrentPath);
            EXPECT_EQ(State.Paths.CurrentFolder, paths.CurrentFolder);
            EXPECT_EQ(State.Paths.CurrentExt, paths.CurrentExt);
            EXPECT_FALSE(State.NewModel);
            EXPECT_EQ(ReadAll(State.Filestor), store);
            EXPECT_EQ(Sim.Run.SimulationTitle, "Kept");
        }
    }
}

// How the store orders and drops paths is the recent-file store's rule; here, that saves reach it.
TEST_F(Files, TheStoreKeepsSixPathsNewestFirstAndTheMenuShowsFive) {
    for (const char* name : {"z", "y", "x", "d", "c", "b", "a"}) {
        ASSERT_TRUE(SaveTypedSimulation(Sim, State, name, Models.string(), true));
    }
    const std::vector<std::string> six{Model("a.vqe"), Model("b.vqe"), Model("c.vqe"),
                                       Model("d.vqe"), Model("x.vqe"), Model("y.vqe")};
    EXPECT_EQ(Stored(), six);

    // A file gone is "Unavailable"; a file whose first line is empty is listed by its path.
    std::filesystem::remove(Model("b.vqe"));
    WriteAll(Model("c.vqe"), "\"\"\r\n\"Title\"\r\n");
    WriteAll(Model("d.vqe"), "\"R&D.vqe\"\r\n\"Title\"\r\n");
    EXPECT_TRUE(ReadFilestor(Sim, State));
    EXPECT_EQ(State.Recent.RecentCount, 6);
    EXPECT_EQ(RecentFileCaptions(State.Recent),
              (std::vector<std::string>{"&1 a.vqe", "&2 Unavailable", "&3 " + Model("c.vqe"), "&4 R&&D.vqe", "&5 x.vqe"}));
}

TEST_F(Files, ADamagedStoreIsReportedAndStartedAfresh) {
    std::filesystem::remove(State.Filestor);
    std::filesystem::create_directories(State.Filestor);
    State.Recent.RecentCount = 3;
    EXPECT_FALSE(ReadFilestor(Sim, State));
    EXPECT_EQ(Host.Messages(),
              std::vector<std::string>{"System Filestore  " + State.Filestor.string() + "  cannot be accessed"});
    EXPECT_EQ(State.Recent.RecentCount, 0);
    EXPECT_EQ(ReadAll(State.Filestor).substr(0, 3), "0\r\n");
    EXPECT_TRUE(RecentFileCaptions(State.Recent).empty());
}

}  // namespace
}  // namespace quorvane
