#pragma once

#include <filesystem>
#include <string>

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

}  // namespace quorvane::testing
