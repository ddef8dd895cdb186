#pragma once

#include <filesystem>
#include <string>

#include "forms/first_run.h"
#include "storage/paths.h"
#include "storage/recent_files.h"

namespace quorvane {

struct Simulation;

/// What the main window keeps besides the model: its folders, the file paths shared by the
/// load and save dialogs, the recent files, the new-model flag and the menu options that are
/// not saved with a model.
struct ProgramState {
    std::filesystem::path AppFolder;
    std::string HelpFolder;            ///< the shipped manuals' folder, with a trailing separator
    std::filesystem::path Filestor;    ///< the recent-file store
    FilePaths Paths;
    RecentFiles Recent;
    bool NewModel = false;             ///< the model has no file yet: saving it needs a name
    bool Sounds = true;
    bool AnnotateTitle = false;        ///< "Title" and "Function" carry ticks only
    bool AnnotateFunction = false;
};

/// The main window's start-up after its windows exist: example folder prepared, recent-file
/// store read (a damaged one is reported, then written afresh empty so the program can start),
/// the print dump placed and written afresh (so "Show Last Print" never shows an earlier start's
/// run), the model started with slot 1 on sheet 1, and the toolbox and run window shown. With a non-empty store the model starts as "Unnamed Simulation" with the
/// new-model flag on and a dated caption; with an empty one the caption stays "Quorvane".
void StartProgram(Simulation& sim, ProgramState& state, const ProgramFolders& folders, const VersionInfo& version);

/// "New Simulation": a new, empty model under the current folder, not yet saved, with the
/// results of the previous model's runs put away.
void StartNewSimulation(Simulation& sim, ProgramState& state);

/// What may follow "Do you wish to save ..", asked before the open model is replaced (New
/// Simulation, a load) or the program ends.
enum class SaveFirst { Go = 0, Stop = 1, ThroughDialog = 2 };

/// Asks "Do you wish to save .." with Yes, No and Cancel when, and only when, the model changed
/// since it was last saved or loaded (Go without a question otherwise). No: Go. Cancel: Stop.
/// Yes saves a model that has a file under its path at once, Go when that worked and Stop when
/// not; a model without a file needs a name from the save dialog (ThroughDialog), and what was
/// asked for goes ahead only once that saved.
SaveFirst AskToSaveChanges(Simulation& sim, ProgramState& state);

/// Hertz on or off: the option, then the units of every effective-frequency block on the
/// forms 1 .. FormCount that are in use.
void SetFrequencyInHz(Simulation& sim, bool hertz);
/// "Show Maths Symbols" turned over.
void ToggleMathsSymbols(Simulation& sim);

/// Asks for the sheets of forms 1 .. FormCount to be redrawn, as a display option changed.
void RedrawFormSheets(Simulation& sim);

/// The path given on the command line: surrounding quotation marks are removed when there are
/// both, any other text is taken as it is.
std::string CommandLinePath(const std::string& argument);

/// The load dialog's "Load" for a typed name: the name completed with the current folder and
/// extension, loaded, and on success put first in the recent-file store with the new-model
/// flag cleared. Returns whether the model was loaded.
bool LoadNamedSimulation(Simulation& sim, ProgramState& state, const std::string& name);

}  // namespace quorvane
