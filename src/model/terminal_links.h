#pragma once

#include <array>

#include "model/model.h"

namespace quorvane {

class Host;

/// The moved-marks of one renumbering pass: an entry moved once in a pass is not moved again,
/// so renumbering 5->4 then 6->5 moves each entry once. Start each pass with a fresh value.
struct ShufflePass {
    std::array<bool, TerminalEntriesSearched + 1> Moved{};   ///< entries 1..10
    bool FirstCall = true;
};

/// True for the terminal-link functions 48..51 (Input Terminal 48, 49; Output Terminal 50, 51).
bool IsTerminalLink(int functionCode);
bool IsOutputTerminal(int functionCode);
bool IsInputTerminal(int functionCode);

/// Registers `block` in the lowest free entry 1..10 of the form's table and returns it;
/// 0 when all ten are used (the table is then unchanged).
int RegisterTerminalBlock(Model& model, int form, int block);

/// The lowest entry 1..10 registered for `block`; 0 when none or the table is empty.
int FindTerminalEntry(const Model& model, int form, int block);

/// Sets OpBlk of every entry registered for `block` when it is an Output Terminal; returns
/// the last such entry, 0 when none.
int RefreshOutputEntry(Model& model, int form, int block);

/// Frees the lowest entry registered for `block`; for an Output Terminal the Input Terminal
/// blocks that named it lose their link. Returns the entry, 0 when none. Call it while the
/// block still holds its FunctionCode.
int RemoveTerminalBlock(Model& model, int form, int block);

/// Sets constants 1..3 to 0 on every Input Terminal block of the allocated forms whose
/// constants 1 and 2 name (form, entry).
void UnlinkInputTerminals(Model& model, int form, int entry);

/// While blocks are renumbered: moves the entries registered for `oldBlock` (not yet moved in
/// this pass) to `newBlock` and returns the last moved entry. Reports "attempt to shuffle to
/// zero" for a new block 0 and "failed to shufffle terminal entry" when nothing matched
/// (then 0); 0 without a message when the table is empty.
int ShuffleTerminalEntry(Model& model, Host& ui, int form, int oldBlock, int newBlock, ShufflePass& pass);

/// Empties one form's terminal-link table: TermCount 0, entries 1..30 free.
void ClearTerminalTable(Model& model, int form);

/// Empties the terminal-link tables of the allocated forms.
void ClearTerminalTables(Model& model);

/// Before a run: for every terminal-link block of the allocated forms, reads the entry its
/// constants 1 (form) and 2 (entry) name, rounded half to even, and records the registered
/// block in constant 3. An Input Terminal that names a free entry, or a form or entry outside
/// 1..3 / 1..30, loses its link (constants 1..3 = 0). An Output Terminal records the block in
/// OpBlk of the named entry; naming none (its constants are normally 0) it records constant
/// 3 = 0 and writes nothing. A form whose TermCount is not above 0 reports
/// "Terminal mismatch error" once for each of its terminal-link blocks, which are left alone.
void ResolveTerminalLinks(Model& model, Host& ui);

}  // namespace quorvane
