#include "results/page_view.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "results/print_dump_state.h"

namespace quorvane {
namespace {

struct PageFixture : ::testing::Test {
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("quorvane_page_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder);
        dump.PrintDumpPath = (folder / "Print Dump.txt").string();
    }
    void TearDown() override {
        dump.Reader.close();
        std::filesystem::remove_all(folder);
    }

    /// A dump of eight header lines ("h1".."h8") and `rows` data lines ("r1"...).
    void WriteDump(int rows) {
        std::ofstream out(dump.PrintDumpPath);
        for (int i = 1; i <= 8; ++i) out << "\"h" << i << "\"\r\n";
        for (int i = 1; i <= rows; ++i) out << "\"r" << i << "\"\r\n";
    }

    std::filesystem::path folder;
    PrintDumpState dump;
};

TEST_F(PageFixture, LinesAreReadInAnyOrderAndPastTheEndGiveTheMarker) {
    WriteDump(3);
    EXPECT_EQ(ReadDumpLine(dump, 10), "r2");
    EXPECT_EQ(ReadDumpLine(dump, 4), "h4");   // earlier: the file is reopened
    EXPECT_EQ(ReadDumpLine(dump, 11), "r3");
    EXPECT_EQ(ReadDumpLine(dump, 12), "EOF?");
    EXPECT_EQ(ReadDumpLine(dump, 13), "EOF?");
    EXPECT_EQ(ReadDumpLine(dump, 1), "h1");

    dump.Reader.close();
    std::filesystem::remove(dump.PrintDumpPath);
    EXPECT_EQ(ReadDumpLine(dump, 1), "EOF?");
}

TEST_F(PageFixture, ShortDumpEndsOnPageOne) {
    WriteDump(4);
    dump.ScrollMaximum = 7;
    const PageText page = ReadPage(dump);
    EXPECT_EQ(page.Heading, (std::vector<std::string>{"h4", "h5", "h6"}));
    ASSERT_EQ(page.Body.size(), 20u);
    EXPECT_EQ(page.Body[0], "r1");
    EXPECT_EQ(page.Body[3], "r4");
    EXPECT_EQ(page.Body[4], "End of Printout");
    EXPECT_EQ(page.Body[5], " ");
    EXPECT_EQ(page.Body[19], " ");
    EXPECT_EQ(dump.EndOfPrintoutLine, 13);
    EXPECT_EQ(dump.ScrollMaximum, 1);
}

TEST_F(PageFixture, PagesMoveAndTheEndIsShownWhereverItWasFound) {
    WriteDump(45);
    dump.ScrollMaximum = 10;
    NextPage(dump);
    NextPage(dump);
    PageText page = ReadPage(dump);
    EXPECT_EQ(page.Body[0], "r41");
    EXPECT_EQ(page.Body[5], "End of Printout");
    EXPECT_EQ(dump.ScrollMaximum, 3);

    ScrollToPage(dump, 1);
    page = ReadPage(dump);
    EXPECT_EQ(page.Body[19], "r20");

    ScrollToPage(dump, 5);
    page = ReadPage(dump);
    EXPECT_EQ(page.Body[0], " ");
    EXPECT_EQ(dump.ScrollMaximum, 3);

    ScrollToPage(dump, 3);
    EXPECT_EQ(ReadPage(dump).Body[5], "End of Printout");

    PreviousPage(dump);
    PreviousPage(dump);
    PreviousPage(dump);
    EXPECT_EQ(dump.CurrentPage, 1);
}

TEST_F(PageFixture, AnEndMetOnALaterPageOnlyLowersTheMaximum) {
    WriteDump(45);
    dump.ScrollMaximum = 10;
    ScrollToPage(dump, 6);
    ReadPage(dump);
    EXPECT_EQ(dump.EndOfPrintoutLine, 109);   // the first line of page 6
    EXPECT_EQ(dump.ScrollMaximum, 6);
    ScrollToPage(dump, 3);
    const PageText page = ReadPage(dump);
    EXPECT_EQ(page.Body[5], " ");
    EXPECT_EQ(dump.ScrollMaximum, 3);
}

}  // namespace
}  // namespace quorvane
