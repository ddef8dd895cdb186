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

/// What a rule may overwrite, as the mask of a log: bit 0 the output, bit k history k.
inline constexpr unsigned OutputBit = 1;
constexpr unsigned HistoryBit(int k) { return 1u << k; }

/// One kind's rule over a run of blocks, logging first what `Logged` names; a run that logs
/// nothing keeps its place in block order.
template <class Context, BlockRule<Context> Apply, unsigned Logged>
void WalkRun(RuleContext& context, const PlanEntry* first, const PlanEntry* last, float* log) {
    Context c(context, first);
    try {
        for (; c.Entry != last; ++c.Entry) {
            Block& blk = *c.Entry->Self;
            if ((Logged & OutputBit) != 0) {
                *log++ = blk.Output;
            }
            for (int k = 1; k <= MaxInputs; ++k) {
                if ((Logged & HistoryBit(k)) != 0) *log++ = blk.History[k];
            }
            // Only a fault wants the block's number: it is given it here.
            Apply(c, blk, 0);
        }
    } catch (RunError& fault) {
        fault.Block = c.Entry->Number;
        throw;
    }
}

inline void PutBack(Block& blk, const float* log, unsigned logged) {
    if ((logged & OutputBit) != 0) {
        blk.Output = *log++;
    }
    for (int k = 1; k <= MaxInputs; ++k) {
        if ((logged & HistoryBit(k)) != 0) blk.History[k] = *log++;
    }
}

constexpr unsigned StepLogged(StepKind kind) {
    if (WritesSharedStore(kind)) return 0;
    unsigned logged = OutputBit;
    for (int k = 1; k <= HistoriesWritten(kind); ++k) logged |= HistoryBit(k);
    return logged;
}

constexpr unsigned UpdateLogged(StateKind kind) {
    switch (kind) {
    case StateKind::Integrate: return OutputBit | HistoryBit(1);
    case StateKind::Lag: return OutputBit;
    case StateKind::SecondLag: return OutputBit | HistoryBit(2);
    case StateKind::Controller: return HistoryBit(1);   // the integral; the output moved in the step
    default: return 0;
    }
}

template <std::size_t... K>
constexpr std::array<PlanRun::Walker, sizeof...(K)> StepWalkers(std::index_sequence<K...>) {
    return {&WalkRun<EntryContext, StepRules<EntryContext>[K], StepLogged(static_cast<StepKind>(K))>...};
}

template <std::size_t... K>
constexpr std::array<PlanRun::Walker, sizeof...(K)> InPlaceWalkers(std::index_sequence<K...>) {
    return {&WalkRun<EntryContext, StepRules<EntryContext>[K], 0u>...};
}

template <std::size_t... K>
constexpr std::array<PlanRun::Walker, sizeof...(K)> LatchWalkers(std::index_sequence<K...>) {
    return {&WalkRun<EntryContext, LatchRules<EntryContext>[K], 0u>...};
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
                     UpdateLogged(static_cast<StateKind>(K))>...};
}

template <std::size_t... K>
constexpr std::array<PlanRun::Walker, sizeof...(K)> UpdateWalkers(std::index_sequence<K...>) {
    return {&WalkRun<EntryContext, UpdateRules<EntryContext>[K], UpdateLogged(static_cast<StateKind>(K))>...};
}

inline constexpr auto Step = StepWalkers(std::make_index_sequence<StepKindCount>{});
inline constexpr auto StepInPlace = InPlaceWalkers(std::make_index_sequence<StepKindCount>{});
inline constexpr auto Latch = LatchWalkers(std::make_index_sequence<StateKindCount>{});
inline constexpr auto Update = UpdateWalkers(std::make_index_sequence<StateKindCount>{});
inline constexpr auto LatchedUpdate = FusedWalkers(std::make_index_sequence<StateKindCount>{});

}  // namespace quorvane::plan_walkers
