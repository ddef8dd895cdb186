#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quorvane::testing {

/// A new folder under the system's temporary folder, made by mkdtemp so no other test or run
/// shares it, and removed with everything in it at the end.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::filesystem::path operator/(const std::string& name) const { return Path / name; }

    std::filesystem::path Path;
};

/// A file's bytes; empty when it cannot be read.
std::string ReadAll(const std::filesystem::path& path);
/// Writes the bytes, making the folders on the way.
void WriteAll(const std::filesystem::path& path, const std::string& text);
/// A text file's lines, without their line feeds.
std::vector<std::string> ReadLines(const std::filesystem::path& path);

/// The lines of a data file text, without their CR LF ends, and back.
std::vector<std::string> SplitLines(const std::string& text);
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace quorvane::testing
