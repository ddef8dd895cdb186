#include "engine/state_rules.h"

namespace quorvane {

void LatchStates(RuleContext& context, int first, int last) {
    for (int b = first; b <= last; ++b) {
        Block& blk = context.Blocks[b];
        LatchRules<RuleContext>[static_cast<int>(StateKindOf(blk))](context, blk, b);
    }
}

void UpdateStates(RuleContext& context, int first, int last) {
    for (int b = first; b <= last; ++b) {
        Block& blk = context.Blocks[b];
        UpdateRules<RuleContext>[static_cast<int>(StateKindOf(blk))](context, blk, b);
    }
}

}  // namespace quorvane
