#include "editing/connection_route.h"

#include <cmath>
#include <cstdlib>

#include "editing/block_edit.h"
#include "engine/simulation.h"
#include "platform/canvas.h"

namespace quorvane {

void LevelFirstLine(ConnectionLine& line) {
    if (std::abs(line.Y2 - line.Y1) < LevelBand) line.Y2 = line.Y1;
}

void StraightenBend(ConnectionLine& line) {
    const int dx = std::abs(line.X2 - line.X1);
    const int dy = std::abs(line.Y2 - line.Y1);
    if (dx > 3 * dy) {
        line.Y2 = line.Y1;
    } else if (dy > 3 * dx) {
        line.X2 = line.X1;
    }
}

std::array<ConnectionLine, 3> DirectRoute(int x1, int y1, int xe, int ye) {
    // Terminal anchors lie on the grid, so the midpoint is a whole number; the last segment
    // ends on the terminal itself even if it were not.
    const int xm = static_cast<int>(std::lround(x1 + (xe - x1) / 2.0));
    return {{{x1, y1, xm, y1}, {xm, y1, xm, ye}, {xm, ye, xe, ye}}};
}

void MarkBox(Canvas& canvas, int x, int y, int w, int h, Palette colour) {
    canvas.SetForeColour(PaletteColour(colour));
    canvas.Box(x, y, x + w, y + h, false);
}

void DrawSegment(Canvas& canvas, const ConnectionLine& line, Palette colour) {
    canvas.SetForeColour(PaletteColour(colour));
    canvas.Line(line.X1, line.Y1, line.X2, line.Y2);
}

void RubberBandStart(EditingState& state, int x, int y) {
    state.Band.AnchorX = x;
    state.Band.AnchorY = y;
    state.Band.Now = RubberBand::Anchored;
}

void BeginXor(Canvas& canvas) {
    canvas.SetDrawMode(DrawMode::Xor);
    canvas.SetPen(PenStyle::Dot, 1);
    canvas.SetForeColour(PaletteColour(RubberBandColour));
}

void EndXor(Canvas& canvas) {
    canvas.SetDrawMode(DrawMode::Copy);
    canvas.SetPen(PenStyle::Solid, 1);
}

namespace {

void XorBand(const RubberBand& band, Canvas& canvas) {
    canvas.Line(band.AnchorX, band.AnchorY, band.EndX, band.EndY);
}

}  // namespace

void RubberBandMove(EditingState& state, Canvas& canvas, int x, int y) {
    RubberBand& band = state.Band;
    if (band.Now == RubberBand::None) return;
    BeginXor(canvas);
    if (band.Now == RubberBand::Drawn) XorBand(band, canvas);
    band.EndX = x;
    band.EndY = y;
    XorBand(band, canvas);
    band.Now = RubberBand::Drawn;
    EndXor(canvas);
}

void RubberBandCancel(EditingState& state, Canvas& canvas) {
    // Only a drawn band is on the sheet; XOR-ing an undrawn one would leave a stray line.
    if (state.Band.Now == RubberBand::Drawn) {
        BeginXor(canvas);
        XorBand(state.Band, canvas);
        EndXor(canvas);
    }
    state.Band.Now = RubberBand::None;
}

bool AddBendPoint(Simulation& sim, EditingState& state, int form, int x, int y, Canvas& canvas) {
    const int n = sim.PendingLineCount;
    if (n == 0 || form != state.LinkForm) return false;
    if (n >= MaxBendLines) {
        sim.Ui.Message("Limit on Lines in this connection reached - either complete or Escape");
        return false;
    }
    ConnectionLine bend;
    if (n > 0) {
        const ConnectionLine& last = sim.PendingLine[n];
        bend = {last.X2, last.Y2, Snap(x), Snap(y)};
        StraightenBend(bend);
        // A second click where the line already ends (a double click) would add a line of no length.
        if (bend.X1 == bend.X2 && bend.Y1 == bend.Y2) return false;
    }
    RubberBandCancel(state, canvas);
    if (n < 0) {
        ConnectionLine& first = sim.PendingLine[1];
        first.X2 = Snap(x);
        first.Y2 = Snap(y);
        LevelFirstLine(first);
        sim.PendingLineCount = 1;
        DrawSegment(canvas, first);
    } else {
        sim.PendingLine[n + 1] = bend;
        sim.PendingLineCount = n + 1;
        MarkBox(canvas, bend.X1 - 20, bend.Y1 - 20, 40, 40, MarkerColour);
        DrawSegment(canvas, bend);
    }
    const ConnectionLine& end = sim.PendingLine[sim.PendingLineCount];
    RubberBandStart(state, end.X2, end.Y2);
    sim.Ui.PlaySound(Sound::Drag);
    return true;
}

namespace {

void MarkEnd(Canvas& canvas, int x, int y) { MarkBox(canvas, x + 30, y - 30, 40, 40, MarkerColour); }

}  // namespace

bool AddFinalLine(Simulation& sim, int endX, int endY, Canvas& canvas) {
    const int n = sim.PendingLineCount;
    if (n >= MaxSegments) {
        sim.Ui.Message("too many lines press Escape");
        return false;
    }
    ConnectionLine& before = sim.PendingLine[n];
    ConnectionLine final{before.X2, before.Y2, endX, endY};
    if (std::abs(final.Y2 - final.Y1) < LevelBand) {
        // Rub out the segment before, bring its end to the terminal's height and draw it again,
        // so the final segment arrives horizontally.
        DrawSegment(canvas, before, SheetBackColour);
        before.Y2 = endY;
        final.Y1 = endY;
        DrawSegment(canvas, before);
    }
    sim.PendingLine[n + 1] = final;
    sim.PendingLineCount = n + 1;
    DrawSegment(canvas, final);
    MarkEnd(canvas, endX, endY);
    return true;
}

void AddDirectRoute(Simulation& sim, int endX, int endY, Canvas& canvas) {
    const ConnectionLine& start = sim.PendingLine[1];
    const std::array<ConnectionLine, 3> route = DirectRoute(start.X1, start.Y1, endX, endY);
    for (int i = 0; i < 3; ++i) {
        sim.PendingLine[i + 1] = route[static_cast<std::size_t>(i)];
        DrawSegment(canvas, sim.PendingLine[i + 1]);
    }
    sim.PendingLineCount = 3;
    MarkEnd(canvas, endX, endY);
}

}  // namespace quorvane
