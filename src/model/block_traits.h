#pragma once

#include <array>
#include <cstddef>

#include "model/function_code.h"
#include "model/model.h"

namespace quorvane {

/// The groups of the execution order, in the order a run evaluates them.
enum class Section : unsigned char { Constants, Sources, Evaluated, States, Displays };

/// A side of a block's picture.
enum class Side : unsigned char { None, Left, Right };

/// Where the annotation writes a block's title.
enum class TitlePlace : unsigned char { Top, Low, TerminalLink, Label };

/// The terminal-link role of a block: it carries a value to (Output) or from (Input) another form.
enum class LinkKind : unsigned char { None, Input, Output };

/// What a chain of the display run list does on reaching a block it traces upstream.
enum class ChainEnd : unsigned char {
    Through,   ///< the block joins the chain, which goes on through it
    Dropped,   ///< a fixed value: the chain is dropped
    Kept,      ///< a state that is not evaluated in the step: the chain ends, keeping its entries
};

/// How one kind of block is treated by ordering, stepping, sizing and drawing.
struct BlockTraits {
    FunctionCode Base = FunctionCode::Zero;   ///< the un-turned kind, shared by both orientations
    bool Turned = false;                      ///< the orientation with inputs on the right
    Section Order = Section::Evaluated;
    bool SourceWhenFree = false;   ///< with input 1 unconnected a source and an ordering origin
    bool Origin = false;           ///< raised to the pass number in every pass of the level relaxation
    int LevelInputs = 1;           ///< its level is the lowest of inputs 1..LevelInputs; 0 = keeps the raised one
    bool Refreshed = false;        ///< computed again from the updated states before a sample is recorded
    int DerivativeClass = 0;       ///< 1 (first) or 2 (second derivative): the time step must resolve it
    bool StateLines = false;       ///< its annotation may add the initial condition and limits lines
    TitlePlace Title = TitlePlace::Top;
    Side ValueSide = Side::None;   ///< where the annotation shows the block's output value
    LinkKind Link = LinkKind::None;
    bool MarkerOnLeft = false;     ///< a terminal link's number marker sits opposite its own terminal
    bool StartsDisplayChain = false;   ///< the display run list traces its inputs upstream
    ChainEnd EndsDisplayChain = ChainEnd::Through;
};

namespace traits_detail {

/// One kind of block, described in its un-turned orientation.
struct Kind {
    FunctionCode Code;
    bool Paired;   ///< Code + 1 is the same function turned round
    BlockTraits Traits;
};

using enum FunctionCode;
constexpr Side R = Side::Right;
constexpr Side L = Side::Left;
constexpr TitlePlace Low = TitlePlace::Low;

constexpr BlockTraits State{.Order = Section::States, .Origin = true, .LevelInputs = 0, .StateLines = true,
                            .ValueSide = R, .EndsDisplayChain = ChainEnd::Kept};

constexpr Kind Kinds[] = {
    {Zero, false, {.EndsDisplayChain = ChainEnd::Dropped}},
    {Constant, false,
     {.Order = Section::Constants, .Origin = true, .LevelInputs = 0, .ValueSide = R,
      .EndsDisplayChain = ChainEnd::Dropped}},
    {Sum, true, {.LevelInputs = 3, .Refreshed = true, .Title = Low, .ValueSide = R}},
    {Invert, true, {.LevelInputs = 2, .Refreshed = true, .Title = Low, .ValueSide = R}},
    {Gain, true, {.Refreshed = true, .ValueSide = R}},
    {Integrate, true, State},
    {Lag, true, State},
    {Lead, true, {.DerivativeClass = 1, .StateLines = true, .ValueSide = R}},
    {Differentiate, true, {.DerivativeClass = 1, .StateLines = true, .ValueSide = R}},
    {Multiply, true, {.LevelInputs = 2, .Refreshed = true, .Title = Low, .ValueSide = R}},
    {Divide, true, {.LevelInputs = 2, .Refreshed = true, .Title = Low, .ValueSide = R}},
    {Saturate, true, {.ValueSide = R}},
    {SecondOrderLag, true, State},
    {SecondOrderLead, true, {.DerivativeClass = 2, .StateLines = true, .ValueSide = R}},
    {SineWave, true, {.SourceWhenFree = true, .Refreshed = true, .ValueSide = R}},
    {SquareRoot, true, {.Refreshed = true, .Title = Low, .ValueSide = R}},
    {Ln, true, {.Refreshed = true, .ValueSide = R}},
    {Exponential, true, {.Refreshed = true, .Title = Low, .ValueSide = R}},
    {Switch, true, {.LevelInputs = 2, .Refreshed = true, .ValueSide = R}},
    // The controller's output follows its inputs within the step; only its integral is a state.
    {Controller, true,
     {.Order = Section::States, .LevelInputs = 3, .DerivativeClass = 1, .StateLines = true, .ValueSide = R}},
    {Delay, true, {.ValueSide = R}},
    {UnitRamp, false,
     {.Order = Section::Sources, .Origin = true, .LevelInputs = 0, .Title = Low, .ValueSide = L,
      .EndsDisplayChain = ChainEnd::Dropped}},
    {Prbs, false,
     {.Order = Section::Sources, .Origin = true, .LevelInputs = 0, .ValueSide = L,
      .EndsDisplayChain = ChainEnd::Dropped}},
    // Raised as an origin, yet its level then follows its input like every other display.
    {Display, true,
     {.Order = Section::Displays, .Origin = true, .Title = Low, .StartsDisplayChain = true}},
    {Delta, false,
     {.Order = Section::Sources, .Origin = true, .LevelInputs = 0, .ValueSide = L, .StartsDisplayChain = true}},
    {Unused, false, {.StartsDisplayChain = true}},
    {CorrelatePrbs, true, {.LevelInputs = 2, .StartsDisplayChain = true}},
    {InputTerminal, true,
     {.Refreshed = true, .Title = TitlePlace::TerminalLink, .ValueSide = R, .Link = LinkKind::Input,
      .MarkerOnLeft = true}},
    {OutputTerminal, true, {.Title = TitlePlace::TerminalLink, .Link = LinkKind::Output}},
    {Dac, true, {.ValueSide = R}},
    {Adc, true, {.ValueSide = R}},
    {Hysteresis, true, {.DerivativeClass = 1, .ValueSide = R}},
    {StickSlip, true, {.ValueSide = R}},
    {Chirp, false, {.Order = Section::Sources, .Origin = true, .LevelInputs = 0, .ValueSide = L}},
    {EffectiveFrequency, true, {.Title = Low, .ValueSide = R}},
    {Label, false, {.Title = TitlePlace::Label}},
};

constexpr Side Mirrored(Side side) {
    return side == Side::Left ? Side::Right : side == Side::Right ? Side::Left : Side::None;
}

using TraitsTable = std::array<BlockTraits, static_cast<std::size_t>(FunctionCodeLast) + 1>;

/// Rows 0..63 from the kinds, a turned code mirroring its base; row 64, never placed, stands
/// for every code outside the catalogue: an evaluated block whose level follows input 1.
constexpr TraitsTable Build() {
    TraitsTable table{};
    table[FunctionCodeLast].Base = CodeOf(FunctionCodeLast);
    for (const Kind& kind : Kinds) {
        BlockTraits traits = kind.Traits;
        traits.Base = kind.Code;
        table[static_cast<std::size_t>(CodeNumber(kind.Code))] = traits;
        if (!kind.Paired) continue;
        traits.Turned = true;
        traits.ValueSide = Mirrored(traits.ValueSide);
        traits.MarkerOnLeft = traits.Link != LinkKind::None && !traits.MarkerOnLeft;
        traits.Origin = traits.Origin && kind.Code != Display;   // only the un-turned display is raised
        table[static_cast<std::size_t>(CodeNumber(kind.Code)) + 1] = traits;
    }
    return table;
}

/// True when the kinds name every code 0..63 exactly once.
constexpr bool EveryCodeOnce() {
    std::array<int, FunctionCodeLast> seen{};
    for (const Kind& kind : Kinds) {
        ++seen[static_cast<std::size_t>(CodeNumber(kind.Code))];
        if (kind.Paired) ++seen[static_cast<std::size_t>(CodeNumber(kind.Code)) + 1];
    }
    for (int count : seen) {
        if (count != 1) return false;
    }
    return true;
}
static_assert(EveryCodeOnce());

inline constexpr TraitsTable Rows = Build();

}  // namespace traits_detail

/// The traits of a FunctionCode; a code outside 0..63 (a damaged file may hold one) gets those
/// of the unused entry 64.
constexpr const BlockTraits& TraitsOf(int functionCode) {
    const bool catalogued = functionCode >= 0 && functionCode < FunctionCodeLast;
    return traits_detail::Rows[static_cast<std::size_t>(catalogued ? functionCode : FunctionCodeLast)];
}

/// The un-turned kind of a code, for switches that treat both orientations alike; a code
/// outside the catalogue gives 64, which names no kind.
constexpr FunctionCode BaseOf(int functionCode) { return TraitsOf(functionCode).Base; }

/// A Sine Wave with input 1 unconnected makes its own signal from the time.
inline bool IsFreeSource(const Block& block) {
    return TraitsOf(block.FunctionCode).SourceWhenFree && block.Input[1] == 0;
}

/// The execution-order section of a block as it is connected now.
inline Section SectionOf(const Block& block) {
    return IsFreeSource(block) ? Section::Sources : TraitsOf(block.FunctionCode).Order;
}

/// Whether the level relaxation raises the block to the pass number in every pass.
inline bool IsOrigin(const Block& block) {
    return TraitsOf(block.FunctionCode).Origin || IsFreeSource(block);
}

/// How many inputs (from 1) the block's level follows; 0 when it keeps its raised level.
inline int LevelInputsOf(const Block& block) {
    return IsFreeSource(block) ? 0 : TraitsOf(block.FunctionCode).LevelInputs;
}

}  // namespace quorvane
