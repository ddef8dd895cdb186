#pragma once

#include <optional>
#include <string>

#include "model/table.h"

namespace quorvane {

inline constexpr int FormSlots = 3;            ///< forms 1..3; slot 0 is the renumbering scratch slot
inline constexpr int MaxBlocks = 70;           ///< blocks 1..70 per form
inline constexpr int MaxInputs = 3;
inline constexpr int ConnectionTableLast = 105; ///< declared 0..105, usable 1..104
inline constexpr int ConnectionLimit = 105;     ///< a new connection is refused when NextConnection >= this
inline constexpr int LineTableLast = 300;       ///< declared 0..300, usable 1..298
inline constexpr int LineLimit = 300;           ///< refused when NextLine + segments >= this
inline constexpr int MaxSegments = 20;
inline constexpr int TerminalTableLast = 30;    ///< declared 0..30
inline constexpr int TerminalEntriesSearched = 10;
inline constexpr int FunctionCodeLast = 64;     ///< declared 0..64, codes 0..63 used
inline constexpr float NoHighLimit = 1e38f;     ///< SatHigh sentinel: no limit
inline constexpr float NoLowLimit = -1e38f;     ///< SatLow sentinel: no limit

struct Block {
    int FunctionCode = 0;
    int Left = 0;                        ///< twips
    int Top = 0;                         ///< twips
    Table<int, MaxInputs> Input{};       ///< feeding block per input 1..3; 0 = not connected
    float Output = 0;
    Table<float, MaxInputs> Work{};
    Table<float, MaxInputs> History{};
    float SatHigh = NoHighLimit;
    float SatLow = NoLowLimit;
    float InitialCondition = 0;
    Table<float, MaxInputs> Constant{};
    std::string Title;
    std::string Units;
    float SpareSingle = 0;

    bool operator==(const Block&) const = default;
};

struct Connection {
    int ToInput = 0;
    int ToBlock = 0;
    int FromBlock = 0;
    int FromOutput = 0;
    int LineCount = 0;   ///< 1..20
    int FirstLine = 0;   ///< owns lines FirstLine .. FirstLine + LineCount - 1

    bool operator==(const Connection&) const = default;
};

struct ConnectionLine {
    int X1 = 0;
    int Y1 = 0;
    int X2 = 0;
    int Y2 = 0;

    bool operator==(const ConnectionLine&) const = default;
};

struct TerminalEntry {
    int TermBlk = 0;   ///< registered terminal-link block; 0 = entry free
    int OpBlk = 0;     ///< the same block when it is an Output Terminal (50, 51), else 0

    bool operator==(const TerminalEntry&) const = default;
};

/// A window position in twips as the data file keeps it; a value never set stays empty.
struct WindowPlace {
    std::optional<double> Top;
    std::optional<double> Left;
    std::optional<double> Width;
    std::optional<double> Height;

    bool operator==(const WindowPlace&) const = default;
};

struct SimulationForm {
    int RegId = 0;
    std::string Title = "Available";
    int InUse = 0;
    int RunSelected = 0;
    int BlockCount = 0;
    int NextConnection = 1;
    int NextLine = 1;
    int TermCount = 0;
    int SpareLong = 0;
    float SpareHigh = NoHighLimit;
    float SpareLow = NoLowLimit;
    int SpareLong2 = 0;
    float SpareSingle = 0;
    WindowPlace Window;   ///< the sheet window's Top, Left, Width, Height

    Table<Block, MaxBlocks> Blocks;
    Table<Connection, ConnectionTableLast> Connections;
    Table<ConnectionLine, LineTableLast> Lines;
    Table<TerminalEntry, TerminalTableLast> Terminals;

    bool operator==(const SimulationForm&) const = default;
};

/// The simulation-wide values saved with the model (run settings, print formats, options).
struct Settings {
    std::string SimulationTitle = "Unnamed Simulation";
    float StartTime = 0;
    float StopTime = 10;
    float TimeStep = 0.1f;
    std::string TimeUnits = "sec";
    float PrintInterval = 1.0f;
    float GraphInterval = 0.1f;
    int DataColumnFormatMode = 0;   ///< 0 "General Format", 1 "Use Format Below"
    int DataDigitsBefore = 6;
    int DataDigitsAfter = 2;
    int TimeColumnFormatMode = 0;
    int TimeDigitsBefore = 5;
    int TimeDigitsAfter = 1;
    bool GraphicalOutput = true;
    bool TabulationOutput = true;
    bool AnnotateBlocks = false;
    bool ShowOutputs = false;
    bool FftEnabled = false;
    bool CorrelationEnabled = false;
    bool ManualTimeStep = false;
    bool MathsSymbols = false;
    bool FrequencyInHz = true;
    bool PowerOfTwoTimeStep = true;   ///< power-of-two refinement of the automatic time step
    /// Annotate menu options of the main window (not saved).
    bool AnnotateLimits = false;
    bool AnnotateIC = false;
    bool AnnotateNumbers = false;
    bool ShowNodes = false;   ///< the sheet redraw marks the end of every connection line

    bool operator==(const Settings&) const = default;
};

/// The model tables: three form slots (slot 0 is scratch space for renumbering), the block
/// spare store shared by all forms, the connection being drawn, and the saved settings.
struct Model {
    Table<SimulationForm, FormSlots> Forms;
    int FormCount = 0;
    int CurrentForm = 0;   ///< the sheet last activated; 0 = none
    int RunForm = 0;       ///< the form last run
    Table<int, MaxBlocks> BlockSpareLong{};

    Table<ConnectionLine, MaxSegments> PendingLine;
    int PendingLineCount = 0;   ///< -1: linking started, no segment yet
    int SelectedInput = 0;
    int SelectedOutput = 0;

    Settings Run;

    /// Pick-list-shown state of the sheets, kept for the data file.
    int PickListShown = 0;
    /// The graph (GPlot) and tabulation (tabview) window positions: Top and Left.
    WindowPlace GraphWindow;
    WindowPlace TabulationWindow;
};

/// Clears blocks 1..70 of forms 1..3 and the forms' spare values, sets ManualTimeStep false and
/// the power-of-two option true. Connections, lines, terminal tables and slots are untouched.
void ClearModel(Model& model);

}  // namespace quorvane
