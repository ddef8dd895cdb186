#include "forms/graph_overlay.h"

#include <sstream>
#include <string>

#include "drawing/time_graph.h"
#include "forms/graph_window.h"
#include "results/recorded_csv.h"
#include "support/recording_canvas.h"
#include "support/test_simulation.h"

namespace quorvane {

namespace {

struct GraphOverlay : SimulationFixture<Begin::Ran> {
    /// A finished run of "A" = level and "B" = -level at times 0, step, 2 step ... over `rows`
    /// rows, kept for comparison.
    void Run(float level, int rows, float step) {
        DisplayBuffer& d = Sim.Display;
        d.ColumnCount = 2;
        d.RecordedCount = rows;
        d.ColumnTitle[0] = "Time";
        d.ColumnTitle[1] = "A";
        d.ColumnTitle[2] = "B";
        for (int r = 1; r <= rows; ++r) {
            d.At(0, r) = step * static_cast<float>(r - 1);
            d.At(1, r) = level;
            d.At(2, r) = -level;
        }
        Sim.Run.TimeStep = step;
        Sim.Status.StepsPerSample = 1;
        Sim.Run.StopTime = step * static_cast<float>(rows - 1);
        Sim.Runs.Keep(Sim.Display);
    }

    std::string Csv() const {
        std::ostringstream out;
        WriteGraphCsv(Sim, out);
        return out.str();
    }
};

}  // namespace

TEST_F(GraphOverlay, CsvHoldsTheRunsDrawn) {
    Run(2, 2, 0.5f);
    Run(1, 2, 0.5f);
    std::ostringstream single;
    WriteRecordedCsv(Sim.Display, single);
    EXPECT_EQ(Csv(), single.str());   // the box unchecked: the table as recorded

    Sim.Graph.OverlayRuns = true;
    EXPECT_EQ(Csv(), "Time,A,B,A (run \xE2\x88\x92" "1),B (run \xE2\x88\x92" "1)\n"
                     "0,1,-1,2,-2\n"
                     "0.5,1,-1,2,-2\n");

    // A run recorded at other times brings its own; the shorter run's fields end with it.
    Run(3, 3, 0.25f);
    EXPECT_EQ(Csv(), "Time,A,B,Time (run \xE2\x88\x92" "1),A (run \xE2\x88\x92" "1),B (run \xE2\x88\x92" "1),"
                     "Time (run \xE2\x88\x92" "2),A (run \xE2\x88\x92" "2),B (run \xE2\x88\x92" "2)\n"
                     "0,3,-3,0,1,-1,0,2,-2\n"
                     "0.25,3,-3,0.5,1,-1,0.5,2,-2\n"
                     "0.5,3,-3,,,,,,\n");
}

TEST_F(GraphOverlay, ReadOutNamesTheNearestCurve) {
    Run(4, 11, 0.1f);
    Run(2, 11, 0.1f);
    RecordingCanvas canvas;
    DrawTimeGraph(Sim, canvas, GraphTarget::Screen, 0);
    EXPECT_EQ(NearestCurveName(Sim, 0.5, 3.9), "");   // one run needs no name

    Sim.Graph.OverlayRuns = true;
    DrawTimeGraph(Sim, canvas, GraphTarget::Screen, 0);
    struct Case {
        double X, Y;
        const char* Name;
    };
    const Case cases[] = {
        {0.5, 3.6, "A (run \xE2\x88\x92" "1)"},
        {0.2, 2.3, "A"},
        {0.9, -1.2, "B"},
        // Beyond the end of the curves the nearest is still the nearest end.
        {1.5, -3.5, "B (run \xE2\x88\x92" "1)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(NearestCurveName(Sim, c.X, c.Y), c.Name);
    }

    // While a run fills the windows neither control acts; afterwards clearing leaves one run.
    Sim.Status.WindowsBusy = 1;
    EXPECT_FALSE(ClearPreviousRuns(Sim));
    EXPECT_FALSE(OverlayPreviousRuns(Sim, false));
    EXPECT_EQ(Sim.Runs.Previous().size(), 1u);
    Sim.Status.WindowsBusy = 0;
    EXPECT_TRUE(ClearPreviousRuns(Sim));
    EXPECT_EQ(NearestCurveName(Sim, 0.5, 3.6), "");
}

}  // namespace quorvane
