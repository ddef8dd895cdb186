#include "analysis/spectrum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>

#include "support/test_simulation.h"

namespace quorvane {
namespace {

constexpr double MagnitudeTolerance = 1e-4;
// Tighter than the gap between 6.28318 and 6.2831852 (8e-7), looser than a float's rounding.
constexpr double FrequencyTolerance = 3e-7;

// a sin(2 pi bin k / points + shift)
std::function<double(int)> Sine(double amplitude, int bin, int points = 1024, double shift = 0) {
    return [=](int k) { return amplitude * std::sin(2 * std::numbers::pi * bin * k / points + shift); };
}

struct Spectrum : TestSimulation {
    // `rows` samples of f(k), k = 0.., recorded every 0.01 into `column` of the two series
    // "Flow" (l/s) and "Level" (m).
    Spectrum(int rows, const std::function<double(int)>& f, int column = 1) {
        DisplayBuffer& d = Sim.Display;
        d.ColumnCount = 2;
        d.ColumnTitle[1] = "Flow";
        d.ColumnUnits[1] = "l/s";
        d.ColumnTitle[2] = "Level";
        d.ColumnUnits[2] = "m";
        d.RecordedCount = rows;
        for (int k = 0; k < rows; ++k) d.At(column, k + 1) = static_cast<float>(f(k));
        Sim.Fft.SampleInterval = Sim.Status.MinDisplayInterval = 0.01f;
    }
};

TEST(SpectrumOfColumn, SineOnABinGivesItsAmplitudePhaseAndFrequency) {
    // Positive exponent: a sine leads at +90 degrees, a cosine at 0. Bin j lies at j / 10.24 Hz.
    struct Case { double Amplitude, Phase; int Bin; std::string TimeUnits; bool InHz, LogFrequency; std::string Units; double Frequency; };
    const Case cases[] = {
        {2.5, 90, 7, "sec", true, false, "Hz", 7 / 10.24},
        {1.0, 90, 100, "secs", false, false, "rad/s", 6.28318 * 100 / 10.24},
        {0.5, 0, 33, "min", true, true, "Cycles per min", std::log10(33 / 10.24)},
        {3.0, 90, 510, "hours", false, false, "rad / hours", 6.28318 * 510 / 10.24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Amplitude << " on bin " << c.Bin);
        Spectrum s(1024, Sine(c.Amplitude, c.Bin, 1024, c.Phase == 0 ? std::numbers::pi / 2 : 0));
        s.Sim.Run.TimeUnits = c.TimeUnits;
        s.Sim.Run.FrequencyInHz = c.InHz;
        s.Sim.Fft.LogFrequency = c.LogFrequency;
        s.Sim.Fft.ShowPhase = true;
        SpectrumOfColumn(s.Sim, 1);
        EXPECT_EQ(s.Headings(11, 13), (Strings{"Frequency ", c.Units, "Magnitude - Flow", "l/s", "Phase - Flow", "degrees"}));
        for (int j = 0; j <= 510; ++j)
            EXPECT_NEAR(s.Sim.Display.At(12, j), j == c.Bin ? c.Amplitude : 0.0, MagnitudeTolerance * c.Amplitude) << j;
        EXPECT_NEAR(s.Sim.Display.At(13, c.Bin), c.Phase, 0.01);
        // Bins far below the 5 % level have no phase, nor have the mean and the Nyquist term.
        for (int j : {c.Bin == 7 ? 8 : 6, 0, 511}) EXPECT_EQ(s.Sim.Display.At(13, j), PhaseUndefinedMarker) << j;
        EXPECT_NEAR(s.Sim.Display.At(11, c.Bin), c.Frequency, std::fabs(c.Frequency) * FrequencyTolerance);
        EXPECT_NEAR(s.Sim.Display.At(11, 0), -1 / 10.24, 1e-6);
        EXPECT_TRUE(s.Host.Messages().empty());
    }
}

TEST(SpectrumOfColumn, ConstantGivesItsMeanAndNoPhases) {
    // In dB, zeros take 1/100 of the smallest magnitude, or of 1 when all are zero: -40 dB.
    struct Case { double Value; bool Decibels; double Mean, Others; };
    for (const Case& c : {Case{-3.25, false, 3.25, 0}, Case{0, true, -40, -40}}) {
        SCOPED_TRACE(c.Value);
        Spectrum s(1500, [&](int) { return c.Value; });
        s.Sim.Fft.DbMagnitude = c.Decibels;
        s.Sim.Fft.ShowPhase = true;
        SpectrumOfColumn(s.Sim, 1);
        EXPECT_NEAR(s.Sim.Display.At(12, 0), c.Mean, 1e-6);
        for (int j = 1; j <= 511; ++j) EXPECT_NEAR(s.Sim.Display.At(12, j), c.Others, 1e-6) << j;
        for (int j = 1; j <= 510; ++j) EXPECT_EQ(s.Sim.Display.At(13, j), PhaseUndefinedMarker) << j;
    }
}

TEST(SpectrumOfColumn, SeriesNearTheFloatLimitKeepTheirSize) {
    // 1024 terms of 3e37 sum far beyond the single range; the spectrum must still be exact.
    struct Case { std::function<double(int)> Series; int Bin; double Magnitude; };
    const Case cases[] = {{[](int) { return 3e37; }, 0, 3e37}, {Sine(1e38, 7), 7, 1e38}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Bin);
        Spectrum s(1024, c.Series);
        s.Sim.Fft.ShowPhase = true;
        SpectrumOfColumn(s.Sim, 1);
        for (int j = 0; j <= 511; ++j) {
            EXPECT_NEAR(s.Sim.Display.At(12, j), j == c.Bin ? c.Magnitude : 0.0, MagnitudeTolerance * c.Magnitude) << j;
            EXPECT_TRUE(std::isfinite(s.Sim.Display.At(13, j))) << j;
        }
        if (c.Bin) {
            EXPECT_NEAR(s.Sim.Display.At(13, c.Bin), 90, 0.01);
        }
    }
}

TEST(SpectrumOfColumn, DecimatesToTheSampleInterval) {
    // Recorded every 0.01, FFT samples every 0.03: every third row is used.
    Spectrum s(3 * 1024, [](int k) { return k % 3 == 0 ? Sine(2, 5)(k / 3) : 100.0; });
    s.Sim.Fft.SampleInterval = 0.03f;
    SpectrumOfColumn(s.Sim, 1);
    EXPECT_NEAR(s.Sim.Display.At(12, 5), 2.0, MagnitudeTolerance * 2);
    EXPECT_NEAR(s.Sim.Display.At(12, 0), 0.0, MagnitudeTolerance);
    EXPECT_NEAR(s.Sim.Display.At(11, 5), 5 / (1024 * 0.03), 1e-4);
}

TEST(SpectrumOfColumn, ShortRecordingHalvesOnce) {
    struct Case { int TargetSize; int Recorded; FrequencyWindowAction Action; int HalfSize; Strings Messages; };
    const std::string resizing = "Automatically resizing FFT to  512 to optimise all requirements";
    const Case cases[] = {
        {1024, 600, FrequencyWindowAction::Redraw, 256, {resizing}},
        {1024, 400, FrequencyWindowAction::Hide, 256, {resizing, "FFT Resizing failed  - try adjusting stop time by 10%"}},
        {128, 100, FrequencyWindowAction::Hide, 32, {"Automatically resizing FFT to  64 to optimise all requirements"}},
        {200, 600, FrequencyWindowAction::Redraw, 64, {}},   // a half size of 100 from a file: 64
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Recorded);
        Spectrum s(c.Recorded, Sine(1, 4, 512));
        s.Sim.Fft.HalfSize = c.TargetSize / 2;
        EXPECT_EQ(SpectrumOfColumn(s.Sim, 1), c.Action);
        EXPECT_EQ(s.Sim.Fft.HalfSize, c.HalfSize);
        EXPECT_EQ(s.Host.Messages(), c.Messages);
        EXPECT_EQ(s.Sim.Fft.FftColumnsUsed, c.Action == FrequencyWindowAction::Redraw ? 1 : 0);
    }
}

