#include "results/printed_pages.h"

#include <gtest/gtest.h>

#include "model/simulation.h"
#include "platform/recording_canvas.h"
#include "platform/recording_host.h"
#include "results/tabulation.h"

namespace quorvane {
namespace {

struct PrintFixture {
    /// `rows` samples of one series (value = row number), every row printed.
    explicit PrintFixture(int rows) {
        sim.Forms[1].Title = "Reactor A";
        sim.RunForm = 1;
        sim.Run.PrintInterval = 1;
        sim.Status.MinDisplayInterval = 1;
        sim.Display.ColumnCount = rows > 0 ? 1 : 0;
        sim.Display.RecordedCount = rows;
        sim.Display.ColumnTitle[0] = "Time";
        sim.Display.ColumnUnits[0] = "sec";
        sim.Display.ColumnTitle[1] = "Level";
        sim.Display.ColumnUnits[1] = "m";
        for (int r = 1; r <= rows; ++r) {
            sim.Display.At(0, r) = static_cast<float>(r - 1);
            sim.Display.At(1, r) = static_cast<float>(r);
        }
    }
    RecordingHost host;
    Desktop desktop;
    Simulation sim{host, desktop};
};

std::string Cell17(const std::string& text) { return FixedCell(text, 17); }

TEST(PrintedPages, SeventyRowsAPageEachWithHeaderAndHeadings) {
    PrintFixture f(150);
    const std::vector<PrintedPage> pages = PrintedPages(f.sim);
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
        const std::string first = std::to_string(firstRows[p]);
        EXPECT_EQ(JoinCells(page.Lines[8]), Cell17(" " + std::to_string(firstRows[p] - 1)) + Cell17(" " + first));
    }
}

TEST(PrintedPages, ExactlyOnePageForSeventyRowsAndNoneWithoutSeries) {
    PrintFixture full(70);
    EXPECT_EQ(PrintedPages(full.sim).size(), 1u);

    PrintFixture empty(0);
    EXPECT_TRUE(PrintedPages(empty.sim).empty());
    EXPECT_EQ(empty.host.Messages(), std::vector<std::string>{"No data to display"});
}

TEST(PrintedPages, PrinterGetsOneCanvasPagePerPageAndCellsAtTheirColumns) {
    PrintFixture f(75);
    RecordingCanvas printer;
    PrintTabulation(f.sim, printer);
    EXPECT_EQ(printer.OfKind(RecordingCanvas::Kind::NewPage).size(), 1u);
    ASSERT_EQ(printer.OfKind(RecordingCanvas::Kind::EndDocument).size(), 1u);
    EXPECT_EQ(printer.Drawn.back().What, RecordingCanvas::Kind::EndDocument);

    const std::vector<RecordingCanvas::Primitive> texts = printer.OfKind(RecordingCanvas::Kind::Text);
    int pageTwoHeaders = 0;
    for (const auto& t : texts) pageTwoHeaders += t.Text == "Page 2";
    EXPECT_EQ(pageTwoHeaders, 1);
    // The value cell of the first row sits 17 characters right of its time cell, one line lower.
    for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
        if (texts[i].Text != Cell17(" 0")) continue;
        EXPECT_EQ(texts[i + 1].Text, Cell17(" 1"));
        EXPECT_DOUBLE_EQ(texts[i + 1].X1 - texts[i].X1, 17 * printer.CharWidth);
        EXPECT_DOUBLE_EQ(texts[i + 1].Y1, texts[i].Y1);
        EXPECT_DOUBLE_EQ(texts[i + 2].Y1 - texts[i].Y1, printer.LineHeight);
        return;
    }
    ADD_FAILURE() << "first row not printed";
}

}  // namespace
}  // namespace quorvane
