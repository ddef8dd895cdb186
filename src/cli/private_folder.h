#pragma once

#include <filesystem>
#include <string>

namespace quorvane {

/// A folder for the runner's scratch files that no other user can reach or predict: made with
/// a random name and mode 0700 in the system's temporary folder, removed with its content when
/// the runner ends.
class PrivateFolder {
public:
    PrivateFolder();
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    /// Empty when the folder could not be made; Error() then says why.
    const std::filesystem::path& Path() const { return Folder; }
    const std::string& Error() const { return Failure; }

private:
    std::filesystem::path Folder;
    std::string Failure;
};

}  // namespace quorvane
