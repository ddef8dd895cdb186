#include "model/catalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvane {
namespace {

Catalogue Built() {
    Catalogue catalogue;
    BuildCatalogue(catalogue);
    return catalogue;
}

// Turning a block swaps the edges its terminals sit on and nothing else, so a connection drawn
// to a turned block meets the same terminal at the mirrored place.
TEST(Catalogue, TurnedPartnersMirrorEachOther) {
    const Catalogue catalogue = Built();
    for (int code = 0; code < 64; ++code) {
        SCOPED_TRACE(code);
        const BlockFunction& function = catalogue[code];
        // Each terminal sits on the left or right edge of the 600-twip image, no two in one place.
        for (int k = 1; k <= function.InputCount; ++k) {
            EXPECT_TRUE(function.InputX[k] == 0 || function.InputX[k] == 600) << "input " << k;
            EXPECT_TRUE(function.InputY[k] >= 0 && function.InputY[k] <= 600) << "input " << k;
            for (int j = 1; j < k; ++j) {
                EXPECT_FALSE(function.InputX[j] == function.InputX[k] && function.InputY[j] == function.InputY[k]);
            }
        }
        for (int k = 1; k <= function.OutputCount; ++k) {
            EXPECT_TRUE(function.OutputX[k] == 0 || function.OutputX[k] == 600) << "output " << k;
        }
        // The unused entry is never placed, so its offset leads nowhere that matters.
        if (function.TurnOffset == 0 || function.Name == "Unused") continue;
        const int partnerCode = code + function.TurnOffset;
        ASSERT_TRUE(partnerCode >= 0 && partnerCode < 64);
        const BlockFunction& partner = catalogue[partnerCode];
        EXPECT_EQ(partner.TurnOffset, -function.TurnOffset);
        ASSERT_EQ(partner.InputCount, function.InputCount);
        ASSERT_EQ(partner.OutputCount, function.OutputCount);
        EXPECT_EQ(partner.HasSaturation, function.HasSaturation);
        EXPECT_EQ(partner.HasInitialCondition, function.HasInitialCondition);
        for (int k = 1; k <= function.InputCount; ++k) {
            EXPECT_EQ(partner.InputX[k], 600 - function.InputX[k]) << "input " << k;
            EXPECT_EQ(partner.InputY[k], function.InputY[k]) << "input " << k;
        }
        for (int k = 1; k <= function.OutputCount; ++k) {
            EXPECT_EQ(partner.OutputX[k], 600 - function.OutputX[k]) << "output " << k;
            EXPECT_EQ(partner.OutputY[k], function.OutputY[k]) << "output " << k;
        }
    }
}

TEST(Catalogue, TerminalHitBoxes) {
    struct Case { const char* What; bool Input; int Code, X, Y, Expected; };
    const Case cases[] = {
        // Gain input 1 at (0, 300): box x 0..100, y 260..419.
        {"right edge hits", true, 6, 100, 300, 1},
        {"past right edge", true, 6, 101, 300, 0},
        {"top edge hits", true, 6, 50, 260, 1},
        {"above top edge", true, 6, 50, 259, 0},
        {"bottom edge hits", true, 6, 50, 419, 1},
        {"below bottom edge", true, 6, 50, 420, 0},
        // Sum inputs at y 60, 300, 560: each band picks its own terminal.
        {"sum input 1", true, 2, 0, 20, 1},
        {"sum input 2", true, 2, 0, 350, 2},
        {"sum input 3", true, 2, 0, 679, 3},
        // Invert inputs at y 180 and 420 leave a gap between their boxes (300..379).
        {"invert input 1", true, 4, 0, 299, 1},
        {"between invert inputs", true, 4, 0, 340, 0},
        {"invert input 2", true, 4, 0, 380, 2},
        // Chirp: near the top-left corner only outputs 3 and 4 lie, and 3 is tested first.
        {"chirp corner", false, 60, 10, 10, 3},
        {"gain output", false, 6, 700, 300, 1},
        {"gain has one input only", true, 6, 600, 300, 0},
        {"unused terminals ignored", true, 6, 0, 60, 0},
        {"label block input", true, 63, 0, 300, 0},
        {"display has no output", false, 42, 600, 300, 0},
        {"unknown code", true, 64, 0, 300, 0},
        {"negative code", true, -1, 0, 300, 0},
        {"code past the table", false, 99, 600, 300, 0},
    };
    const Catalogue catalogue = Built();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        const int hit = c.Input ? InputTerminalAt(catalogue, c.Code, c.X, c.Y)
                                : OutputTerminalAt(catalogue, c.Code, c.X, c.Y);
        EXPECT_EQ(hit, c.Expected);
    }
}

}  // namespace
}  // namespace quorvane
