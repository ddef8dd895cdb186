#include "forms/block_properties.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <functional>

#include "support/test_simulation.h"

namespace quorvane {
namespace {

using Texts = std::array<std::string, 3>;
using Flags = std::array<bool, 3>;

class BlockPropertiesTest : public SimulationFixture<> {
protected:
    /// A block of `code` placed on sheet 1, with its window filled.
    BlockPropertiesFields Open(int code) {
        Number = Place(1, code);
        return ActivateBlockProperties(Sim, 1, Number);
    }
    Block& Target() { return Sim.Forms[1].Blocks[Number]; }

    int Number = 0;
};

struct ActivationCase {
    const char* Name;
    int Code;
    std::function<void(Simulation&, Block&)> Setup;
    int Height;
    Flags Groups;   ///< constants, initial condition, saturation frames visible
    std::string ConstantsCaption;
    std::string SaturationCaption;
    Texts Labels;
    Texts Constants;   ///< "" for a hidden field
    Flags Enabled;
};

TEST_F(BlockPropertiesTest, ActivationFollowsTheCatalogueAndTheBlockKind) {
    const auto none = [](Simulation&, Block&) {};
    const ActivationCase cases[] = {
        {"sum: nothing to set", 2, none, 1500, {false, false, false}, "No Time Constants", "Saturation Levels",
         {"", "", ""}, {"", "", ""}, {true, true, true}},
        {"saturate: limits only", 20, none, 2800, {false, false, true}, "No Time Constants", "Saturation Levels",
         {"", "", ""}, {"", "", ""}, {true, true, true}},
        {"constant: value only", 1, none, 2400, {false, true, false}, "No Time Constants", "Saturation Levels",
         {"", "", ""}, {"", "", ""}, {true, true, true}},
        {"integrator: everything", 8, none, 3800, {true, true, true}, "Integrator Time Constant", "Saturation Levels",
         {"Time Constant k", "", ""}, {"0", "", ""}, {true, true, true}},
        {"gain", 6, none, 3800, {true, false, false}, "Gain Value", "Saturation Levels", {"Gain", "", ""},
         {"1", "", ""}, {true, true, true}},
        {"PID: wind-up limits", 37, [](Simulation&, Block& b) { b.Constant[1] = 2.5f; }, 3800, {true, true, true},
         "Three Controller Terms", "Integral Wind-up Limits", {"Proportional", "Integral", "Derivative"},
         {"2.5", "0", "0"}, {true, true, true}},
        {"sine in hertz", 26, [](Simulation&, Block& b) { b.Constant[1] = 6.2831852f; }, 3800, {true, false, false},
         "Sin - Frequency & Amplitude", "Saturation Levels", {"Freq F (Hz)", "Amplitude: ", ""}, {"1.0", "1", ""},
         {true, true, true}},
        {"sine in rad/s driven by its input", 27,
         [](Simulation& sim, Block& b) {
             sim.Run.FrequencyInHz = false;
             b.Input[1] = 1;
         },
         3800, {true, false, false}, "Sin - Frequency & Amplitude", "Saturation Levels",
         {"Freq. w (rad/sec) : ", "Amplitude: ", ""}, {"Externally set", "1", ""}, {false, true, true}},
        {"chirp in hertz", 60,
         [](Simulation&, Block& b) {
             b.Constant[1] = 3.1415926f;
             b.Constant[2] = 12.5663704f;
             b.Constant[3] = 20;
         },
         3800, {true, true, false}, "Settings ", "Saturation Levels", {"Start Freq.(Hz)", "End Freq.(Hz)", "Time Span"},
         {"0.5", "2.0", "20"}, {true, true, true}},
        {"chirp in rad/s over the whole run", 60,
         [](Simulation& sim, Block& b) {
             sim.Run.FrequencyInHz = false;
             sim.Run.StopTime = 12.5f;
             b.Constant[1] = 0.5f;
             b.Constant[3] = 20;
             b.Work[3] = 1;
         },
         3800, {true, true, false}, "Settings ", "Saturation Levels",
         {"Start Freq. (rad/s)", "End Freq. (rad/s)", "Time Span"}, {"0.5", "0", "12.5"}, {true, true, false}},
        {"delay line with its longest delay", 38, [](Simulation& sim, Block&) { sim.Run.TimeUnits = "min"; }, 3800,
         {true, true, false}, "Delay Time (min)", "Saturation Levels", {"Delay Time", "(Maximum delay ", "3000. min)"},
         {"0", "", ""}, {true, true, true}},
        {"PRBS of automatic duration", 41, none, 3800, {true, false, false}, "Sequence Characteristic",
         "Saturation Levels", {"Bit length (2 to 11)", "Sequence Duration", "Amplitude (+-)"}, {"10", "AUTO", "1"},
         {true, true, true}},
    };
    for (const ActivationCase& c : cases) {
        SCOPED_TRACE(c.Name);
        ResetSettings(Sim);
        Number = Place(1, c.Code);
        c.Setup(Sim, Target());
        const BlockPropertiesFields f = ActivateBlockProperties(Sim, 1, Number);
        EXPECT_EQ(f.Width, 5355);
        EXPECT_EQ(f.Height, c.Height);
        EXPECT_EQ((Flags{f.ConstantsVisible, f.InitialVisible, f.SaturationVisible}), c.Groups);
        EXPECT_EQ(f.ConstantsCaption, c.ConstantsCaption);
        EXPECT_EQ(f.SaturationCaption, c.SaturationCaption);
        EXPECT_EQ(f.ConstantLabel, c.Labels);
        EXPECT_EQ(f.Constant, c.Constants);
        EXPECT_EQ(f.ConstantVisible, (Flags{c.Constants[0] != "", c.Constants[1] != "", c.Constants[2] != ""}));
        EXPECT_EQ(f.ConstantEnabled, c.Enabled);
        EXPECT_EQ(f.Constant2Auto, c.Code == 41);
        EXPECT_EQ(f.TimeSpanVisible, c.Code == 60);
        EXPECT_EQ(f.TimeSpanChecked, c.Code == 60 && !c.Enabled[2]);
    }
}

TEST_F(BlockPropertiesTest, CaptionFieldsAndLimitsShowTheBlock) {
    Place(1, 2);
    const BlockPropertiesFields f = Open(36);
    Target().Title = "Heater";
    Target().Units = "kW";
    Target().InitialCondition = -0.25f;
    Target().Output = 1e-6f;
    Target().SatLow = -5;
    const BlockPropertiesFields g = ActivateBlockProperties(Sim, 1, Number);
    EXPECT_EQ(f.Caption, "Unnamed Form  1 (Block  2)       PID Controller");
    EXPECT_EQ(f.High, "none");
    EXPECT_EQ(f.Low, "none");
    EXPECT_EQ(f.InitialCaption, "Initial Condition");
    EXPECT_EQ(g.Title, "Heater");
    EXPECT_EQ(g.Units, "kW");
    EXPECT_EQ(g.InitialCondition, "-0.25");
    EXPECT_EQ(g.CurrentOutput, "1E-06");
    EXPECT_EQ(g.Low, "-5");
    EXPECT_EQ(g.High, "none");

    const BlockPropertiesFields chirp = Open(60);
    EXPECT_EQ(chirp.InitialCaption, "Amplitude");
    EXPECT_EQ(chirp.InitialCondition, "1");
    EXPECT_EQ(chirp.TimeSpanToolTip, "This runs CHIRP to the Simulation Stop Time");
    EXPECT_TRUE(chirp.TimeSpanEnabled);
}

TEST_F(BlockPropertiesTest, DisplayBlocksOnlyOfferHelp) {
    EXPECT_FALSE(HasAdjustableProperties(42));
    EXPECT_FALSE(HasAdjustableProperties(43));
    EXPECT_TRUE(HasAdjustableProperties(41));
    Host.Answers = {true, false};
    EXPECT_EQ(OfferDisplayHelp(Sim, 43), (HelpTopic{43, 1}));
    EXPECT_EQ(OfferDisplayHelp(Sim, 42), std::nullopt);
    ASSERT_EQ(Host.Log.size(), 2u);
    EXPECT_EQ(Host.Log[0].What, RecordingHost::Kind::Question);
    EXPECT_EQ(Host.Log[0].Text, "No Adjustable properties - Do you want to view help?");
}

}  // namespace
}  // namespace quorvane
