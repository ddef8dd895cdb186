#pragma once

#include <array>
#include <utility>

#include "engine/state_rules.h"
#include "engine/step_kinds.h"
#include "engine/step_plan.h"

namespace quorvane::plan_walkers {

/// The rule context of a planned block: its inputs are read where the plan found them.
struct EntryContext {
    EntryContext(const RuleContext& c, const PlanEntry* entry)
        : Sim(c.Sim), Blocks(c.Blocks), TimeStep(c.TimeStep), Time(c.Time), StartTime(c.StartTime), Entry(entry) {}

    Simulation& Sim;
    Block* Blocks;
    double TimeStep;
    double Time;
    double StartTime;
    const PlanEntry* Entry;

    double In(const Block&, int k) const { return *Entry->In[k - 1]; }
    IntegralBounds BoundsOfIntegral(const Block&, int b) const {
        if (!Entry->Bounded) [[unlikely]] {
            ThrowFault(b, DivisionByZeroText);
        }
        return Entry->Bounds;
    }
    double& LatchedInput(int) const { return Sim.Status.LatchedInput[Entry->Number]; }
    double& LatchedError(int) const { return Sim.Status.LatchedError[Entry->Number]; }
};

/// The context of a state block that latches as it moves: the latched value is used at once,
/// so it is kept here rather than in the run state.
struct LatchingContext : EntryContext {
    using EntryContext::EntryContext;

    double Input = 0.0;
    double Error = 0.0;

    double& LatchedInput(int) { return Input; }
    double& LatchedError(int) { return Error; }
};

/// One kind's rule over a run of blocks, in place, then on to the next run of the pass. A fault
/// leaves the run where it stands: the replay, not the plan, names the block, so the rules are
/// not given its number.
template <class Context, BlockRule<Context> Apply>
void WalkRun(RuleContext& context, const PlanRun* run) {
    for (Context c(context, run->Begin); c.Entry != run->End; ++c.Entry) Apply(c, *c.Entry->Self, 0);
    ++run;
    run->Walk(context, run);
}

/// The end of a pass.
inline void EndPass(RuleContext&, const PlanRun*) {}

/// A state block that reads no state block moving before it may latch and move at once: nothing
/// it reads has moved yet.
template <BlockRule<LatchingContext> Latch, BlockRule<LatchingContext> Update>
void LatchAndUpdate(LatchingContext& context, Block& blk, int b) {
    Latch(context, blk, b);
    Update(context, blk, b);
}

template <std::size_t... K>
constexpr std::array<PlanRun::Walker, sizeof...(K)> StepTable(std::index_sequence<K...>) {
    return {&WalkRun<EntryContext, StepRules<EntryContext>[K]>...};
}

template <std::size_t... K>
constexpr std::array<PlanRun::Walker, sizeof...(K)> LatchTable(std::index_sequence<K...>) {
    return {&WalkRun<EntryContext, LatchRules<EntryContext>[K]>...};
}

template <std::size_t... K>
constexpr std::array<PlanRun::Walker, sizeof...(K)> UpdateTable(std::index_sequence<K...>) {
    return {&WalkRun<EntryContext, UpdateRules<EntryContext>[K]>...};
}

template <std::size_t... K>
constexpr std::array<PlanRun::Walker, sizeof...(K)> FusedTable(std::index_sequence<K...>) {
    return {&WalkRun<LatchingContext, LatchAndUpdate<LatchRules<LatchingContext>[K], UpdateRules<LatchingContext>[K]>>...};
}

inline constexpr auto Step = StepTable(std::make_index_sequence<StepKindCount>{});
inline constexpr auto Latch = LatchTable(std::make_index_sequence<StateKindCount>{});
inline constexpr auto Update = UpdateTable(std::make_index_sequence<StateKindCount>{});
inline constexpr auto LatchedUpdate = FusedTable(std::make_index_sequence<StateKindCount>{});

}  // namespace quorvane::plan_walkers
