#include "storage/recent_files.h"

#include <algorithm>
#include <ctime>
#include <vector>

#include <sys/stat.h>

#include "platform/text.h"
#include "platform/text_file.h"
#include "storage/line_reader.h"
#include "storage/line_writer.h"

namespace quorvane {

namespace {

// Stored paths are read up to this position, as many as the store may hold after a hand edit.
constexpr int StoredPathsRead = 11;
// Ends the list of paths in the store.
constexpr const char* PathListEnd = "0";

std::string StoreText(const std::vector<std::string>& paths, const CalendarDate& today) {
    LineWriter out;
    out.Integer(static_cast<long long>(paths.size()));
    for (const std::string& path : paths) out.Text(path);
    out.Text(PathListEnd);
    out.Text(FormatDate(today, "mm-dd-yyyy"));
    return out.Result();
}

// The stored paths, in order, as far as the store can be read.
std::vector<std::string> StoredPaths(const std::filesystem::path& store) {
    std::vector<std::string> paths;
    std::string text;
    std::string error;
    if (ReadTextFile(store, text, error) != ReadOutcome::Read) return paths;
    LineReader in(text);
    try {
        const int count = std::min(in.ShortInteger(), StoredPathsRead);
        while (static_cast<int>(paths.size()) < count) {
            std::string path = in.Text();
            if (path == PathListEnd) break;
            paths.push_back(std::move(path));
        }
    } catch (const std::runtime_error&) {
        // What was read before the damage still counts.
    }
    return paths;
}

}  // namespace

std::string FileChangeTime(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return "";
    std::tm local{};
    localtime_r(&status.st_mtime, &local);
    char text[32];
    return std::strftime(text, sizeof text, "%d/%m/%Y %H:%M:%S", &local) > 0 ? text : "";
}

std::filesystem::path FilestorPath(const std::filesystem::path& folder) { return folder / FilestorName; }

std::string EnsureFilestor(const std::filesystem::path& store, const CalendarDate& today) {
    std::error_code error;
    if (std::filesystem::exists(store, error)) return {};
    return ReplaceFile(store, StoreText({}, today));
}

std::string Filstore(const std::filesystem::path& store, const std::string& newPath, const CalendarDate& today) {
    std::vector<std::string> paths{newPath};
    for (std::string& path : StoredPaths(store)) {
        if (static_cast<int>(paths.size()) == FilestorPaths) break;
        // Empty entries are no paths; repeats would waste a place in the menu.
        if (path.empty() || std::find(paths.begin(), paths.end(), path) != paths.end()) continue;
        paths.push_back(std::move(path));
    }
    return ReplaceFile(store, StoreText(paths, today));
}

bool LoadFilestor(Host& ui, const std::filesystem::path& store, RecentFiles& recent) {
    recent = RecentFiles{};
    std::string text;
    std::string error;
    try {
        if (ReadTextFile(store, text, error) != ReadOutcome::Read) throw DataFileError(error);
        LineReader in(text);
        const int count = std::min(static_cast<int>(in.ShortInteger()), RecentFileLast);
        for (int i = 1; i <= count && !in.AtEnd(); ++i) {
            std::string path = in.Text();
            if (path == PathListEnd) break;
            recent.RecentPath[i] = std::move(path);
            recent.RecentDate[i] = FileChangeTime(recent.RecentPath[i]);
            recent.RecentName[i] = "Unavailable";
            recent.RecentTitle[i] = "Unavailable";
            recent.RecentCount = i;
            std::string content;
            if (ReadTextFile(recent.RecentPath[i], content, error) != ReadOutcome::Read) continue;
            try {
                LineReader file(content);
                std::string name = file.Text();
                recent.RecentTitle[i] = file.Text();
                recent.RecentName[i] = std::move(name);
            } catch (const std::runtime_error&) {
                // Not a data file, or cut short: it stays "Unavailable".
            }
        }
    } catch (const std::runtime_error&) {
        ui.Message("System Filestore  " + store.string() + "  cannot be accessed");
        return false;
    }
    return true;
}

}  // namespace quorvane
