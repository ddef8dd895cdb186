#include "drawing/terminal_markers.h"

#include "engine/simulation.h"
#include "model/block_traits.h"
#include "model/terminal_links.h"
#include "platform/canvas.h"
#include "platform/text.h"

namespace quorvane {

namespace {

constexpr double MarkerRadius = 100;
constexpr Palette MarkerColour = Palette::Brown;
constexpr Palette NumberColour = Palette::LightRed;
constexpr Palette TextColour = Palette::Blue;   // the sheet's normal text colour

}  // namespace

void DrawTerminalMarkers(const Simulation& sim, int form, Canvas& canvas) {
    const SimulationForm& sheet = sim.Forms[form];
    for (int b = 1; b <= sheet.BlockCount; ++b) {
        const Block& block = sheet.Blocks[b];
        const BlockTraits& traits = TraitsOf(block.FunctionCode);
        if (traits.Link == LinkKind::None) continue;
        const double x = block.Left + (traits.MarkerOnLeft ? 0 : 675);
        const double y = block.Top - 200;
        const int entry = FindTerminalEntry(sim, form, b);
        canvas.SetForeColour(PaletteColour(MarkerColour));
        canvas.Circle(x, y + 535, MarkerRadius);
        canvas.SetForeColour(PaletteColour(NumberColour));
        canvas.Text(x - 75, y + 445, Str(entry));
        canvas.SetForeColour(PaletteColour(TextColour));
    }
}

}  // namespace quorvane
