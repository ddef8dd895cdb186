#include "forms/graph_window.h"

#include <string>

#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane {

using GraphWindow = SimulationFixture<Begin::Bare>;

TEST_F(GraphWindow, ListAndSymbolEventsWaitWhileTheRunFillsTheWindows) {
    Sim.Display.ColumnCount = 3;
    Sim.Status.WindowsBusy = 1;
    EXPECT_FALSE(SelectGraphXAxis(Sim, 2));
    EXPECT_FALSE(ShowGraphSymbols(Sim, true));
    EXPECT_EQ(Sim.Graph.XColumn, 0);
    EXPECT_EQ(Sim.Graph.ShowSymbols, 0);

    Sim.Status.WindowsBusy = 0;
    EXPECT_TRUE(SelectGraphXAxis(Sim, 2));
    EXPECT_EQ(Sim.Graph.XColumn, 2);
    EXPECT_EQ(Sim.Status.CurrentActivity, "Graph X axis selection");
    EXPECT_TRUE(ShowGraphSymbols(Sim, true));
    EXPECT_EQ(Sim.Graph.ShowSymbols, 1);
    EXPECT_EQ(Sim.Status.CurrentActivity, "Graph Display - Showing Symbols");
    // An entry beyond the recorded series (a stale list) falls back to the last one.
    EXPECT_TRUE(SelectGraphXAxis(Sim, 7));
    EXPECT_EQ(Sim.Graph.XColumn, 3);
}

TEST(GraphReadout, ClickedCoordinatesUseFiveDecimals) {
    struct Case {
        double X, Y;
        const char* TextX;
        const char* TextY;
    };
    const Case cases[] = {
        {1.2345678, -0.5, "1.23457", "-0.5"},
        {100, 0.000004, "100.", "0."},
        {-12.000001, 3.333335, "-12.", "3.33334"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.TextX);
        const ClickReadout readout = ReadOutClick(c.X, c.Y);
        EXPECT_EQ(readout.X, c.TextX);
        EXPECT_EQ(readout.Y, c.TextY);
    }
    GraphSettings graph;
    graph.XRange = -40;
    EXPECT_DOUBLE_EQ(ClickMarkerRadius(graph), 2.0);
}

TEST(GraphWindowLayout, ControlsFollowTheWindowSize) {
    const GraphWindowLayout graph = LayoutGraphWindow(9000, 6000);
    EXPECT_EQ(graph.PictureWidth, 8500);
    EXPECT_EQ(graph.PictureHeight, 4600);
    EXPECT_EQ(graph.ButtonTop, GraphPictureTop + 4600 + 350);
    EXPECT_EQ(graph.ListTop, GraphPictureTop + 4600 + 550);
    // A window dragged smaller than its controls still leaves a picture to draw on.
    EXPECT_GT(LayoutGraphWindow(200, 200).PictureHeight, 0);

    // The row under the buttons: the overlay box, its button, then the read-out, side by side,
    // ending by the picture's edge at the window's first size and beyond it.
    constexpr int Box = 2700;
    constexpr int Button = 2300;
    for (const int width : {12600, 16000}) {
        SCOPED_TRACE(width);
        const GraphWindowLayout row = LayoutGraphWindow(width, 7200, Box, Button);
        EXPECT_EQ(row.SecondRowTop, row.ButtonTop + GraphRowHeight + GraphControlGap);
        EXPECT_LE(row.SecondRowTop + GraphRowHeight, 7200);
        EXPECT_GE(row.ClearLeft, row.RowLeft + Box);
        EXPECT_GE(row.ReadoutLeft, row.ClearLeft + Button);
        EXPECT_LE(row.ReadoutLeft + 2 * GraphCaptionWidth + 2 * row.ValueWidth, GraphPictureLeft + row.PictureWidth);
    }
    // Narrower, the values keep room for their digits and run past the picture's edge instead.
    EXPECT_EQ(LayoutGraphWindow(9000, 6000, Box, Button).ValueWidth, 1100);
}

}  // namespace quorvane
