#include "run/run_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "editing/form_slots.h"
#include "engine/run_error_report.h"
#include "run/result_handoff.h"
#include "run/run_window.h"
#include "storage/data_file_reader.h"
#include "support/run_trace.h"
#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

/// Keeps every hand-off call in order; one named call can be made to throw.
class RecordingHandOff : public ResultHandOff {
public:
    void ShowTabulation(Simulation&) override { Call("ShowTabulation"); }
    void HideTabulation(Simulation&) override { Call("HideTabulation"); }
    void ShowGraph(Simulation& sim, const std::vector<std::string>& s) override {
        GraphSeries = s;
        GraphXColumn = sim.Graph.XColumn;
        Call("ShowGraph");
    }
    void HideGraph(Simulation&) override { Call("HideGraph"); }
    void ShowFrequencyAnalysis(Simulation&, const std::vector<std::string>&) override { Call("ShowFrequencyAnalysis"); }
    void HideFrequencyAnalysis(Simulation&) override { Call("HideFrequencyAnalysis"); }
    void ShowPrbsAnalysis(Simulation&) override { Call("ShowPrbsAnalysis"); }
    void HidePrbsAnalysis(Simulation&) override { Call("HidePrbsAnalysis"); }
    void RedrawSheet(Simulation&, int form) override { Call("RedrawSheet " + std::to_string(form)); }
    void ShowRunError(Simulation&, const RunErrorReport& report) override { Error = report; Call("ShowRunError"); }

    std::vector<std::string> Calls;
    std::vector<std::string> GraphSeries;
    int GraphXColumn = -1;   ///< the graph's X column as the graph was drawn
    std::optional<RunErrorReport> Error;
    std::string Failing;

private:
    void Call(const std::string& name) {
        Calls.push_back(name);
        if (name == Failing) throw std::runtime_error("Overflow");
    }
};

/// A run of form 1 with a manual time step; no tabulation unless a test asks for it.
struct DriverRun {
    DriverRun() {
        Times("0", "10", "0.1", "0.1", "0.1");
        window.Check1 = true;
        window.Check2 = false;
        window.Text5 = "sec";
    }
    /// The start, stop, step, graph and print interval boxes as typed.
    void Times(const char* start, const char* stop, const char* step, const char* graph, const char* print) {
        window.Text1 = start;
        window.Text2 = stop;
        window.Text3 = step;
        window.Text7 = graph;
        window.Text8 = print;
    }
    void Go() { RunSimulation(m.Sim, window, handOff); }
    std::vector<std::string> Messages() const { return m.Host.Messages(); }

    TestSimulation m{Begin::RunReady};
    RunWindow window;
    RecordingHandOff handOff;
};

TEST(RunDriver, StartChecksRefuseWithTheirMessages) {
    struct Case {
        const char* Start;
        const char* Stop;
        const char* Step;
        const char* Graph;
        const char* Print;
        const char* Message;
    };
    const Case cases[] = {
        {"5", "5", "0.1", "1", "1", "Stop Time must be greater than Start Time"},
        {"0", "10", "0.1", "1", "0", "Print data Interval must be greater than zero"},
        {"0", "10", "0.1", "-2", "1", "Graph data Interval must be greater than zero"},
        {"0", "1000000", "0.4999", "1000", "1000", "Time step is too small compared to time interval"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Message);
        DriverRun run;
        run.m.Add(1, "Supply", {}, 1);
        run.Times(c.Start, c.Stop, c.Step, c.Graph, c.Print);
        run.Go();
        EXPECT_EQ(run.Messages(), std::vector<std::string>{c.Message});
        EXPECT_TRUE(run.handOff.Calls.empty());
        EXPECT_FALSE(run.m.Sim.Status.RunInProgress);
    }
    DriverRun none;
    none.m.Sim.Forms[1].RunSelected = 0;
    none.m.Sim.CurrentForm = 0;
    none.Go();
    EXPECT_EQ(none.Messages(), std::vector<std::string>{"No Simulation to run"});
}

