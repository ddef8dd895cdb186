#include "forms/fft_properties.h"

#include <string>
#include <vector>

#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane {

using FftProperties = SimulationFixture<Begin::Bare>;

TEST_F(FftProperties, ShowsTheCurrentSettings) {
    FftPropertiesDialog dialog = LoadFftProperties(Sim);
    EXPECT_EQ(dialog.List1, 1);   // 1024
    EXPECT_FALSE(dialog.Manual);
    EXPECT_EQ(dialog.Text1, "5.00");
    Sim.Fft.TargetSize = 8192;
    Sim.Fft.PhaseMinimumLevel = 0.9899f;
    Sim.Prbs.AutomaticDuration = false;
    dialog = LoadFftProperties(Sim);
    EXPECT_EQ(dialog.List1, 4);
    EXPECT_TRUE(dialog.Manual);
    EXPECT_EQ(dialog.Text1, "98.99");
}

TEST(FftPropertiesLevel, LevelsFromZeroToBelowNinetyNinePercentAreTaken) {
    struct Case {
        const char* Typed;
        float Level;          // stored afterwards
        const char* Message;  // or none
    };
    const Case cases[] = {
        {"98.99", 0.9899f, nullptr},
        {"0", 0.0f, nullptr},
        {"12.5", 0.125f, nullptr},
        {"99", 0.05f, "FFT Phase min. level must not be 100% or greater"},
        {"100", 0.05f, "FFT Phase min. level must not be 100% or greater"},
        {"-0.5", 0.05f, "FFT Phase min. level must not be negative"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        TestSimulation t;
        Simulation& sim = t.Sim;
        sim.CurrentForm = 2;
        // The size and the duration mode are taken whatever the level.
        const bool taken = ApplyFftProperties(sim, {3, true, c.Typed});
        EXPECT_EQ(taken, c.Message == nullptr);
        EXPECT_EQ(sim.Fft.PhaseMinimumLevel, c.Level);
        EXPECT_EQ(t.Host.Messages(), c.Message ? std::vector<std::string>{c.Message} : std::vector<std::string>{});
        EXPECT_EQ(sim.Fft.TargetSize, 4096);
        EXPECT_EQ(sim.Fft.TargetExponent, 12);
        EXPECT_EQ(sim.Fft.HalfSize, 2048);
        EXPECT_FALSE(sim.Prbs.AutomaticDuration);
        // The sheet's PRBS blocks show the duration mode.
        EXPECT_EQ(t.Windows.Calls, std::vector<std::string>{"RequestRedraw 2"});
        EXPECT_EQ(sim.Status.CurrentActivity, "Setting FFT Properties");
    }
}

}  // namespace quorvane
