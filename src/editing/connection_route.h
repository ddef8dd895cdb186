#pragma once

#include <array>

#include "model/editing_state.h"
#include "model/model.h"

namespace quorvane {

class Canvas;
struct Simulation;

/// A first segment ending less than 241 twips above or below its start is made horizontal.
inline constexpr int LevelBand = 241;
/// Most segments a pending connection may hold; bend points stop one short of it so that
/// the final line still fits.
inline constexpr int MaxBendLines = MaxSegments - 1;

/// The first segment's rule: |Y2 - Y1| < 241 makes it horizontal (Y2 = Y1).
void LevelFirstLine(ConnectionLine& line);

/// A later segment's rule: |dx| > 3|dy| makes it horizontal, |dy| > 3|dx| vertical.
void StraightenBend(ConnectionLine& line);

/// Three segments from (x1, y1) to (xe, ye): along, down or up at the midpoint, along.
std::array<ConnectionLine, 3> DirectRoute(int x1, int y1, int xe, int ye);

/// An outlined box of palette colour `colour`, w by h twips from (x, y).
void MarkBox(Canvas& canvas, int x, int y, int w, int h, Palette colour);
/// A connection segment in the line colour (or another palette colour).
void DrawSegment(Canvas& canvas, const ConnectionLine& line, Palette colour = LineColour);

/// Dotted XOR drawing in the rubber-band colour, where drawing a line twice leaves the sheet
/// as it was; EndXor returns to solid lines drawn over.
void BeginXor(Canvas& canvas);
void EndXor(Canvas& canvas);

/// The rubber band: anchored, then drawn and redrawn in XOR as the pointer moves, and rubbed
/// out by drawing its last line once more.
void RubberBandStart(EditingState& state, int x, int y);
void RubberBandMove(EditingState& state, Canvas& canvas, int x, int y);
void RubberBandCancel(EditingState& state, Canvas& canvas);

/// Click on free sheet area while a connection is pending on `form`: the first line, or a
/// bend point at (snap(x), snap(y)), with its straightening rule; the rubber band restarts
/// at the new end and sound 1 plays. Refused at 19 segments with "Limit on Lines in this
/// connection reached - either complete or Escape". False when nothing was added (a click
/// where the line already ends adds nothing).
bool AddBendPoint(Simulation& sim, EditingState& state, int form, int x, int y, Canvas& canvas);

/// Completion after bend points: the final segment to (endX, endY), the one before it
/// levelled onto the end's height when the final one would rise or fall less than 241
/// twips. False, with "too many lines press Escape", when all 20 segments are used.
bool AddFinalLine(Simulation& sim, int endX, int endY, Canvas& canvas);

/// Completion with no segment yet: the direct three-segment route (PendingLineCount 3).
void AddDirectRoute(Simulation& sim, int endX, int endY, Canvas& canvas);

}  // namespace quorvane