TEST(SpectrumOfColumn, ResultColumnsAreLimited) {
    const Strings noRoom{"No free display buffer for FFT display"};
    Spectrum s(1024, Sine(1, 4));
    s.Sim.Fft.ShowPhase = true;
    s.Sim.Display.At(16, 1) = 42;   // a correlation result
    SpectrumOfColumn(s.Sim, 1);
    SpectrumOfColumn(s.Sim, 2);
    EXPECT_EQ(s.Sim.Display.ColumnTitle[15], "Phase - Level");
    EXPECT_TRUE(s.Host.Messages().empty());
    SpectrumOfColumn(s.Sim, 1);   // column 15 is the last: the phase has no room
    EXPECT_EQ(s.Host.Messages(), noRoom);
    EXPECT_EQ(s.Sim.Fft.FftColumnsUsed, 4);
    EXPECT_EQ(s.Sim.Display.At(16, 1), 42.0f);
    s.Host.Clear();
    s.Sim.Fft.FftColumnsUsed = 5;
    EXPECT_EQ(SpectrumOfColumn(s.Sim, 1), FrequencyWindowAction::Redraw);
    EXPECT_EQ(s.Host.Messages(), noRoom);
}

TEST(RatioOfAnalyses, MagnitudeRatioOrDecibelDifference) {
    // With phases shown, A-magnitude, A-phase, B-magnitude, B-phase are first compacted.
    for (bool decibels : {false, true}) {
        SCOPED_TRACE(decibels ? "dB without phase" : "ratio with phase");
        Spectrum s(1024, [](int k) { return Sine(4, 9)(k) + 1; });
        for (int k = 0; k < 1024; ++k) s.Sim.Display.At(2, k + 1) = static_cast<float>(Sine(1, 9)(k) + 1);
        s.Sim.Fft.DbMagnitude = decibels;
        s.Sim.Fft.ShowPhase = !decibels;
        s.Sim.Run.FrequencyInHz = false;
        s.Sim.Fft.ComparisonColumn = 2;
        SpectrumOfColumn(s.Sim, 1);
        SpectrumOfColumn(s.Sim, 2);
        ASSERT_TRUE(RatioOfAnalyses(s.Sim));
        EXPECT_EQ(s.Sim.Fft.FftColumnsUsed, 3);
        EXPECT_FALSE(s.Sim.Fft.ShowPhase);
        // The ratio's axis is in cycles even when the spectra were in radians.
        EXPECT_EQ(s.Headings(11, 14), (Strings{"Frequency ", "Hz", "Magnitude - Flow", "l/s", "Magnitude - Level", "m", "Ratio ", " "}));
        EXPECT_NEAR(s.Sim.Display.At(11, 9), 9 / 10.24, 1e-5);
        EXPECT_NEAR(s.Sim.Display.At(14, 9), decibels ? 20 * std::log10(4.0) : 4.0, 1e-3);
        EXPECT_EQ(s.Sim.Display.At(14, 600), 0.0f);
        EXPECT_TRUE(s.Host.Messages().empty());
    }
}

TEST(RatioOfAnalyses, RefusedWithoutMagnitudeOrTwoSeries) {
    struct Case { bool Magnitude; int Primary, Comparison; std::string Message; };
    const std::string twoNeeded = "two valid analysis needed";
    for (const Case& c : {Case{false, 1, 2, "Need to select Magnitude for comparison"}, Case{true, 0, 2, twoNeeded},
                          Case{true, 1, 3, twoNeeded}}) {
        SCOPED_TRACE(testing::Message() << c.Primary << " " << c.Comparison);
        Spectrum s(1024, [](int) { return 1.0; });
        s.Sim.Fft.ShowMagnitude = c.Magnitude;
        s.Sim.Fft.PrimaryColumn = c.Primary;
        s.Sim.Fft.ComparisonColumn = c.Comparison;
        EXPECT_FALSE(RatioOfAnalyses(s.Sim));
        EXPECT_EQ(s.Host.Messages(), Strings{c.Message});
        EXPECT_EQ(s.Sim.Display.ColumnTitle[14], "");
    }
}

}  // namespace
}  // namespace quorvane
