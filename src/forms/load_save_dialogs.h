#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "forms/main_window.h"

namespace quorvane {

struct Simulation;

/// The reader a load uses: the current layout, or the older one (Ctrl+O in the name box).
enum class FileLayout { Current = 0, Older = 1 };

/// What the load and save dialogs show when they open.
struct FileDialogView {
    std::string Pattern;   ///< Text2: "*." + the default extension
    std::string Folder;    ///< Dir1: the current folder, without a trailing separator
    std::string NameBox;   ///< Text1: the current path
};

FileDialogView OpenFileDialog(const FilePaths& paths);

/// The name box after a file of `folder` is chosen: folder, separator (unless the folder ends
/// with one), file name.
std::string NameInFolder(std::string_view folder, std::string_view fileName);

/// The save dialog's name box after its folder changed: the file name it held, in `folder`.
std::string MoveNameToFolder(std::string_view nameBox, std::string_view folder);

/// The typed name made a full path: a name without a folder takes `folderShown` (the dialog's
/// folder list), a name without an extension the default one. The parts go to `paths`
/// (CurrentFolder, CurrentExt, CurrentPath, which is returned).
std::string CompleteTypedPath(FilePaths& paths, const std::string& typed, const std::string& folderShown);

/// "Load": the completed path loaded with the reader of `layout`. Only a file that loaded
/// becomes the current path, is put first in the recent-file store and clears the new-model
/// flag; a refused load changes none of them. Returns whether it loaded.
bool LoadTypedSimulation(Simulation& sim, ProgramState& state, const std::string& typed,
                         const std::string& folderShown, FileLayout layout);

/// "Save" (askOverwrite) and "Finish" (not): the model written to the completed path through the
/// safe save. An existing file is replaced only after "file exists - overwrite ?" is answered
/// Yes (No preset). A saved file goes first in the recent-file store, clears the new-model flag
/// and becomes the current path; a refused or failed save changes none of that. A name box
/// without a file name saves nothing and says "Enter a file name". Returns whether it saved.
bool SaveTypedSimulation(Simulation& sim, ProgramState& state, const std::string& typed,
                         const std::string& folderShown, bool askOverwrite);

/// Reads the recent-file store into state.Recent. The program cannot go on without one, so a
/// store that cannot be read is reported, then replaced by an empty one; returns false then.
bool ReadFilestor(Simulation& sim, ProgramState& state);

/// The captions of the File menu's recent-file items, at most five: "&1 " + the stored name, or
/// the path when the name is empty. Entries shown under one name in different folders are
/// followed by as many of their last folders as tell them apart ("  (models/a)"). An "&" is
/// shown, not taken as an access key.
std::vector<std::string> RecentFileCaptions(const RecentFiles& recent);

}  // namespace quorvane
