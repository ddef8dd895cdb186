#include "results/page_view.h"

#include <gtest/gtest.h>

#include "results/print_dump_state.h"
#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

struct PageView : SimulationFixture<Begin::Ran> {
    PageView() { Dump.PrintDumpPath = (Scratch / "Print Dump.txt").string(); }
    ~PageView() override { Dump.Reader.close(); }

    /// A dump of eight header lines ("h1".."h8") and `rows` data lines ("r1"...).
    void WriteDump(int rows) {
        std::ofstream out(Dump.PrintDumpPath);
        for (int i = 1; i <= 8; ++i) out << "\"h" << i << "\"\r\n";
        for (int i = 1; i <= rows; ++i) out << "\"r" << i << "\"\r\n";
    }

    PrintDumpState Dump;

    const testing::ScratchFolder Scratch;
};

TEST_F(PageView, LinesAreReadInAnyOrderAndPastTheEndGiveTheMarker) {
    WriteDump(3);
    EXPECT_EQ(ReadDumpLine(Dump, 10), "r2");
    EXPECT_EQ(ReadDumpLine(Dump, 4), "h4");   // earlier: the file is reopened
    EXPECT_EQ(ReadDumpLine(Dump, 11), "r3");
    EXPECT_EQ(ReadDumpLine(Dump, 12), "EOF?");
    EXPECT_EQ(ReadDumpLine(Dump, 1), "h1");   // a read past the end does not stop later ones

    Dump.Reader.close();
    std::filesystem::remove(Dump.PrintDumpPath);
    EXPECT_EQ(ReadDumpLine(Dump, 1), "EOF?");
}

TEST_F(PageView, ShortDumpEndsOnPageOne) {
    WriteDump(4);
    Dump.ScrollMaximum = 7;
    const PageText page = ReadPage(Dump);
    EXPECT_EQ(page.Heading, (std::vector<std::string>{"h4", "h5", "h6"}));
    std::vector<std::string> body{"r1", "r2", "r3", "r4", "End of Printout"};
    body.resize(20, " ");
    EXPECT_EQ(page.Body, body);
    EXPECT_EQ(Dump.EndOfPrintoutLine, 13);
    EXPECT_EQ(Dump.ScrollMaximum, 1);
}

TEST_F(PageView, PagesMoveAndTheEndIsShownWhereverItWasFound) {
    WriteDump(45);
    Dump.ScrollMaximum = 10;
    NextPage(Dump);
    NextPage(Dump);
    PageText page = ReadPage(Dump);
    EXPECT_EQ(page.Body[0], "r41");
    EXPECT_EQ(page.Body[5], "End of Printout");
    EXPECT_EQ(Dump.ScrollMaximum, 3);
    ScrollToPage(Dump, 5);
    EXPECT_EQ(ReadPage(Dump).Body[0], " ");
    ScrollToPage(Dump, 3);
    EXPECT_EQ(ReadPage(Dump).Body[5], "End of Printout");
    PreviousPage(Dump);
    PreviousPage(Dump);
    PreviousPage(Dump);
    EXPECT_EQ(Dump.CurrentPage, 1);
}

TEST_F(PageView, AnEndMetOnALaterPageOnlyLowersTheMaximum) {
    WriteDump(45);
    Dump.ScrollMaximum = 10;
    ScrollToPage(Dump, 6);
    ReadPage(Dump);
    EXPECT_EQ(Dump.EndOfPrintoutLine, 109);   // the first line of page 6
    EXPECT_EQ(Dump.ScrollMaximum, 6);
    ScrollToPage(Dump, 3);
    EXPECT_EQ(ReadPage(Dump).Body[5], " ");
    EXPECT_EQ(Dump.ScrollMaximum, 3);
}

}  // namespace
}  // namespace quorvane
