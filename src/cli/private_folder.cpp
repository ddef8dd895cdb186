#include "cli/private_folder.h"

#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace quorvane {

PrivateFolder::PrivateFolder() {
    std::error_code error;
    const std::filesystem::path system = std::filesystem::temp_directory_path(error);
    if (error) {
        Failure = error.message();
        return;
    }
    std::string pattern = (system / "quorvane-run-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        Failure = std::generic_category().message(errno);
        return;
    }
    Folder = pattern;
}

PrivateFolder::~PrivateFolder() {
    std::error_code ignored;
    if (!Folder.empty()) std::filesystem::remove_all(Folder, ignored);
}

}  // namespace quorvane
