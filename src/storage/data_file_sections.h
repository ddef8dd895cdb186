#pragma once

#include <optional>
#include <vector>

#include "model/model.h"
#include "results/graph_settings.h"

namespace quorvane {

class LineReader;

/// The FFT and PRBS display values a data file keeps, named as FftState and PrbsData name them.
struct FftFileValues {
    int ShowSymbols = 0;
    bool ShowMagnitude = false;
    bool ShowPhase = false;
    bool FftFlag = false;
    bool LogFrequency = false;
    bool DbMagnitude = false;
    int TargetSize = 0;
    int HalfSize = 0;
    int TargetExponent = 0;
    int PrimaryColumn = 0;
    int ComparisonColumn = 0;
};
struct PrbsFileValues {
    bool LogFrequency = false;
    bool LogMagnitude = false;
    bool ImpulseResponseMode = false;
    bool AutomaticDuration = false;
};

/// What a data file holds: the model tables and settings, and the display values, graph scales
/// and stop-time factor kept with them. A load reads into one of its own, without windows.
struct FileContent : Model {
    GraphSettings Graph;
    FftFileValues Fft;
    PrbsFileValues Prbs;
    std::optional<double> StopExtendFactor;
};

/// Readers of the data file's sections, shared by the current and the older-layout loaders.
/// Each reads straight into the model's tables and settings, touching no window, and throws DataFileError or DataFileEnd (line_reader.h)
/// at the first value it cannot take, leaving every table index inside its table and every count
/// matching the entries read.

/// Block record: the marker, then the fields, its inputs naming blocks 0..blockCount.
void ReadBlockRecord(LineReader& in, Block& block, int blockCount);

/// The connection and line tables of a form whose BlockCount is read: every connection naming
/// its blocks and a run of lines within the table.
void ReadConnectionRecords(LineReader& in, SimulationForm& form);

/// Rows 1-24: name and dated title skipped, then run settings, FormCount and RunForm. Returns the
/// number of form sections that follow.
int ReadHeader(LineReader& in, FileContent& sim);

/// One form section into `slot`, or into the slot the section names when `slot` is 0. Marks the
/// slot in use, keeps its sheet's place and counts it in FormCount. Returns the slot filled. `filled`
/// lists the slots filled so far; a slot named twice is refused.
int ReadFormSection(LineReader& in, FileContent& sim, int slot, const std::vector<int>& filled);

/// The graph and tabulation window places.
void ReadResultWindows(LineReader& in, FileContent& sim);

/// The terminal-link table and spare values of form f.
void ReadTerminalSection(LineReader& in, FileContent& sim, int f);

/// The display switches, FFT sizes and graph scales, up to the closing text.
void ReadStatusSection(LineReader& in, FileContent& sim);

}  // namespace quorvane
