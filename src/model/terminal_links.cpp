#include "model/terminal_links.h"

#include <cmath>
#include <optional>

#include "model/block_traits.h"
#include "platform/host.h"

namespace quorvane {

namespace {

int FunctionOf(const Model& model, int form, int block) {
    return model.Forms[form].Blocks[block].FunctionCode;
}

/// A form or entry number held in a float constant: rounded to the nearest integer with
/// halves going to the even neighbour, and only when it lies within 1..last.
std::optional<int> TableNumber(float value, int last) {
    const double rounded = std::nearbyint(static_cast<double>(value));
    if (!(rounded >= 1.0 && rounded <= static_cast<double>(last))) return std::nullopt;
    return static_cast<int>(rounded);
}

/// The (form, entry) that a terminal-link block's constants 1 and 2 name, when both exist.
struct EntryRef {
    int Form = 0;
    int Entry = 0;
};

std::optional<EntryRef> NamedEntry(const Block& block) {
    const std::optional<int> form = TableNumber(block.Constant[1], FormSlots);
    const std::optional<int> entry = TableNumber(block.Constant[2], TerminalTableLast);
    if (!form || !entry) return std::nullopt;
    return EntryRef{*form, *entry};
}

void DropLink(Block& block) {
    block.Constant[1] = 0;
    block.Constant[2] = 0;
    block.Constant[3] = 0;
}

void ResolveBlock(Model& model, Block& block) {
    const std::optional<EntryRef> named = NamedEntry(block);
    const int registered = named ? model.Forms[named->Form].Terminals[named->Entry].TermBlk : 0;
    block.Constant[3] = static_cast<float>(registered);
    if (IsInputTerminal(block.FunctionCode)) {
        if (registered == 0) DropLink(block);
    } else if (named) {
        model.Forms[named->Form].Terminals[named->Entry].OpBlk = registered;
    }
}

}  // namespace

bool IsInputTerminal(int functionCode) { return TraitsOf(functionCode).Link == LinkKind::Input; }
bool IsOutputTerminal(int functionCode) { return TraitsOf(functionCode).Link == LinkKind::Output; }
bool IsTerminalLink(int functionCode) { return TraitsOf(functionCode).Link != LinkKind::None; }

int RegisterTerminalBlock(Model& model, int form, int block) {
    assert(block >= 1);
    SimulationForm& sheet = model.Forms[form];
    for (int i = 1; i <= TerminalEntriesSearched; ++i) {
        TerminalEntry& entry = sheet.Terminals[i];
        if (entry.TermBlk != 0) continue;
        entry.TermBlk = block;
        entry.OpBlk = IsOutputTerminal(FunctionOf(model, form, block)) ? block : 0;
        ++sheet.TermCount;
        return i;
    }
    return 0;
}

int FindTerminalEntry(const Model& model, int form, int block) {
    const SimulationForm& sheet = model.Forms[form];
    // Block 0 would match every free entry.
    if (sheet.TermCount <= 0 || block < 1) return 0;
    for (int i = 1; i <= TerminalEntriesSearched; ++i) {
        if (sheet.Terminals[i].TermBlk == block) return i;
    }
    return 0;
}

int RefreshOutputEntry(Model& model, int form, int block) {
    if (block < 1) return 0;
    SimulationForm& sheet = model.Forms[form];
    int last = 0;
    for (int i = 1; i <= TerminalEntriesSearched; ++i) {
        if (sheet.Terminals[i].TermBlk != block) continue;
        if (IsOutputTerminal(FunctionOf(model, form, block))) sheet.Terminals[i].OpBlk = block;
        last = i;
    }
    return last;
}

int RemoveTerminalBlock(Model& model, int form, int block) {
    const int entry = FindTerminalEntry(model, form, block);
    if (entry == 0) return 0;
    SimulationForm& sheet = model.Forms[form];
    sheet.Terminals[entry] = TerminalEntry{};
    --sheet.TermCount;
    if (IsOutputTerminal(FunctionOf(model, form, block))) UnlinkInputTerminals(model, form, entry);
    return entry;
}

void UnlinkInputTerminals(Model& model, int form, int entry) {
    for (int f = 1; f <= FormSlots; ++f) {
        SimulationForm& sheet = model.Forms[f];
        if (sheet.InUse <= 0) continue;
        for (int b = 1; b <= sheet.BlockCount; ++b) {
            Block& block = sheet.Blocks[b];
            if (!IsInputTerminal(block.FunctionCode)) continue;
            const std::optional<EntryRef> named = NamedEntry(block);
            if (named && named->Form == form && named->Entry == entry) DropLink(block);
        }
    }
}

int ShuffleTerminalEntry(Model& model, Host& ui, int form, int oldBlock, int newBlock, ShufflePass& pass) {
    if (pass.FirstCall) {
        pass.Moved.fill(false);
        pass.FirstCall = false;
    }
    if (newBlock == 0) ui.Message("attempt to shuffle to zero");
    SimulationForm& sheet = model.Forms[form];
    if (sheet.TermCount < 1) return 0;
    int last = 0;
    // Old block 0 would match every free entry.
    for (int i = 1; i <= TerminalEntriesSearched; ++i) {
        TerminalEntry& entry = sheet.Terminals[i];
        if (oldBlock < 1 || entry.TermBlk != oldBlock || pass.Moved[static_cast<std::size_t>(i)]) continue;
        entry.TermBlk = newBlock;
        // An Output Terminal's entry names the block twice; both follow the renumbering.
        if (entry.OpBlk != 0) entry.OpBlk = newBlock;
        pass.Moved[static_cast<std::size_t>(i)] = true;
        last = i;
    }
    if (last == 0) ui.Message("failed to shufffle terminal entry");
    return last;
}

void ClearTerminalTable(Model& model, int form) {
    SimulationForm& sheet = model.Forms[form];
    sheet.TermCount = 0;
    for (int i = 1; i <= TerminalTableLast; ++i) sheet.Terminals[i] = TerminalEntry{};
}

void ClearTerminalTables(Model& model) {
    for (int f = 1; f <= FormSlots; ++f) {
        if (model.Forms[f].InUse > 0) ClearTerminalTable(model, f);
    }
}

void ResolveTerminalLinks(Model& model, Host& ui) {
    for (int f = 1; f <= FormSlots; ++f) {
        SimulationForm& sheet = model.Forms[f];
        if (sheet.InUse <= 0) continue;
        for (int b = 1; b <= sheet.BlockCount; ++b) {
            Block& block = sheet.Blocks[b];
            if (!IsTerminalLink(block.FunctionCode)) continue;
            if (sheet.TermCount <= 0) {
                ui.Message("Terminal mismatch error");
                continue;
            }
            ResolveBlock(model, block);
        }
    }
}

}  // namespace quorvane
