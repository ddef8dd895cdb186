#pragma once

#include <filesystem>
#include <string>

#include "model/table.h"
#include "platform/host.h"

namespace quorvane {

inline constexpr const char* FilestorName = "NelqueStor.dat";
inline constexpr int RecentFileLast = 10;   ///< recent-file tables 1..10
inline constexpr int FilestorPaths = 6;     ///< the store keeps at most this many paths

/// The recent files as the File menu lists them, newest first.
struct RecentFiles {
    Table<std::string, RecentFileLast> RecentPath;
    Table<std::string, RecentFileLast> RecentDate;    ///< the file's last change, platform format
    Table<std::string, RecentFileLast> RecentName;    ///< the file's first line, its stored name
    Table<std::string, RecentFileLast> RecentTitle;   ///< its second line, title and save date
    int RecentCount = 0;
};

/// A file's last change in the platform's date and time form ("06/12/2026 17:05:09"), or an
/// empty text when the file cannot be examined.
std::string FileChangeTime(const std::string& path);

std::filesystem::path FilestorPath(const std::filesystem::path& folder);

/// Creates an empty store (count 0) when none exists, so a first start finds one. Returns the
/// system's description of a failure, or an empty text.
std::string EnsureFilestor(const std::filesystem::path& store, const CalendarDate& today);

/// Puts `newPath` first in the store, followed by up to five older paths in their order, none
/// repeated. A store that is missing or unreadable is started afresh. Returns the system's
/// description of a write failure, or an empty text.
std::string Filstore(const std::filesystem::path& store, const std::string& newPath, const CalendarDate& today);

/// Reads the store into `recent`; a listed file that cannot be read is named "Unavailable".
/// When the store cannot be read, shows "System Filestore  <path>  cannot be accessed" and
/// returns false: the program cannot go on.
bool LoadFilestor(Host& ui, const std::filesystem::path& store, RecentFiles& recent);

}  // namespace quorvane
