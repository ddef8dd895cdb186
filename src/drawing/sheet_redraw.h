#pragma once

namespace quorvane {

class Canvas;
struct Simulation;

/// Draws the sheet of `form` afresh from the model on a canvas scaled in twips: cleared, the
/// block pictures at their places, the connection lines (with a node at every line end when
/// ShowNodes is on), a marker at both ends of every connection, the block annotation and the
/// terminal-link markers.
void RedrawSheet(Simulation& sim, int form, Canvas& canvas);

}  // namespace quorvane
