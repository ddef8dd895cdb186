#include <gtest/gtest.h>

#include "storage/recent_files.h"
#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane::testing {
namespace {

const CalendarDate Today{2026, 3, 9};

std::string StoreWith(const std::vector<std::string>& paths) {
    std::string text = std::to_string(paths.size()) + "\r\n";
    for (const std::string& path : paths) text += "\"" + path + "\"\r\n";
    return text + "\"0\"\r\n\"03-09-2026\"\r\n";
}

TEST(RecentFiles, StoreStartsEmptyAndKeepsSixNewestWithoutRepeats) {
    ScratchFolder folder;
    const std::filesystem::path store = FilestorPath(folder.Path);
    EXPECT_EQ(store.filename(), "NelqueStor.dat");
    EXPECT_EQ(EnsureFilestor(store, Today), "");
    EXPECT_EQ(ReadAll(store), StoreWith({}));
    RecordingHost host;
    RecentFiles recent;
    EXPECT_TRUE(LoadFilestor(host, store, recent));
    EXPECT_EQ(recent.RecentCount, 0);
    EXPECT_TRUE(host.Messages().empty());

    for (const char* path : {"/m/z.vqe", "/m/y.vqe", "/m/x.vqe"}) EXPECT_EQ(Filstore(store, path, Today), "");
    EXPECT_EQ(ReadAll(store), StoreWith({"/m/x.vqe", "/m/y.vqe", "/m/z.vqe"}));
    EXPECT_EQ(EnsureFilestor(store, Today), "");   // an existing store is left alone
    EXPECT_EQ(ReadAll(store), StoreWith({"/m/x.vqe", "/m/y.vqe", "/m/z.vqe"}));

    // Saving x again keeps x, y, z.
    Filstore(store, "/m/x.vqe", Today);
    EXPECT_EQ(ReadAll(store), StoreWith({"/m/x.vqe", "/m/y.vqe", "/m/z.vqe"}));
    // A known path moves to the front, the others keep their order.
    Filstore(store, "/m/z.vqe", Today);
    EXPECT_EQ(ReadAll(store), StoreWith({"/m/z.vqe", "/m/x.vqe", "/m/y.vqe"}));

    for (const char* path : {"/m/1.vqe", "/m/2.vqe", "/m/3.vqe", "/m/4.vqe"}) Filstore(store, path, Today);
    EXPECT_EQ(ReadAll(store), StoreWith({"/m/4.vqe", "/m/3.vqe", "/m/2.vqe", "/m/1.vqe", "/m/z.vqe", "/m/x.vqe"}));

    // A store edited by hand: count beyond its paths, an empty entry, a repeat.
    WriteAll(store, "9\r\n\"/m/a.vqe\"\r\n\"\"\r\n\"/m/a.vqe\"\r\n\"/m/b.vqe\"\r\n");
    Filstore(store, "/m/c.vqe", Today);
    EXPECT_EQ(ReadAll(store), StoreWith({"/m/c.vqe", "/m/a.vqe", "/m/b.vqe"}));
}

TEST(RecentFiles, LoadFilestorReadsNamesAndMarksLostFiles) {
    ScratchFolder folder;
    const std::filesystem::path store = FilestorPath(folder.Path);
    const std::string present = (folder / "present.vqe").string();
    const std::string nameless = (folder / "nameless.vqe").string();
    WriteAll(present, "\"present.vqe\"\r\n\"Pump loop 06 Dec 26\"\r\n0\r\n");
    WriteAll(nameless, "\"\"\r\n\"Nameless 01 Jan 26\"\r\n");
    WriteAll(store, StoreWith({present, (folder / "gone.vqe").string(), nameless}));

    RecordingHost host;
    RecentFiles recent;
    ASSERT_TRUE(LoadFilestor(host, store, recent));
    ASSERT_EQ(recent.RecentCount, 3);
    EXPECT_EQ(recent.RecentName[1], "present.vqe");
    EXPECT_EQ(recent.RecentTitle[1], "Pump loop 06 Dec 26");
    EXPECT_EQ(recent.RecentDate[1].size(), 19u);   // dd/mm/yyyy hh:mm:ss
    EXPECT_EQ(recent.RecentName[2], "Unavailable");
    EXPECT_EQ(recent.RecentTitle[2], "Unavailable");
    EXPECT_EQ(recent.RecentName[3], "");
    EXPECT_EQ(recent.RecentPath[3], nameless);
}

TEST(RecentFiles, UnreadableStoreStopsTheProgram) {
    ScratchFolder folder;
    for (const std::string& content : {std::string(), std::string("many\r\n"), std::string("2\r\nnot quoted\r\n")}) {
        SCOPED_TRACE(content);
        const std::filesystem::path store = FilestorPath(folder.Path);
        if (!content.empty()) WriteAll(store, content);
        RecordingHost host;
        RecentFiles recent;
        EXPECT_FALSE(LoadFilestor(host, store, recent));
        EXPECT_EQ(host.Messages(),
                  std::vector<std::string>{"System Filestore  " + store.string() + "  cannot be accessed"});
    }
}

}  // namespace
}  // namespace quorvane::testing
