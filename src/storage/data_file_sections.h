#pragma once

#include <vector>

namespace quorvane {

struct Block;
struct Simulation;
struct SimulationForm;
class LineReader;

/// Readers of the data file's sections, shared by the current and the older-layout loaders.
/// Each reads straight into the model and throws DataFileError or DataFileEnd (line_reader.h)
/// at the first value it cannot take, leaving every table index inside its table and every count
/// matching the entries read.

/// Block record: the marker, then the fields, its inputs naming blocks 0..blockCount.
void ReadBlockRecord(LineReader& in, Block& block, int blockCount);

/// The connection and line tables of a form whose BlockCount is read: every connection naming
/// its blocks and a run of lines within the table.
void ReadConnectionRecords(LineReader& in, SimulationForm& form);

/// Rows 1-24: name and dated title skipped, then run settings, FormCount and RunForm. Returns the
/// number of form sections that follow.
int ReadHeader(LineReader& in, Simulation& sim);

/// One form section into `slot`, or into the slot the section names when `slot` is 0. Marks the
/// slot in use, places its sheet and counts it in FormCount. Returns the slot filled. `filled`
/// lists the slots filled so far; a slot named twice is refused.
int ReadFormSection(LineReader& in, Simulation& sim, int slot, const std::vector<int>& filled);

/// The graph and tabulation window places; each is applied to its window only when its output
/// option is on (`always` applies both).
void ReadResultWindows(LineReader& in, Simulation& sim, bool always);

/// The terminal-link table and spare values of form f.
void ReadTerminalSection(LineReader& in, Simulation& sim, int f);

/// The display switches, FFT sizes and graph scales, up to the closing text.
void ReadStatusSection(LineReader& in, Simulation& sim);

}  // namespace quorvane
