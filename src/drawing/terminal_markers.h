#pragma once

namespace quorvane {

class Canvas;
struct Simulation;

/// Part of a sheet redraw: beside every terminal-link block of the form, a brown circle on the
/// side facing off the sheet with the block's terminal-link entry number in light red.
/// Leaves the canvas's fore colour at colour 1 (blue).
void DrawTerminalMarkers(const Simulation& sim, int form, Canvas& canvas);

}  // namespace quorvane
