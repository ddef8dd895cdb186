#include <gtest/gtest.h>

#include <cfloat>
#include <functional>

#include "forms/block_properties.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

using Values = std::array<float, 3>;
using Edit = std::function<void(Simulation&, BlockPropertiesFields&)>;

class BlockStoreTest : public SimulationFixture<> {
protected:
    /// Places a block of `code`, fills its window, lets `edit` type into it and presses Done.
    BlockStoreResult Done(int code, const Edit& edit) {
        Number = Place(1, code);
        BlockPropertiesFields f = ActivateBlockProperties(Sim, 1, Number);
        f.Title = "typed";
        edit(Sim, f);
        Windows.Redraws = 0;
        Host.Clear();
        return StoreBlockProperties(Sim, f);
    }
    const Block& Stored() const { return Sim.Forms[1].Blocks[Number]; }
    Values Constants() const { return {Stored().Constant[1], Stored().Constant[2], Stored().Constant[3]}; }

    int Number = 0;
};

Edit Type(std::array<const char*, 3> constants) {
    return [constants](Simulation&, BlockPropertiesFields& f) {
        for (std::size_t i = 0; i < 3; ++i)
            if (constants[i]) f.Constant[i] = constants[i];
    };
}

struct RefusalCase {
    const char* Name;
    int Code;
    Edit Typing;
    std::string Message;
    BlockField Field;
    Values Kept;   ///< the constants after the refusal: stored before the failing step, else as placed
    bool Hertz = true;
};

TEST_F(BlockStoreTest, EachRefusalStopsAtItsStepKeepingWhatWasStoredBefore) {
    const auto limits = [](const char* low, const char* high) {
        return [low, high](Simulation&, BlockPropertiesFields& f) {
            f.Low = low;
            f.High = high;
            f.Constant[0] = "4";
        };
    };
    const RefusalCase cases[] = {
        {"low above high", 8, limits("5", "2"), "The Low saturation limits exceeds the High saturation limit",
         BlockField::Saturation, {0, 0, 0}},
        {"equal limits", 36, limits("5", "5"), "Saturation levels cannot be the same", BlockField::Saturation,
         {0, 0, 0}},
        {"limits equal once stored as floats", 8, limits("5", "5.00000001"), "Saturation levels cannot be the same",
         BlockField::Saturation, {0, 0, 0}},
        {"zero gain", 6, Type({"0", nullptr, nullptr}), "Gain cannot be negative or zero", BlockField::Constant1,
         {1, 0, 0}},
        {"negative gain", 7, Type({"-1", nullptr, nullptr}), "Gain cannot be negative or zero", BlockField::Constant1,
         {1, 0, 0}},
        {"text as a time constant", 10, Type({"k", nullptr, nullptr}), "Time Constant k cannot be negative or zero",
         BlockField::Constant1, {0, 0, 0}},
        {"zero lead", 12, Type({"0", nullptr, nullptr}), "Time Constant k cannot be zero", BlockField::Constant1,
         {0, 0, 0}},
        {"PRBS bit length above 11", 41, Type({"12", nullptr, nullptr}), "bit length must be in the range 2 to 11",
         BlockField::Constant1, {10, 10, 1}},
        {"PRBS bit length below 2", 41, Type({"1.5", nullptr, nullptr}), "bit length must be in the range 2 to 11",
         BlockField::Constant1, {10, 10, 1}},
        {"PRBS bit length 8", 41, Type({"8", nullptr, nullptr}), "bit length cannot be 8", BlockField::Constant1,
         {10, 10, 1}},
        {"sine frequency zero", 26, Type({"0", nullptr, nullptr}), "Freq. w (rad/sec) :  cannot be negative or zero",
         BlockField::Constant1, {0.628f, 1, 0}, false},
        {"sine frequency in hertz", 27, Type({"-2", nullptr, nullptr}), "Freq F (Hz) cannot be negative or zero",
         BlockField::Constant1, {0.628f, 1, 0}},
        {"negative delay", 38, Type({"-1", nullptr, nullptr}), "Delay Time cannot be negative", BlockField::Constant1,
         {0, 0, 0}},
        {"negative hysteresis", 57, Type({"2", "-1", nullptr}), "Hysteresis % cannot be negative",
         BlockField::Constant2, {2, 0, 0}},
        {"second order coefficient B", 22, Type({"0.5", "0", nullptr}), "Coefficient B cannot be negative or zero",
         BlockField::Constant2, {0.5f, 0, 0}},
        {"PRBS duration of fixed length", 41,
         [](Simulation& sim, BlockPropertiesFields& f) {
             sim.Prbs.AutomaticDuration = false;
             f.Constant = {"3", "0", "1"};
         },
         "Sequence Duration cannot be negative or zero", BlockField::Constant2, {3, 10, 1}},
        {"slip above static friction", 58, Type({"2", "3", nullptr}),
         "Slip Friction most be less than or equal to Static Friction", BlockField::Constant2, {2, 0, 0}},
        {"chirp end not above start, hertz", 60, Type({"2", "2", "5"}),
         "End Freq.(Hz) must be greater than Start Freq.(Hz)", BlockField::Constant2, {12.5663704f, 0, 0}},
        {"chirp end below start, rad/s", 60, Type({"2", "1", "5"}),
         "End Freq. (rad/s) must be greater than Start Freq. (rad/s)", BlockField::Constant2, {2, 0, 0}, false},
        {"chirp without a time span", 60, Type({"1", "2", "0"}), "Time Span cannot be negative or zero",
         BlockField::Constant3, {1, 2, 0}, false},
        {"ADC maximum not above minimum", 54, Type({"8", "-1", "-1"}), "Max Range must exceed Min Range",
         BlockField::Constant3, {8, -1, 0}},
        {"PID derivative", 37, Type({"1", "2", "-3"}), "Derivative cannot be negative or zero", BlockField::Constant3,
         {1, 2, 0}},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.Name);
        ResetSettings(Sim);
        Sim.Run.FrequencyInHz = c.Hertz;
        const BlockStoreResult result = Done(c.Code, c.Typing);
        EXPECT_EQ(result.Outcome, BlockStoreOutcome::Refused);
        EXPECT_EQ(result.Refused, c.Field);
        EXPECT_EQ(Host.Messages(), (Strings{c.Message}));
        EXPECT_EQ(Constants(), c.Kept);
        EXPECT_EQ(Stored().Title, "typed");   // the first step always stores
        EXPECT_EQ(Windows.Redraws, 0);
    }
}

