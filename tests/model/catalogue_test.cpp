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

TEST(Catalogue, CountsAndTurnOffsets) {
    // Inputs, outputs and turn offset of codes 0..63, copied by hand from the function table.
    struct Expected { int In, Out, Turn; };
    const Expected rows[64] = {
        {0, 1, 0},  {0, 2, 0},  {3, 1, 1},  {3, 1, -1}, {2, 1, 1},  {2, 1, -1}, {1, 1, 1},  {1, 1, -1},
        {1, 1, 1},  {1, 1, -1}, {1, 1, 1},  {1, 1, -1}, {1, 1, 1},  {1, 1, -1}, {1, 1, 1},  {1, 1, -1},
        {2, 1, 1},  {2, 1, -1}, {2, 1, 1},  {2, 1, -1}, {1, 1, 1},  {1, 1, -1}, {1, 1, 1},  {1, 1, -1},
        {1, 1, 1},  {1, 1, -1}, {1, 1, 1},  {1, 1, -1}, {1, 1, 1},  {1, 1, -1}, {1, 1, 1},  {1, 1, -1},
        {1, 1, 1},  {1, 1, -1}, {2, 1, 1},  {2, 1, -1}, {3, 1, 1},  {3, 1, -1}, {1, 1, 1},  {1, 1, -1},
        {0, 2, 0},  {0, 2, 0},  {1, 0, 1},  {1, 0, -1}, {0, 2, 0},  {1, 0, -1}, {1, 0, 1},  {1, 0, -1},
        {0, 1, 1},  {0, 1, -1}, {1, 0, 1},  {1, 0, -1}, {1, 1, 1},  {1, 1, -1}, {1, 1, 1},  {1, 1, -1},
        {1, 1, 1},  {1, 1, -1}, {1, 1, 1},  {1, 1, -1}, {0, 4, 0},  {1, 1, 1},  {1, 1, -1}, {0, 0, 0},
    };
    const Catalogue catalogue = Built();
    for (int code = 0; code < 64; ++code) {
        SCOPED_TRACE(code);
        const BlockFunction& function = catalogue[code];
        EXPECT_EQ(function.InputCount, rows[code].In);
        EXPECT_EQ(function.OutputCount, rows[code].Out);
        EXPECT_EQ(function.TurnOffset, rows[code].Turn);
    }
}

TEST(Catalogue, TerminalPositionsOfEachLayout) {
    struct Case { int Code; bool Input; int Terminal; int X, Y; };
    const Case cases[] = {
        {0, false, 1, 600, 300},
        {41, false, 1, 0, 300},   {41, false, 2, 600, 300},
        {36, true, 3, 0, 560},    {36, false, 1, 600, 300},
        {3, true, 1, 600, 60},    {3, false, 1, 0, 300},
        {34, true, 2, 0, 420},    {34, false, 1, 600, 300},
        {19, true, 1, 600, 180},  {19, false, 1, 0, 300},
        {58, true, 1, 0, 300},    {58, false, 1, 600, 300},
        {39, true, 1, 600, 300},  {39, false, 1, 0, 300},
        {40, false, 1, 600, 300}, {40, false, 2, 0, 300},
        {50, true, 1, 0, 300},
        {45, true, 1, 600, 300},
        {48, false, 1, 600, 300},
        {49, false, 1, 0, 300},
        {60, false, 1, 600, 180}, {60, false, 2, 0, 180}, {60, false, 4, 0, 0},
        {61, true, 1, 0, 180},    {61, false, 1, 600, 420},
        {62, true, 1, 600, 180},  {62, false, 1, 0, 420},
    };
    const Catalogue catalogue = Built();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Code) + (c.Input ? " in " : " out ") + std::to_string(c.Terminal));
        const BlockFunction& function = catalogue[c.Code];
        EXPECT_EQ(c.Input ? function.InputX[c.Terminal] : function.OutputX[c.Terminal], c.X);
        EXPECT_EQ(c.Input ? function.InputY[c.Terminal] : function.OutputY[c.Terminal], c.Y);
    }
}

TEST(Catalogue, TextsFlagsAndLabels) {
    const Catalogue catalogue = Built();
    EXPECT_EQ(catalogue[22].Formula, "Op=Ip/(As\xC2\xB2+Bs+1)");
    EXPECT_EQ(catalogue[25].Formula, "Op=Ip.(As\xC2\xB2+Bs+1)");
    EXPECT_EQ(catalogue[29].Formula, "Op = (Ip)\xC2\xBD");
    EXPECT_EQ(catalogue[11].Formula, "{Lag} Op=Ip*/(1+ks)");
    EXPECT_EQ(catalogue[22].ICLabel, "Initial Condition: ");
    EXPECT_EQ(catalogue[35].ConstantsCaption, "switched Value");
    EXPECT_EQ(catalogue[59].Name, "Stickslip");
    EXPECT_EQ(catalogue[26].ConstantLabel[1], "Freq. w (rad/sec) : ");
    EXPECT_EQ(catalogue[41].ConstantLabel[1], "Bit length (2 to 11)");
    EXPECT_EQ(catalogue[49].ConstantLabel[3], "Source Block");
    // Functions without constants leave every label empty so the dialog hides the group.
    EXPECT_EQ(catalogue[50].ConstantLabel[1], "");
    EXPECT_TRUE(catalogue[36].HasSaturation && catalogue[36].HasInitialCondition);
    EXPECT_TRUE(catalogue[21].HasSaturation && !catalogue[21].HasInitialCondition);
    EXPECT_FALSE(catalogue[10].HasSaturation);
    // Code 0 takes no defaults; the spare entry 64 holds the defaults.
    EXPECT_EQ(catalogue[0].ICLabel, "Zero Constant");
    EXPECT_EQ(catalogue[0].ConstantLabel[1], "");
    EXPECT_EQ(catalogue[64].ICLabel, "Initial Condition");
    EXPECT_EQ(catalogue[64].ConstantsCaption, "Time Constants");
    EXPECT_EQ(catalogue[64].ConstantLabel[3], "TC 3: ");
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
