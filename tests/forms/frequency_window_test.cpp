#include "forms/frequency_window.h"

#include <cmath>
#include <string>
#include <vector>

#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane {

namespace {

constexpr int Bin = 32;                 // the sines complete 32 periods in the 1024 samples
constexpr double Interval = 0.01;       // s between samples
constexpr double Tolerance = 1e-3;

/// Two recorded series: "Drive" = 1 + 2 sin(2 pi f t) and "Echo" = sin(2 pi f t), with f on
/// frequency row 32 of a 1024-point FFT: 32 / (1024 x 0.01 s) = 3.125 Hz.
struct FrequencyWindow : SimulationFixture<Begin::Bare> {
    FrequencyWindow() {
        DisplayBuffer& display = Sim.Display;
        display.ColumnCount = 2;
        display.RecordedCount = 1100;
        display.ColumnTitle[0] = "Time";
        display.ColumnTitle[1] = "Drive";
        display.ColumnTitle[2] = "Echo";
        for (int row = 1; row <= display.RecordedCount; ++row) {
            const double t = (row - 1) * Interval;
            const double wave = std::sin(2 * M_PI * Bin * t / (1024 * Interval));
            display.At(0, row) = static_cast<float>(t);
            display.At(1, row) = static_cast<float>(1 + 2 * wave);
            display.At(2, row) = static_cast<float>(wave);
        }
        Sim.Fft.HalfSize = 512;
        Sim.Fft.SampleInterval = static_cast<float>(Interval);
        Sim.Status.MinDisplayInterval = static_cast<float>(Interval);
    }
    float At(int column, int row) const { return Sim.Display.At(column, row); }

    FrequencyWindowState State;
};

}  // namespace

TEST_F(FrequencyWindow, ActivationAnalysesThePrimarySeriesAlone) {
    Sim.Fft.ComparisonActive = true;
    EXPECT_EQ(ActivateFrequencyWindow(Sim, State), FrequencyView::Draw);
    EXPECT_EQ(Sim.Status.CurrentActivity, "Activating FFT Display");
    EXPECT_FALSE(Sim.Fft.ComparisonActive);
    EXPECT_EQ(State.Curves, 1);
    EXPECT_EQ(Sim.Display.ColumnTitle[12], "Magnitude - Drive");
    EXPECT_NEAR(At(11, Bin), 3.125, Tolerance);
    EXPECT_NEAR(At(12, Bin), 2.0, Tolerance);      // the sine's amplitude
    EXPECT_NEAR(At(12, 0), 1.0, Tolerance);        // the mean
    EXPECT_NEAR(At(12, Bin + 1), 0.0, Tolerance);
    // No comparison series: "Unallocated" (row 3) is shown in the comparison list.
    const FrequencyListRows rows = FrequencyListSelection(Sim, State);
    EXPECT_EQ(rows.Primary, 1);
    EXPECT_EQ(rows.Comparison, 3);
    EXPECT_TRUE(Host.Messages().empty());
}

TEST_F(FrequencyWindow, ListsChooseTheSeriesAndUnallocatedClearsThePicture) {
    ActivateFrequencyWindow(Sim, State);
    EXPECT_EQ(SelectComparison(Sim, State, 2), FrequencyView::Draw);
    EXPECT_EQ(Sim.Status.CurrentActivity, "Selecting FFT Comparison Display");
    EXPECT_EQ(Sim.Fft.ComparisonColumn, 2);
    EXPECT_EQ(State.Curves, 2);
    EXPECT_EQ(Sim.Display.ColumnTitle[13], "Magnitude - Echo");
    EXPECT_NEAR(At(13, Bin), 1.0, Tolerance);

    // A new primary series starts again without a comparison.
    EXPECT_EQ(SelectPrimary(Sim, State, 2), FrequencyView::Draw);
    EXPECT_EQ(Sim.Status.CurrentActivity, "Selecting FFT Primary Display");
    EXPECT_EQ(Sim.Fft.PrimaryColumn, 2);
    EXPECT_EQ(Sim.Fft.ComparisonColumn, 0);
    EXPECT_EQ(State.Curves, 1);
    EXPECT_NEAR(At(12, Bin), 1.0, Tolerance);

    // "Time" analyses the time column itself, a ramp: its mean is half the span.
    EXPECT_EQ(SelectPrimary(Sim, State, 0), FrequencyView::Draw);
    EXPECT_NEAR(At(12, 0), 1023 * Interval / 2, Tolerance);

    // "Unallocated": no analysis, for either list.
    EXPECT_EQ(SelectPrimary(Sim, State, 3), FrequencyView::Clear);
    EXPECT_EQ(Sim.Fft.PrimaryColumn, 0);
    EXPECT_EQ(SelectComparison(Sim, State, 3), FrequencyView::Clear);
    EXPECT_EQ(Sim.Fft.ComparisonColumn, 0);
}

