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

/// Where the shipped files come from and where the program keeps its own.
struct ProgramFolders {
    std::filesystem::path Program;    ///< the executable's folder
    std::filesystem::path UserData;   ///< the user's data folder, for a program that may not write beside itself
    std::filesystem::path Installed = {};  ///< an installed program's shipped files; empty in a build folder
};

inline constexpr const char* ExampleFolderName = "Examples";
inline constexpr const char* PackingSlipName = "Packing Slip.pck";
/// An installed program's example models, under its shipped files.
inline constexpr const char* InstalledExamplesFolder = "examples";

/// The folders of a program whose executable is in `programFolder`: installed when
/// `programFolder`/`dataFromProgram` holds its shipped files (so a moved prefix still works),
/// otherwise a build folder with everything beside the executable.
ProgramFolders LocateProgramFolders(const std::filesystem::path& programFolder, const std::filesystem::path& userData,
                                    const std::filesystem::path& dataFromProgram);

/// The manuals and sounds: an installed program's shipped files, or the program folder.
std::filesystem::path DataFolder(const ProgramFolders& folders);

/// The example models the first start copies from: an installed program's shipped examples, or
/// the example folder the build fills beside the executable.
std::filesystem::path ShippedExamples(const ProgramFolders& folders);

/// The program's own folder when it is a writable build folder, otherwise the user's data folder
/// (created here when missing): the recent-file store and the example folder live there. An
/// installed program never writes beside itself, even where it could.
std::filesystem::path ChooseAppFolder(const ProgramFolders& folders);

/// First-start preparation of `appFolder`/`folderName`: the folder is created and announced,
/// a packing slip written, and the shipped models with extension `extension` copied in (unless
/// the folder is where they were shipped). With the slip already there nothing is done or said.
/// Failures are reported and start-up goes on. Returns `appFolder`.
std::filesystem::path PrepareExamples(Host& ui, const ProgramFolders& folders, const std::filesystem::path& appFolder,
                                      const std::string& folderName, const std::string& extension,
                                      const VersionInfo& version);

}  // namespace quorvane
