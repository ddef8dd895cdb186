#include "drawing/printed_pages.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "results/tabulation.h"
#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane {

using Kind = RecordingCanvas::Kind;
namespace {

struct PrintedTabulation : SimulationFixture<Begin::Ran> {
    /// `rows` samples of one series (value = row number), every row printed.
    void Record(int rows) {
        Sim.Forms[1].Title = "Reactor A";
        Sim.Run.PrintInterval = 1;
        Sim.Status.MinDisplayInterval = 1;
        Sim.Display.ColumnCount = rows > 0 ? 1 : 0;
        Sim.Display.RecordedCount = rows;
        Sim.Display.ColumnTitle[0] = "Time";
        Sim.Display.ColumnUnits[0] = "sec";
        Sim.Display.ColumnTitle[1] = "Level";
        Sim.Display.ColumnUnits[1] = "m";
        for (int r = 1; r <= rows; ++r) {
            Sim.Display.At(0, r) = static_cast<float>(r - 1);
            Sim.Display.At(1, r) = static_cast<float>(r);
        }
    }
};

std::string Cell17(const std::string& text) { return FixedCell(text, 17); }

TEST_F(PrintedTabulation, SeventyRowsAPageEachWithHeaderAndHeadings) {
    Record(150);
    const std::vector<PrintedPage> pages = PrintedPages(Sim);
    ASSERT_EQ(pages.size(), 3u);
    const std::size_t rowCounts[] = {70, 70, 10};
    const int firstRows[] = {1, 71, 141};
    for (std::size_t p = 0; p < 3; ++p) {
        SCOPED_TRACE(p + 1);
        const PrintedPage& page = pages[p];
        EXPECT_EQ(page.Header, (std::vector<std::string>{"Quorvane Simulation Run Reactor A", "06 December 2026",
                                                         "Page " + std::to_string(p + 1)}));
        ASSERT_EQ(page.Lines.size(), 8 + rowCounts[p]);
        for (int blank : {0, 1, 2, 6, 7}) EXPECT_TRUE(page.Lines[static_cast<std::size_t>(blank)].empty());
        EXPECT_EQ(JoinCells(page.Lines[3]), Cell17("Time") + Cell17("Level"));
        EXPECT_EQ(JoinCells(page.Lines[4]), Cell17(" ") + Cell17(" "));
        EXPECT_EQ(JoinCells(page.Lines[5]), Cell17("sec") + Cell17("m"));
        EXPECT_EQ(JoinCells(page.Lines[8]),
                  Cell17(" " + std::to_string(firstRows[p] - 1)) + Cell17(" " + std::to_string(firstRows[p])));
    }
    Record(70);
    EXPECT_EQ(PrintedPages(Sim).size(), 1u);
    Record(0);
    EXPECT_TRUE(PrintedPages(Sim).empty());
    EXPECT_EQ(Host.Messages(), std::vector<std::string>{"No data to display"});
}

TEST_F(PrintedTabulation, PrinterGetsOneCanvasPagePerPageAndCellsAtTheirColumns) {
    Record(75);
    PrintTabulation(Sim, Canvas);
    EXPECT_EQ(Canvas.OfKind(Kind::NewPage).size(), 1u);
    ASSERT_EQ(Canvas.OfKind(Kind::EndDocument).size(), 1u);
    EXPECT_EQ(Canvas.Drawn.back().What, Kind::EndDocument);
    const std::vector<std::string> texts = Canvas.Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Page 2"), 1);
    // The first row's value cell sits 17 characters right of its time cell; the next row a line lower.
    const auto drawn = Canvas.OfKind(Kind::Text);
    const auto i = static_cast<std::size_t>(std::find(texts.begin(), texts.end(), Cell17(" 0")) - texts.begin());
    ASSERT_LT(i + 2, drawn.size());
    EXPECT_EQ(drawn[i + 1].Text, Cell17(" 1"));
    EXPECT_DOUBLE_EQ(drawn[i + 1].X1 - drawn[i].X1, 17 * Canvas.CharWidth);
    EXPECT_DOUBLE_EQ(drawn[i + 2].Y1 - drawn[i].Y1, Canvas.LineHeight);
    // A title beyond ASCII takes as many columns as it has characters.
    Sim.Display.ColumnTitle[0] = "Durée";
    Canvas.Drawn.clear();
    PrintTabulation(Sim, Canvas);
    const std::vector<std::string> again = Canvas.Texts();
    const auto j = static_cast<std::size_t>(std::find(again.begin(), again.end(), Cell17("Durée")) - again.begin());
    ASSERT_LT(j + 1, again.size());
    EXPECT_DOUBLE_EQ(Canvas.OfKind(Kind::Text)[j + 1].X1 - Canvas.OfKind(Kind::Text)[j].X1, 17 * Canvas.CharWidth);
}

}  // namespace
}  // namespace quorvane
