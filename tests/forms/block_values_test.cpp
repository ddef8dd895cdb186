#include <gtest/gtest.h>

#include "forms/block_values.h"
#include "support/test_simulation.h"

namespace quorvane {

TEST(BlockValues, AssignmentSplitsAtTheLastDotBeforeTheLastEquals) {
    const struct {
        const char* Text;
        bool Parsed;
        const char* Title;
        BlockValueField Field;
        const char* Value;
    } cases[] = {
        {"Lag Output.K1=2", true, "Lag Output", BlockValueField::K1, "2"},
        {"Stage 1.5 v=x.High=none", true, "Stage 1.5 v=x", BlockValueField::High, "none"},
        {"Gain.IC=", true, "Gain", BlockValueField::IC, ""},
        {"Gain.K4=1", false, "", BlockValueField::K1, ""},
        {"Gain.k1=1", false, "", BlockValueField::K1, ""},
        {".K1=1", false, "", BlockValueField::K1, ""},
        {"Gain K1=1", false, "", BlockValueField::K1, ""},
        {"Gain.K1", false, "", BlockValueField::K1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        const auto parsed = ParseBlockAssignment(c.Text);
        ASSERT_EQ(parsed.has_value(), c.Parsed);
        if (!parsed) continue;
        EXPECT_EQ(parsed->Title, c.Title);
        EXPECT_EQ(parsed->Field, c.Field);
        EXPECT_EQ(parsed->Value, c.Value);
    }
}

TEST(BlockValues, OnlyFieldsTheWindowOffersTakeValuesAsTypedThere) {
    TestSimulation t(Begin::RunReady);
    const int gain = t.Add(GainCode, "Gain", {2});
    const int sat = t.Add(20, "Limit");
    const int display = t.Add(42, "Display");
    const int form = t.Form;
    EXPECT_TRUE(HasBlockField(t.Sim, form, gain, BlockValueField::K1));
    EXPECT_FALSE(HasBlockField(t.Sim, form, gain, BlockValueField::K2));
    EXPECT_FALSE(HasBlockField(t.Sim, form, gain, BlockValueField::IC));
    EXPECT_TRUE(HasBlockField(t.Sim, form, sat, BlockValueField::Low));
    EXPECT_FALSE(HasBlockField(t.Sim, form, display, BlockValueField::K1));

    // Refused by the window's check with its message; the limits keep "none" on the open side.
    EXPECT_EQ(SetBlockValue(t.Sim, form, gain, BlockValueField::K1, "-1").Outcome, BlockStoreOutcome::Refused);
    EXPECT_EQ(t.Host.Messages(), Strings{"Gain cannot be negative or zero"});
    EXPECT_EQ(t.At(gain).Constant[1], 2.0f);
    EXPECT_EQ(SetBlockValue(t.Sim, form, sat, BlockValueField::High, "5").Outcome, BlockStoreOutcome::Stored);
    EXPECT_EQ(t.At(sat).SatHigh, 5.0f);
    EXPECT_EQ(t.At(sat).SatLow, NoLowLimit);
}

}  // namespace quorvane
