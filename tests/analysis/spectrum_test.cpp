#include "analysis/spectrum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "analysis/analysis_support.h"

namespace quorvane {
namespace {

constexpr double MagnitudeTolerance = 1e-4;
constexpr double PhaseTolerance = 0.01;

struct Spectrum : TestSimulation {
    // `rows` samples of f(k), k = 0.., recorded every `interval` into column 1 ("Flow", "l/s").
    void Record(int rows, double interval, const std::function<double(int)>& f) {
        DisplayBuffer& d = Sim.Display;
        d.ColumnCount = 2;
        d.ColumnTitle[1] = "Flow";
        d.ColumnUnits[1] = "l/s";
        d.ColumnTitle[2] = "Level";
        d.ColumnUnits[2] = "m";
        d.RecordedCount = rows;
        for (int k = 0; k < rows; ++k) d.At(1, k + 1) = static_cast<float>(f(k));
        Sim.Fft.SampleInterval = static_cast<float>(interval);
        Sim.Status.MinDisplayInterval = static_cast<float>(interval);
    }
    float At(int column, int row) { return Sim.Display.At(column, row); }
};

double Sine(double amplitude, int bin, int points, int k) {
    return amplitude * std::sin(2 * std::numbers::pi * bin * k / points);
}

TEST(SpectrumOfColumn, SineOnABinGivesItsAmplitudeAndPhase) {
    struct Case {
        double Amplitude;
        int Bin;
        bool Cosine;
        double Phase;   // positive exponent: a sine leads at +90 degrees
    };
    const Case cases[] = {{2.5, 7, false, 90}, {1.0, 100, false, 90}, {0.5, 33, true, 0}, {3, 510, false, 90}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Amplitude << " on bin " << c.Bin);
        Spectrum s;
        s.Sim.Fft.ShowPhase = true;
        s.Record(1024, 0.01, [&](int k) {
            return c.Cosine ? c.Amplitude * std::cos(2 * std::numbers::pi * c.Bin * k / 1024) : Sine(c.Amplitude, c.Bin, 1024, k);
        });
        EXPECT_EQ(SpectrumOfColumn(s.Sim, 1), FrequencyWindowAction::Redraw);
        EXPECT_EQ(s.Sim.Fft.FftColumnsUsed, 2);
        for (int j = 0; j <= 510; ++j) {
            SCOPED_TRACE(j);
            EXPECT_NEAR(s.At(12, j), j == c.Bin ? c.Amplitude : 0.0, MagnitudeTolerance * c.Amplitude);
        }
        EXPECT_NEAR(s.At(13, c.Bin), c.Phase, PhaseTolerance);
        // Bins far below the 5 % level have no phase.
        EXPECT_EQ(s.At(13, c.Bin == 7 ? 8 : 6), PhaseUndefinedMarker);
        EXPECT_EQ(s.At(13, 0), PhaseUndefinedMarker);
        EXPECT_EQ(s.At(13, 511), PhaseUndefinedMarker);
        EXPECT_EQ(s.At(12, 512), 0.0f);
        EXPECT_NEAR(s.At(11, c.Bin), c.Bin / 10.24, 1e-4);
        EXPECT_NEAR(s.At(11, 0), -1 / 10.24, 1e-6);
        EXPECT_TRUE(s.Host.Messages().empty());
    }
}

TEST(SpectrumOfColumn, ColumnTitlesAndFrequencyUnits) {
    struct Case {
        std::string TimeUnits;
        bool InHz;
        bool LogFrequency;
        std::string Units;
        double Row10;
    };
    const double hz = 10 / 10.24;
    const Case cases[] = {
        {"sec", true, false, "Hz", hz},
        {"secs", false, false, "rad/s", 6.2831852 * hz},
        {"min", true, true, "Cycles per min", std::log10(hz)},
        {"hours", false, false, "rad / hours", 6.2831852 * hz},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Units);
        Spectrum s;
        s.Sim.Run.TimeUnits = c.TimeUnits;
        s.Sim.Run.FrequencyInHz = c.InHz;
        s.Sim.Fft.LogFrequency = c.LogFrequency;
        s.Sim.Fft.ShowPhase = true;
        s.Record(1024, 0.01, [](int k) { return k % 3; });
        SpectrumOfColumn(s.Sim, 1);
        const DisplayBuffer& d = s.Sim.Display;
        EXPECT_EQ(d.ColumnTitle[11], "Frequency ");
        EXPECT_EQ(d.ColumnUnits[11], c.Units);
        EXPECT_EQ(d.ColumnTitle[12], "Magnitude - Flow");
        EXPECT_EQ(d.ColumnUnits[12], "l/s");
        EXPECT_EQ(d.ColumnTitle[13], "Phase - Flow");
        EXPECT_EQ(d.ColumnUnits[13], "degrees");
        EXPECT_NEAR(d.At(11, 10), c.Row10, 1e-5);
    }
}

