#pragma once

#include "model/editing_state.h"

namespace quorvane {

class Canvas;
struct Simulation;

struct TwipPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TwipPoint&) const = default;
};

/// Where a line touches input k / output k of a block: (snap(Left + tx + 30), snap(Top + ty
/// + 60)) for an input, (snap(Left + tx + 60), snap(Top + ty + 60)) for an output.
TwipPoint InputAnchor(const Simulation& sim, int form, int block, int input);
TwipPoint OutputAnchor(const Simulation& sim, int form, int block, int output);

/// Mouse press on a block at (x, y) relative to its image: the picked terminals are set from
/// the hit tests; on a terminal the block selection is cleared and the terminal click follows;
/// elsewhere, when no block drag and no connection is pending, the connection selection is
/// cleared and the block drag starts.
void PressOnBlock(Simulation& sim, EditingState& state, int form, int block, int x, int y, Canvas& canvas);

/// Press on a terminal of `block` (the one named by SelectedInput or SelectedOutput): starts
/// a connection, or completes the pending one by the direct route or the final line, stores
/// and selects it. Refusals: "Input already alocated" / "input already allocated" for a taken
/// input, "trying to link same terminal types" for a second terminal of the start's kind.
void TerminalClick(Simulation& sim, EditingState& state, int form, int block, Canvas& canvas);

/// Stores the pending segments as a connection from output `fromOutput` of `fromBlock` to input
/// `toInput` of `toBlock`. Refused on a full connection table ("The graphics library has run
/// out of connections") or line table ("the graphics library has run out of lines"); then the
/// pending connection is abandoned and the input freed again. True when stored.
bool StoreConnection(Simulation& sim, EditingState& state, int form, int toBlock, int toInput,
                     int fromBlock, int fromOutput, Canvas& canvas);

/// Escape: the pending connection is abandoned and both selections cleared.
void CancelConnection(Simulation& sim, EditingState& state, int form, Canvas& canvas);

/// The first connection (scanning from 1) with a segment within 100 twips of (x, y); 0 when none.
int ConnectionAt(const Simulation& sim, int form, int x, int y);

/// Selects connection c: the sheet is redrawn and the connection's ends and joints marked.
void SelectConnection(Simulation& sim, EditingState& state, int form, int c, Canvas& canvas);
/// The selected connection's markers, drawn over a redrawn sheet.
void DrawConnectionSelection(const Simulation& sim, const EditingState& state, int form, Canvas& canvas);
void ClearConnectionSelection(Simulation& sim, EditingState& state, int form);

struct JointHit {
    int Connection = 0;   ///< 0 = no joint hit
    int Line = 0;         ///< the joint is the end of this line and the start of the next
};

/// The first joint between two segments of one connection within 100 twips of (x, y).
JointHit JointAt(const Simulation& sim, int form, int x, int y);

/// Press at (x, y): a joint of the selected connection is grabbed (sound 5). True when grabbed.
bool JointDragStart(Simulation& sim, EditingState& state, int form, int x, int y);
/// Pointer move: the grabbed joint follows to (snap(x), snap(y)), shown in XOR rubber lines.
void JointDragMove(EditingState& state, int form, int x, int y, Canvas& canvas);
/// Release: the two segments take the joint's new place and the connection is selected again.
void JointDragEnd(Simulation& sim, EditingState& state, int form, Canvas& canvas);

/// Left press on free sheet area at (x, y). With no connection pending: a press on no
/// connection clears both selections; on a connection other than the selected one it selects
/// it (sound 4); on a joint of the selected one it starts a joint drag (sound 5).
void PressOnSheet(Simulation& sim, EditingState& state, int form, int x, int y, Canvas& canvas);
/// Click on free sheet area: a bend point (or the first line) of a pending connection,
/// otherwise the connection selection of a press without the joint drag.
void ClickOnSheet(Simulation& sim, EditingState& state, int form, int x, int y, Canvas& canvas);
/// Pointer move over a sheet: a joint drag moves its joint, a pending connection its rubber band.
void MoveOnSheet(const Simulation& sim, EditingState& state, int form, int x, int y, Canvas& canvas);

/// Deletes connection c: its input freed, the connections and lines behind it moved down, the
/// connection selection cleared. "No connection to delete" on a form without connections,
/// "attempt to delete none existant connection" for a number out of range. True when deleted.
bool DeleteConnection(Simulation& sim, EditingState& state, int form, int c);

}  // namespace quorvane
