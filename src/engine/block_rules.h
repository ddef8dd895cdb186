#pragma once

namespace quorvane {

struct RuleContext;

/// The evaluation rules of every FunctionCode over blocks first..last of the run form, in
/// number order. A fault throws RunError naming the block being evaluated.

/// Values at the start time (first pass of the initial evaluation).
void EvaluateInitial(RuleContext& context, int first, int last);
/// Histories seeded from the inputs once every initial value is known (second pass).
void SeedHistories(RuleContext& context, int first, int last);
/// One time step's outputs from the current outputs of the inputs.
void EvaluateStep(RuleContext& context, int first, int last);
/// The memoryless blocks computed again after the state blocks have moved.
void RefreshMemoryless(RuleContext& context, int first, int last);

}  // namespace quorvane
