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
    double& LatchedInput(int b) const { return Sim.Status.LatchedInput[b]; }
    double& LatchedError(int b) const { return Sim.Status.LatchedError[b]; }
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

/// One kind's rule over a run of blocks. A width w > 0 logs what the rule may overwrite: the
/// output and histories 1 .. w - 1; width 0 logs nothing (the run keeps its place in block order).
template <class Context, BlockRule<Context> Apply, int Width>
void WalkRun(RuleContext& context, const PlanEntry* first, const PlanEntry* last, float* log) {
    for (Context c(context, first); c.Entry != last; ++c.Entry) {
        const int b = c.Entry->Number;
        Block& blk = *c.Entry->Self;
        if constexpr (Width >= 1) {
            log[0] = blk.Output;
        }
        for (int k = 1; k < Width; ++k) {
            log[k] = blk.History[k];
        }
        log += Width;
        Apply(c, blk, b);
    }
}

inline void PutBack(Block& blk, const float* log, int width) {
    blk.Output = log[0];
    for (int k = 1; k < width; ++k) {
        blk.History[k] = log[k];
    }
}

constexpr int StepLogWidth(StepKind kind) {
    return WritesSharedStore(kind) ? 0 : 1 + HistoriesWritten(kind);
}

constexpr int UpdateLogWidth(StateKind kind) {
    switch (kind) {
    case StateKind::Lag: return 1;
    case StateKind::SecondLag: return 3;   // H2
    default: return 2;                     // H1
    }
}

template <std::size_t... K>
constexpr std::array<PlanRun::Walker, sizeof...(K)> StepWalkers(std::index_sequence<K...>) {
    return {&WalkRun<EntryContext, StepRules<EntryContext>[K], StepLogWidth(static_cast<StepKind>(K))>...};
}

template <std::size_t... K>
constexpr std::array<PlanRun::Walker, sizeof...(K)> InPlaceWalkers(std::index_sequence<K...>) {
    return {&WalkRun<EntryContext, StepRules<EntryContext>[K], 0>...};
}

template <std::size_t... K>
constexpr std::array<PlanRun::Walker, sizeof...(K)> LatchWalkers(std::index_sequence<K...>) {
    return {&WalkRun<EntryContext, LatchRules<EntryContext>[K], 0>...};
}

/// A state block that reads no state block moving before it may latch and move at once: nothing
/// it reads has moved yet.
template <BlockRule<LatchingContext> Latch, BlockRule<LatchingContext> Update>
void LatchAndUpdate(LatchingContext& context, Block& blk, int b) {
    Latch(context, blk, b);
    Update(context, blk, b);
}

template <std::size_t... K>
constexpr std::array<PlanRun::Walker, sizeof...(K)> FusedWalkers(std::index_sequence<K...>) {
    return {&WalkRun<LatchingContext, LatchAndUpdate<LatchRules<LatchingContext>[K], UpdateRules<LatchingContext>[K]>,
                     UpdateLogWidth(static_cast<StateKind>(K))>...};
}

template <std::size_t... K>
constexpr std::array<PlanRun::Walker, sizeof...(K)> UpdateWalkers(std::index_sequence<K...>) {
    return {&WalkRun<EntryContext, UpdateRules<EntryContext>[K], UpdateLogWidth(static_cast<StateKind>(K))>...};
}

inline constexpr auto Step = StepWalkers(std::make_index_sequence<StepKindCount>{});
inline constexpr auto InPlace = InPlaceWalkers(std::make_index_sequence<StepKindCount>{});
inline constexpr auto Latch = LatchWalkers(std::make_index_sequence<StateKindCount>{});
inline constexpr auto Update = UpdateWalkers(std::make_index_sequence<StateKindCount>{});
inline constexpr auto LatchedUpdate = FusedWalkers(std::make_index_sequence<StateKindCount>{});

}  // namespace quorvane::plan_walkers
