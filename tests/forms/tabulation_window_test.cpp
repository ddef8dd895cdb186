#include "forms/tabulation_window.h"

#include <gtest/gtest.h>

#include "results/page_view.h"
#include "support/recording_canvas.h"

namespace quorvane {

TEST(TabulationWindowLayout, ControlsFollowTheWindowSizeDownToItsSmallest) {
    const TabulationWindowLayout table = LayoutTabulationWindow(TabulationWindowWidth, TabulationWindowHeight);
    EXPECT_EQ(table.BoxWidth, 6300);
    EXPECT_EQ(table.PageHeight, 6900);
    EXPECT_EQ(table.ButtonLeft[0], 7000 - 1300);
    EXPECT_EQ(table.ButtonLeft[1], 7000 - 2150);
    EXPECT_EQ(table.ButtonLeft[2], 7000 - 3900);
    const TabulationWindowLayout raised = LayoutTabulationWindow(500, 1000);
    EXPECT_EQ(raised.Width, 1000);
    EXPECT_EQ(raised.Height, 2500);
    EXPECT_EQ(raised.PageHeight, 400);
}

TEST(TabulationWindowText, CellsStandAtTheirCharacterColumns) {
    // A recording canvas gives every character 100 units, so a cell of width 17 starts 1700
    // units after the one before it, whatever its text.
    PageText page;
    page.Heading = {"Time             Oven temp        Heater power", "", "sec              degC"};
    page.Body = {" 20              15.35184         5", "End of Printout"};
    RecordingCanvas heading;
    DrawTabulationHeading(heading, page);
    ASSERT_EQ(heading.Texts(), (std::vector<std::string>{"Tabulated Output", "Time", "Oven temp", "Heater power",
                                                         "sec", "degC"}));
    const auto texts = heading.OfKind(RecordingCanvas::Kind::Text);
    EXPECT_DOUBLE_EQ(texts[2].X1 - texts[1].X1, 1700);
    EXPECT_DOUBLE_EQ(texts[3].X1 - texts[2].X1, 1700);
    EXPECT_DOUBLE_EQ(texts[5].X1 - texts[4].X1, 1700);
    EXPECT_DOUBLE_EQ(texts[4].Y1 - texts[1].Y1, 2 * heading.LineHeight);

    RecordingCanvas body;
    DrawTabulationPage(body, page);
    EXPECT_EQ(body.Texts(), (std::vector<std::string>{"20", "15.35184", "5", "End of Printout"}));
    const auto cells = body.OfKind(RecordingCanvas::Kind::Text);
    EXPECT_DOUBLE_EQ(cells[1].X1 - cells[0].X1, 1600);
    EXPECT_DOUBLE_EQ(cells[2].X1 - cells[1].X1, 1700);
    EXPECT_EQ(body.OfKind(RecordingCanvas::Kind::Clear).size(), 1u);
}

}  // namespace quorvane