struct AcceptCase {
    const char* Name;
    int Code;
    Edit Typing;
    Values Constants;
};

TEST_F(BlockStoreTest, AcceptedEntriesAreStoredAndTheSheetRedrawn) {
    const AcceptCase cases[] = {
        {"negative lead", 13, Type({"-0.5", nullptr, nullptr}), {-0.5f, 0, 0}},
        {"sine of 1 Hz", 26, Type({"1", nullptr, nullptr}), {6.2831852f, 1, 0}},
        {"sine driven by its input", 26,
         [](Simulation& sim, BlockPropertiesFields& f) {
             sim.Forms[1].Blocks[f.Block].Input[1] = 1;
             f.Constant = {"Externally set", "3", ""};
         },
         {0.628f, 3, 0}},
        {"PRBS bit length 2.5, automatic duration", 41, Type({"2.5", nullptr, nullptr}), {2.5f, 10, 1}},
        {"delay of zero", 39, Type({"0", nullptr, nullptr}), {0, 0, 0}},
        {"negative switch value", 34, Type({"-3", nullptr, nullptr}), {-3, 0, 0}},
        {"hysteresis of zero", 56, Type({"0", "0", nullptr}), {0, 0, 0}},
        {"DAC with a negative range", 52, Type({"8", "-5", "-1"}), {8, -5, -1}},
        {"chirp in hertz over the whole run", 60,
         [](Simulation& sim, BlockPropertiesFields& f) {
             SetAutomaticTimeSpan(sim, f, true);
             f.Constant = {"0.5", "2", "0"};
         },
         {3.1415926f, 12.5663704f, 0}},
        {"gain beyond the float range", 6, Type({"1e39", nullptr, nullptr}), {FLT_MAX, 0, 0}},
    };
    for (const AcceptCase& c : cases) {
        SCOPED_TRACE(c.Name);
        ResetSettings(Sim);
        const BlockStoreResult result = Done(c.Code, c.Typing);
        EXPECT_EQ(result.Outcome, BlockStoreOutcome::Stored);
        EXPECT_TRUE(Host.Log.empty());
        EXPECT_EQ(Constants(), c.Constants);
        EXPECT_EQ(Windows.Redraws, 1);
    }
}

TEST_F(BlockStoreTest, HertzFrequenciesKeepTheirValueUntouched) {
    // 5 rad/s shows as 0.7958 Hz; Done with the field untouched must not store 5.00016.
    const auto chirp = [](const char* end) {
        return [end](Simulation& sim, BlockPropertiesFields& f) {
            sim.Forms[1].Blocks[f.Block].Constant = {0, 0.5f, 5, 20};
            f = ActivateBlockProperties(sim, 1, f.Block);
            if (end) f.Constant[1] = end;
        };
    };
    Done(60, chirp(nullptr));
    EXPECT_EQ(Constants(), (Values{0.5f, 5, 20}));
    Done(60, chirp("0.8"));
    EXPECT_EQ(Stored().Constant[2], static_cast<float>(0.8 * 6.2831852));
}

