#include "engine/step_plan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "engine/block_rules.h"
#include "engine/plan_walkers.h"
#include "engine/simulation.h"

namespace quorvane {

namespace {

/// A block of a pass and its kind (Key); Stage is the round of its segment it is walked in, one
/// after the latest block before it that it reads or that reads it, and RunFirst the first block
/// of its run.
struct Candidate {
    int Block = 0;
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

/// A pass as it is made, run by run.
class PassMaker {
public:
    explicit PassMaker(PlanPass& pass) : Pass(pass) {
        Pass.Entries.clear();
        Pass.Runs.clear();
    }
    void StartRun(PlanRun::Walker walk) { Pass.Runs.push_back({walk, static_cast<int>(Pass.Entries.size()), 0}); }
    void Add(Block* blocks, int b) {
        Pass.Entries.push_back(EntryOf(blocks, b));
        ++Pass.Runs.back().Count;
    }
    /// Gives every run its place in the finished pass.
    void Finish() {
        Pass.Runs.push_back({&plan_walkers::EndPass, static_cast<int>(Pass.Entries.size()), 0});
        for (PlanRun& run : Pass.Runs) {
            run.Begin = Pass.Entries.data() + run.First;
            run.End = run.Begin + run.Count;
        }
    }

private:
    PlanPass& Pass;
};

/// Whether `reader` takes a value from block `source` of the same form in a step: through an
/// input, or as an input terminal linked to a block of its own form.
bool Reads(const Block& reader, int form, int source) {
    for (int k = 1; k <= MaxInputs; ++k) {
        if (reader.Input[k] == source) return true;
    }
    return StepKindOf(reader) == StepKind::InputTerminal && std::lrint(reader.Constant[1]) == form &&
           std::lrint(reader.Constant[3]) == source;
}

/// Whether two blocks of a pass write the same kind of shared store (delay lines, the PRBS
/// record), which they may do at the same place: their writes keep block order.
bool ShareAStore(const Candidate& a, const Candidate& b) {
    return a.Key == b.Key && WritesSharedStore(static_cast<StepKind>(a.Key));
}

/// The candidates (in block order) as runs of one kind: each block goes one stage after the
/// latest block it reads or that reads it, and no earlier than a block before it that shares a
/// store with it; the blocks of one stage and kind form one run, still in block order.
void AddStaged(PassMaker& maker, Block* blocks, int form, std::vector<Candidate>& candidates) {
    const auto first = candidates.begin();
    const auto last = candidates.end();
    for (auto j = first; j != last; ++j) {
        for (auto i = first; i != j; ++i) {
            if (i->Stage >= j->Stage &&
                (Reads(blocks[j->Block], form, i->Block) || Reads(blocks[i->Block], form, j->Block))) {
                j->Stage = i->Stage + 1;
            } else if (i->Stage > j->Stage && ShareAStore(*i, *j)) {
                j->Stage = i->Stage;
            }
        }
    }
    std::stable_sort(first, last, [](const Candidate& a, const Candidate& b) {
        return a.Stage != b.Stage ? a.Stage < b.Stage : a.Key < b.Key;
    });
    // The runs of a stage in the order of their first blocks, nearest block order.
    for (auto c = first; c != last; ++c) {
        const bool starts = c == first || c->Stage != (c - 1)->Stage || c->Key != (c - 1)->Key;
        c->RunFirst = starts ? c->Block : (c - 1)->RunFirst;
    }
    std::stable_sort(first, last, [](const Candidate& a, const Candidate& b) {
        return a.Stage != b.Stage ? a.Stage < b.Stage : a.RunFirst < b.RunFirst;
    });
    for (auto c = first; c != last; ++c) {
        if (c == first || c->Stage != (c - 1)->Stage || c->RunFirst != (c - 1)->RunFirst) {
            maker.StartRun(plan_walkers::Step[static_cast<std::size_t>(c->Key)]);
        }
        maker.Add(blocks, c->Block);
    }
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

/// Every state block latches before any moves, and each moves by its own values only: first the
/// latches of the blocks that read a state block moving before them, then the kinds in turn,
/// each first moving the blocks that latch as they go, then the others.
void AddStates(PassMaker& maker, Block* blocks, int first, int last) {
    using namespace plan_walkers;
    const KindOrder order = MovingOrder(blocks, first, last);
    const KindRanks rank = RanksOf(order);
    const auto addRun = [&](PlanRun::Walker walk, int kind, bool asItMoves) {
        bool started = false;
        for (int b = first; b <= last; ++b) {
            if (StateKindOf(blocks[b]) != static_cast<StateKind>(kind) ||
                LatchesAsItMoves(blocks, b, first, last, rank) != asItMoves) {
                continue;
            }
            if (!started) maker.StartRun(walk);
            started = true;
            maker.Add(blocks, b);
        }
    };
    for (int kind = 1; kind < StateKindCount; ++kind) addRun(Latch[static_cast<std::size_t>(kind)], kind, false);
    for (const int kind : order) {
        addRun(LatchedUpdate[static_cast<std::size_t>(kind)], kind, true);
        addRun(Update[static_cast<std::size_t>(kind)], kind, false);
    }
}

void AddCandidate(std::vector<Candidate>& candidates, const Block& blk, int b) {
    const StepKind kind = StepKindOf(blk);
    if (kind != StepKind::None) candidates.push_back({b, static_cast<int>(kind), 0, 0});
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
    PassMaker step(plan.Step);
    AddStaged(step, blocks, form, candidates);
    AddStates(step, blocks, order.AlgebraicEnd + 1, order.StatesEnd);
    step.Finish();

    candidates.clear();
    for (int b = order.SourcesEnd + 1; b <= order.AlgebraicEnd; ++b) {
        // A free-running Sine Wave is a source; only the one driven by its input is refreshed.
        if (TraitsOf(blocks[b].FunctionCode).Refreshed && !IsFreeSource(blocks[b])) {
            AddCandidate(candidates, blocks[b], b);
        }
    }
    PassMaker refresh(plan.Refresh);
    AddStaged(refresh, blocks, form, candidates);
    refresh.Finish();

    PrepareReplay(plan.Replay, sim, form);
}

void WalkPass(RuleContext& context, const PlanPass& pass) {
    pass.Runs.front().Walk(context, pass.Runs.data());
}

}  // namespace quorvane