TEST_F(FrequencyWindow, NothingIsDrawnWithoutAAndAChosenBStaysChosen) {
    ActivateFrequencyWindow(Sim, State);
    // "Time" as B is kept through the boxes and re-activation, as any series is.
    EXPECT_EQ(SelectComparison(Sim, State, 0), FrequencyView::Draw);
    EXPECT_EQ(State.Curves, 2);
    EXPECT_EQ(SetFrequencySwitch(Sim, State, FrequencySwitch::Phase, true), FrequencyView::Draw);
    EXPECT_EQ(State.Curves, 4);
    EXPECT_EQ(ActivateFrequencyWindow(Sim, State), FrequencyView::Draw);
    EXPECT_EQ(State.Curves, 4);
    EXPECT_EQ(Sim.Display.ColumnTitle[14], "Magnitude - Time");
    EXPECT_EQ(FrequencyListSelection(Sim, State).Comparison, 0);

    // A unallocated: no box, list or activation draws B alone, and B stays chosen for the
    // next A.
    EXPECT_EQ(SelectPrimary(Sim, State, 3), FrequencyView::Clear);
    for (FrequencySwitch box : {FrequencySwitch::Magnitude, FrequencySwitch::Phase, FrequencySwitch::LogX}) {
        SCOPED_TRACE(static_cast<int>(box));
        EXPECT_EQ(SetFrequencySwitch(Sim, State, box, !FrequencySwitchValue(Sim, box)), FrequencyView::Clear);
        EXPECT_EQ(State.Curves, 0);
    }
    EXPECT_EQ(ActivateFrequencyWindow(Sim, State), FrequencyView::Clear);
    EXPECT_EQ(SelectComparison(Sim, State, 2), FrequencyView::Clear);
    EXPECT_EQ(State.Curves, 0);
    EXPECT_EQ(FrequencyListSelection(Sim, State).Primary, 3);
    EXPECT_EQ(FrequencyListSelection(Sim, State).Comparison, 2);
}

TEST_F(FrequencyWindow, CompareDrawsTheRatioAndLogScalesKeepItShown) {
    ActivateFrequencyWindow(Sim, State);
    SelectComparison(Sim, State, 2);
    EXPECT_EQ(CompareAnalyses(Sim, State), FrequencyView::Draw);
    EXPECT_TRUE(Sim.Fft.ComparisonActive);
    EXPECT_EQ(State.Curves, 3);
    EXPECT_EQ(Sim.Display.ColumnTitle[14], "Ratio ");
    EXPECT_NEAR(At(14, Bin), 2.0, Tolerance);   // Drive's amplitude over Echo's

    // dB magnitudes: the ratio is worked out again as a difference, 20 log10 2 dB.
    EXPECT_EQ(SetFrequencySwitch(Sim, State, FrequencySwitch::LogY, true), FrequencyView::Draw);
    EXPECT_EQ(Sim.Status.CurrentActivity, "Setting Log Y scales (FFT)");
    EXPECT_TRUE(Sim.Fft.ComparisonActive);
    EXPECT_EQ(State.Curves, 3);
    EXPECT_NEAR(At(14, Bin), 20 * std::log10(2.0), 1e-2);
    // Log frequency: the axis holds log10 of the frequency, the ratio stays.
    EXPECT_EQ(SetFrequencySwitch(Sim, State, FrequencySwitch::LogX, true), FrequencyView::Draw);
    EXPECT_NEAR(At(11, Bin), std::log10(3.125), Tolerance);
    EXPECT_EQ(State.Curves, 3);
    // Setting a log scale to what it is already does nothing.
    EXPECT_EQ(SetFrequencySwitch(Sim, State, FrequencySwitch::LogX, true), FrequencyView::Unchanged);

    // Showing the phase analyses A and B again, each with its phase, and ends the comparison.
    EXPECT_EQ(SetFrequencySwitch(Sim, State, FrequencySwitch::Phase, true), FrequencyView::Draw);
    EXPECT_FALSE(Sim.Fft.ComparisonActive);
    EXPECT_EQ(State.Curves, 4);
    EXPECT_EQ(Sim.Display.ColumnTitle[13], "Phase - Drive");
    // The ratio of magnitudes with phases shown puts B's magnitude in their place.
    EXPECT_EQ(CompareAnalyses(Sim, State), FrequencyView::Draw);
    EXPECT_FALSE(Sim.Fft.ShowPhase);
    EXPECT_EQ(State.Curves, 3);
    EXPECT_NEAR(At(14, Bin), 20 * std::log10(2.0), 1e-2);
    EXPECT_TRUE(Host.Messages().empty());
}

TEST_F(FrequencyWindow, CompareNeedsTwoSeriesAndMagnitudes) {
    ActivateFrequencyWindow(Sim, State);
    EXPECT_EQ(CompareAnalyses(Sim, State), FrequencyView::Unchanged);
    EXPECT_FALSE(Sim.Fft.ComparisonActive);
    SelectComparison(Sim, State, 2);
    SetFrequencySwitch(Sim, State, FrequencySwitch::Magnitude, false);
    EXPECT_EQ(State.Curves, 0);
    EXPECT_EQ(CompareAnalyses(Sim, State), FrequencyView::Unchanged);
    EXPECT_EQ(Host.Messages(),
              (std::vector<std::string>{"two valid analysis needed", "Need to select Magnitude for comparison"}));
}

