#pragma once

#include <string>

#include "platform/canvas.h"

namespace quorvane {

/// The run window's controls as the run driver reads and writes them. Text boxes keep their
/// text as typed; the desktop program binds this to Form3's widgets, the headless runner and
/// tests fill it directly.
struct RunWindow {
    std::string Text1;   ///< Start Time
    std::string Text2;   ///< Stop Time
    std::string Text3;   ///< Time Step
    std::string Text4;   ///< rounding error estimate
    std::string Text5;   ///< time units
    std::string Text6;   ///< CPU time
    std::string Text7;   ///< Plot (graph) interval
    std::string Text8;   ///< Print interval
    bool Check1 = false; ///< Manual
    bool Check2 = true;  ///< Tabulation
    bool Check3 = true;  ///< Graphical
    bool Check4 = false; ///< FFT
    bool Check5 = false; ///< Correlation
    bool Check6 = false; ///< Annotate
    bool Check7 = false; ///< Show Outputs
    std::string Label5;  ///< time units captions
    std::string Label8;
    std::string Label13; ///< "(" + units + ")"
    std::string Label14; ///< note on an adjusted stop time
    Colour Text4Colour = PaletteColour(Palette::Blue);
    Colour Lamp = PaletteColour(Palette::DarkGrey);   ///< run status lamp Shape1
};

}  // namespace quorvane

namespace quorvane {

struct Simulation;

/// The run window as it shows on activation: the six boxes from the run settings as plain
/// number text, the seven options, and the time-unit captions.
void RefreshRunWindow(const Simulation& sim, RunWindow& window);

/// After a load or a new simulation nothing of the previous run shows: the rounding-error and
/// CPU-time boxes hold a single space in their usual colour, the note on an adjusted stop time
/// is gone and the lamp is as before any run.
void ClearRunFigures(RunWindow& window);

/// What the change events of the run window store: every box except the time step (which the
/// run reads when it starts) and every option go into the run settings; the unit captions
/// follow the units box.
void StoreRunWindow(Simulation& sim, RunWindow& window);
/// The user changed a box or an option of the window: stored as by StoreRunWindow, and the
/// model counts as changed when a setting is no longer what it was.
void EditRunWindow(Simulation& sim, RunWindow& window);

}  // namespace quorvane
