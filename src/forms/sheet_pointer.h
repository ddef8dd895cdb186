#pragma once

#include <optional>
#include <string>

#include "forms/diagram_sheet.h"

namespace quorvane {

/// The keyboard's pointer on a diagram sheet, twips: keys move it, put it on a block or on one of
/// the block's terminals, and press, click and release where it stands, as the mouse does.
struct SheetPointer {
    int X = 0;
    int Y = 0;
    bool operator==(const SheetPointer&) const = default;
};

/// An arrow key's step of the pointer, twips, and the fine step taken with Ctrl.
inline constexpr int PointerStep = 120;
inline constexpr int PointerFineStep = 15;

/// The pointer moved by (dx, dy), kept inside the sheet's drawing area.
SheetPointer MovedPointer(SheetPointer pointer, int dx, int dy, SheetArea area);

/// The block Tab takes the pointer to from `block` (0: from none): the next in number order, or
/// the previous one backwards; 0 past the last (or before the first).
int NextBlock(const SimulationForm& sheet, int block, bool backwards);

/// The middle of block b's picture.
SheetPointer PointerOnBlock(const SimulationForm& sheet, int block);

/// A point of block b's input k / output t that the sheet's hit test gives to that terminal,
/// where a press starts or ends a connection; none when the block has no such terminal.
std::optional<SheetPointer> PointerOnInput(const Simulation& sim, int form, int block, int input);
std::optional<SheetPointer> PointerOnOutput(const Simulation& sim, int form, int block, int output);

/// What lies under the pointer, for a reader who does not see the sheet: "Gain, block 2, input 1",
/// "Gain, block 2" or "free area at 1200, 960 twips".
std::string DescribePointer(const Simulation& sim, int form, SheetPointer pointer);

}  // namespace quorvane
