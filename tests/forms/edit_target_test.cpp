#include "forms/edit_target.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/model.h"

namespace quorvane {
namespace {

// A window's entries reach its block while the block is the same function, in either
// orientation, and never reach another function that happens to sit at that number.
TEST(EditTarget, HoldsTheSameFunctionTurnedRoundAndNothingElse) {
    const auto model = std::make_unique<Model>();
    model->Forms[1].BlockCount = 1;
    Block& block = model->Forms[1].Blocks[1];
    struct Case {
        int Stored, Opened;
        bool Holds;
    };
    const Case cases[] = {
        {6, 6, true},     // a gain
        {7, 6, true},     // turned while its window was open
        {62, 61, true},   // the one pair that starts on an odd code
        {61, 62, true},
        {61, 60, false},  // a chirp's window never reaches an effective frequency
        {60, 61, false},
        {41, 40, false},  // nor a PRBS generator's a unit ramp
        {45, 44, false},
    };
    for (const Case& c : cases) {
        block.FunctionCode = c.Stored;
        EXPECT_EQ(TargetHolds(*model, 1, 1, c.Opened), c.Holds) << c.Stored << " opened as " << c.Opened;
    }
    EXPECT_FALSE(TargetHolds(*model, 1, 2, 6)) << "a block number not in use";
    EXPECT_FALSE(TargetHolds(*model, 4, 1, 6)) << "a form outside the slots";
}

}  // namespace
}  // namespace quorvane
