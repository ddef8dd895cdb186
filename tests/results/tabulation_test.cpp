#include "results/tabulation.h"

#include <gtest/gtest.h>

#include "model/simulation.h"
#include "platform/recording_host.h"

namespace quorvane {
namespace {

TEST(Tabulation, ColumnWidthsAndPatternsFollowTheDigitCounts) {
    struct Case {
        int Before;
        int After;
        int Width;
        const char* TimePattern;
    };
    const Case cases[] = {
        {5, 1, 10, "####0.#"},
        {6, 2, 12, "#####0.##"},
        {0, 3, 7, ".###"},
        {3, 0, 7, "###"},
        {9, -2, 11, "#######"},   // out-of-range counts from a file are held to 0..7
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Before) + "," + std::to_string(c.After));
        Settings s;
        s.TimeColumnFormatMode = 1;
        s.TimeDigitsBefore = c.Before;
        s.TimeDigitsAfter = c.After;
        s.DataColumnFormatMode = 1;
        s.DataDigitsBefore = c.Before;
        s.DataDigitsAfter = c.After;
        const std::optional<TableLayout> layout = TabulationLayout(s);
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->Time.Width, c.Width);
        EXPECT_EQ(layout->Time.Pattern, c.TimePattern);
        EXPECT_EQ(layout->Data.Pattern, std::string(" ") + c.TimePattern + ";-" + c.TimePattern);
    }
    Settings general;
    const std::optional<TableLayout> layout = TabulationLayout(general);
    ASSERT_TRUE(layout);
    EXPECT_TRUE(layout->Time.General);
    EXPECT_EQ(layout->Data.Width, 17);

    Settings noDigits;
    noDigits.DataColumnFormatMode = 1;
    noDigits.DataDigitsBefore = 0;
    noDigits.DataDigitsAfter = 0;
    EXPECT_FALSE(TabulationLayout(noDigits));
}

TEST(Tabulation, DigitCountsAreHeldToTheDialogRange) {
    EXPECT_EQ(DigitCount(-3), 0);
    EXPECT_EQ(DigitCount(0), 0);
    EXPECT_EQ(DigitCount(4), 4);
    EXPECT_EQ(DigitCount(6), 6);
    EXPECT_EQ(DigitCount(6.5), 7);
    EXPECT_EQ(DigitCount(40), 7);
}

TEST(Tabulation, CellsAreLeftAlignedCutToWidthWithASignPosition) {
    Settings s;
    s.DataColumnFormatMode = 1;
    const TableLayout layout = *TabulationLayout(s);
    EXPECT_EQ(ValueCell(1.5f, layout.Data), " 1.5        ");
    EXPECT_EQ(ValueCell(-1.5f, layout.Data), "-1.5        ");
    EXPECT_EQ(ValueCell(1234.567f, layout.Data), " 1234.57    ");
    EXPECT_EQ(ValueCell(2.5f, layout.Time), " 2.5             ");
    EXPECT_EQ(ValueCell(-0.125f, layout.Time), "-0.125           ");
    EXPECT_EQ(FixedCell("abcdef", 4), "abcd");
    EXPECT_EQ(FixedCell("", 3), "   ");
}

TEST(Tabulation, HeadingsSplitAtSpacesAroundTheLineWidth) {
    struct Case {
        const char* Title;
        const char* Line1;
        const char* Line2;
    };
    const Case cases[] = {
        {"Pressure", "Pressure", " "},              // exactly the line width
        {"Temperatures", "Temperat", "ures"},       // no space: hard split
        {"Tank level out", "Tank", "level out"},    // spaces either side: break before the far one
        {"Flow rate", "Flow", "rate"},              // no space past the width: the last space
        {"Temperature out", "Temperat", "ure out"}, // the first space lies past the width
        {"Outlet water temperature", "Outlet", "water tem"},   // only twice the width is taken
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

TEST(Tabulation, HeadingCellsCarryTitlesAndUnitsCutToTheColumn) {
    DisplayBuffer d;
    d.ColumnCount = 1;
    d.ColumnTitle[0] = "Time";
    d.ColumnUnits[0] = "sec";
    d.ColumnTitle[1] = "Tank level out";
    d.ColumnUnits[1] = "metres of water";
    Settings s;
    s.DataColumnFormatMode = 1;
    s.DataDigitsBefore = 4;
    s.DataDigitsAfter = 1;   // width 9, lines of 8
    const auto rows = HeadingCells(d, *TabulationLayout(s));
    EXPECT_EQ(JoinCells(rows[0]), "Time             Tank     ");
    EXPECT_EQ(JoinCells(rows[1]), "                 level out");
    EXPECT_EQ(JoinCells(rows[2]), "sec              metres o ");
}

TEST(Tabulation, RowsArePickedByThePrintIntervalOverTheRecordInterval) {
    struct Case {
        float Print;
        float Record;
        std::vector<int> Rows;
    };
    const Case cases[] = {
        {0.3f, 0.1f, {1, 4, 7, 10}},
        {1.0f, 1.0f, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {2.5f, 1.0f, {1, 3, 5, 7, 9}},    // halves go to the even stride
        {3.5f, 1.0f, {1, 5, 9}},
        {0.05f, 0.1f, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},   // finer than recorded: every row
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Print) + " over " + std::to_string(c.Record));
        RecordingHost host;
        Desktop desktop;
        Simulation sim(host, desktop);
        sim.Display.RecordedCount = 10;
        sim.Run.PrintInterval = c.Print;
        sim.Status.MinDisplayInterval = c.Record;
        EXPECT_EQ(PrintedRows(sim), c.Rows);
    }
}

TEST(Tabulation, ScrollMaximumCountsPagesOfTwentyRows) {
    Settings s;
    s.StopTime = 100;
    s.PrintInterval = 0.5f;
    EXPECT_EQ(TabulationScrollMaximum(s), 12);
    s.PrintInterval = 1;
    EXPECT_EQ(TabulationScrollMaximum(s), 7);
    s.StopTime = 0;
    EXPECT_EQ(TabulationScrollMaximum(s), 2);
}

}  // namespace
TEST(Tabulation, UserNumberPatterns) {
    EXPECT_EQ(UserNumberPattern(6, 2), "#####0.##");
    EXPECT_EQ(UserNumberPattern(1, 1), "0.#");
    EXPECT_EQ(UserNumberPattern(0, 3), ".###");
    EXPECT_EQ(UserNumberPattern(4, 0), "####");
    EXPECT_FALSE(UserNumberPattern(0, 0));
    EXPECT_FALSE(UserNumberPattern(-1, 0));
}

}  // namespace quorvane
