#pragma once

#include <string>
#include <vector>

#include "model/model.h"

namespace quorvane {

struct Simulation;

// Blocks and connections written straight into a form's tables, as a loaded file holds them.

/// Appends a block of `code` at (120 b, 240 b) with constants K1.. and an initial condition (a
/// Constant's output too, as the properties dialog stores its value); returns its number.
int AddBlock(SimulationForm& form, int code, const std::string& title = {}, const std::vector<float>& constants = {},
             float initialCondition = 0.0f);

/// Output `output` of block `from` to input `input` of block `to`: the block's input, the
/// connection record and `segments` lines from the source's right edge to the target's left edge.
/// Returns the connection's number.
int ConnectBlocks(SimulationForm& form, int from, int to, int input = 1, int segments = 1, int output = 1);

/// The current number of the block titled `title` (0 when none).
int FindBlock(const SimulationForm& form, const std::string& title);

/// Slot f allocated under `title` and counted in FormCount.
void ClaimSlot(Simulation& sim, int f, const std::string& title);

/// Every saved setting away from its default: run settings titled `title`, form 2 as the form
/// last run, result window places partly unset, graph, FFT and PRBS display switches.
void SetUnusualSettings(Simulation& sim, const std::string& title);

/// Three forms holding every FunctionCode, connections of 1, 3 and 20 lines, terminal links (with a
/// freed entry below a used one), limits, titles, units, spare values and non-default settings.
void BuildRichModel(Simulation& sim);

/// One form: a Constant feeding a Gain through a connection of one line.
void BuildSmallModel(Simulation& sim);

/// The data file of the small model with a copy of its form in slot 3 holding a terminal entry:
/// every kind of section in a text short enough to damage line by line.
std::string MediumFileText();

}  // namespace quorvane
