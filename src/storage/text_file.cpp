#include "storage/text_file.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#include <unistd.h>

namespace quorvane {

namespace {

std::string SystemError(int code) { return std::generic_category().message(code); }

}  // namespace

ReadOutcome ReadTextFile(const std::filesystem::path& path, std::string& text, std::string& error) {
    text.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        const int code = errno;
        error = SystemError(code);
        return code == ENOENT ? ReadOutcome::Missing : ReadOutcome::Failed;
    }
    char buffer[8192];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, count);
    const bool failed = std::ferror(file) != 0;
    const int code = errno;
    std::fclose(file);
    if (failed) {
        error = SystemError(code);
        return ReadOutcome::Failed;
    }
    return ReadOutcome::Read;
}

std::string ReplaceFile(const std::filesystem::path& path, std::string_view text) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) return SystemError(errno);
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    written = written && std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
    int code = errno;
    if (std::fclose(file) != 0 && written) {
        written = false;
        code = errno;
    }
    std::error_code renameError;
    if (written) {
        std::filesystem::rename(temporary, path, renameError);
        if (!renameError) return {};
        code = renameError.value();
    }
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return SystemError(code);
}

}  // namespace quorvane
