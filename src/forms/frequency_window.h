#pragma once

#include <string>

#include "forms/graph_window.h"

namespace quorvane {

class Canvas;
struct Simulation;

/// What the frequency analysis window keeps of its own beside the model's FFT settings.
struct FrequencyWindowState {
    /// "Unallocated" chosen in the primary list: no analysis A (the primary column reads 0,
    /// which would otherwise mean the time column).
    bool PrimaryUnallocated = false;
    /// A series ("Time" included) chosen in the comparison list; the comparison column alone
    /// cannot tell "Time" (0) from none.
    bool ComparisonChosen = false;
    /// Spectrum columns drawn (FftColumnsUsed of the last analysis). The correlation shares
    /// FftColumnsUsed, so each window keeps its own count for drawing again.
    int Curves = 0;
};

/// What the window does after a handler.
enum class FrequencyView {
    Unchanged = 0,   ///< nothing (the run is filling the windows, or the value did not change)
    Draw = 1,        ///< draw the spectra
    Clear = 2,       ///< clear the picture: no analysis A
    Hide = 3,        ///< hide the window: the run recorded too few samples for the FFT
};

/// The two series lists hold "Time", the display series titles and "Unallocated": list row r
/// is DisplayBuffer column r, and the row after the last series is "Unallocated".
int UnallocatedRow(const Simulation& sim);

/// The list rows to select for the model's primary and comparison columns.
struct FrequencyListRows {
    int Primary = 0;
    int Comparison = 0;
};
FrequencyListRows FrequencyListSelection(const Simulation& sim, const FrequencyWindowState& state);

/// The window made active: comparison no longer shown, A and (when a series is chosen) B
/// analysed afresh. Runs also while the run fills the windows, which is when it first opens.
FrequencyView ActivateFrequencyWindow(Simulation& sim, FrequencyWindowState& state);

/// The caption while the window is active: FFT size, sample interval and the span analysed.
std::string FrequencyCaption(const Simulation& sim);

/// "Primary Display (A)" list: the chosen column analysed alone (the comparison list goes back
/// to "Unallocated"), or with "Unallocated" no analysis at all; a comparison chosen before
/// stays chosen, but nothing is drawn without A.
FrequencyView SelectPrimary(Simulation& sim, FrequencyWindowState& state, int row);

/// "Comparison (B)" list: A and then the chosen column ("Time" too) analysed, or with
/// "Unallocated" A alone; without A nothing is analysed and the choice waits for one.
FrequencyView SelectComparison(Simulation& sim, FrequencyWindowState& state, int row);

/// The check boxes. Magnitude and phase always analyse again; the log scales and symbols only
/// when their value changes. A log scale also recomputes the ratio when it is shown.
enum class FrequencySwitch { Magnitude = 0, Phase = 1, LogY = 2, LogX = 3, Symbols = 4 };
FrequencyView SetFrequencySwitch(Simulation& sim, FrequencyWindowState& state, FrequencySwitch which, bool on);
bool FrequencySwitchValue(const Simulation& sim, FrequencySwitch which);

/// The compare button: the ratio A / B (in dB their difference) replaces B.
FrequencyView CompareAnalyses(Simulation& sim, FrequencyWindowState& state);

/// The spectra drawn on screen (FftOnScreen) or on the printer (FftOnPrinter).
void DrawFrequencyWindow(Simulation& sim, const FrequencyWindowState& state, Canvas& canvas, int mode);

/// The read-out of a click at user point (x, y): the frequency (not its logarithm when the
/// frequency axis is logarithmic) and the value.
ClickReadout ReadOutFrequency(double x, double y, bool logarithmicX);

/// Marker circle radius for a click: a twentieth of the X span last drawn.
double FrequencyMarkerRadius(const Simulation& sim);

/// Where the window's controls go for a client area of formWidth x formHeight twips: the
/// picture leaves 2000 twips of width (more when the column of lists and boxes right of it
/// needs `columnWidth` twips) and 1400 of height, the buttons stand 350 twips and the check
/// boxes 800 twips below it, the column 200 twips right of it.
struct FrequencyWindowLayout {
    int PictureWidth = 0;
    int PictureHeight = 0;
    int ButtonTop = 0;
    int BoxTop = 0;
    int ListLeft = 0;
    int ColumnWidth = 0;
};
inline constexpr int FrequencyPictureLeft = 120;
inline constexpr int FrequencyPictureTop = 120;
inline constexpr int FrequencyWindowWidth = 11000;
inline constexpr int FrequencyWindowHeight = 6200;
FrequencyWindowLayout LayoutFrequencyWindow(int formWidth, int formHeight, int columnWidth = 0);

}  // namespace quorvane
