#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvane {

enum class ReadOutcome { Read = 0, Missing = 1, Failed = 2 };

/// Reads a whole file. On Missing or Failed, `error` holds the system's description.
ReadOutcome ReadTextFile(const std::filesystem::path& path, std::string& text, std::string& error);

/// Replaces the file at `path` with `text` so that the file is never seen half written and a
/// failure never costs the file it was replacing:
/// - the text goes to a new file of a unique name beside the target, created exclusively, so no
///   other file (a user's own "NAME.tmp", a save running at the same time) is touched;
/// - it is synced and closed, with every error checked, and only then renamed over the target;
/// - a symbolic link is written through: the file it names is replaced and the link stays;
/// - the target keeps its permissions, and a target that may not be written is refused;
/// - a device or pipe (/dev/stdout) is written in place, as there is no file to replace.
/// Returns the system's description of a failure ("Permission denied", "No space left on
/// device"), or an empty text on success.
std::string ReplaceFile(const std::filesystem::path& path, std::string_view text);

}  // namespace quorvane