TEST(RunDriver, AStepOfExactlyTheLimitRunsAndYesKeepsTheResultsSoFar) {
    DriverRun run;
    run.m.Add(40, "Ramp");
    run.m.Add(42, "Display");
    run.m.Connect("Ramp", "Display");
    run.Times("0", "1000000", "0.5", "1000", "1000");   // a step of (stop - start) x 5e-7 exactly
    run.m.Host.ElapsedStep = 11;   // every clock reading 11 s later: the first sample prompts
    run.m.Host.Answers = {true};
    run.Go();

    ASSERT_EQ(run.m.Host.Log.size(), 2u);
    EXPECT_EQ(run.m.Host.Log[0].What, RecordingHost::Kind::Question);
    EXPECT_EQ(run.m.Host.Log[0].Text, "only  0.1% completion - Terminate ?");
    EXPECT_EQ(run.m.Host.Log[0].Title, "Time Elapsed 11. sec");
    EXPECT_EQ(run.m.Host.Sounds(), std::vector<int>{4});
    const DisplayBuffer& d = run.m.Sim.Display;
    ASSERT_EQ(d.RecordedCount, 2);
    EXPECT_EQ(d.At(0, 2), 1000.0f);
    EXPECT_EQ(d.At(1, 2), 1000.0f);
    EXPECT_EQ(run.handOff.Calls,
              (std::vector<std::string>{"HideTabulation", "ShowGraph", "HidePrbsAnalysis", "RedrawSheet 1"}));
    EXPECT_EQ(run.window.Text6, "33.00");
}

TEST(RunDriver, TheProgressPromptComesAfterTenSecondsOfRealTime) {
    // The time of day may step back (a clock correction) or wrap at midnight while a run goes
    // on; neither may bring the prompt forward. Every elapsed-time reading is 0.5 s later than
    // the last, so of 100 samples the 21st, at 10.5 s, is the first past 10 s.
    struct Case { const char* Name; double Clock, ClockStep; };
    const Case cases[] = {{"back a millisecond", 36000, -0.001}, {"across midnight", 86399.5, 0.25}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        DriverRun run;
        run.m.Add(40, "Ramp");
        run.m.Add(42, "Display");
        run.m.Connect("Ramp", "Display");
        run.Times("0", "100", "1", "1", "1");
        run.m.Host.Clock = c.Clock;
        run.m.Host.ClockStep = c.ClockStep;
        run.m.Host.ElapsedStep = 0.5;
        run.m.Host.Answers = {true};
        run.Go();
        ASSERT_FALSE(run.m.Host.Log.empty());
        EXPECT_EQ(run.m.Host.Log[0].What, RecordingHost::Kind::Question);
        EXPECT_EQ(run.m.Host.Log[0].Text, "only  21% completion - Terminate ?");
        EXPECT_EQ(run.m.Host.Log[0].Title, "Time Elapsed 10.5 sec");
        EXPECT_EQ(run.m.Sim.Display.RecordedCount, 22);
    }
}

TEST(RunDriver, ARunDrawsTheGraphAgainstTimeAgain) {
    DriverRun run;
    run.m.Add(40, "Ramp");
    run.m.Add(42, "Display");
    run.m.Connect("Ramp", "Display");
    run.m.Sim.Graph.XColumn = 1;   // as a model saved with the graph against its first series
    run.Go();
    EXPECT_EQ(run.handOff.GraphXColumn, 0);
    EXPECT_EQ(run.m.Sim.Graph.XColumn, 0);
    EXPECT_EQ(run.handOff.GraphSeries, (std::vector<std::string>{"Time", "Ramp"}));
}

TEST(RunDriver, ATimeStepAboveAnIntervalRaisesOnlyThatInterval) {
    DriverRun run;
    run.m.Add(1, "Supply", {}, 1);
    run.Times("0", "10", "0.5", "0.1", "1.0");   // both boxes are written back, the untouched one too
    run.Go();
    EXPECT_EQ(run.Messages(), std::vector<std::string>{"Changing display times to align with 'Time Step'"});
    EXPECT_EQ(run.m.Sim.Run.GraphInterval, 0.5f);
    EXPECT_EQ(run.m.Sim.Run.PrintInterval, 1.0f);
    EXPECT_EQ(run.window.Text7, "0.5");
    EXPECT_EQ(run.window.Text8, "1");
    EXPECT_EQ(run.m.Sim.Status.StepsPerSample, 1);
    EXPECT_EQ(run.window.Text4, "Not Relevant");
}

