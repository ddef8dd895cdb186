#include "engine/ordering.h"

#include <algorithm>
#include <array>

#include "engine/simulation.h"
#include "model/block_traits.h"
#include "model/terminal_links.h"

namespace quorvane {

namespace {

using LevelTable = std::array<int, MaxBlocks + 1>;

/// Every block but an origin that keeps its raised level takes the lowest level its inputs
/// had in the previous pass.
bool FollowsInputs(const Block& block) { return LevelInputsOf(block) > 0; }

int FedLevel(const Block& block, const LevelTable& snapshot) {
    int fed = snapshot[static_cast<std::size_t>(block.Input[1])];
    for (int k = 2; k <= LevelInputsOf(block); ++k) {
        fed = std::min(fed, snapshot[static_cast<std::size_t>(block.Input[k])]);
    }
    return fed;
}

/// Relaxation: every pass lifts the origins to the pass number and lets each other block take
/// the (smallest) level its inputs had in the previous pass, so levels fall by one along every
/// chain and stay 0 in a loop that holds no origin. Returns true when such a loop exists.
bool RelaxLevels(const SimulationForm& sheet, int count, LevelTable& level) {
    level.fill(0);
    for (int pass = 1; pass <= count + 1; ++pass) {
        for (int b = 1; b <= count; ++b) {
            if (IsOrigin(sheet.Blocks[b])) {
                level[static_cast<std::size_t>(b)] = pass;
            }
        }
        LevelTable snapshot = level;
        snapshot[0] = pass;   // an unconnected input counts as freshly fed
        for (int b = 1; b <= count; ++b) {
            if (FollowsInputs(sheet.Blocks[b])) {
                level[static_cast<std::size_t>(b)] = FedLevel(sheet.Blocks[b], snapshot);
            }
        }
    }
    for (int b = 1; b <= count; ++b) {
        if (level[static_cast<std::size_t>(b)] < 2) {
            return true;
        }
    }
    return false;
}

struct Sequence {
    std::array<int, MaxBlocks + 1> OldNumber{};   ///< entry i: old number of new block i
    std::array<int, 5> SectionEnd{};
    int Count = 0;
};

Sequence SequenceBlocks(const SimulationForm& sheet, int count, const LevelTable& level) {
    Sequence seq;
    auto append = [&](int b) { seq.OldNumber[static_cast<std::size_t>(++seq.Count)] = b; };
    auto scan = [&](Section section) {
        for (int b = 1; b <= count; ++b) {
            if (SectionOf(sheet.Blocks[b]) == section) {
                append(b);
            }
        }
    };
    int maxLevel = 0;
    for (int b = 1; b <= count; ++b) {
        maxLevel = std::max(maxLevel, level[static_cast<std::size_t>(b)]);
    }
    scan(Section::Constants);
    seq.SectionEnd[0] = seq.Count;
    scan(Section::Sources);
    seq.SectionEnd[1] = seq.Count;
    for (int l = maxLevel; l >= 0; --l) {
        for (int b = 1; b <= count; ++b) {
            if (level[static_cast<std::size_t>(b)] == l && SectionOf(sheet.Blocks[b]) == Section::Evaluated) {
                append(b);
            }
        }
    }
    seq.SectionEnd[2] = seq.Count;
    scan(Section::States);
    seq.SectionEnd[3] = seq.Count;
    scan(Section::Displays);
    seq.SectionEnd[4] = seq.Count;
    return seq;
}

struct NotedTerminal {
    int OldNumber = 0;
    int NewNumber = 0;
};

/// Moves the blocks to their new numbers through the scratch slot and rewrites every
/// reference to an old number exactly once.
void Renumber(Simulation& sim, int form, const Sequence& seq) {
    SimulationForm& sheet = sim.Forms[form];
    SimulationForm& scratch = sim.Forms[0];
    std::array<int, MaxBlocks + 1> newNumber{};   // entry 0 stays 0: "not connected"
    std::array<NotedTerminal, TerminalEntriesSearched> noted{};
    int notedCount = 0;
    for (int i = 1; i <= seq.Count; ++i) {
        const int old = seq.OldNumber[static_cast<std::size_t>(i)];
        scratch.Blocks[i] = sheet.Blocks[old];
        newNumber[static_cast<std::size_t>(old)] = i;
        // A form registers at most ten terminal-link blocks, so noting ten loses none.
        if (IsTerminalLink(scratch.Blocks[i].FunctionCode) && notedCount < TerminalEntriesSearched) {
            noted[static_cast<std::size_t>(notedCount++)] = {old, i};
        }
    }
    for (int i = 1; i <= seq.Count; ++i) {
        for (int k = 1; k <= MaxInputs; ++k) {
            int& input = scratch.Blocks[i].Input[k];
            input = newNumber[static_cast<std::size_t>(input)];
        }
    }
    for (int c = 1; c < sheet.NextConnection; ++c) {
        Connection& link = sheet.Connections[c];
        link.ToBlock = newNumber[static_cast<std::size_t>(link.ToBlock)];
        link.FromBlock = newNumber[static_cast<std::size_t>(link.FromBlock)];
    }
    for (int i = 1; i <= seq.Count; ++i) {
        sheet.Blocks[i] = scratch.Blocks[i];
        sim.Windows.PlaceBlockImage(form, i);
    }
    ShufflePass pass;
    for (int n = 0; n < notedCount; ++n) {
        const NotedTerminal& t = noted[static_cast<std::size_t>(n)];
        ShuffleTerminalEntry(sim, sim.Ui, form, t.OldNumber, t.NewNumber, pass);
    }
}

}  // namespace

void BuildExecutionOrder(Simulation& sim, int form) {
    const SimulationForm& sheet = sim.Forms[form];
    const int count = sheet.BlockCount;
    LevelTable level{};
    const bool loop = RelaxLevels(sheet, count, level);
    const Sequence seq = SequenceBlocks(sheet, count, level);
    if (seq.Count < count) {
        sim.Ui.Message("Failed to account for all blocks");
    }
    if (loop) {
        sim.Ui.Message("A block self loopback condition exists in the model");
    }
    Renumber(sim, form, seq);
    sim.Order.ConstantsEnd = seq.SectionEnd[0];
    sim.Order.SourcesEnd = seq.SectionEnd[1];
    sim.Order.AlgebraicEnd = seq.SectionEnd[2];
    sim.Order.StatesEnd = seq.SectionEnd[3];
    sim.Order.DisplaysEnd = seq.SectionEnd[4];
    BuildDisplayRunList(sim, form);
}

void BuildDisplayRunList(Simulation& sim, int form) {
    constexpr int MaxChainEntries = 21;
    const SimulationForm& sheet = sim.Forms[form];
    ExecutionList& order = sim.Order;
    order.DisplayRunCount = 0;
    for (int b = 1; b <= sheet.BlockCount; ++b) {
        if (!TraitsOf(sheet.Blocks[b].FunctionCode).StartsDisplayChain) {
            continue;
        }
        for (int chainInput = 1; chainInput <= 2; ++chainInput) {
            const int chainStart = order.DisplayRunCount;
            int current = b;
            for (int added = 0; added < MaxChainEntries; ++added) {
                const int source = sheet.Blocks[current].Input[chainInput];
                const ChainEnd end = TraitsOf(sheet.Blocks[source].FunctionCode).EndsDisplayChain;
                if (end == ChainEnd::Dropped) {
                    order.DisplayRunCount = chainStart;   // the chain starts at a fixed value
                    break;
                }
                if (end == ChainEnd::Kept) {
                    break;
                }
                if (order.DisplayRunCount >= DisplayRunListLast) {
                    break;   // the list is full: the rest is left out
                }
                order.DisplayRunList[++order.DisplayRunCount] = source;
                current = source;
            }
        }
    }
}

}  // namespace quorvane
