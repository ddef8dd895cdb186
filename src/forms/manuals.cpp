#include "forms/manuals.h"

#include <array>
#include <filesystem>

#include <unistd.h>

#include "platform/host.h"
#include "platform/text.h"

namespace quorvane {

namespace {

// Readers in order of preference; xdg-open hands the file to whatever the desktop prefers.
constexpr std::array<const char*, 6> KnownReaders = {"evince", "okular", "qpdfview", "zathura", "mupdf", "xdg-open"};

bool IsExecutableFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

std::string FoundOnPath(std::string_view searchPath, std::string_view program) {
    while (true) {
        const auto colon = searchPath.find(':');
        const std::string_view folder = searchPath.substr(0, colon);
        // An empty entry is the current directory; a reader there is not one the user installed.
        if (!folder.empty()) {
            const std::filesystem::path candidate = std::filesystem::path(folder) / program;
            if (IsExecutableFile(candidate)) return candidate.string();
        }
        if (colon == std::string_view::npos) return {};
        searchPath.remove_prefix(colon + 1);
    }
}

std::string TopicSearchText(int key) { return "Topic " + Format(key, "##"); }

}  // namespace

std::string ManualFileName(int manual) {
    switch (manual) {
        case UserGuideManual: return "Quorvane Manual.pdf";
        case FunctionBlockManual: return "Quorvane Function Blocks.pdf";
        case ExamplesManual: return "Quorvane Examples Help.pdf";
        default: return {};
    }
}

std::string FindPdfReader(std::string_view searchPath) {
    for (const char* reader : KnownReaders) {
        std::string found = FoundOnPath(searchPath, reader);
        if (!found.empty()) return found;
    }
    return {};
}

ReaderLaunch ManualLaunch(const std::string& reader, const std::string& manualPath, int key) {
    ReaderLaunch launch{reader, {}};
    if (key != 0) {
        const std::string name = std::filesystem::path(reader).filename().string();
        if (name == "evince") launch.Arguments.push_back("--find=" + TopicSearchText(key));
        if (name == "okular") launch.Arguments.insert(launch.Arguments.end(), {"--find", TopicSearchText(key)});
    }
    launch.Arguments.push_back(manualPath);
    return launch;
}

void OpenManual(Host& ui, const std::string& helpFolder, int key, int manual, std::string_view searchPath,
                const ProcessStarter& start) {
    const std::string reader = FindPdfReader(searchPath);
    if (reader.empty()) {
        ui.Message("PDF Reader not found");
        return;
    }
    if (!IsExecutableFile(reader)) {
        ui.Message("bad program path");
        return;
    }
    // Topics are headings of the function-block manual, whichever manual the caller named.
    const std::string manualPath = helpFolder + ManualFileName(key != 0 ? FunctionBlockManual : manual);
    std::error_code error;
    if (!std::filesystem::is_regular_file(manualPath, error)) {
        ui.Message("Manual not found");
        return;
    }
    if (!start(ManualLaunch(reader, manualPath, key))) ui.Message("bad program path");
}

}  // namespace quorvane
