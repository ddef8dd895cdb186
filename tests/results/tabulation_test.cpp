#include "results/tabulation.h"

#include <gtest/gtest.h>

#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

// The two-series dump file covers a general time column, a two-decimal data column and the
// heading and units cells end to end; the printed pages a general data column.

TEST(Tabulation, ColumnWidthsAndPatternsFollowTheDigitCounts) {
    struct Case { int Before, After, Width; const char* TimePattern; };
    const Case cases[] = {
        {5, 1, 10, "####0.#"},
        {0, 3, 7, ".###"},
        {3, 0, 7, "###"},
        {9, -2, 11, "#######"},   // out-of-range counts from a file are held to 0..7
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Before) + "," + std::to_string(c.After));
        Settings s;
        s.TimeColumnFormatMode = s.DataColumnFormatMode = 1;
        s.TimeDigitsBefore = s.DataDigitsBefore = c.Before;
        s.TimeDigitsAfter = s.DataDigitsAfter = c.After;
        const std::optional<TableLayout> layout = TabulationLayout(s);
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->Time.Width, c.Width);
        EXPECT_EQ(layout->Time.Pattern, c.TimePattern);
        EXPECT_EQ(layout->Data.Pattern, std::string(" ") + c.TimePattern + ";-" + c.TimePattern);
    }
}

TEST(Tabulation, CellsAreLeftAlignedWithASignPosition) {
    Settings s;
    s.DataColumnFormatMode = 1;
    const TableLayout layout = *TabulationLayout(s);
    EXPECT_EQ(ValueCell(-1.5f, layout.Data), "-1.5        ");
    EXPECT_EQ(ValueCell(1234.567f, layout.Data), " 1234.57    ");
    EXPECT_EQ(ValueCell(-0.125f, layout.Time), "-0.125           ");
    EXPECT_EQ(FixedCell("m³/s", 6), "m³/s  ");
    EXPECT_EQ(FixedCell("°C per m", 4), "°C p");
}

TEST(Tabulation, HeadingsSplitAtSpacesAroundTheLineWidth) {
    struct Case { const char* Title; const char* Line1; const char* Line2; };
    const Case cases[] = {
        {"Pressure", "Pressure", " "},              // exactly the line width
        {"Temperatures", "Temperat", "ures"},       // no space: hard split
        {"Tank level out", "Tank", "level out"},    // spaces either side: break before the far one
        {"Flow rate", "Flow", "rate"},              // no space past the width: the last space
        {"Temperature out", "Temperat", "ure out"}, // the first space lies past the width
        {"Outlet water temperature", "Outlet", "water tem"},   // only twice the width is taken
        {"Pressión", "Pressión", " "},             // widths count characters, not bytes
        {"Température", "Températ", "ure"},
        {"    ", "", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Title);
        const HeadingLines lines = SplitHeading(c.Title, 8);
        EXPECT_EQ(lines.Line1, c.Line1);
        EXPECT_EQ(lines.Line2, c.Line2);
    }
}

using TabulatedRows = SimulationFixture<Begin::Ran>;

TEST_F(TabulatedRows, ArePickedByThePrintIntervalOverTheRecordInterval) {
    struct Case { float Print, Record; std::vector<int> Rows; };
    const Case cases[] = {
        {0.3f, 0.1f, {1, 4, 7, 10}},
        {2.5f, 1.0f, {1, 3, 5, 7, 9}},    // halves go to the even stride
        {3.5f, 1.0f, {1, 5, 9}},
        {0.05f, 0.1f, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},   // finer than recorded: every row
    };
    Sim.Display.RecordedCount = 10;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Print) + " over " + std::to_string(c.Record));
        Sim.Run.PrintInterval = c.Print;
        Sim.Status.MinDisplayInterval = c.Record;
        EXPECT_EQ(PrintedRows(Sim.Display, Sim.Run, Sim.Status.MinDisplayInterval), c.Rows);
    }
}

}  // namespace
}  // namespace quorvane
