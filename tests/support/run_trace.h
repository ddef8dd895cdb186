#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/simulation.h"

namespace quorvane {

/// What a run leaves, as bits, for comparing two ways of making the same run.
struct RunTrace {
    std::vector<std::uint32_t> Bits;
    bool Faulted = false;

    void Add(float value) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        Bits.push_back(bits);
    }
    void Add(int value) { Bits.push_back(static_cast<std::uint32_t>(value)); }
    void Add(const std::string& text) {
        for (char c : text) Add(static_cast<int>(c));
    }
    void AddOutputs(const SimulationForm& sheet) {
        for (int b = 1; b <= sheet.BlockCount; ++b) Add(sheet.Blocks[b].Output);
    }
    /// Every value a block holds, and the shared stores the rules write.
    void AddTables(Simulation& sim, const SimulationForm& sheet) {
        for (int b = 1; b <= sheet.BlockCount; ++b) {
            const Block& blk = sheet.Blocks[b];
            for (float v : {blk.Output, blk.Work[1], blk.Work[2], blk.Work[3], blk.History[1], blk.History[2],
                            blk.History[3], blk.Constant[3]}) {
                Add(v);
            }
        }
        for (int line = 1; line <= DelayLineCount; ++line) {
            Add(sim.Delays.WritePosition[line]);
            Add(sim.Delays.ReadPosition[line]);
            for (int cell = 0; cell < 64; ++cell) Add(sim.Delays.Cell(line, cell));
        }
        for (int i = 0; i < 8; ++i) Add(sim.Prbs.PrbsRecord[static_cast<std::size_t>(i)]);
    }
};

/// Where two traces part, for a failure message; -1 when they agree.
inline long FirstDifference(const RunTrace& a, const RunTrace& b) {
    const auto [ia, ib] = std::mismatch(a.Bits.begin(), a.Bits.end(), b.Bits.begin(), b.Bits.end());
    return ia == a.Bits.end() && ib == b.Bits.end() ? -1 : ia - a.Bits.begin();
}

}  // namespace quorvane
