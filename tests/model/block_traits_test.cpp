#include "model/block_traits.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/catalogue.h"

namespace quorvane {
namespace {

const Catalogue& Functions() {
    static const Catalogue functions = [] {
        Catalogue built;
        BuildCatalogue(built);
        return built;
    }();
    return functions;
}

/// The codes a pair's catalogue turn offsets join both ways; a code turning to one that does not
/// turn back (the Unused block) is no pair.
int PartnerOf(const Catalogue& catalogue, int code) {
    const int partner = code + catalogue[code].TurnOffset;
    return partner != code && catalogue[partner].TurnOffset == -catalogue[code].TurnOffset ? partner : code;
}

Side Mirrored(Side side) {
    return side == Side::Left ? Side::Right : side == Side::Right ? Side::Left : Side::None;
}

TEST(BlockTraits, TurnedPartnersShareEverythingButTheirSide) {
    const Catalogue& catalogue = Functions();
    for (int code = 0; code < FunctionCodeLast; ++code) {
        SCOPED_TRACE(code);
        const BlockTraits& t = TraitsOf(code);
        const int partner = PartnerOf(catalogue, code);
        EXPECT_EQ(PartnerOf(catalogue, partner), code);
        EXPECT_EQ(BaseOf(code), BaseOf(partner));
        EXPECT_EQ(CodeNumber(BaseOf(code)), std::min(code, partner));
        EXPECT_EQ(t.Turned, code > partner);
        if (partner == code) continue;
        const BlockTraits& p = TraitsOf(partner);
        EXPECT_EQ(t.Order, p.Order);
        EXPECT_EQ(t.SourceWhenFree, p.SourceWhenFree);
        EXPECT_EQ(t.LevelInputs, p.LevelInputs);
        EXPECT_EQ(t.Refreshed, p.Refreshed);
        EXPECT_EQ(t.DerivativeClass, p.DerivativeClass);
        EXPECT_EQ(t.StateLines, p.StateLines);
        EXPECT_EQ(t.Title, p.Title);
        EXPECT_EQ(t.Link, p.Link);
        EXPECT_EQ(t.StartsDisplayChain, p.StartsDisplayChain);
        EXPECT_EQ(t.EndsDisplayChain, p.EndsDisplayChain);
        EXPECT_EQ(t.ValueSide, Mirrored(p.ValueSide));
        EXPECT_EQ(t.MarkerOnLeft, t.Link != LinkKind::None && !p.MarkerOnLeft);
        // Only the un-turned Display is raised as an origin; its level then follows its input.
        if (BaseOf(code) != FunctionCode::Display) {
            EXPECT_EQ(t.Origin, p.Origin);
        }
    }
}

TEST(BlockTraits, DrawingSidesMatchTheTerminals) {
    const Catalogue& catalogue = Functions();
    constexpr int RightEdge = 600;
    for (int code = 0; code < FunctionCodeLast; ++code) {
        SCOPED_TRACE(code);
        const BlockTraits& t = TraitsOf(code);
        const BlockFunction& function = catalogue[code];
        // The output value is written beside an output terminal.
        if (t.ValueSide != Side::None) {
            bool outputThere = false;
            for (int k = 1; k <= function.OutputCount; ++k) {
                outputThere = outputThere || (function.OutputX[k] == RightEdge) == (t.ValueSide == Side::Right);
            }
            EXPECT_TRUE(outputThere);
        }
        // A terminal link has one terminal, in or out, and its marker stands on the other side.
        if (t.Link == LinkKind::None) continue;
        const bool takesValueIn = t.Link == LinkKind::Output;
        EXPECT_EQ(function.InputCount, takesValueIn ? 1 : 0);
        EXPECT_EQ(function.OutputCount, takesValueIn ? 0 : 1);
        const int terminalX = takesValueIn ? function.InputX[1] : function.OutputX[1];
        EXPECT_EQ(t.MarkerOnLeft, terminalX == RightEdge);
    }
}

TEST(BlockTraits, SectionsAgreeWithLevelsAndRefresh) {
    for (int code = 0; code < FunctionCodeLast; ++code) {
        for (int feed : {0, 5}) {
            SCOPED_TRACE(testing::Message() << "code " << code << " fed by " << feed);
            Block block;
            block.FunctionCode = code;
            block.Input[1] = feed;
            const BlockTraits& t = TraitsOf(code);
            const Section section = SectionOf(block);
            // Constants and sources do not depend on this step's inputs: they are origins that
            // keep their raised level, and are never refreshed from the states.
            if (section == Section::Constants || section == Section::Sources) {
                EXPECT_TRUE(IsOrigin(block));
                EXPECT_EQ(LevelInputsOf(block), 0);
            }
            // Every block is raised in each pass, or takes its level from its inputs, or both.
            EXPECT_TRUE(IsOrigin(block) || LevelInputsOf(block) > 0);
            EXPECT_LE(LevelInputsOf(block), MaxInputs);
            if (t.Refreshed && !IsFreeSource(block)) {
                EXPECT_EQ(section, Section::Evaluated);
            }
            // A state is annotated with its initial condition and limits.
            if (section == Section::States) {
                EXPECT_TRUE(t.StateLines);
            }
            // A display chain ends at a state it keeps only where that state is not stepped.
            if (t.EndsDisplayChain == ChainEnd::Kept) {
                EXPECT_TRUE(section == Section::States && IsOrigin(block));
            }
        }
    }
}

TEST(BlockTraits, CodesOutsideTheCatalogueAreEvaluatedOnInputOne) {
    for (int code : {-1, 64, 65, 1000, -2147483647}) {
        SCOPED_TRACE(code);
        Block block;
        block.FunctionCode = code;
        const BlockTraits& t = TraitsOf(code);
        EXPECT_EQ(SectionOf(block), Section::Evaluated);
        EXPECT_FALSE(IsOrigin(block));
        EXPECT_EQ(LevelInputsOf(block), 1);
        EXPECT_FALSE(t.Refreshed);
        EXPECT_EQ(t.Link, LinkKind::None);
        EXPECT_EQ(t.ValueSide, Side::None);
        EXPECT_EQ(t.EndsDisplayChain, ChainEnd::Through);
        EXPECT_FALSE(t.StartsDisplayChain);
        EXPECT_EQ(t.DerivativeClass, 0);
        // Its base names no kind, so every switch over kinds takes its default.
        EXPECT_EQ(CodeNumber(BaseOf(code)), FunctionCodeLast);
    }
}

}  // namespace
}  // namespace quorvane