TEST(RunDriver, TheWindowShowsWhatTheTimeStepSizingChanged) {
    struct Case { const char* Name; bool Manual; const char* Stop; const char* Step; const char* Graph; const char* Print;
                  const char* ShownGraph; const char* ShownPrint; bool Fft; };
    const Case cases[] = {
        // Automatic: the FFT's sample interval of 1 raises the graph interval only.
        {"raised for the FFT", false, "1000", "100", "0.5", "10", "1", "10", true},
        // Manual: 255 samples are too few for any FFT, which is cancelled.
        {"FFT cancelled", true, "25.5", "0.1", "0.1", "0.1", "0.1", "0.1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        DriverRun run;
        run.m.Add(1, "Supply", {}, 1);
        run.Times("0", c.Stop, c.Step, c.Graph, c.Print);
        run.window.Check1 = c.Manual;
        run.window.Check4 = true;
        run.Go();
        EXPECT_EQ(run.window.Text7, c.ShownGraph);
        EXPECT_EQ(run.window.Text8, c.ShownPrint);
        EXPECT_EQ(run.window.Check4, c.Fft);
        EXPECT_EQ(run.m.Sim.Run.FftEnabled, c.Fft);
    }
}

TEST(RunDriver, FormsWithoutBlocksOrDisplaysRunAndRecordNothing) {
    for (bool withBlock : {false, true}) {
        SCOPED_TRACE(withBlock);
        DriverRun run;
        if (withBlock) run.m.Add(1, "Supply", {}, 1);
        run.m.Sim.Display.RecordedCount = 7;   // from an earlier run
        run.window.Check4 = true;
        run.Go();
        EXPECT_EQ(run.m.Sim.Display.RecordedCount, 0);
        EXPECT_EQ(run.m.Sim.Display.ColumnCount, 0);
        EXPECT_NEAR(run.m.Sim.Status.CurrentTime, 10.0, 1e-5);
        EXPECT_EQ(run.handOff.GraphSeries, std::vector<std::string>{"Time"});
        EXPECT_EQ(std::count(run.handOff.Calls.begin(), run.handOff.Calls.end(), "ShowFrequencyAnalysis"), 0);
    }
}

TEST(RunDriver, RowsBeyondTheBufferAreDroppedAndWarnedAfterTheRun) {
    struct Case {
        const char* Stop;
        const char* Step;
        int Rows;
        bool Warned;
    };
    // 40001 rows due; 32769 rows due (the last one dropped); exactly the 32768 rows held.
    const Case cases[] = {{"40", "0.001", DisplayRowLast, true},
                          {"32768", "1", DisplayRowLast, true},
                          {"32767", "1", DisplayRowLast, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Stop);
        DriverRun run;
        run.m.Add(1, "Supply", {}, 1);
        run.m.Add(42, "Display");
        run.m.Connect("Supply", "Display");
        run.Times("0", c.Stop, c.Step, c.Step, c.Step);
        run.Go();
        EXPECT_EQ(run.m.Sim.Display.RecordedCount, c.Rows);
        EXPECT_EQ(run.Messages(), c.Warned ? std::vector<std::string>{"Display buffer exceeded - some results not shown"}
                                           : std::vector<std::string>{});
        EXPECT_EQ(run.handOff.Calls.back(), "RedrawSheet 1");
    }
}

TEST(RunDriver, TimesBeyondTheFloatRangeEndTheRunAsAnOverflow) {
    DriverRun run;
    run.m.Add(1, "Supply", {}, 1);
    run.m.Add(42, "Display");
    run.m.Connect("Supply", "Display");
    run.Times("0", "3e38", "2e38", "2e38", "2e38");   // the second step would pass the float range
    run.Go();
    ASSERT_TRUE(run.handOff.Error);
    EXPECT_EQ(run.handOff.Error->Error, "Overflow");
    EXPECT_EQ(run.handOff.Error->Block, 0);
    const DisplayBuffer& d = run.m.Sim.Display;
    for (int row = 1; row <= d.RecordedCount; ++row) EXPECT_TRUE(std::isfinite(d.At(0, row))) << row;
    EXPECT_TRUE(std::isfinite(run.m.Sim.Status.CurrentTime));
}

TEST(RunDriver, DivideByZeroNamesTheBlockAndTheTimeReached) {
    DriverRun run;
    run.m.Add(42, "Display");
    run.m.Add(18, "Ratio");
    run.m.Add(2, "Offset ramp");
    run.m.Add(40, "Ramp");
    run.m.Add(1, "Minus three", {}, -3);
    run.m.Add(1, "One", {}, 1);
    run.m.Connect({{"Ramp", "Offset ramp", 1}, {"Minus three", "Offset ramp", 2}, {"One", "Ratio", 1},
                   {"Offset ramp", "Ratio", 2}, {"Ratio", "Display"}});
    run.Times("0", "10", "0.5", "0.5", "0.5");
    run.Go();

    ASSERT_TRUE(run.handOff.Error);
    const RunErrorReport& report = *run.handOff.Error;
    EXPECT_EQ(report.TimeReached, "2.5");
    EXPECT_EQ(report.TimeUnits, "sec");
    EXPECT_EQ(report.BlockTitle, "Ratio");
    EXPECT_EQ(report.Function, "Op=Ip1/ Ip2");
    EXPECT_EQ(report.Error, "Division by zero");
    EXPECT_EQ(report.Block, run.m.Find("Ratio"));
    EXPECT_EQ(run.handOff.Calls, (std::vector<std::string>{"ShowRunError", "RedrawSheet 1"}));
    ASSERT_EQ(run.m.Windows.Markers.size(), 1u);
    EXPECT_EQ(run.m.Windows.Markers[0].Number, 0);
    EXPECT_EQ(run.m.Windows.Markers[0].Block, run.m.Find("Ratio"));
    EXPECT_TRUE(run.m.Host.Sounds().empty());
}

TEST(RunDriver, HandOffFaultsEndTheRunWithTheirPhase) {
    struct Case {
        const char* Failing;
        float YRange;
        const char* Message;
    };
    // Only the graph phase names a Y range, and only one beyond 1e9.
    const Case cases[] = {
        {"HideTabulation", 3e9f, "Error encountered during Printing or Tabulating - Overflow"},
        {"ShowGraph", 1e9f, "Error encountered during Graphical Display - Overflow"},
        {"ShowGraph", 3e9f, "Graphical Display Error -Y range: 3E+09  too large"},
        {"HideFrequencyAnalysis", 3e9f, "Error encountered during FFT - Overflow"},
        {"HidePrbsAnalysis", 3e9f, "Error encountered during Correlation - Overflow"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Message);
        DriverRun run;
        run.m.Add(1, "Supply", {}, 1);
        run.m.Sim.Graph.YRange = c.YRange;
        run.m.Sim.Status.FrequencyWindowOpenedByRun = true;   // an earlier run opened it
        run.handOff.Failing = c.Failing;
        run.Go();
        EXPECT_EQ(run.Messages(), std::vector<std::string>{c.Message});
        EXPECT_EQ(run.handOff.Calls.back(), c.Failing);
        EXPECT_EQ(run.m.Sim.Status.WindowsBusy, 0);
    }
}

TEST(RunDriver, PrbsStretchesTheStopTimeOnlyForTheRun) {
    DriverRun run;
    run.m.Add(41, "PRBS", {4, 0, 1});
    run.m.Add(42, "Display");
    run.m.Connect("PRBS", "Display");
    run.Go();
    // Fifteen bits over 10.5 s: 0.7 s a bit, kept to whole steps of 0.1 s (6 steps); the stop
    // time then holds the sequence and two spare bits: 17 x 0.6 = 10.2.
    EXPECT_EQ(run.m.Sim.Run.StopTime, 10.0f);
    EXPECT_EQ(run.window.Label14, "(  adjusted to  10.2 )");
    const DisplayBuffer& d = run.m.Sim.Display;
    EXPECT_GT(d.At(0, d.RecordedCount), 10.1f);

    run.m.Sim.Forms[1].Blocks[run.m.Find("PRBS")].FunctionCode = 1;   // no generator any more
    run.Go();
    EXPECT_EQ(run.window.Label14, "");
    EXPECT_EQ(run.m.Sim.Run.StopTime, 10.0f);
}

/// The column recording the block titled `title`.
int ColumnOf(const DisplayBuffer& d, const std::string& title) {
    for (int c = 1; c <= d.ColumnCount; ++c) {
        if (d.ColumnTitle[c] == title) return c;
    }
    ADD_FAILURE() << title << " not recorded";
    return 0;
}

TEST(RunDriver, WholeRunOfEveryBlockFamilyFollowsTheClosedForms) {
    DriverRun run;
    TestSimulation& m = run.m;
    m.Add(1, "One", {}, 1);
    m.Add(40, "Ramp");
    m.Add(26, "Sine", {1, 2});
    m.Add(6, "Triple", {3});
    m.Add(16, "Square");
    m.Add(20, "Clip");
    m.At("Clip").SatHigh = 1;
    m.Add(2, "Sine plus one");
    m.Add(28, "Root");
    m.Add(14, "Slope", {2});
    m.Add(38, "Late", {0.5f});
    m.Add(8, "Area", {1});
    m.Add(10, "Lagged", {1});
    m.Add(4, "Negated");
    m.Connect({{"Ramp", "Triple"}, {"Ramp", "Square", 1}, {"Ramp", "Square", 2}, {"Ramp", "Clip"},
               {"Sine", "Sine plus one", 1}, {"One", "Sine plus one", 2}, {"Ramp", "Root"}, {"Ramp", "Slope"},
               {"Ramp", "Late"}, {"One", "Area"}, {"One", "Lagged"}, {"Area", "Negated"}});
    for (const char* shown : {"Triple", "Square", "Clip", "Sine plus one", "Root", "Slope", "Late", "Area", "Lagged",
                              "Negated"}) {
        const std::string display = std::string("Show ") + shown;
        m.Add(42, display);
        m.Connect(shown, display);
    }
    const testing::ScratchFolder folder;
    m.Sim.Dump.PrintDumpPath = (folder / "Print Dump.txt").string();
    run.window.Check2 = true;
    run.Times("0", "10", "0.01", "0.1", "1");   // the rows follow the shorter graph interval
    run.Go();

    EXPECT_TRUE(run.Messages().empty());
    // The dump is written before the tabulation shows, and shown again once the run is over.
    EXPECT_TRUE(std::filesystem::exists(m.Sim.Dump.PrintDumpPath));
    EXPECT_EQ(run.handOff.Calls, (std::vector<std::string>{"ShowTabulation", "ShowGraph", "HidePrbsAnalysis",
                                                           "ShowTabulation", "RedrawSheet 1"}));
    const DisplayBuffer& d = m.Sim.Display;
    ASSERT_EQ(d.ColumnCount, 10);
    ASSERT_EQ(d.RecordedCount, 101);
    EXPECT_NEAR(d.At(0, 101), 10.0, 1e-5);
    constexpr double Tolerance = 1e-4;
    constexpr double SlopeTolerance = 1e-3;   // a difference of two nearby floats over one step
    for (int row : {6, 11, 16, 21}) {
        const double t = 0.1 * (row - 1);
        SCOPED_TRACE(t);
        EXPECT_NEAR(d.At(0, row), t, 1e-6);
        EXPECT_NEAR(d.At(ColumnOf(d, "Triple"), row), 3 * t, Tolerance);
        EXPECT_NEAR(d.At(ColumnOf(d, "Square"), row), t * t, Tolerance);
        EXPECT_NEAR(d.At(ColumnOf(d, "Clip"), row), std::min(t, 1.0), Tolerance);
        EXPECT_NEAR(d.At(ColumnOf(d, "Sine plus one"), row), 2 * std::sin(t) + 1, Tolerance);
        EXPECT_NEAR(d.At(ColumnOf(d, "Root"), row), std::sqrt(t), Tolerance);
        EXPECT_NEAR(d.At(ColumnOf(d, "Slope"), row), 2, SlopeTolerance);
        EXPECT_NEAR(d.At(ColumnOf(d, "Late"), row), t - 0.5, Tolerance);
        EXPECT_NEAR(d.At(ColumnOf(d, "Area"), row), t, Tolerance);
        EXPECT_NEAR(d.At(ColumnOf(d, "Lagged"), row), 1 - std::exp(-t), Tolerance);
        EXPECT_NEAR(d.At(ColumnOf(d, "Negated"), row), -t, Tolerance);
    }
    EXPECT_NE(run.window.Text4, "Not Relevant");
    EXPECT_EQ(run.window.Text4Colour, PaletteColour(Palette::Blue));
}

// The figures the manuals quote, from runs of the example models as supplied, so that the
// manuals say what the program shows.
struct QuotedExampleRun {
    explicit QuotedExampleRun(const std::string& name) {
        Loaded = LoadSimulation(m.Sim, std::string(QUORVANE_EXAMPLES) + "/" + name + ".vqe");
        const int form = FirstAllocatedForm(m.Sim);
        m.Sim.Forms[form].RunSelected = 1;
        m.Sim.CurrentForm = form;
        RefreshRunWindow(m.Sim, Window);
        RecordingHandOff nowhere;
        RunSimulation(m.Sim, Window, nowhere);
    }
    testing::ScratchFolder Scratch;   // the print dump goes here
    TestSimulation m{Begin::Started};
    RunWindow Window;
    bool Loaded = false;
};

std::string Manual(const std::string& name) {
    std::ifstream in(std::string(QUORVANE_EXAMPLES) + "/../docs/" + name + ".md");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void ExpectQuoted(const std::string& manual, const std::string& figure) {
    EXPECT_NE(manual.find(figure), std::string::npos) << figure;
}

TEST(ManualFigures, RoundingErrorOfThePidExample) {
    QuotedExampleRun run("PID Temperature Loop");
    ASSERT_TRUE(run.Loaded);
    EXPECT_EQ(run.Window.Text4, "0.1114");
    ExpectQuoted(Manual("user_guide"), "\"PID Temperature Loop\" shows 0.1114");
}

TEST(ManualFigures, PrbsTimingAndImpulsePeak) {
    QuotedExampleRun run("PRBS Identification");
    ASSERT_TRUE(run.Loaded);
    const Simulation& sim = run.m.Sim;
    EXPECT_EQ(sim.Prbs.Length, 127);
    EXPECT_FLOAT_EQ(sim.Prbs.BitInterval, 0.4f);
    EXPECT_NEAR(sim.Display.At(0, sim.Display.RecordedCount), 102.4, 1e-4);
    // The impulse response (lags in column 16, the correlation sum in 17) peaks at 1.2 s.
    int peak = 1;
    for (int row = 1; row <= sim.Prbs.Length + 1; ++row) {
        if (sim.Display.At(17, row) > sim.Display.At(17, peak)) peak = row;
    }
    EXPECT_NEAR(sim.Display.At(16, peak), 1.2, 1e-4);
    const std::string help = Manual("examples_help");
    for (const char* figure : {"127 bits", "0.4 s", "50.8 s", "102.4 s", "peaking at 1.2 s"}) ExpectQuoted(help, figure);
}

/// An example run as the "Run" button makes it, without the tabulation file, stepped by the
/// plan or block by block.
RunTrace ExampleRun(const std::filesystem::path& path, bool plainLoop) {
    DriverRun run;
    EXPECT_TRUE(LoadSimulation(run.m.Sim, path.string()));
    run.m.Sim.Plan.PlainLoop = plainLoop;
    RefreshRunWindow(run.m.Sim, run.window);
    run.window.Check2 = false;
    run.Go();
    RunTrace trace;
    DisplayBuffer& display = run.m.Sim.Display;
    for (int column = 0; column <= display.ColumnCount; ++column) {
        for (int row = 0; row < std::min(display.RecordedCount, DisplayRowLast + 1); ++row) {
            trace.Add(display.At(column, row));
        }
    }
    trace.Add(display.RecordedCount);
    if (run.handOff.Error) {
        trace.Add(run.handOff.Error->Block);
        trace.Add(run.handOff.Error->Error + run.handOff.Error->TimeReached);
    }
    for (int f = 1; f <= FormSlots; ++f) trace.AddTables(run.m.Sim, run.m.Sim.Forms[f]);
    return trace;
}

TEST(RunDriver, ExamplesRecordTheSameWhetherSteppedByThePlanOrBlockByBlock) {
    int examples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUORVANE_EXAMPLES)) {
        if (entry.path().extension() != ".vqe") continue;
        SCOPED_TRACE(entry.path().filename().string());
        ++examples;
        const RunTrace expected = ExampleRun(entry.path(), true);
        EXPECT_GT(expected.Bits.size(), 100u);
        EXPECT_EQ(FirstDifference(expected, ExampleRun(entry.path(), false)), -1);
    }
    EXPECT_EQ(examples, 10);
}

}  // namespace
}  // namespace quorvane
