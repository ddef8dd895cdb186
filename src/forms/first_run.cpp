#include "forms/first_run.h"

#include <cmath>
#include <system_error>

#include <unistd.h>

#include "platform/host.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "storage/line_writer.h"

namespace quorvane {

namespace fs = std::filesystem;

namespace {

bool IsWritableFolder(const fs::path& folder) {
    std::error_code error;
    return fs::is_directory(folder, error) && ::access(folder.c_str(), W_OK) == 0;
}

std::string ClockText(double secondsSinceMidnight) {
    const int seconds = static_cast<int>(std::floor(secondsSinceMidnight));
    return Format(seconds / 3600, "00") + ":" + Format(seconds / 60 % 60, "00") + ":" + Format(seconds % 60, "00");
}

std::string PackingSlip(Host& ui, const VersionInfo& version) {
    LineWriter slip;
    slip.Text("Quorvane Packing Slip  ");
    slip.Text("Installed: " + FormatDate(ui.Today(), "dd/mm/yyyy") + " " + ClockText(ui.SecondsSinceMidnight()));
    slip.Text("Version " + std::to_string(version.Major) + "." + std::to_string(version.Minor) + "." +
              std::to_string(version.Revision));
    slip.Text(version.Company);
    slip.Text(version.LegalNotice);
    slip.Text(" ");
    slip.Text("End of File");
    return slip.Result();
}

/// Copies the files of `from` whose extension is `extension` into `to`, overwriting; when the
/// two are one folder the files are only counted. False (with the reason) when a copy failed.
bool CopyMatching(const fs::path& from, const std::string& extension, const fs::path& to, std::error_code& error,
                  int& found) {
    const bool sameFolder = fs::equivalent(from, to, error);
    for (fs::directory_iterator entry(from, error), end; !error && entry != end; entry.increment(error)) {
        if (!entry->is_regular_file(error) || entry->path().extension() != "." + extension) continue;
        if (!sameFolder)
            fs::copy_file(entry->path(), to / entry->path().filename(), fs::copy_options::overwrite_existing, error);
        if (error) return false;
        ++found;
    }
    return !error;
}

void ReportCopyFailure(Host& ui, const std::error_code& error) {
    if (error == std::errc::no_such_file_or_directory) ui.Message("Setup Phase -No Example files available");
    else if (error == std::errc::file_exists) ui.Message("Setup Phase - Example files exist already");
    else ui.Message("Setup Phase - First Entry File Copy - " + error.message());
}

}  // namespace

ProgramFolders LocateProgramFolders(const fs::path& programFolder, const fs::path& userData,
                                    const fs::path& dataFromProgram) {
    ProgramFolders folders{programFolder, userData};
    std::error_code error;
    const fs::path shipped = (programFolder / dataFromProgram).lexically_normal();
    if (fs::is_directory(shipped, error)) folders.Installed = shipped;
    return folders;
}

fs::path DataFolder(const ProgramFolders& folders) {
    return folders.Installed.empty() ? folders.Program : folders.Installed;
}

fs::path ShippedExamples(const ProgramFolders& folders) {
    return folders.Installed.empty() ? folders.Program / ExampleFolderName : folders.Installed / InstalledExamplesFolder;
}

fs::path ChooseAppFolder(const ProgramFolders& folders) {
    if (folders.Installed.empty() && IsWritableFolder(folders.Program)) return folders.Program;
    std::error_code error;
    fs::create_directories(folders.UserData, error);
    return folders.UserData;
}

fs::path PrepareExamples(Host& ui, const ProgramFolders& folders, const fs::path& appFolder,
                         const std::string& folderName, const std::string& extension, const VersionInfo& version) {
    const fs::path exampleFolder = appFolder / folderName;
    const fs::path slip = exampleFolder / PackingSlipName;
    std::error_code error;
    if (!fs::exists(exampleFolder, error)) {
        ui.Message("creating " + exampleFolder.string());
        if (!fs::create_directories(exampleFolder, error)) {
            ReportCopyFailure(ui, error ? error : std::make_error_code(std::errc::io_error));
            return appFolder;
        }
        ui.Message("Creating Packing Slip");
    } else if (fs::exists(slip, error)) {
        return appFolder;
    } else {
        ui.Message("Creating packing slip");
    }
    const std::string written = ReplaceFile(slip, PackingSlip(ui, version));
    if (!written.empty()) {
        ui.Message("Setup Phase - First Entry File Copy - " + written);
        return appFolder;
    }
    int found = 0;
    if (!CopyMatching(ShippedExamples(folders), extension, exampleFolder, error, found)) {
        ReportCopyFailure(ui, error);
        return appFolder;
    }
    if (found == 0) ui.Message("Setup Phase -No Example files available");
    return appFolder;
}

}  // namespace quorvane
