#pragma once

#include <bit>
#include <vector>

#include "engine/integral_bounds.h"
#include "model/model.h"

namespace quorvane {

struct RuleContext;
struct Simulation;

/// A block of a run with its inputs found once: where its record and its inputs' outputs lie
/// (an unconnected input reads block 0's output, always 0), its number for faults and latches,
/// and for a controller the bounds of its integral, which depend on constants of the run only.
struct PlanEntry {
    Block* Self = nullptr;
    const float* In[MaxInputs] = {};
    int Number = 0;
    bool Bounded = false;   ///< a controller with integral bounds (none for a gain of 0)
    IntegralBounds Bounds;
};

/// A stretch of blocks of one kind that the step walks in one tight loop: entries [First ..
/// First + Count) of the pass, in block number order. Blocks that may be evaluated ahead of
/// lower-numbered ones log the values they overwrite (the fields Logged names, LogWidth() per
/// block from LogFirst), so a fault can put the step back and let the plain loop meet it in
/// block order; Logged 0: the run is walked in place, never ahead of a block below it.
struct PlanRun {
    using Walker = void (*)(RuleContext& context, const PlanEntry* first, const PlanEntry* last, float* log);
    Walker Walk = nullptr;
    int First = 0;
    int Count = 0;
    int LogFirst = 0;
    unsigned Logged = 0;   ///< bit 0 the output, bit k history k

    int Segment = 0;
    // Where the run's blocks and log lie once the pass is complete, so a step reads them directly.
    const PlanEntry* Begin = nullptr;
    const PlanEntry* End = nullptr;
    float* LogAt = nullptr;

    int LogWidth() const { return std::popcount(Logged); }
};

/// Consecutive blocks FirstBlock..LastBlock of the block order whose runs FirstRun.. may be
/// walked in any order that keeps every feed: a fault inside is replayed from its start.
struct PlanSegment {
    int FirstRun = 0;
    int FirstBlock = 0;
    int LastBlock = 0;
};

/// One pass of the step (evaluation, state latch and update, refresh) as runs of one kind.
struct PlanPass {
    /// The plain loop over blocks first..last that a fault in a segment is replayed with.
    using Replay = void (*)(RuleContext& context, int first, int last);
    Replay Plain = nullptr;
    /// Whether the blocks walked below a faulting one keep their values: a fault puts back those
    /// above it and replays the blocks below it not yet walked. Otherwise a fault puts back all and
    /// replays the whole segment, the runs that log nothing being walked before anything faults.
    bool KeepsInPlace = false;
    std::vector<unsigned char> InPlace;   ///< per block, marked while a fault is put back
    std::vector<PlanEntry> Entries;
    std::vector<PlanRun> Runs;
    std::vector<PlanSegment> Segments;
    std::vector<float> Log;
};

/// The evaluation order of the run form turned, once per run, into runs of one kind of block,
/// so that a step decides nothing per block. Every value is computed from the same inputs as in
/// block order, every fault names the same block and leaves the same tables.
struct StepPlan {
    int Form = 0;             ///< the form the plan was made for; 0 = none yet
    bool PlainLoop = false;   ///< step block by block instead, as tests compare the two
    PlanPass Evaluation;
    PlanPass States;
    PlanPass Refresh;
};

/// Makes sim.Plan for the form's order (sim.Order) and its blocks' kinds and inputs.
void BuildStepPlan(Simulation& sim, int form);

/// Walks the runs of a pass. A fault in a run that was walked ahead of block order puts back
/// what its segment changed and replays the segment block by block, so the RunError that
/// leaves is the plain loop's.
void WalkPass(RuleContext& context, PlanPass& pass);

}  // namespace quorvane
