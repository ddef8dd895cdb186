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
    bool NewModel = false;             ///< the model has no file yet: exit offers to save it
    bool Sounds = true;
    bool AnnotateTitle = false;        ///< "Title" and "Function" carry ticks only
    bool AnnotateFunction = false;
};

/// The main window's start-up after its windows exist: example folder prepared, recent-file
/// store read (a damaged one is reported, then written afresh empty so the program can start),
/// the print dump placed, the model started with slot 1 on sheet 1, and the toolbox and run
/// window shown. With a non-empty store the model starts as "Unnamed Simulation" with the
/// new-model flag on and a dated caption; with an empty one the caption stays "Quorvane".
void StartProgram(Simulation& sim, ProgramState& state, const ProgramFolders& folders, const VersionInfo& version);

/// "New Simulation": a new, empty model under the current folder, not yet saved.
void StartNewSimulation(Simulation& sim, ProgramState& state);

/// Hertz on or off: the option, then the units of every effective-frequency block on the
/// forms 1 .. FormCount that are in use.
void SetFrequencyInHz(Simulation& sim, bool hertz);

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
