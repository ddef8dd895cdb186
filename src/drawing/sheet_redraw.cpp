#include "drawing/sheet_redraw.h"

#include <algorithm>

#include "drawing/annotation.h"
#include "drawing/block_pictures.h"
#include "drawing/terminal_markers.h"
#include "engine/simulation.h"
#include "model/editing_state.h"
#include "platform/canvas.h"

namespace quorvane {

namespace {

constexpr int NodeHalfSize = 20;
constexpr Palette SheetForeColour = Palette::Black;

/// A connection's lines as far as they lie inside the line table.
struct LineSpan {
    int First = 1;
    int Last = 0;
};
LineSpan LinesOf(const Connection& connection) {
    const int first = std::max(connection.FirstLine, 1);
    const int last = std::min(connection.FirstLine + connection.LineCount - 1, LineTableLast);
    return {first, last};
}

/// A terminal marker: 40 wide and 110 high, hanging from 60 above the point.
void TerminalMarker(Canvas& canvas, int x, int y) { canvas.Box(x + 30, y - 60, x + 70, y + 50, false); }

}  // namespace

void RedrawSheet(Simulation& sim, int form, Canvas& canvas) {
    const SimulationForm& sheet = sim.Forms[form];
    canvas.Clear();
    canvas.SetDrawMode(DrawMode::Copy);
    canvas.SetPen(PenStyle::Solid, 1);

    for (int b = 1; b <= std::min(sheet.BlockCount, MaxBlocks); ++b) {
        const Block& block = sheet.Blocks[b];
        DrawBlockPicture(canvas, sim.Functions, block.FunctionCode, block.Left, block.Top, sim.Run.MathsSymbols);
    }

    const int connections = std::min(sheet.NextConnection - 1, ConnectionLimit - 1);
    for (int c = 1; c <= connections; ++c) {
        const LineSpan span = LinesOf(sheet.Connections[c]);
        for (int l = span.First; l <= span.Last; ++l) {
            const ConnectionLine& line = sheet.Lines[l];
            canvas.SetForeColour(PaletteColour(LineColour));
            canvas.Line(line.X1, line.Y1, line.X2, line.Y2);
            if (sim.Run.ShowNodes) {
                canvas.SetForeColour(PaletteColour(SheetForeColour));
                canvas.Box(line.X2 - NodeHalfSize, line.Y2 - NodeHalfSize, line.X2 + NodeHalfSize,
                           line.Y2 + NodeHalfSize, false);
            }
        }
    }
    canvas.SetForeColour(PaletteColour(MarkerColour));
    for (int c = 1; c <= connections; ++c) {
        const LineSpan span = LinesOf(sheet.Connections[c]);
        if (span.Last < span.First) continue;
        TerminalMarker(canvas, sheet.Lines[span.First].X1, sheet.Lines[span.First].Y1);
        TerminalMarker(canvas, sheet.Lines[span.Last].X2, sheet.Lines[span.Last].Y2);
    }

    canvas.SetFontSize(SheetFontSize);
    AnnotateSheet(sim, form, canvas);
    DrawTerminalMarkers(sim, form, canvas);
}

}  // namespace quorvane
