// The figures the manuals quote, from runs of the example models as supplied, so that the
// manuals say what the program shows.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "editing/form_slots.h"
#include "run/result_handoff.h"
#include "run/run_driver.h"
#include "run/run_window.h"
#include "storage/data_file_reader.h"
#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

/// The results go nowhere: the run's own state holds what the windows would show.
class NoWindows : public ResultHandOff {
public:
    void ShowTabulation(Simulation&) override {}
    void HideTabulation(Simulation&) override {}
    void ShowGraph(Simulation&, const std::vector<std::string>&) override {}
    void HideGraph(Simulation&) override {}
    void ShowFrequencyAnalysis(Simulation&, const std::vector<std::string>&) override {}
    void HideFrequencyAnalysis(Simulation&) override {}
    void ShowPrbsAnalysis(Simulation&) override {}
    void HidePrbsAnalysis(Simulation&) override {}
    void RedrawSheet(Simulation&, int) override {}
    void ShowRunError(Simulation&, const RunErrorReport&) override {}
};

struct ExampleRun {
    explicit ExampleRun(const std::string& name) {
        Loaded = LoadSimulation(m.Sim, std::string(QUORVANE_EXAMPLES) + "/" + name + ".vqe");
        const int form = FirstAllocatedForm(m.Sim);
        m.Sim.Forms[form].RunSelected = 1;
        m.Sim.CurrentForm = form;
        RefreshRunWindow(m.Sim, Window);
        NoWindows nowhere;
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
    ExampleRun run("PID Temperature Loop");
    ASSERT_TRUE(run.Loaded);
    EXPECT_EQ(run.Window.Text4, "0.1114");
    ExpectQuoted(Manual("user_guide"), "\"PID Temperature Loop\" shows 0.1114");
}

TEST(ManualFigures, PrbsTimingAndImpulsePeak) {
    ExampleRun run("PRBS Identification");
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

}  // namespace
}  // namespace quorvane
