#pragma once

namespace quorvane {

struct RuleContext;

/// Latches input X and error E of the state blocks first..last before any state changes.
void LatchStates(RuleContext& context, int first, int last);

/// Advances the state blocks first..last over one step with their latched X and E.
void UpdateStates(RuleContext& context, int first, int last);

}  // namespace quorvane
