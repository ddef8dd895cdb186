#include "engine/step_plan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "engine/block_rules.h"
#include "engine/plan_walkers.h"
#include "engine/run_error.h"
#include "engine/simulation.h"

namespace quorvane {

namespace {

/// A block of a pass with its walker, what it logs and its kind (Key); Stage is the round of its
/// segment it is walked in, one after the latest block before it that it reads or that reads it,
/// and RunFirst the first block of its run.
struct Candidate {
    int Block = 0;
    PlanRun::Walker Walk = nullptr;
    unsigned Logged = 0;
    int Key = 0;
    int Stage = 0;
    int RunFirst = 0;
};

PlanEntry EntryOf(Block* blocks, int b) {
    PlanEntry entry;
    entry.Self = &blocks[b];
    const Block& blk = blocks[b];
    for (int k = 1; k <= MaxInputs; ++k) entry.In[k - 1] = &blocks[blk.Input[k]].Output;
    entry.Number = b;
    if (StateKindOf(blk) == StateKind::Controller && blk.Work[1] != 0.0f) {
        entry.Bounded = true;
        entry.Bounds = BoundsOfIntegral(blk.SatHigh, blk.SatLow, blk.Work[1], b);
    }
    return entry;
}

/// Whether `reader` takes a value from block `source` of the same form in a step: through an
/// input, or as an input terminal linked to a block of its own form.
bool Reads(const Block& reader, int form, int source) {
    for (int k = 1; k <= MaxInputs; ++k) {
        if (reader.Input[k] == source) return true;
    }
    return StepKindOf(reader) == StepKind::InputTerminal && std::lrint(reader.Constant[1]) == form &&
           std::lrint(reader.Constant[3]) == source;
}

/// Candidates first..last (block order, none in them writing a shared store) as runs of one
/// kind: each block goes one stage after the latest block it reads or that reads it, and the
/// blocks of one stage and kind form one run, still in block order. Only a run that some later
/// run of the segment overtakes (it holds a lower-numbered block) logs what it overwrites: a
/// fault can find it ahead of block order.
void AddSegment(PlanPass& pass, Block* blocks, int form, std::vector<Candidate>::iterator first,
                std::vector<Candidate>::iterator last) {
    pass.Segments.push_back({static_cast<int>(pass.Runs.size()), first->Block, (last - 1)->Block});
    for (auto j = first; j != last; ++j) {
        for (auto i = first; i != j; ++i) {
            if (i->Stage >= j->Stage &&
                (Reads(blocks[j->Block], form, i->Block) || Reads(blocks[i->Block], form, j->Block))) {
                j->Stage = i->Stage + 1;
            }
        }
    }
    std::stable_sort(first, last, [](const Candidate& a, const Candidate& b) {
        return a.Stage != b.Stage ? a.Stage < b.Stage : a.Key < b.Key;
    });
    // The runs of a stage nearest block order: fewer of them are overtaken and log.
    for (auto c = first; c != last; ++c) {
        const bool starts = c == first || c->Stage != (c - 1)->Stage || c->Key != (c - 1)->Key;
        c->RunFirst = starts ? c->Block : (c - 1)->RunFirst;
    }
    std::stable_sort(first, last, [](const Candidate& a, const Candidate& b) {
        return a.Stage != b.Stage ? a.Stage < b.Stage : a.RunFirst < b.RunFirst;
    });
    const int segment = static_cast<int>(pass.Segments.size()) - 1;
    const std::size_t firstRun = pass.Runs.size();
    for (auto c = first; c != last; ++c) {
        if (c == first || c->Stage != (c - 1)->Stage || c->RunFirst != (c - 1)->RunFirst) {
            pass.Runs.push_back({c->Walk, static_cast<int>(pass.Entries.size()), 0, 0, c->Logged, segment});
        }
        pass.Entries.push_back(EntryOf(blocks, c->Block));
        ++pass.Runs.back().Count;
    }
    int lowestLater = MaxBlocks + 1;
    for (std::size_t r = pass.Runs.size(); r-- > firstRun;) {
        PlanRun& run = pass.Runs[r];
        const PlanEntry& runFirst = pass.Entries[static_cast<std::size_t>(run.First)];
        const PlanEntry& runLast = pass.Entries[static_cast<std::size_t>(run.First + run.Count - 1)];
        if (runLast.Number < lowestLater) {
            run.Walk = plan_walkers::StepInPlace[static_cast<std::size_t>(StepKindOf(*runFirst.Self))];
            run.Logged = 0;
        }
        lowestLater = std::min(lowestLater, runFirst.Number);
    }
}

/// Gives every run its stretch of the log and its places in the finished pass.
void FinishPass(PlanPass& pass) {
    int used = 0;
    for (PlanRun& run : pass.Runs) {
        run.LogFirst = used;
        used += run.Count * run.LogWidth();
    }
    pass.Log.assign(static_cast<std::size_t>(used), 0.0f);
    for (PlanRun& run : pass.Runs) {
        run.Begin = pass.Entries.data() + run.First;
        run.End = run.Begin + run.Count;
        run.LogAt = pass.Log.data() + run.LogFirst;
    }
}

/// A pass over the candidates in block order: a block that writes a shared store is a segment
/// of its own, walked where it stands; the stretches between are staged.
void BuildStaged(PlanPass& pass, Block* blocks, int form, std::vector<Candidate>& candidates) {
    pass.Entries.clear();
    pass.Runs.clear();
    pass.Segments.clear();
    pass.KeepsInPlace = true;
    pass.InPlace.assign(MaxBlocks + 1, 0);
    auto start = candidates.begin();
    while (start != candidates.end()) {
        if (start->Logged == 0) {
            AddSegment(pass, blocks, form, start, start + 1);
            ++start;
            continue;
        }
        auto end = std::find_if(start, candidates.end(), [](const Candidate& c) { return c.Logged == 0; });
        AddSegment(pass, blocks, form, start, end);
        start = end;
    }
    FinishPass(pass);
}

void LatchThenUpdate(RuleContext& context, int first, int last) {
    LatchStates(context, first, last);
    UpdateStates(context, first, last);
}

/// The state kinds in the order they move, and the place of each kind in that order.
using KindOrder = std::array<int, StateKindCount - 1>;
using KindRanks = std::array<int, StateKindCount>;

KindRanks RanksOf(const KindOrder& kinds) {
    KindRanks rank{};
    for (std::size_t i = 0; i < kinds.size(); ++i) rank[static_cast<std::size_t>(kinds[i])] = static_cast<int>(i);
    return rank;
}

/// Whether state block b may latch as it moves when the kinds move in the order `rank` gives:
/// every other state block of first..last that it reads moves after it.
bool LatchesAsItMoves(Block* blocks, int b, int first, int last, const KindRanks& rank) {
    const int own = rank[static_cast<std::size_t>(StateKindOf(blocks[b]))];
    for (int k = 1; k <= MaxInputs; ++k) {
        const int source = blocks[b].Input[k];
        if (source == b || source < first || source > last) continue;
        const StateKind kind = StateKindOf(blocks[source]);
        if (kind == StateKind::None) continue;
        const int theirs = rank[static_cast<std::size_t>(kind)];
        if (theirs < own || (theirs == own && source < b)) return false;
    }
    return true;
}

/// The order of the state kinds in which the most state blocks latch as they move.
KindOrder MovingOrder(Block* blocks, int first, int last) {
    KindOrder kinds{};
    std::iota(kinds.begin(), kinds.end(), 1);
    KindOrder best = kinds;
    int bestCount = -1;
    do {
        const KindRanks rank = RanksOf(kinds);
        int count = 0;
        for (int b = first; b <= last; ++b) {
            if (StateKindOf(blocks[b]) != StateKind::None && LatchesAsItMoves(blocks, b, first, last, rank)) ++count;
        }
        if (count > bestCount) {
            best = kinds;
            bestCount = count;
        }
    } while (std::next_permutation(kinds.begin(), kinds.end()));
    return best;
}

/// Every state block latches before any moves, and each moves by its own values only: one
/// segment; first the latches of the blocks that read a state block moving before them, then
/// the kinds in turn, each first moving the blocks that latch as they go, then the others.
void BuildStates(PlanPass& pass, Block* blocks, int first, int last) {
    using namespace plan_walkers;
    pass.Entries.clear();
    pass.Runs.clear();
    pass.Segments.assign(1, PlanSegment{0, first, last});
    const KindOrder order = MovingOrder(blocks, first, last);
    const KindRanks rank = RanksOf(order);
    auto addRun = [&](PlanRun::Walker walk, unsigned logged, StateKind kind, bool asItMoves) {
        const int start = static_cast<int>(pass.Entries.size());
        for (int b = first; b <= last; ++b) {
            if (StateKindOf(blocks[b]) == kind && LatchesAsItMoves(blocks, b, first, last, rank) == asItMoves) {
                pass.Entries.push_back(EntryOf(blocks, b));
            }
        }
        const int count = static_cast<int>(pass.Entries.size()) - start;
        if (count > 0) pass.Runs.push_back({walk, start, count, 0, logged, 0});
    };
    for (int kind = 1; kind < StateKindCount; ++kind) addRun(Latch[kind], 0u, static_cast<StateKind>(kind), false);
    for (const int kind : order) {
        const StateKind k = static_cast<StateKind>(kind);
        addRun(LatchedUpdate[kind], UpdateLogged(k), k, true);
        addRun(Update[kind], UpdateLogged(k), k, false);
    }
    FinishPass(pass);
}

void AddCandidate(std::vector<Candidate>& candidates, const Block& blk, int b) {
    const StepKind kind = StepKindOf(blk);
    if (kind == StepKind::None) return;
    const int k = static_cast<int>(kind);
    candidates.push_back(
        {b, plan_walkers::Step[static_cast<std::size_t>(k)], plan_walkers::StepLogged(kind), k, 0, 0});
}

/// Puts back what the segment's runs logged up to the faulting block `block` of `faulting`;
/// whether the faulting block itself was put back. A pass that keeps blocks in place puts back
/// only the blocks above the faulting one, every one of them logged, and the faulting one: a
/// block below it was walked from the inputs the plain loop gives it, and is marked in place.
bool PutBackSegment(PlanPass& pass, const PlanSegment& segment, const PlanRun* faulting, int block) {
    std::fill(pass.InPlace.begin(), pass.InPlace.end(), 0);
    for (const PlanRun* done = pass.Runs.data() + segment.FirstRun; done <= faulting; ++done) {
        for (int i = 0; i < done->Count; ++i) {
            const PlanEntry& entry = done->Begin[i];
            const bool faulted = done == faulting && entry.Number == block;
            if (pass.KeepsInPlace && entry.Number < block) {
                pass.InPlace[static_cast<std::size_t>(entry.Number)] = 1;
            } else if (done->Logged != 0) {
                plan_walkers::PutBack(*entry.Self, done->LogAt + i * done->LogWidth(), done->Logged);
            }
            if (faulted) return done->Logged != 0;
        }
    }
    return false;
}

}  // namespace

void BuildStepPlan(Simulation& sim, int form) {
    StepPlan& plan = sim.Plan;
    const ExecutionList& order = sim.Order;
    Block* blocks = &sim.Forms[form].Blocks[0];
    plan.Form = form;
    std::vector<Candidate> candidates;
    candidates.reserve(MaxBlocks);
    for (int b = order.ConstantsEnd + 1; b <= order.StatesEnd; ++b) AddCandidate(candidates, blocks[b], b);
    plan.Evaluation.Plain = EvaluateStep;
    BuildStaged(plan.Evaluation, blocks, form, candidates);

    candidates.clear();
    for (int b = order.SourcesEnd + 1; b <= order.AlgebraicEnd; ++b) {
        // A free-running Sine Wave is a source; only the one driven by its input is refreshed.
        if (TraitsOf(blocks[b].FunctionCode).Refreshed && !IsFreeSource(blocks[b])) {
            AddCandidate(candidates, blocks[b], b);
        }
    }
    plan.Refresh.Plain = RefreshMemoryless;
    BuildStaged(plan.Refresh, blocks, form, candidates);

    plan.States.Plain = LatchThenUpdate;
    BuildStates(plan.States, blocks, order.AlgebraicEnd + 1, order.StatesEnd);
}

void WalkPass(RuleContext& context, PlanPass& pass) {
    const PlanRun* const runs = pass.Runs.data();
    const PlanRun* const end = runs + pass.Runs.size();
    const PlanRun* run = runs;
    try {
        for (; run != end; ++run) run->Walk(context, run->Begin, run->End, run->LogAt);
    } catch (const RunError& fault) {
        if (!pass.KeepsInPlace && run->Logged == 0) throw;   // walked in block order
        const PlanSegment& segment = pass.Segments[static_cast<std::size_t>(run->Segment)];
        const bool faultLogged = PutBackSegment(pass, segment, run, fault.Block);
        if (!pass.KeepsInPlace) {
            pass.Plain(context, segment.FirstBlock, segment.LastBlock);
            throw;
        }
        // The plain loop would have met the blocks below the faulting one first; any of them not
        // yet walked may fault before it.
        for (int b = segment.FirstBlock; b < fault.Block; ++b) {
            if (!pass.InPlace[static_cast<std::size_t>(b)]) pass.Plain(context, b, b);
        }
        if (faultLogged) pass.Plain(context, fault.Block, fault.Block);
        throw;
    }
}

}  // namespace quorvane
