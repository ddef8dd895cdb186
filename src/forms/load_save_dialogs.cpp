#include "forms/load_save_dialogs.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "engine/simulation.h"
#include "storage/data_file_reader.h"
#include "storage/data_file_writer.h"
#include "storage/legacy_reader.h"

namespace quorvane {

namespace {

// The File menu has this many recent-file items.
constexpr int RecentMenuItems = 5;

/// A text shown as written in a menu: "&" is not an access key.
std::string MenuLiteral(const std::string& text) {
    std::string literal;
    for (char c : text) {
        if (c == '&') literal += '&';
        literal += c;
    }
    return literal;
}

/// The folders above a file, outermost first.
std::vector<std::string> FoldersOf(const std::string& path) {
    std::vector<std::string> folders;
    for (const std::filesystem::path& part : std::filesystem::path(path).parent_path().relative_path())
        folders.push_back(part.string());
    return folders;
}

/// The last `depth` folders above `path` ("models/a" for depth 2 of "/home/u/models/a/x.vqe");
/// the whole folder when it has no more.
std::string FolderTail(const std::string& path, std::size_t depth) {
    const std::vector<std::string> folders = FoldersOf(path);
    if (depth >= folders.size()) return std::filesystem::path(path).parent_path().string();
    std::string tail;
    for (std::size_t i = folders.size() - depth; i < folders.size(); ++i) tail += (tail.empty() ? "" : "/") + folders[i];
    return tail;
}

/// How many trailing folders tell recent file `n` apart from every other one shown under the
/// same name: 0 when its name is its own.
std::size_t FoldersNeeded(const RecentFiles& recent, const std::vector<std::string>& shown, int n) {
    const std::string& mine = recent.RecentPath[n];
    const std::size_t deepest = FoldersOf(mine).size();
    std::size_t depth = 0;
    for (int other = 1; other <= static_cast<int>(shown.size()); ++other) {
        if (other == n || shown[static_cast<std::size_t>(other - 1)] != shown[static_cast<std::size_t>(n - 1)]) continue;
        depth = std::max<std::size_t>(depth, 1);
        while (depth < deepest && FolderTail(mine, depth) == FolderTail(recent.RecentPath[other], depth)) ++depth;
    }
    return depth;
}

}  // namespace

FileDialogView OpenFileDialog(const FilePaths& paths) {
    FileDialogView view;
    view.Pattern = "*." + paths.DefaultExt;
    view.Folder = paths.CurrentFolder;
    if (view.Folder.size() > 1 && view.Folder.back() == PathSeparator) view.Folder.pop_back();
    view.NameBox = paths.CurrentPath;
    return view;
}

std::string NameInFolder(std::string_view folder, std::string_view fileName) {
    std::string name(folder);
    if (name.empty() || name.back() != PathSeparator) name += PathSeparator;
    name += fileName;
    return name;
}

std::string MoveNameToFolder(std::string_view nameBox, std::string_view folder) {
    const std::size_t separator = nameBox.rfind(PathSeparator);
    return NameInFolder(folder, separator == std::string_view::npos ? nameBox : nameBox.substr(separator + 1));
}

std::string CompleteTypedPath(FilePaths& paths, const std::string& typed, const std::string& folderShown) {
    const PathParts parts = Unpack(typed, paths.DefaultExt);
    paths.CurrentDrive = parts.Drive;
    paths.CurrentFolder = parts.Folder;
    paths.CurrentExt = parts.Extension;
    if (paths.CurrentDrive.empty() && paths.CurrentFolder.empty()) paths.CurrentFolder = folderShown;
    paths.CurrentPath = JoinPath(paths.CurrentDrive, paths.CurrentFolder, parts.Name, paths.CurrentExt);
    return paths.CurrentPath;
}

bool LoadTypedSimulation(Simulation& sim, ProgramState& state, const std::string& typed,
                         const std::string& folderShown, FileLayout layout) {
    // A file that does not load leaves "Save" pointing where it pointed before.
    FilePaths paths = state.Paths;
    const std::string path = CompleteTypedPath(paths, typed, folderShown);
    const bool loaded = layout == FileLayout::Older ? LoadLegacySimulation(sim, path) : LoadSimulation(sim, path);
    if (!loaded) return false;
    state.Paths = std::move(paths);
    // Only a file that loaded is worth offering again, and only then does the model have a file.
    Filstore(state.Filestor, path, sim.Ui.Today());
    state.NewModel = false;
    return true;
}

bool SaveTypedSimulation(Simulation& sim, ProgramState& state, const std::string& typed,
                         const std::string& folderShown, bool askOverwrite) {
    // The shared paths change only once the model is in the file, so that a refused save leaves
    // "Save" pointing where it pointed before.
    FilePaths paths = state.Paths;
    const std::string path = CompleteTypedPath(paths, typed, folderShown);
    // A name box holding no file name (empty, or only a folder) would write a hidden ".vqe".
    if (Unpack(typed, paths.DefaultExt).Name.empty()) {
        sim.Ui.Message("Enter a file name");
        return false;
    }
    std::error_code error;
    if (askOverwrite && std::filesystem::exists(path, error) &&
        !sim.Ui.Ask("file exists - overwrite ?", "Quorvane", Answer::No))
        return false;
    if (!SaveSimulation(sim, path)) return false;
    state.Paths = std::move(paths);
    Filstore(state.Filestor, path, sim.Ui.Today());
    state.NewModel = false;
    return true;
}

bool ReadFilestor(Simulation& sim, ProgramState& state) {
    if (LoadFilestor(sim.Ui, state.Filestor, state.Recent)) return true;
    state.Recent = RecentFiles{};
    std::error_code ignored;
    std::filesystem::remove(state.Filestor, ignored);
    EnsureFilestor(state.Filestor, sim.Ui.Today());
    return false;
}

std::vector<std::string> RecentFileCaptions(const RecentFiles& recent) {
    std::vector<std::string> shown;
    for (int n = 1; n <= std::min(recent.RecentCount, RecentMenuItems); ++n)
        shown.push_back(recent.RecentName[n].empty() ? recent.RecentPath[n] : recent.RecentName[n]);
    std::vector<std::string> captions;
    for (int n = 1; n <= static_cast<int>(shown.size()); ++n) {
        std::string caption = "&" + std::to_string(n) + " " + MenuLiteral(shown[static_cast<std::size_t>(n - 1)]);
        const std::size_t depth = FoldersNeeded(recent, shown, n);
        if (depth > 0) caption += "  (" + MenuLiteral(FolderTail(recent.RecentPath[n], depth)) + ")";
        captions.push_back(std::move(caption));
    }
    return captions;
}

}  // namespace quorvane
