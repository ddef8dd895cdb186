#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "forms/help_topic.h"

namespace quorvane {

struct Simulation;

/// A saturation field holding this text stands for no limit on its side.
inline constexpr std::string_view NoLimitText = "none";

/// What the block properties window shows: captions, field texts as typed, and which parts are
/// visible or enabled. Constants are indexed 0..2 for constants 1..3 (fields Text7..Text9,
/// labels Label8..Label10).
struct BlockPropertiesFields {
    int Form = 0;
    int Block = 0;
    int FunctionCode = 0;

    std::string Caption;
    int Width = 5355;    ///< design size, twips
    int Height = 3800;

    std::string Title;                 ///< Text1
    std::string Units;                 ///< Text2
    std::string InitialCondition;      ///< Text5
    std::string High;                  ///< saturation fields; "none" for no limit
    std::string Low;
    std::array<std::string, 3> Constant;      ///< Text7..Text9
    std::array<std::string, 3> ShownConstant; ///< the constants as the window first showed them
    std::array<std::string, 3> ConstantLabel; ///< Label8..Label10
    std::array<bool, 3> ConstantVisible{true, true, true};
    std::array<bool, 3> ConstantEnabled{true, true, true};
    std::string Constant3ToolTip;
    bool Constant2Auto = false;   ///< constant 2 shows "AUTO" in its distinct colour
    std::string CurrentOutput;    ///< Label11

    std::string ConstantsCaption;      ///< Frame4
    std::string InitialCaption;        ///< Frame2
    std::string SaturationCaption;     ///< Frame1
    bool ConstantsVisible = true;
    bool InitialVisible = true;
    bool SaturationVisible = true;

    bool TimeSpanVisible = false;      ///< Check1 "Automatic Time Span", chirp only
    bool TimeSpanEnabled = false;
    bool TimeSpanChecked = false;
    std::string TimeSpanToolTip;
};

/// Which field a refused entry came from, so the window can put the focus there.
enum class BlockField { None = 0, Saturation = 1, Constant1 = 2, Constant2 = 3, Constant3 = 4 };

enum class BlockStoreOutcome {
    Stored,       ///< every entry stored; the window closes
    Refused,      ///< a message was shown; the window stays open with the entries as typed
    TargetGone,   ///< the block was deleted or replaced meanwhile; nothing was stored
};

struct BlockStoreResult {
    BlockStoreOutcome Outcome = BlockStoreOutcome::Refused;
    BlockField Refused = BlockField::None;
};

/// The display blocks (42, 43) have nothing to edit; every other block but the terminal
/// links opens the block properties window.
bool HasAdjustableProperties(int functionCode);

/// Asks "No Adjustable properties - Do you want to view help?"; Yes gives the block's help topic.
std::optional<HelpTopic> OfferDisplayHelp(Simulation& sim, int functionCode);

/// Fills the window for block `block` of form `form` from the block, its catalogue entry and
/// the run settings.
BlockPropertiesFields ActivateBlockProperties(const Simulation& sim, int form, int block);

/// Checks and stores the window's entries in order: title, units and initial condition, the
/// saturation limits, then constants 1 to 3. The first refusal is reported through the host and
/// stops there; what was stored before it stays stored. After a full store the sheet is redrawn.
/// A saturation field holding "none" stands for no limit on its side. A frequency shown in hertz
/// and left as shown keeps its stored value, which the rounded text would not give back.
BlockStoreResult StoreBlockProperties(Simulation& sim, const BlockPropertiesFields& fields);

/// The chirp's "Automatic Time Span" box: sets Work 3 to 1 (on) or 0 and shows the stop time
/// (disabled) or the stored constant 3 (enabled) in the time span field.
void SetAutomaticTimeSpan(Simulation& sim, BlockPropertiesFields& fields, bool on);

/// The chirp's start frequency changed: when the field holds a positive number the time span
/// field's tool tip recommends 62.8318 / that number, rounded to a nice interval.
void UpdateRecommendedSpan(const Simulation& sim, BlockPropertiesFields& fields);

}  // namespace quorvane
