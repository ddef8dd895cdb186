#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvane {

enum class ReadOutcome { Read = 0, Missing = 1, Failed = 2 };

/// Reads a whole file. On Missing or Failed, `error` holds the system's description.
ReadOutcome ReadTextFile(const std::filesystem::path& path, std::string& text, std::string& error);

/// Writes `text` to "<path>.tmp" beside the target and renames it over the target only once every
/// byte is on disk, so a failed write never costs the file it was replacing. Returns the system's
/// description of the failure, or an empty text on success.
std::string ReplaceFile(const std::filesystem::path& path, std::string_view text);

}  // namespace quorvane
