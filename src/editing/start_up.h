#pragma once

namespace quorvane {

struct Simulation;

/// The model half of program start-up: tables cleared, catalogue built, settings reset, form
/// slots freed, slot 1 allocated and selected for runs, no current form, terminal-link tables
/// emptied, title "Unnamed Simulation", maths symbols off.
/// Left to the program: the example folder, the recent-file store, the print dump path, the FFT
/// defaults, the toolbox pages, and showing the toolbox and run window.
void StartUp(Simulation& sim);

}  // namespace quorvane