TEST(SpectrumOfColumn, ConstantGivesItsMeanAndNoPhases) {
    Spectrum s;
    s.Sim.Fft.ShowPhase = true;
    s.Record(1500, 0.01, [](int) { return -3.25; });
    SpectrumOfColumn(s.Sim, 1);
    EXPECT_FLOAT_EQ(s.At(12, 0), 3.25f);   // the mean's magnitude
    for (int j = 1; j <= 511; ++j) EXPECT_EQ(s.At(12, j), 0.0f) << j;
    for (int j = 1; j <= 510; ++j) EXPECT_EQ(s.At(13, j), PhaseUndefinedMarker) << j;
}

TEST(SpectrumOfColumn, DecibelsWithAFloorForZeros) {
    {
        SCOPED_TRACE("all zero: floor 1/100");
        Spectrum s;
        s.Sim.Fft.DbMagnitude = true;
        s.Record(1024, 0.01, [](int) { return 0.0; });
        SpectrumOfColumn(s.Sim, 1);
        for (int j = 0; j <= 511; ++j) EXPECT_NEAR(s.At(12, j), -40.0, 1e-4) << j;
    }
    {
        SCOPED_TRACE("sine of 10 on bin 3, mean 0.1");
        Spectrum s;
        s.Sim.Fft.DbMagnitude = true;
        s.Record(1024, 0.01, [](int k) { return 0.1 + Sine(10, 3, 1024, k); });
        SpectrumOfColumn(s.Sim, 1);
        EXPECT_NEAR(s.At(12, 3), 20.0, 1e-3);
        EXPECT_NEAR(s.At(12, 0), -20.0, 1e-3);
        // Other bins are rounding noise at most; exact zeros take 1/100 of the smallest value.
        EXPECT_LT(s.At(12, 50), -60.0);
    }
}

TEST(SpectrumOfColumn, DecimatesToTheSampleInterval) {
    Spectrum s;
    // Recorded every 0.01, FFT samples every 0.03: every third row is used.
    s.Record(3 * 1024, 0.01, [](int k) { return k % 3 == 0 ? Sine(2, 5, 1024, k / 3) : 100.0; });
    s.Sim.Fft.SampleInterval = 0.03f;
    SpectrumOfColumn(s.Sim, 1);
    EXPECT_NEAR(s.At(12, 5), 2.0, MagnitudeTolerance * 2);
    EXPECT_NEAR(s.At(12, 0), 0.0, MagnitudeTolerance);
    EXPECT_NEAR(s.At(11, 5), 5 / (1024 * 0.03), 1e-4);
}

