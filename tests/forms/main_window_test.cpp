#include <gtest/gtest.h>

#include "support/scratch_folder.h"
#include "support/test_simulation.h"
#include "forms/main_window.h"
#include "storage/data_file_writer.h"

namespace quorvane {
namespace {

// What the main window's start-up and menus ask of the windows, in order.
Strings ShellCalls(const TestSimulation& shell) {
    return shell.Windows.Of({"ShowSheet", "SetMainCaption", "ShowToolWindows", "RefreshOptions", "RequestRedraw",
                             "ClearRunFigures"});
}

using testing::ReadAll;
using testing::ScratchFolder;
using testing::WriteAll;

const VersionInfo Version{1, 0, 0, "Company", "Notice"};

struct Start {
    Start() {
        Folders.Program = Program.Path;
        Folders.UserData = Program / "user";
        WriteAll(Program / "Examples" / "Lag.vqe", "lag");
        WriteAll(Program / "Examples" / "Packing Slip.pck", "slip");
    }
    void Go() { StartProgram(Shell.Sim, State, Folders, Version); }

    ScratchFolder Program;
    ProgramFolders Folders;
    TestSimulation Shell;
    ProgramState State;
};

TEST(StartProgram, AnEmptyStoreLeavesTheCaptionAndStartsOnSheetOne) {
    Start start;
    start.Go();
    EXPECT_TRUE(start.Shell.Host.Log.empty());
    EXPECT_FALSE(start.State.NewModel);
    EXPECT_EQ(start.State.HelpFolder, start.Program.Path.string() + "/");
    EXPECT_EQ(start.State.Paths.CurrentFolder, start.Program.Path.string() + "/");
    EXPECT_EQ(start.State.Paths.CurrentExt, "dat");
    EXPECT_EQ(start.State.Paths.CurrentPath, "");
    // The first start writes the empty store it could not find.
    EXPECT_EQ(ReadAll(start.Program / "NelqueStor.dat").substr(0, 3), "0\r\n");
    EXPECT_EQ(ShellCalls(start.Shell),
              (std::vector<std::string>{"ShowSheet 1 Unnamed Form  1", "RefreshOptions", "ShowToolWindows"}));
}

TEST(StartProgram, AnInstalledProgramKeepsItsFilesInTheUserDataFolderAndReadsManualsWhereShipped) {
    Start start;
    start.Folders.Installed = start.Program / "share";
    WriteAll(start.Program / "share" / "examples" / "Lag.vqe", "lag");
    start.Go();
    const auto user = start.Program / "user";
    EXPECT_EQ(start.State.AppFolder, user);
    EXPECT_EQ(start.State.HelpFolder, (start.Program / "share").string() + "/");
    EXPECT_EQ(start.State.Filestor, user / "NelqueStor.dat");
    EXPECT_EQ(ReadAll(user / "Examples" / "Lag.vqe"), "lag");
    EXPECT_FALSE(std::filesystem::exists(start.Program / "NelqueStor.dat"));
}

TEST(StartProgram, ARecentFileNamesTheFolderAndMarksTheModelNew) {
    Start start;
    const auto recent = start.Program / "models" / "Oven.vqe";
    WriteAll(recent, "\"Oven.vqe\"\r\n\"Oven\"\r\n");
    ASSERT_EQ(Filstore(start.Program / "NelqueStor.dat", recent.string(), {2026, 12, 6}), "");
    start.Go();
    EXPECT_TRUE(start.State.NewModel);
    EXPECT_EQ(start.State.Paths.CurrentFolder, (start.Program / "models").string() + "/");
    EXPECT_EQ(start.State.Paths.CurrentExt, "vqe");
    EXPECT_EQ(start.State.Paths.CurrentPath, (start.Program / "models" / "Unnamed Simulation.vqe").string());
    EXPECT_EQ(ShellCalls(start.Shell).front(), "SetMainCaption Quorvane  06 December 2026       Unnamed Simulation");
}

TEST(StartProgram, WritesTheInitialPrintDumpOverAnEarlierStartsRun) {
    Start start;
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(start.Program.Path);
    WriteAll(start.Program / "Print Dump.txt", "\"Quorvane Simulation Run          Plant\"\n\"earlier\"\n");
    start.Go();
    const std::string dump = ReadAll(start.Program / "Print Dump.txt");
    std::filesystem::current_path(started);
    std::string blanks;
    for (int line = 2; line <= 8; ++line) blanks += "\" \"\n";
    EXPECT_EQ(dump, "\"Quorvane Simulation Run          Unnamed                          06 December 2026\"\n" + blanks);
    EXPECT_TRUE(start.Shell.Host.Log.empty());
}

TEST(AskToSaveChanges, AsksOnlyAboutChangesAndHonoursTheAnswer) {
    Start start;
    start.Go();
    TestSimulation& shell = start.Shell;
    ProgramState& state = start.State;
    EXPECT_EQ(AskToSaveChanges(shell.Sim, state), SaveFirst::Go);
    EXPECT_TRUE(shell.Host.Log.empty());

    shell.Drop(GainCode, 1200, 1200);
    const std::string file = (start.Program / "Plant.vqe").string();
    struct Case {
        const char* What;
        Answer Reply;
        std::string Path;   ///< the model's file, none when empty
        SaveFirst Expected;
        bool StillChanged;
    };
    const Case cases[] = {
        {"No", Answer::No, file, SaveFirst::Go, true},
        {"Cancel", Answer::Cancel, file, SaveFirst::Stop, true},
        {"Yes without a file", Answer::Yes, "", SaveFirst::ThroughDialog, true},
        {"Yes with a save that fails", Answer::Yes, (start.Program / "gone" / "Plant.vqe").string(), SaveFirst::Stop,
         true},
        {"Yes", Answer::Yes, file, SaveFirst::Go, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        shell.Host.Clear();
        shell.Host.Choices = {c.Reply};
        state.NewModel = c.Path.empty();
        state.Paths.CurrentPath = c.Path;
        EXPECT_EQ(AskToSaveChanges(shell.Sim, state), c.Expected);
        EXPECT_EQ(shell.Host.Questions(), Strings{"Do you wish to save .."});
        EXPECT_EQ(shell.Sim.History.Changed(), c.StillChanged);
        EXPECT_EQ(shell.Windows.Unsaved, c.StillChanged);
    }
    EXPECT_TRUE(std::filesystem::exists(file));

    // Saved, or back at the saved state by undo: nothing to ask.
    shell.Host.Clear();
    EXPECT_EQ(AskToSaveChanges(shell.Sim, state), SaveFirst::Go);
    shell.Drop(SumCode, 3600, 1200);
    ASSERT_TRUE(shell.Sim.History.Undo(shell.Sim));
    EXPECT_EQ(AskToSaveChanges(shell.Sim, state), SaveFirst::Go);
    EXPECT_TRUE(shell.Host.Log.empty());
}

TEST(FrequencyUnits, FollowTheSwitchAndTheTimeUnitOnFormsInUse) {
    struct Case {
        bool Hertz;
        const char* TimeUnits;
        const char* Units;
    };
    const Case cases[] = {{true, "sec", "Hz"},          {true, "secs", "Hz"},          {true, "min", "Cycles /min"},
                          {false, "sec", "rad/s"},      {false, "hours", "radians /hours"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.TimeUnits) + (c.Hertz ? " Hz" : " rad"));
        TestSimulation shell;
        Simulation& sim = shell.Sim;
        sim.FormCount = 2;
        for (int f = 1; f <= 3; ++f) {
            sim.Forms[f].InUse = f != 2;
            sim.Forms[f].BlockCount = 3;
            sim.Forms[f].Blocks[1].FunctionCode = 61;
            sim.Forms[f].Blocks[2].FunctionCode = 62;
            sim.Forms[f].Blocks[3].FunctionCode = 60;
            for (int b = 1; b <= 3; ++b) sim.Forms[f].Blocks[b].Units = "old";
        }
        sim.Run.TimeUnits = c.TimeUnits;
        SetFrequencyInHz(sim, c.Hertz);
        EXPECT_EQ(sim.Run.FrequencyInHz, c.Hertz);
        EXPECT_EQ(sim.Forms[1].Blocks[1].Units, c.Units);
        EXPECT_EQ(sim.Forms[1].Blocks[2].Units, c.Units);
        EXPECT_EQ(sim.Forms[1].Blocks[3].Units, "old");   // not an effective-frequency block
        EXPECT_EQ(sim.Forms[2].Blocks[1].Units, "old");   // a free slot
        EXPECT_EQ(sim.Forms[3].Blocks[1].Units, "old");   // beyond FormCount
        EXPECT_EQ(ShellCalls(shell), std::vector<std::string>{"RefreshOptions"});
    }
}

TEST(CommandLinePath, DropsOnlyAPairOfSurroundingQuotes) {
    EXPECT_EQ(CommandLinePath("\"/home/ann/Lag model.vqe\""), "/home/ann/Lag model.vqe");
    EXPECT_EQ(CommandLinePath("/home/ann/lag.vqe"), "/home/ann/lag.vqe");
    EXPECT_EQ(CommandLinePath("\"/home/ann/lag.vqe"), "\"/home/ann/lag.vqe");
    EXPECT_EQ(CommandLinePath("\""), "\"");
}

TEST(LoadNamedSimulation, LoadsAndRemembersAFileThatLoaded) {
    Start start;
    start.Go();
    const auto model = start.Program / "models" / "Pair.vqe";
    std::filesystem::create_directories(model.parent_path());
    ASSERT_TRUE(SaveSimulation(start.Shell.Sim, model.string()));
    start.State.NewModel = true;
    // A bare name takes the default extension. (A file that does not load is the load dialog's test.)
    EXPECT_TRUE(LoadNamedSimulation(start.Shell.Sim, start.State, (start.Program / "models" / "Pair").string()));
    EXPECT_FALSE(start.State.NewModel);
    EXPECT_EQ(start.State.Paths.CurrentPath, model.string());
    EXPECT_EQ(start.Shell.Sim.Run.SimulationTitle, "Pair");
    EXPECT_NE(ReadAll(start.Program / "NelqueStor.dat").find(model.string()), std::string::npos);
}

}  // namespace
}  // namespace quorvane
