#include "forms/prbs_window.h"

#include <cmath>

#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane {

namespace {

/// A finished PRBS run of bit length 4 (L = 15), 0.1 s a bit, whose correlator recorded the
/// sequence itself.
struct PrbsWindow : SimulationFixture<Begin::Bare> {
    PrbsWindow() {
        PrbsData& prbs = Sim.Prbs;
        prbs.BitLength = 4;
        prbs.Length = 15;
        prbs.BitInterval = 0.1f;
        prbs.CorrelatorPresent = true;
        const int bits[] = {1, 1, 1, 1, -1, -1, -1, 1, -1, -1, 1, 1, -1, 1, -1};
        for (int i = 1; i <= 15; ++i) prbs.PrbsSequence[i] = prbs.PrbsRecord[i] = static_cast<float>(bits[i - 1]);
    }
};

}  // namespace

TEST_F(PrbsWindow, SwitchesWorkTheCorrelationOutAgain) {
    ASSERT_TRUE(SetResponseMode(Sim, false));
    EXPECT_EQ(Sim.Status.CurrentActivity, "Setting Frequency Response");
    EXPECT_EQ(Sim.Display.ColumnTitle[16], "Correlation Frequency ");
    EXPECT_EQ(Sim.Display.ColumnTitle[17], "Frequency Response");
    EXPECT_EQ(CorrelationCurves(Sim), 1);

    ASSERT_TRUE(ShowCorrelationPhase(Sim, true));
    EXPECT_EQ(Sim.Status.CurrentActivity, "Setting Correlation Phase Display");
    EXPECT_EQ(CorrelationCurves(Sim), 2);

    ASSERT_TRUE(SetCorrelationLogFrequency(Sim, true));
    EXPECT_EQ(Sim.Status.CurrentActivity, "Setting Log x scales (correlation)");
    EXPECT_TRUE(PrbsXIsLogarithmic(Sim));
    // Bin 1 of 16 bit intervals of 0.1 s: 0.625 Hz, stored as its logarithm.
    EXPECT_NEAR(Sim.Display.At(16, 1), std::log10(0.625), 1e-5);

    ASSERT_TRUE(SetCorrelationLogMagnitude(Sim, true));
    EXPECT_EQ(Sim.Status.CurrentActivity, "Setting Log Y scales (correlation)");

    // The impulse response: lag times against the correlation, which has no phase to draw.
    ASSERT_TRUE(SetResponseMode(Sim, true));
    EXPECT_EQ(Sim.Status.CurrentActivity, "Setting Impulse Response");
    EXPECT_EQ(Sim.Display.ColumnTitle[16], "Correlation Time ");
    EXPECT_EQ(CorrelationCurves(Sim), 1);
    EXPECT_FALSE(PrbsXIsLogarithmic(Sim));
    // A sequence against itself: L / 2 at lag 0, -1/2 elsewhere.
    EXPECT_FLOAT_EQ(Sim.Display.At(17, 1), 7.5f);
    EXPECT_FLOAT_EQ(Sim.Display.At(17, 2), -0.5f);
    EXPECT_FLOAT_EQ(Sim.Display.At(16, 3), 0.2f);
}

TEST_F(PrbsWindow, SwitchesWaitWhileTheRunFillsTheWindows) {
    Sim.Status.WindowsBusy = 1;
    EXPECT_FALSE(SetResponseMode(Sim, false));
    EXPECT_FALSE(SetCorrelationLogMagnitude(Sim, true));
    EXPECT_FALSE(SetCorrelationLogFrequency(Sim, true));
    EXPECT_FALSE(ShowCorrelationPhase(Sim, true));
    EXPECT_TRUE(Sim.Prbs.ImpulseResponseMode);
    EXPECT_FALSE(Sim.Prbs.LogMagnitude || Sim.Prbs.LogFrequency || Sim.Prbs.ShowCorrelationPhase);
    EXPECT_TRUE(Sim.Display.ColumnTitle[16].empty());
}

TEST_F(PrbsWindow, CaptionGivesLengthBitIntervalAndSpan) {
    EXPECT_EQ(PrbsCaption(Sim), "PRBS Analysis                 PRBS Length:  15    Time Step: 0.1 sec    (1.5 sec)");
    Sim.Prbs.Length = 1023;
    Sim.Prbs.BitInterval = 0.0123456789f;
    EXPECT_EQ(PrbsCaption(Sim),
              "PRBS Analysis                 PRBS Length:  1023    Time Step: 0.012346 sec    (12.6296 sec)");
}

}  // namespace quorvane
