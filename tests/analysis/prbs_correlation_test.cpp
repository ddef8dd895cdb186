#include "analysis/prbs_correlation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

#include "analysis/fft.h"
#include "analysis/prbs.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

constexpr double Tolerance = 1e-4;

// A 15-bit sequence of amplitude 2 injected one step per bit, the correlator reading the
// generator's own output after it within each step.
struct SelfCorrelation : TestSimulation {
    SelfCorrelation() {
        PrbsData& p = Sim.Prbs;
        p.BitLength = 4;
        p.Amplitude = 2;
        p.BitInterval = 0.1f;
        GeneratePrbsSequence(p);
        for (int k = 0; k < 3 * p.Length; ++k) {
            AdvancePrbsSchedule(p, k);
            if (p.PrbsState == 1) p.PrbsRecord[p.PrbsIndex] = p.PrbsSequence[p.PrbsIndex];
        }
    }
};

TEST(CorrelationAnalysis, ImpulseResponseOfTheSequenceItself) {
    SelfCorrelation s;
    s.Sim.Display.At(17, 30) = 9;   // stale rows are cleared
    CorrelationAnalysis(s.Sim);
    EXPECT_EQ(s.Headings(16, 17), (Strings{"Correlation Time ", "sec", "PRBS Correlation ", " "}));
    EXPECT_EQ(s.Sim.Fft.FftColumnsUsed, 1);
    // L a^2 / 2 = 30 at lags 0 and L, -a^2 / 2 = -2 elsewhere.
    EXPECT_EQ(s.Sim.Display.At(17, 0), 0.0f);
    for (int lag = 0; lag <= 15; ++lag) {
        SCOPED_TRACE(lag);
        EXPECT_NEAR(s.Sim.Display.At(17, lag + 1), lag == 0 || lag == 15 ? 30.0 : -2.0, Tolerance);
        EXPECT_NEAR(s.Sim.Display.At(16, lag + 1), 0.1 * lag, Tolerance);
    }
    EXPECT_EQ(s.Sim.Display.At(17, 30), 0.0f);
}

TEST(CorrelationAnalysis, FrequencyResponseOfTheSequenceItself) {
    SelfCorrelation s;
    s.Sim.Prbs.ImpulseResponseMode = false;
    s.Sim.Prbs.ShowCorrelationPhase = true;
    s.Sim.Prbs.LogMagnitude = true;
    CorrelationAnalysis(s.Sim);
    EXPECT_EQ(s.Headings(16, 18),
              (Strings{"Correlation Frequency ", "Hz", "Frequency Response", "", "Phase - ", "degrees"}));
    EXPECT_EQ(s.Sim.Fft.FftColumnsUsed, 2);

    // Transform of rows 0..15 = 0, 30, -2 x 14: X(k) = 2 + 32 exp(+2 pi i k / 16) for
    // k = 1..8 and X(0) = 2; magnitudes over M' = 8 (the mean over 16), in dB.
    const auto decibels = [](double magnitude) { return 20 * std::log10(magnitude); };
    EXPECT_NEAR(s.Sim.Display.At(17, 0), decibels(2.0 / 16), Tolerance);
    for (int k = 1; k <= 6; ++k) {
        SCOPED_TRACE(k);
        const std::complex<double> x = 2.0 + 32.0 * std::polar(1.0, 2 * std::numbers::pi * k / 16);
        EXPECT_NEAR(s.Sim.Display.At(17, k), decibels(std::abs(x) / 8), Tolerance);
        EXPECT_NEAR(s.Sim.Display.At(18, k), std::arg(x) * 180 / std::numbers::pi, 0.01);   // all within 0..180
        EXPECT_NEAR(s.Sim.Display.At(16, k), k / 1.6, Tolerance);   // the transform spans 16 bits of 0.1
    }
    EXPECT_NEAR(s.Sim.Display.At(17, 7), decibels(30.0 / 8), Tolerance);   // Nyquist term
    EXPECT_EQ(s.Sim.Display.At(18, 7), PhaseUndefinedMarker);
    for (int row = 8; row <= 15; ++row) EXPECT_EQ(s.Sim.Display.At(17, row), 0.0f) << row;
    for (int row = 8; row <= 16; ++row) EXPECT_EQ(s.Sim.Display.At(16, row), 0.0f) << row;

    // In radians the correlation's axis takes 2 pi as 6.2831852.
    s.Sim.Run.FrequencyInHz = false;
    CorrelationAnalysis(s.Sim);
    EXPECT_EQ(s.Sim.Display.ColumnUnits[16], "rad/s");
    EXPECT_NEAR(s.Sim.Display.At(16, 1), 6.2831852 / 1.6, 3e-7 * 6.2831852 / 1.6);
}

}  // namespace
}  // namespace quorvane
