#pragma once

#include <vector>

#include "engine/integral_bounds.h"
#include "engine/step_replay.h"
#include "model/model.h"

namespace quorvane {

struct RuleContext;
struct Simulation;

/// A block of a run with its inputs found once: where its record and its inputs' outputs lie
/// (an unconnected input reads block 0's output, always 0), its number for its latches, and for
/// a controller the bounds of its integral, which depend on constants of the run only.
struct PlanEntry {
    Block* Self = nullptr;
    const float* In[MaxInputs] = {};
    int Number = 0;
    bool Bounded = false;   ///< a controller with integral bounds (none for a gain of 0)
    IntegralBounds Bounds;
};

/// A stretch of blocks of one kind that the step walks in one tight loop: entries [First ..
/// First + Count) of the pass, in block number order.
struct PlanRun {
    /// Walks the run, then hands on to the next run of the pass; the last run of a pass is an
    /// empty one that ends it.
    using Walker = void (*)(RuleContext& context, const PlanRun* run);
    Walker Walk = nullptr;
    int First = 0;
    int Count = 0;
    // Where the run's blocks lie once the pass is complete, so a step reads them directly.
    const PlanEntry* Begin = nullptr;
    const PlanEntry* End = nullptr;
};

/// One pass over the form (a step, or a refresh) as runs of one kind.
struct PlanPass {
    std::vector<PlanEntry> Entries;
    std::vector<PlanRun> Runs;
};

/// The evaluation order of the run form turned, once per run, into runs of one kind of block,
/// so that a step decides nothing per block. Every value is computed from the same inputs as in
/// block order; a fault takes the form back to the replay's checkpoint and steps it again block
/// by block, so it names the same block and leaves the same tables.
struct StepPlan {
    int Form = 0;             ///< the form the plan was made for; 0 = none yet
    bool PlainLoop = false;   ///< step block by block instead, as tests compare the two
    PlanPass Step;   ///< evaluation, then the state latches and updates
    PlanPass Refresh;
    StepReplay Replay;
};

/// Makes sim.Plan for the form's order (sim.Order) and its blocks' kinds and inputs.
void BuildStepPlan(Simulation& sim, int form);

/// Walks the runs of a pass.
void WalkPass(RuleContext& context, const PlanPass& pass);

}  // namespace quorvane
