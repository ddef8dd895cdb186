#include "forms/main_window.h"

#include <stdexcept>
#include <system_error>

#include "editing/form_slots.h"
#include "editing/start_up.h"
#include "engine/simulation.h"
#include "forms/load_save_dialogs.h"
#include "results/print_dump.h"
#include "run/run_driver.h"
#include "storage/file_title.h"

namespace quorvane {

namespace {

constexpr const char* UnnamedSimulation = "Unnamed Simulation";

}  // namespace

void StartProgram(Simulation& sim, ProgramState& state, const ProgramFolders& folders, const VersionInfo& version) {
    state.AppFolder = PrepareExamples(sim.Ui, folders, ChooseAppFolder(folders), ExampleFolderName, DefaultExtension,
                                      version);
    // The manuals are read where they were shipped, so an updated program never shows old copies.
    state.HelpFolder = DataFolder(folders).string();
    if (!state.HelpFolder.ends_with(PathSeparator)) state.HelpFolder += PathSeparator;

    state.Filestor = FilestorPath(state.AppFolder);
    const PathParts store = Unpack(state.Filestor.string(), DefaultExtension);
    state.Paths.CurrentDrive = store.Drive;
    state.Paths.CurrentFolder = store.Folder;
    state.Paths.CurrentExt = store.Extension;
    state.Paths.CurrentPath.clear();
    state.Paths.DefaultExt = DefaultExtension;
    // A first start finds no store; an empty one is written so that later starts can read it.
    EnsureFilestor(state.Filestor, sim.Ui.Today());
    ReadFilestor(sim, state);
    if (state.Recent.RecentCount > 0) {
        const PathParts newest = Unpack(state.Recent.RecentPath[1], DefaultExtension);
        state.Paths.CurrentDrive = newest.Drive;
        state.Paths.CurrentExt = newest.Extension;
        state.Paths.CurrentFolder = newest.Folder;
        state.Paths.CurrentPath = FnamePack(state.Paths, UnnamedSimulation);
        state.NewModel = true;
        sim.Windows.SetMainCaption(MainCaption(sim.Ui.Today(), UnnamedSimulation));
    }

    sim.Dump.PrintDumpPath = StartupPrintDumpPath();
    try {
        WriteInitialPrintDump(sim.Dump, sim.Ui);
    } catch (const std::runtime_error& error) {
        sim.Ui.Message(error.what());
    }
    StartUp(sim);
    sim.Windows.RefreshOptions();
    sim.Windows.ShowToolWindows();
}

void StartNewSimulation(Simulation& sim, ProgramState& state) {
    NewSimulation(sim);
    state.NewModel = true;
    state.Paths.CurrentPath = FnamePack(state.Paths, UnnamedSimulation);
    sim.Windows.SetMainCaption(MainCaption(sim.Ui.Today(), sim.Run.SimulationTitle));
    sim.Windows.ClearRunFigures();
    sim.Windows.HideResultWindows();
    sim.Windows.HidePrbsWindow();
    sim.Windows.CloseFrequencyWindow();
    sim.Windows.ShowToolWindows();
}

SaveFirst AskToSaveChanges(Simulation& sim, ProgramState& state) {
    if (!sim.History.Changed()) return SaveFirst::Go;
    switch (sim.Ui.AskYesNoCancel("Do you wish to save ..", "Quorvane")) {
    case Answer::No: return SaveFirst::Go;
    case Answer::Cancel: return SaveFirst::Stop;
    case Answer::Yes: break;
    }
    if (state.NewModel || state.Paths.CurrentPath.empty()) return SaveFirst::ThroughDialog;
    // The model's own file: replacing it is what Yes asked for.
    const bool saved = SaveTypedSimulation(sim, state, state.Paths.CurrentPath, state.Paths.CurrentFolder, false);
    return saved ? SaveFirst::Go : SaveFirst::Stop;
}

void SetFrequencyInHz(Simulation& sim, bool hertz) {
    sim.History.NoteSettings(sim.Run.FrequencyInHz, hertz);
    sim.Run.FrequencyInHz = hertz;
    const std::string units = EffectiveFrequencyUnits(sim.Run);
    for (int f = 1; f <= sim.FormCount && f <= FormSlots; ++f) {
        SimulationForm& form = sim.Forms[f];
        if (form.InUse <= 0) continue;
        for (int b = 1; b <= form.BlockCount; ++b) {
            if (IsEffectiveFrequency(form.Blocks[b].FunctionCode)) form.Blocks[b].Units = units;
        }
    }
    sim.Windows.RefreshOptions();
}

void ToggleMathsSymbols(Simulation& sim) {
    const bool on = !sim.Run.MathsSymbols;
    sim.History.NoteSettings(sim.Run.MathsSymbols, on);
    sim.Run.MathsSymbols = on;
    sim.Windows.RefreshOptions();
}

void RedrawFormSheets(Simulation& sim) {
    for (int f = 1; f <= sim.FormCount && f <= FormSlots; ++f) sim.Windows.RequestRedraw(f);
}

std::string CommandLinePath(const std::string& argument) {
    if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"')
        return argument.substr(1, argument.size() - 2);
    return argument;
}

bool LoadNamedSimulation(Simulation& sim, ProgramState& state, const std::string& name) {
    // A name given on the command line is relative to the folder the program was started in.
    std::error_code error;
    return LoadTypedSimulation(sim, state, name, std::filesystem::current_path(error).string(), FileLayout::Current);
}

}  // namespace quorvane
