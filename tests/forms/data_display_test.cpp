#include "forms/data_display.h"

#include <string>
#include <vector>

#include "support/scratch_folder.h"
#include "support/test_simulation.h"
#include "run/run_window.h"

namespace quorvane {

using DataDisplay = SimulationFixture<Begin::Bare>;

TEST_F(DataDisplay, ShowsTheIntervalsAndTimeUnits) {
    Sim.Run.PrintInterval = 0.25f;
    Sim.Run.GraphInterval = 2;
    Sim.Run.TimeUnits = "min";
    const DataDisplayDialog dialog = LoadDataDisplay(Sim.Run);
    EXPECT_EQ(dialog.Text1, "0.25");
    EXPECT_EQ(dialog.Text5, "2");
    EXPECT_EQ(dialog.Label2, "min");
    EXPECT_EQ(dialog.Label3, "min");
}

TEST_F(DataDisplay, RefusesIntervalsNotAboveZeroAndStoresGoodOnes) {
    const std::string printRefusal = "Print data Interval must be greater than zero";
    const std::string graphRefusal = "Graph data Interval must be greater than zero";
    struct Case {
        const char* Print;
        const char* Graph;
        DataDisplayOutcome Outcome;
        std::vector<std::string> Messages;
        float StoredPrint;
        float StoredGraph;
    };
    const Case cases[] = {
        {"0", "0.1", DataDisplayOutcome::PrintRefused, {printRefusal}, 1.0f, 0.1f},
        {"-2", "0.1", DataDisplayOutcome::PrintRefused, {printRefusal}, 1.0f, 0.1f},
        {"abc", "0.1", DataDisplayOutcome::PrintRefused, {printRefusal}, 1.0f, 0.1f},
        // Positive, but zero once kept in single precision.
        {"1e-50", "0.1", DataDisplayOutcome::PrintRefused, {printRefusal}, 1.0f, 0.1f},
        {"0", "0", DataDisplayOutcome::PrintRefused, {printRefusal}, 1.0f, 0.1f},
        {"0.5", "0", DataDisplayOutcome::GraphRefused, {graphRefusal}, 1.0f, 0.1f},
        {"0.5", "-1", DataDisplayOutcome::GraphRefused, {graphRefusal}, 1.0f, 0.1f},
        {"0.5", "2", DataDisplayOutcome::Applied, {}, 0.5f, 2.0f},
        {" 3 sec", "1e60", DataDisplayOutcome::Applied, {}, 3.0f, 3.4028235e38f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Print) + " / " + c.Graph);
        Host.Clear();
        Sim.Run.PrintInterval = 1.0f;
        Sim.Run.GraphInterval = 0.1f;
        const DataDisplayDialog dialog{c.Print, c.Graph, "sec", "sec"};
        EXPECT_EQ(ApplyDataDisplay(Sim, dialog), c.Outcome);
        EXPECT_EQ(Host.Messages(), c.Messages);
        EXPECT_EQ(Sim.Run.PrintInterval, c.StoredPrint);
        EXPECT_EQ(Sim.Run.GraphInterval, c.StoredGraph);
    }
}

TEST_F(DataDisplay, RunWindowShowsStoredIntervalsOnActivation) {
    ASSERT_EQ(ApplyDataDisplay(Sim, {"0.2", "0.05", "sec", "sec"}), DataDisplayOutcome::Applied);
    RunWindow window;
    RefreshRunWindow(Sim, window);
    EXPECT_EQ(window.Text8, "0.2");
    EXPECT_EQ(window.Text7, "0.05");
}

}  // namespace quorvane
