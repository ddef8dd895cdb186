#include "engine/ordering.h"

#include <algorithm>
#include <array>

#include "engine/simulation.h"
#include "model/function_code.h"
#include "model/terminal_links.h"

namespace quorvane {

namespace {

using LevelTable = std::array<int, MaxBlocks + 1>;

enum class Section { Constants, Sources, Evaluated, States, Displays };

bool IsUnconnectedSine(const Block& block) {
    const FunctionCode code = CodeOf(block.FunctionCode);
    return (code == FunctionCode::SineWave || code == FunctionCode::SineWaveTurned) && block.Input[1] == 0;
}

Section SectionOf(const Block& block) {
    using enum FunctionCode;
    switch (CodeOf(block.FunctionCode)) {
    case Constant:
        return Section::Constants;
    case UnitRamp: case Prbs: case Delta: case Chirp:
        return Section::Sources;
    case Integrate: case IntegrateTurned: case Lag: case LagTurned: case SecondOrderLag:
    case SecondOrderLagTurned: case Controller: case ControllerTurned:
        return Section::States;
    case Display: case DisplayTurned:
        return Section::Displays;
    default:
        return IsUnconnectedSine(block) ? Section::Sources : Section::Evaluated;
    }
}

/// Blocks whose output does not depend on this step's inputs: each pass raises them first.
bool IsOrigin(const Block& block) {
    using enum FunctionCode;
    switch (CodeOf(block.FunctionCode)) {
    case Constant: case Integrate: case IntegrateTurned: case Lag: case LagTurned:
    case SecondOrderLag: case SecondOrderLagTurned: case UnitRamp: case Prbs: case Display:
    case Delta: case Chirp:
        return true;
    default:
        return IsUnconnectedSine(block);
    }
}

/// Origins keep the level of step 1, except the Display, which then follows its input.
bool FollowsInputs(const Block& block) {
    return CodeOf(block.FunctionCode) == FunctionCode::Display || !IsOrigin(block);
}

int FedLevel(const Block& block, const LevelTable& snapshot) {
    auto fed = [&](int k) { return snapshot[static_cast<std::size_t>(block.Input[k])]; };
    using enum FunctionCode;
    switch (CodeOf(block.FunctionCode)) {
    case Sum: case SumTurned: case Controller: case ControllerTurned:
        return std::min({fed(1), fed(2), fed(3)});
    case Invert: case InvertTurned: case Multiply: case MultiplyTurned: case Divide:
    case DivideTurned: case Switch: case SwitchTurned: case CorrelatePrbs:
    case CorrelatePrbsTurned:
        return std::min(fed(1), fed(2));
    default:
        return fed(1);
    }
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
        const int code = sheet.Blocks[b].FunctionCode;
        if (code < 42 || code > 47) {
            continue;
        }
        for (int chainInput = 1; chainInput <= 2; ++chainInput) {
            const int chainStart = order.DisplayRunCount;
            int current = b;
            for (int added = 0; added < MaxChainEntries; ++added) {
                const int source = sheet.Blocks[current].Input[chainInput];
                const int sourceCode = sheet.Blocks[source].FunctionCode;
                if (sourceCode == 0 || sourceCode == 1 || sourceCode == 40 || sourceCode == 41) {
                    order.DisplayRunCount = chainStart;   // the chain starts at a fixed value
                    break;
                }
                if ((sourceCode >= 8 && sourceCode <= 11) || sourceCode == 22 || sourceCode == 23) {
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
