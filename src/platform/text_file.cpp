#include "platform/text_file.h"

#include <cerrno>
#include <cstdio>
#include <optional>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane {

namespace {

namespace fs = std::filesystem;

// As the kernel, give up on a chain of symbolic links this long.
constexpr int LinkHopLimit = 40;
constexpr int NameAttempts = 100;

std::string SystemError(int code) { return std::generic_category().message(code); }

// The file a save replaces: the path itself or, through a chain of symbolic links, the path the
// last link names, which may not exist yet.
std::optional<fs::path> FinalTarget(const fs::path& path, int& code) {
    fs::path current = path;
    for (int hop = 0; hop < LinkHopLimit; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno == ENOENT) return current;
            code = errno;
            return std::nullopt;
        }
        if (!S_ISLNK(info.st_mode)) return current;
        std::error_code error;
        const fs::path next = fs::read_symlink(current, error);
        if (error) {
            code = error.value();
            return std::nullopt;
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    code = ELOOP;
    return std::nullopt;
}

bool WriteAll(int descriptor, std::string_view text, int& code) {
    while (!text.empty()) {
        const ssize_t written = ::write(descriptor, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            code = errno;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Closes once; a failed close can be the first report of a failed write.
bool Close(int& descriptor, int& code) {
    const int result = ::close(descriptor);
    descriptor = -1;
    if (result == 0) return true;
    code = errno;
    return false;
}

std::string WriteInPlace(const fs::path& path, std::string_view text) {
    int descriptor = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0) return SystemError(errno);
    int code = 0;
    const bool written = WriteAll(descriptor, text, code);
    if (!Close(descriptor, code) || !written) return SystemError(code);
    return {};
}

// A new, hidden file of a random name in `folder`, which nothing else can have opened.
int CreateTemporary(const fs::path& folder, mode_t mode, fs::path& temporary, int& code) {
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device entropy;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof Letters - 2);
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        std::string name = ".quorvane-";
        for (int i = 0; i < 12; ++i) name += Letters[pick(entropy)];
        temporary = folder / (name + ".tmp");
        const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (descriptor >= 0) return descriptor;
        if (errno != EEXIST) break;
    }
    code = errno;
    return -1;
}

// The rename is only durable once the folder itself is on disk; the file is complete either way.
void SyncFolder(const fs::path& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
}

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
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        if (S_ISDIR(info.st_mode)) return SystemError(EISDIR);
        return WriteInPlace(path, text);
    }
    int code = 0;
    const std::optional<fs::path> target = FinalTarget(path, code);
    if (!target) return SystemError(code);
    const bool exists = ::stat(target->c_str(), &info) == 0;
    // A file nobody may write is read-only even to the superuser, who could otherwise replace it.
    if (exists && ((info.st_mode & 0222) == 0 || ::access(target->c_str(), W_OK) != 0))
        return SystemError((info.st_mode & 0222) == 0 ? EACCES : errno);

    const fs::path folder = target->has_parent_path() ? target->parent_path() : fs::path(".");
    fs::path temporary;
    // The replacement of an existing file stays private until it has the file's own permissions.
    int descriptor = CreateTemporary(folder, exists ? 0600 : 0666, temporary, code);
    if (descriptor < 0) return SystemError(code);
    bool written = WriteAll(descriptor, text, code);
    if (written && ::fsync(descriptor) != 0) {
        written = false;
        code = errno;
    }
    if (written && exists && ::fchmod(descriptor, info.st_mode & 07777) != 0) {
        written = false;
        code = errno;
    }
    int closeCode = 0;
    if (!Close(descriptor, closeCode) && written) {
        written = false;
        code = closeCode;
    }
    if (written && ::rename(temporary.c_str(), target->c_str()) == 0) {
        SyncFolder(folder);
        return {};
    }
    if (written) code = errno;
    ::unlink(temporary.c_str());
    return SystemError(code);
}

}  // namespace quorvane