TEST_F(BlockStoreTest, InitialConditionIsTheLeadingNumberAndAConstantsOutput) {
    Done(1, [](Simulation&, BlockPropertiesFields& f) {
        f.InitialCondition = " 2.5 volts";
        f.Units = "V";
    });
    EXPECT_EQ(Stored().InitialCondition, 2.5f);
    EXPECT_EQ(Stored().Output, 2.5f);
    EXPECT_EQ(Stored().Units, "V");
    Done(10, [](Simulation&, BlockPropertiesFields& f) { f.InitialCondition = "none"; });
    EXPECT_EQ(Stored().InitialCondition, 0.0f);
}

struct LimitCase {
    const char* Low;
    const char* High;
    float SatLow;
    float SatHigh;
};

TEST_F(BlockStoreTest, NoneLeavesItsSideUnlimited) {
    const LimitCase cases[] = {
        {"none", "none", NoLowLimit, NoHighLimit},
        {"none", "5", NoLowLimit, 5},
        {"-3", " None ", -3, NoHighLimit},
        {"5", "none", 5, NoHighLimit},   // the number alone decides, whatever its sign
        {"none", "-5", NoLowLimit, -5},
        {"2", "4", 2, 4},
        {"junk", "none", 0, NoHighLimit},
    };
    for (const LimitCase& c : cases) {
        SCOPED_TRACE(std::string(c.Low) + " / " + c.High);
        const BlockStoreResult result = Done(20, [&c](Simulation&, BlockPropertiesFields& f) {
            f.Low = c.Low;
            f.High = c.High;
        });
        EXPECT_EQ(result.Outcome, BlockStoreOutcome::Stored);
        EXPECT_EQ(Stored().SatLow, c.SatLow);
        EXPECT_EQ(Stored().SatHigh, c.SatHigh);
    }
    // A limit read back shows as typed.
    const BlockPropertiesFields shown = ActivateBlockProperties(Sim, 1, Number);
    EXPECT_EQ(shown.Low, "0");
    EXPECT_EQ(shown.High, "none");
}

TEST_F(BlockStoreTest, ABlockGoneMeanwhileReceivesNothing) {
    const int first = Place(1, 6);
    const BlockPropertiesFields gain = ActivateBlockProperties(Sim, 1, first);
    BlockPropertiesFields beyond = gain;
    beyond.Block = 2;
    EXPECT_EQ(StoreBlockProperties(Sim, beyond).Outcome, BlockStoreOutcome::TargetGone);

    Sim.Forms[1].Blocks[first].FunctionCode = 10;   // another kind now holds the number
    EXPECT_EQ(StoreBlockProperties(Sim, gain).Outcome, BlockStoreOutcome::TargetGone);
    EXPECT_EQ(Sim.Forms[1].Blocks[first].Title, "Gain");

    Sim.Forms[1].Blocks[first].FunctionCode = 7;   // the same gain turned round
    EXPECT_EQ(StoreBlockProperties(Sim, gain).Outcome, BlockStoreOutcome::Stored);
}

TEST_F(BlockStoreTest, AutomaticTimeSpanAndRecommendedSpan) {
    Sim.Run.StopTime = 40;
    Number = Place(1, 60);
    Sim.Forms[1].Blocks[Number].Constant[3] = 7;
    BlockPropertiesFields f = ActivateBlockProperties(Sim, 1, Number);

    SetAutomaticTimeSpan(Sim, f, true);
    EXPECT_EQ(Stored().Work[3], 1.0f);
    EXPECT_EQ(f.Constant[2], "40");
    EXPECT_FALSE(f.ConstantEnabled[2]);
    SetAutomaticTimeSpan(Sim, f, false);
    EXPECT_EQ(Stored().Work[3], 0.0f);
    EXPECT_EQ(f.Constant[2], "7");
    EXPECT_TRUE(f.ConstantEnabled[2]);

    // 62.8318 / start, then 0.92 times that rounded up to 1, 1.125 ... 10 in its decade.
    const std::pair<const char*, const char*> starts[] = {
        {"6.28318", "Recommended Time Span:  10"}, {"2", "Recommended Time Span:  30"},
        {"0", "Recommended Time Span:  30"},   // no positive frequency: the tip stays
    };
    for (const auto& [start, tip] : starts) {
        SCOPED_TRACE(start);
        f.Constant[0] = start;
        UpdateRecommendedSpan(Sim, f);
        EXPECT_EQ(f.Constant3ToolTip, tip);
    }
}

}  // namespace
}  // namespace quorvane
