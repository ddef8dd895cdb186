#pragma once

#include <filesystem>
#include <string>

namespace quorvane {

class Host;

/// The program's version information, as the packing slip records it.
struct VersionInfo {
    int Major = 0;
    int Minor = 0;
    int Revision = 0;
    std::string Company;
    std::string LegalNotice;
};

/// Where the bundled files come from and where the program keeps its own.
struct ProgramFolders {
    std::filesystem::path Program;   ///< the executable's folder: bundled examples, manuals, sounds
    std::filesystem::path UserData;  ///< stands in for the program folder when that is read-only
};

inline constexpr const char* ExampleFolderName = "Examples";
inline constexpr const char* PackingSlipName = "Packing Slip.pck";
/// The bundled example models stand in this folder beside the executable.
inline constexpr const char* BundledExamplesFolder = "examples";

/// The program's own folder when it can be written, otherwise the user's data folder (created
/// here when missing): the recent-file store and the example folder live there.
std::filesystem::path ChooseAppFolder(const ProgramFolders& folders);

/// First-start preparation of `appFolder`/`folderName`: the folder is created and announced,
/// a packing slip written, and the bundled models with extension `extension` copied in (the
/// manuals too, when the app folder is not the program's own). With the slip already there
/// nothing is done or said. Failures are reported and start-up goes on. Returns `appFolder`.
std::filesystem::path PrepareExamples(Host& ui, const ProgramFolders& folders, const std::filesystem::path& appFolder,
                                      const std::string& folderName, const std::string& extension,
                                      const VersionInfo& version);

}  // namespace quorvane