TEST(SpectrumOfColumn, ShortRecordingHalvesOnce) {
    struct Case {
        int TargetSize;
        int Recorded;
        FrequencyWindowAction Action;
        int HalfSize;
        std::vector<std::string> Messages;
    };
    const std::string resizing = "Automatically resizing FFT to  512 to optimise all requirements";
    const Case cases[] = {
        {1024, 1024, FrequencyWindowAction::Redraw, 512, {}},
        {1024, 600, FrequencyWindowAction::Redraw, 256, {resizing}},
        {1024, 400, FrequencyWindowAction::Hide, 256,
         {resizing, "FFT Resizing failed  - try adjusting stop time by 10%"}},
        {128, 100, FrequencyWindowAction::Hide, 32,
         {"Automatically resizing FFT to  64 to optimise all requirements"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Recorded);
        Spectrum s;
        s.Sim.Fft.HalfSize = c.TargetSize / 2;
        s.Record(c.Recorded, 0.01, [](int k) { return Sine(1, 4, 512, k); });
        EXPECT_EQ(SpectrumOfColumn(s.Sim, 1), c.Action);
        EXPECT_EQ(s.Sim.Fft.HalfSize, c.HalfSize);
        EXPECT_EQ(s.Host.Messages(), c.Messages);
        EXPECT_EQ(s.Sim.Fft.FftColumnsUsed, c.Action == FrequencyWindowAction::Redraw ? 1 : 0);
    }
}

TEST(SpectrumOfColumn, ResultColumnsAreLimited) {
    Spectrum s;
    s.Sim.Fft.ShowPhase = true;
    s.Record(1024, 0.01, [](int k) { return Sine(1, 4, 1024, k); });
    s.Sim.Display.At(16, 1) = 42;   // a correlation result
    SpectrumOfColumn(s.Sim, 1);
    SpectrumOfColumn(s.Sim, 2);
    EXPECT_EQ(s.Sim.Fft.FftColumnsUsed, 4);
    EXPECT_EQ(s.Sim.Display.ColumnTitle[15], "Phase - Level");
    EXPECT_TRUE(s.Host.Messages().empty());

    SpectrumOfColumn(s.Sim, 1);
    EXPECT_EQ(s.Host.Messages(), std::vector<std::string>{"No free display buffer for FFT display"});
    EXPECT_EQ(s.Sim.Fft.FftColumnsUsed, 4);
    EXPECT_EQ(s.At(16, 1), 42.0f);

    s.Host.Clear();
    s.Sim.Fft.FftColumnsUsed = 5;
    EXPECT_EQ(SpectrumOfColumn(s.Sim, 1), FrequencyWindowAction::Redraw);
    EXPECT_EQ(s.Host.Messages(), std::vector<std::string>{"No free display buffer for FFT display"});
}

TEST(RatioOfAnalyses, MagnitudeRatioOrDecibelDifference) {
    for (bool decibels : {false, true}) {
        for (bool phase : {false, true}) {
            SCOPED_TRACE(testing::Message() << "dB " << decibels << " phase " << phase);
            Spectrum s;
            s.Sim.Fft.DbMagnitude = decibels;
            s.Sim.Fft.ShowPhase = phase;
            s.Record(1024, 0.01, [](int k) { return Sine(4, 9, 1024, k) + 1; });
            for (int k = 0; k < 1024; ++k)
                s.Sim.Display.At(2, k + 1) = static_cast<float>(Sine(1, 9, 1024, k) + 1);
            s.Sim.Fft.PrimaryColumn = 1;
            s.Sim.Fft.ComparisonColumn = 2;
            SpectrumOfColumn(s.Sim, 1);
            SpectrumOfColumn(s.Sim, 2);
            ASSERT_TRUE(RatioOfAnalyses(s.Sim));
            const DisplayBuffer& d = s.Sim.Display;
            EXPECT_EQ(s.Sim.Fft.FftColumnsUsed, 3);
            EXPECT_FALSE(s.Sim.Fft.ShowPhase);
            EXPECT_EQ(d.ColumnTitle[13], "Magnitude - Level");
            EXPECT_EQ(d.ColumnTitle[14], "Ratio ");
            EXPECT_NEAR(d.At(14, 9), decibels ? 20 * std::log10(4.0) : 4.0, 1e-3);
            EXPECT_EQ(d.At(14, 600), 0.0f);
            EXPECT_EQ(d.ColumnUnits[11], "Hz");
            EXPECT_TRUE(s.Host.Messages().empty());
        }
    }
}

TEST(RatioOfAnalyses, RefusedWithoutMagnitudeOrTwoSeries) {
    struct Case {
        bool Magnitude;
        int Primary;
        int Comparison;
        std::string Message;
    };
    const Case cases[] = {
        {false, 1, 2, "Need to select Magnitude for comparison"},
        {true, 0, 2, "two valid analysis needed"},
        {true, 1, 3, "two valid analysis needed"},
        {true, 1, 0, "two valid analysis needed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Primary << " " << c.Comparison);
        Spectrum s;
        s.Record(1024, 0.01, [](int) { return 1.0; });
        s.Sim.Fft.ShowMagnitude = c.Magnitude;
        s.Sim.Fft.PrimaryColumn = c.Primary;
        s.Sim.Fft.ComparisonColumn = c.Comparison;
        EXPECT_FALSE(RatioOfAnalyses(s.Sim));
        EXPECT_EQ(s.Host.Messages(), std::vector<std::string>{c.Message});
        EXPECT_EQ(s.Sim.Display.ColumnTitle[14], "");
    }
}

}  // namespace
}  // namespace quorvane
