#include "drawing/annotation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane {

using Kind = RecordingCanvas::Kind;
namespace {

TEST(Annotation, FormatValueChoosesDecimalsByMagnitude) {
    struct Case {
        double Value;
        const char* Text;
    };
    const Case cases[] = {
        {0, "0.0"},          {0.25, "0.25"},      {-0.25, "-0.25"},  {12.34, "12.3"},
        {1234.6, "1235"},    {2.5e6, "2.5e+6"},   {2, "2."},         {10, "10."},
        {0.00005, "5.e-5"},  {0.0001, "1.e-4"},   {0.0005, "0.0005"}, {0.001, "0.001"},
        {0.0123456, "0.0123"}, {999999, "999999"}, {1e6, "1.e+6"},    {-45678.9, "-45679"},
        {543.21, "543"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Value);
        EXPECT_EQ(FormatValue(c.Value), c.Text);
    }
}

struct AnnotationSheet : SimulationFixture<Begin::Ran> {
    struct Placed {
        double X, Y;
        std::string Text;
        bool operator==(const Placed&) const = default;
    };
    std::vector<Placed> Texts() const {
        std::vector<Placed> texts;
        for (const auto& p : Canvas.OfKind(Kind::Text)) texts.push_back({p.X1, p.Y1, p.Text});
        return texts;
    }
    void Annotate() {
        Canvas.Drawn.clear();
        AnnotateSheet(Sim, 1, Canvas);
    }
};

TEST_F(AnnotationSheet, LagLinesStackUpFromItsTop) {
    // Block at (1200, 1200): X = 1200, Y0 = 1000, lines 175 apart, the title 20 further left.
    Block& lag = AddAt(10, 1200, 1200);
    lag.Title = "Lag";
    lag.Units = "m";
    lag.Constant[1] = 0.5f;
    Sim.Run.AnnotateBlocks = true;
    Sim.Run.AnnotateIC = true;
    Sim.Run.AnnotateLimits = true;
    // Both options on, but IC 0 and no limits: the time-constant line sits at Y0.
    Annotate();
    EXPECT_EQ(Texts(), (std::vector<Placed>{{1180, 825, "Lag"}, {1200, 1000, "k = 0.5 sec"}}));
    // The anchor point in red at (X, Y0), the text in blue.
    const auto points = Canvas.OfKind(Kind::Point);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_TRUE(points[0].X1 == 1200 && points[0].Y1 == 1000 && points[0].Fore == PaletteColour(Palette::Green));
    EXPECT_EQ(Canvas.OfKind(Kind::Text)[0].Fore, PaletteColour(Palette::Blue));

    // An initial condition and limits put two more lines below it, so it starts two higher.
    lag.Constant[1] = 2;
    lag.InitialCondition = 2;
    lag.SatLow = -1;
    lag.SatHigh = 1;
    Annotate();
    EXPECT_EQ(Texts(), (std::vector<Placed>{{1180, 475, "Lag"}, {1200, 650, "k = 2. sec"},
                                            {1200, 825, "ic = 2. m"}, {1200, 1000, "Limited -1. to 1."}}));
    // With the options off the same block keeps its parameters at Y0 and shows no more.
    Sim.Run.AnnotateIC = false;
    Sim.Run.AnnotateLimits = false;
    Annotate();
    EXPECT_EQ(Texts(), (std::vector<Placed>{{1180, 825, "Lag"}, {1200, 1000, "k = 2. sec"}}));
}

TEST_F(AnnotationSheet, SineShowsItsInputWhenDriven) {
    AddAt(40, 120, 1200).Title = "Unit Ramp";
    Block& sine = AddAt(26, 1200, 1200);
    sine.Title = "Sine Wave";
    sine.Constant[1] = 0.628f;
    sine.Constant[2] = 1;
    Sim.Run.AnnotateBlocks = true;
    Annotate();
    // The ramp's title sits level with its picture (Y + 110); it has no parameter line.
    EXPECT_EQ(Texts(), (std::vector<Placed>{{120, 1000 - 175 + 110, "Unit Ramp"},
                                            {1180, 825, "Sine Wave"},
                                            {1200, 1000, "1. sin (0.628t)"}}));
    sine.Input[1] = 1;
    Annotate();
    EXPECT_EQ(Canvas.Texts().back(), "1. sin ( ip )");
}

TEST_F(AnnotationSheet, OutputValuesSitBesideTheOutputTerminal) {
    AddAt(6, 1200, 1200).Output = 12.34f;
    AddAt(7, 3000, 1200).Output = 12.34f;
    AddAt(42, 4800, 1200).Output = 5;   // a Display has no output to show
    Sim.Run.ShowOutputs = true;
    Sim.Run.AnnotateNumbers = true;
    Annotate();
    // Y0 + 375 = 1375; the turned gain's "12.3" ends at its left edge: 3000 - 4 x 75.
    EXPECT_EQ(Texts(), (std::vector<Placed>{{1120, 1860, " 1"}, {1900, 1375, "12.3"}, {2920, 1860, " 2"},
                                            {2700, 1375, "12.3"}, {4720, 1860, " 3"}}));
}

TEST_F(AnnotationSheet, OutputsOnlyWhenAnnotationIsOff) {
    Block& gain = AddAt(6, 1200, 1200);
    gain.Title = "Gain";
    gain.Constant[1] = 3;
    gain.Output = -0.5f;
    AddAt(63, 2400, 1200).Title = "Note";
    Sim.Run.ShowOutputs = true;
    Annotate();
    EXPECT_EQ(Canvas.Texts(), (std::vector<std::string>{"-0.5"}));
    EXPECT_EQ(Canvas.OfKind(Kind::Point).size(), 2u);

    // With annotation on, the label's title is drawn inside its picture in light blue.
    Sim.Run.ShowOutputs = false;
    Sim.Run.AnnotateBlocks = true;
    Annotate();
    EXPECT_EQ(Texts(), (std::vector<Placed>{{1180, 825, "Gain"}, {1200, 1000, "3."}, {2450, 1000 - 175 + 530, "Note"}}));
    EXPECT_EQ(Canvas.OfKind(Kind::Text).back().Fore, PaletteColour(Palette::LightBlue));
}

TEST_F(AnnotationSheet, ParameterLinesOfTheOtherKinds) {
    struct Case { int Code; float K1, K2, K3; bool AutomaticDuration; const char* Text; };
    const Case cases[] = {
        {22, 0.5f, 2, 0, true, "1 / (0.5S\u00B2 +2.S +1)"},
        {25, 0.5f, 2, 0, true, "0.5S\u00B2 +2.S +1"},
        {37, 1, 0.25f, 0, true, "P:1., I:0.25, D:0.0"},
        {41, 10, 10, 1, true, " 10  bits, Auto duration, A:1."},
        {41, 7, 100, 1, false, " 7 bits, 100 sec, A:1."},   // a set duration, in time units
        {52, 8, -5, 5, true, "8. bits } -5. to 5."},
        {57, 2, 10, 0, true, "R:2., H:10.%"},
        {58, 0.1f, 0.05f, 0, true, "DB:0.1, S:0.05"},
        {60, 1, 10, 20, true, "1. to 10. T:20."},
        {31, 1e-6f, 0, 0, true, "Zero Set to:1.e-6"},
    };
    Sim.Run.AnnotateBlocks = true;
    Block& block = AddAt(0, 1200, 1200);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Code);
        block.FunctionCode = c.Code;
        block.Constant[1] = c.K1;
        block.Constant[2] = c.K2;
        block.Constant[3] = c.K3;
        Sim.Prbs.AutomaticDuration = c.AutomaticDuration;
        Annotate();
        ASSERT_FALSE(Canvas.Texts().empty());
        EXPECT_EQ(Canvas.Texts().back(), c.Text);
    }
}

}  // namespace
}  // namespace quorvane