TEST_F(FrequencyWindow, EventsWaitWhileTheRunFillsTheWindows) {
    ActivateFrequencyWindow(Sim, State);
    Sim.Status.WindowsBusy = 1;
    Sim.Status.CurrentActivity = "FFT";
    EXPECT_EQ(SelectPrimary(Sim, State, 2), FrequencyView::Unchanged);
    EXPECT_EQ(SelectComparison(Sim, State, 2), FrequencyView::Unchanged);
    for (FrequencySwitch which : {FrequencySwitch::Magnitude, FrequencySwitch::Phase, FrequencySwitch::LogY,
                                  FrequencySwitch::LogX, FrequencySwitch::Symbols}) {
        EXPECT_EQ(SetFrequencySwitch(Sim, State, which, !FrequencySwitchValue(Sim, which)), FrequencyView::Unchanged);
    }
    EXPECT_EQ(Sim.Fft.PrimaryColumn, 1);
    EXPECT_EQ(Sim.Fft.ComparisonColumn, 0);
    EXPECT_TRUE(Sim.Fft.ShowMagnitude);
    EXPECT_FALSE(Sim.Fft.ShowPhase || Sim.Fft.DbMagnitude || Sim.Fft.LogFrequency);
    EXPECT_EQ(Sim.Fft.ShowSymbols, 0);
    EXPECT_EQ(Sim.Status.CurrentActivity, "FFT");
    // Activation is the run's own doing and analyses all the same.
    EXPECT_EQ(ActivateFrequencyWindow(Sim, State), FrequencyView::Draw);
}

TEST_F(FrequencyWindow, TooShortARecordingHidesTheWindow) {
    Sim.Display.RecordedCount = 300;   // not even 512 samples after one halving
    EXPECT_EQ(ActivateFrequencyWindow(Sim, State), FrequencyView::Hide);
    EXPECT_EQ(Host.Messages(), (std::vector<std::string>{"Automatically resizing FFT to  512 to optimise all requirements",
                                                         "FFT Resizing failed  - try adjusting stop time by 10%"}));
}

TEST_F(FrequencyWindow, CaptionGivesSizeStepAndSpan) {
    EXPECT_EQ(FrequencyCaption(Sim),
              "Frequency Analysis                 FFT Size:  1024    Time Step: 0.01 sec     (10.24 sec)");
    Sim.Fft.HalfSize = 2048;
    Sim.Fft.SampleInterval = 0.125f;
    Sim.Run.TimeUnits = "min";
    EXPECT_EQ(FrequencyCaption(Sim),
              "Frequency Analysis                 FFT Size:  4096    Time Step: 0.125 min     (512.0 min)");
}

TEST(FrequencyReadoutTest, LogFrequencyReadsOutTheFrequencyItself) {
    struct Case {
        double X, Y;
        bool Log;
        const char* TextX;
        const char* TextY;
    };
    const Case cases[] = {
        {0.5, -3.25, false, "0.5", "-3.25"},
        {0.5, 2, true, "3.16228", "2."},     // 10^0.5
        {-1, 0.123456, true, "0.1", "0.12346"},
        {2, 0, true, "100.", "0."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.TextX);
        const ClickReadout readout = ReadOutFrequency(c.X, c.Y, c.Log);
        EXPECT_EQ(readout.X, c.TextX);
        EXPECT_EQ(readout.Y, c.TextY);
    }
}

TEST(FrequencyWindowLayoutTest, PictureFillsTheWindowButForTheControls) {
    const FrequencyWindowLayout layout = LayoutFrequencyWindow(FrequencyWindowWidth, FrequencyWindowHeight);
    EXPECT_EQ(layout.PictureWidth, 9000);
    EXPECT_EQ(layout.PictureHeight, 4800);
    EXPECT_EQ(layout.ButtonTop, 120 + 4800 + 350);
    EXPECT_EQ(layout.BoxTop, 120 + 4800 + 800);
    EXPECT_EQ(layout.ListLeft, 120 + 9000 + 200);
    EXPECT_EQ(layout.ColumnWidth, 11000 - 9320 - 100);
    // A column wider than the usual one narrows the picture; it still ends 100 twips short.
    const FrequencyWindowLayout wide = LayoutFrequencyWindow(FrequencyWindowWidth, FrequencyWindowHeight, 2500);
    EXPECT_EQ(wide.PictureWidth, 11000 - 120 - 200 - 2500 - 100);
    EXPECT_EQ(wide.ListLeft + wide.ColumnWidth, 11000 - 100);
    // Shrunk to nothing, the picture keeps a drawable size.
    EXPECT_EQ(LayoutFrequencyWindow(100, 100).PictureWidth, 300);
}

}  // namespace quorvane
