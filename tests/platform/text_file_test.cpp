#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>

#include "platform/text_file.h"
#include "support/scratch_folder.h"

namespace quorvane {
namespace {

namespace fs = std::filesystem;

using testing::ReadAll;
using testing::ScratchFolder;
using testing::WriteAll;

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

mode_t Mode(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

/// Files of this process cannot grow past `bytes` while it lives: a write beyond fails as on a
/// full disk (with "File too large" instead of "No space left on device").
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &Saved);
        Signal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, Saved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &Saved);
        std::signal(SIGXFSZ, Signal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit Saved{};
    void (*Signal)(int) = nullptr;
};

TEST(ReplaceFile, KeepsPermissionsAndRefusesAReadOnlyTarget) {
    ScratchFolder folder;
    const fs::path path = folder / "model.vqe";
    const struct {
        mode_t Mode;
        const char* Error;
    } cases[] = {{0600, ""}, {0640, ""}, {0664, ""}, {0444, "Permission denied"}, {0400, "Permission denied"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Mode);
        WriteAll(path, "old");
        ASSERT_EQ(::chmod(path.c_str(), c.Mode), 0);
        EXPECT_EQ(ReplaceFile(path, "new"), c.Error);
        EXPECT_EQ(ReadAll(path), *c.Error ? "old" : "new");
        EXPECT_EQ(Mode(path), c.Mode);
        EXPECT_EQ(Names(folder.Path), std::set<std::string>{"model.vqe"});
        ::chmod(path.c_str(), 0600);
    }
}

TEST(ReplaceFile, WritesThroughSymbolicLinksAndTouchesNoOtherFile) {
    ScratchFolder folder;
    fs::create_directory(folder / "real");
    WriteAll(folder / "real" / "model.vqe", "old");
    fs::create_symlink("real/model.vqe", folder / "link.vqe");
    fs::create_symlink(folder / "link.vqe", folder / "chain.vqe");
    fs::create_symlink("real/new.vqe", folder / "dangling.vqe");
    WriteAll(folder / "chain.vqe.tmp", "the user's own");

    EXPECT_EQ(ReplaceFile(folder / "chain.vqe", "through two links"), "");
    EXPECT_EQ(ReplaceFile(folder / "dangling.vqe", "a new file"), "");
    EXPECT_EQ(ReadAll(folder / "real" / "model.vqe"), "through two links");
    EXPECT_EQ(ReadAll(folder / "real" / "new.vqe"), "a new file");
    for (const char* link : {"link.vqe", "chain.vqe", "dangling.vqe"}) EXPECT_TRUE(fs::is_symlink(folder / link));
    EXPECT_EQ(ReadAll(folder / "chain.vqe.tmp"), "the user's own");
    EXPECT_EQ(Names(folder.Path), (std::set<std::string>{"real", "link.vqe", "chain.vqe", "dangling.vqe", "chain.vqe.tmp"}));
    EXPECT_EQ(Names(folder / "real"), (std::set<std::string>{"model.vqe", "new.vqe"}));

    fs::create_symlink("loop.vqe", folder / "loop.vqe");
    EXPECT_EQ(ReplaceFile(folder / "loop.vqe", "x"), "Too many levels of symbolic links");
}

// Two saves to one path at once each succeed, and whoever reads the file meanwhile sees one
// whole text, never a mix.
TEST(ReplaceFile, SavesAtTheSameTimeLeaveOneWholeFile) {
    ScratchFolder folder;
    const fs::path path = folder / "shared.vqe";
    const std::string first(200000, 'a');
    const std::string second(150000, 'b');
    WriteAll(path, first);
    std::atomic<int> failures = 0;
    std::atomic<bool> saving = true;
    auto save = [&](const std::string& text) {
        for (int i = 0; i < 40; ++i) {
            if (!ReplaceFile(path, text).empty()) ++failures;
        }
    };
    int mixed = 0;
    std::thread reader([&] {
        while (saving) {
            const std::string seen = ReadAll(path);
            if (seen != first && seen != second) ++mixed;
        }
    });
    std::thread a(save, first);
    std::thread b(save, second);
    a.join();
    b.join();
    saving = false;
    reader.join();
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(mixed, 0);
    const std::string last = ReadAll(path);
    EXPECT_TRUE(last == first || last == second);
    EXPECT_EQ(Names(folder.Path), std::set<std::string>{"shared.vqe"});
}

TEST(ReplaceFile, AFailedWriteKeepsTheOldFileAndLeavesNoScrap) {
    ScratchFolder folder;
    const fs::path path = folder / "model.vqe";
    WriteAll(path, "old");
    {
        FileSizeLimit full(4096);
        EXPECT_EQ(ReplaceFile(path, std::string(10000, 'x')), "File too large");
    }
    EXPECT_EQ(ReadAll(path), "old");
    EXPECT_EQ(Names(folder.Path), std::set<std::string>{"model.vqe"});

    EXPECT_EQ(ReplaceFile("/dev/full", "x"), "No space left on device");
    EXPECT_EQ(ReplaceFile(folder / "none" / "x.vqe", "x"), "No such file or directory");
    EXPECT_EQ(ReplaceFile(folder.Path, "x"), "Is a directory");
}

}  // namespace
}  // namespace quorvane
