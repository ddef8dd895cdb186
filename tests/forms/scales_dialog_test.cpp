#include "forms/scales_dialog.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "drawing/time_graph.h"
#include "support/scratch_folder.h"
#include "support/test_simulation.h"
#include "support/recording_canvas.h"

namespace quorvane {

using ScalesDialogs = SimulationFixture<Begin::Bare>;

TEST_F(ScalesDialogs, ShowsTheModesAndTheLimitsOfTheLastDrawing) {
    // A ramp from 0 to 7.3 against time 0..10 is drawn on a 0..8 axis by 0..10.
    Sim.Display.ColumnCount = 1;
    Sim.Display.RecordedCount = 2;
    Sim.Display.At(1, 2) = 7.3f;
    Sim.Graph.XManual = 1;
    Sim.Graph.XMaximum = 12;
    Sim.Graph.XMinimum = -2.5f;
    RecordingCanvas canvas;
    DrawTimeGraph(Sim, canvas, GraphTarget::Screen, 0);
    const ScalesDialog dialog = LoadScalesDialog(Sim.Graph);
    EXPECT_FALSE(dialog.YManual);
    EXPECT_TRUE(dialog.XManual);
    EXPECT_EQ(dialog.Text1, " 8");
    EXPECT_EQ(dialog.Text2, " 0");
    EXPECT_EQ(dialog.Text3, " 12");
    EXPECT_EQ(dialog.Text4, "-2.5");
}

TEST_F(ScalesDialogs, DoneTakesLimitsAxisByAxis) {
    const std::string yRefusal = "Y maximum must exceed Y minimum";
    const std::string xRefusal = "X maximum must exceed X minimum";
    constexpr float FloatMax = 3.4028235e38f;
    struct Case {
        ScalesDialog Typed;
        ScalesOutcome Outcome;
        std::vector<std::string> Messages;
        std::vector<float> Stored;   // Y max, Y min, X max, X min
        int YManual;
        int XManual;
    };
    const Case cases[] = {
        {{true, false, "5", "-5", "20", "10"}, ScalesOutcome::Applied, {}, {5, -5, 20, 10}, 1, 0},
        // Limits beyond the float range are held at its ends.
        {{false, true, "1e50", "-1e50", "3", "abc"}, ScalesOutcome::Applied, {}, {FloatMax, -FloatMax, 3, 0}, 0, 1},
        {{true, true, "5", "5", "20", "10"}, ScalesOutcome::YRefused, {yRefusal}, {1, 0, 1, 0}, 0, 0},
        {{true, true, "-5", "5", "20", "10"}, ScalesOutcome::YRefused, {yRefusal}, {1, 0, 1, 0}, 0, 0},
        // The Y limits stand once checked, even when the X limits are then refused.
        {{true, true, "5", "-5", "10", "20"}, ScalesOutcome::XRefused, {xRefusal}, {5, -5, 1, 0}, 0, 0},
        {{true, true, "5", "-5", "x", "0"}, ScalesOutcome::XRefused, {xRefusal}, {5, -5, 1, 0}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed.Text1 + " " + c.Typed.Text2 + " " + c.Typed.Text3 + " " + c.Typed.Text4);
        Host.Clear();
        Sim.Graph = GraphSettings{};
        Sim.Graph.YMaximum = 1;
        Sim.Graph.XMaximum = 1;
        EXPECT_EQ(ApplyScalesDialog(Sim, c.Typed), c.Outcome);
        EXPECT_EQ(Host.Messages(), c.Messages);
        EXPECT_EQ((std::vector<float>{Sim.Graph.YMaximum, Sim.Graph.YMinimum, Sim.Graph.XMaximum, Sim.Graph.XMinimum}),
                  c.Stored);
        EXPECT_EQ(Sim.Graph.YManual, c.YManual);
        EXPECT_EQ(Sim.Graph.XManual, c.XManual);
        EXPECT_EQ(Sim.Status.CurrentActivity, "Setting Manual Graph Scales");
    }
}

TEST_F(ScalesDialogs, LogScalesNeedValuesAboveZeroAndLabelDecades) {
    // 0.5 .. 2000 against time 1 .. 4 s.
    Sim.Display.ColumnCount = 1;
    Sim.Display.RecordedCount = 4;
    Sim.Display.ColumnTitle[1] = "Flow";
    for (int r = 1; r <= 4; ++r) Sim.Display.At(1, r) = r == 1 ? 0.5f : static_cast<float>(std::pow(10.0, r - 1) * 2);
    Sim.Run.StartTime = 1;
    Sim.Run.StopTime = 4;
    Sim.Run.TimeStep = 1;
    Sim.Status.StepsPerSample = 1;
    RecordingCanvas canvas;
    DrawTimeGraph(Sim, canvas, GraphTarget::Screen, 0);
    ScalesDialog dialog = LoadScalesDialog(Sim.Graph);
    dialog.YLog = true;
    dialog.XLog = true;
    EXPECT_EQ(ApplyScalesDialog(Sim, dialog), ScalesOutcome::Applied);
    EXPECT_TRUE(Sim.Graph.YLog && Sim.Graph.XLog);
    canvas.Drawn.clear();
    DrawTimeGraph(Sim, canvas, GraphTarget::Screen, 0);
    // Y over the decades 0.1 .. 10000, X (log 1 .. log 4) over 1 .. 10; the dialog shows values.
    const Strings texts = canvas.Texts();
    for (const char* label : {"0.1", "1", "10", "100", "1000", "10000"}) {
        SCOPED_TRACE(label);
        EXPECT_NE(std::find(texts.begin(), texts.end(), label), texts.end());
    }
    EXPECT_FLOAT_EQ(Sim.Graph.YMinimum, 0.1f);
    EXPECT_FLOAT_EQ(Sim.Graph.YMaximum, 10000);
    EXPECT_TRUE(Host.Messages().empty());

    // A series reaching zero, or time from zero, refuses its box with the reason.
    Sim.Display.At(1, 3) = 0;
    dialog.XLog = false;
    EXPECT_EQ(ApplyScalesDialog(Sim, dialog), ScalesOutcome::YLogRefused);
    EXPECT_FALSE(Sim.Graph.YLog);
    Sim.Display.At(1, 3) = 20;
    Sim.Run.StartTime = 0;
    dialog.YLog = false;
    dialog.XLog = true;
    EXPECT_EQ(ApplyScalesDialog(Sim, dialog), ScalesOutcome::XLogRefused);
    EXPECT_EQ(Host.Messages(), (Strings{"Cannot use a Log Scale on the Y axis - Flow reaches zero or below",
                                        "Cannot use a Log Scale on the X axis - Time reaches zero or below"}));

    // A later run that reaches zero draws the axis linear again, saying why once.
    Host.Clear();
    Sim.Run.StartTime = 1;
    dialog.YLog = true;
    dialog.XLog = false;
    ASSERT_EQ(ApplyScalesDialog(Sim, dialog), ScalesOutcome::Applied);
    Sim.Display.At(1, 2) = -1;
    DrawTimeGraph(Sim, canvas, GraphTarget::Screen, 0);
    DrawTimeGraph(Sim, canvas, GraphTarget::Screen, 0);
    EXPECT_FALSE(Sim.Graph.YLog);
    EXPECT_EQ(Host.Messages(), (Strings{"Cannot use a Log Scale on the Y axis - Flow reaches zero or below"}));
}

}  // namespace quorvane
