#include "forms/sheet_pointer.h"

#include <algorithm>

#include "drawing/block_pictures.h"
#include "engine/simulation.h"

namespace quorvane {

namespace {

using TerminalAt = int (*)(const Catalogue&, int, int, int);

/// The first point of the picture, scanning from the terminal's own point, that `at` gives to
/// terminal k: where terminals' hit boxes overlap, a lower-numbered one may take the point.
std::optional<SheetPointer> PointOnTerminal(const Simulation& sim, int form, int block, int k, int x, int y,
                                            TerminalAt at) {
    const Block& b = sim.Forms[form].Blocks[block];
    for (int dy = 0; dy < BlockPictureSize; dy += PointerFineStep) {
        for (int dx = 0; dx < BlockPictureSize; dx += PointerFineStep) {
            const int rx = (x + dx) % BlockPictureSize;
            const int ry = (y + dy) % BlockPictureSize;
            if (at(sim.Functions, b.FunctionCode, rx, ry) == k) return SheetPointer{b.Left + rx, b.Top + ry};
        }
    }
    return std::nullopt;
}

/// The catalogue entry of block b; none for a number beyond the sheet or a code outside the
/// catalogue, as a damaged file may hold.
const BlockFunction* FunctionOf(const Simulation& sim, int form, int block) {
    if (block < 1 || block > std::min(sim.Forms[form].BlockCount, MaxBlocks)) return nullptr;
    const int code = sim.Forms[form].Blocks[block].FunctionCode;
    return code >= 0 && code < FunctionCodeLast ? &sim.Functions[code] : nullptr;
}

}  // namespace

SheetPointer MovedPointer(SheetPointer pointer, int dx, int dy, SheetArea area) {
    return {std::clamp(pointer.X + dx, 0, std::max(0, area.Width - 1)),
            std::clamp(pointer.Y + dy, 0, std::max(0, area.Height - 1))};
}

int NextBlock(const SimulationForm& sheet, int block, bool backwards) {
    const int count = std::min(sheet.BlockCount, MaxBlocks);
    if (backwards) return block == 0 ? count : block - 1;
    return block < count ? block + 1 : 0;
}

SheetPointer PointerOnBlock(const SimulationForm& sheet, int block) {
    const Block& b = sheet.Blocks[block];
    return {b.Left + BlockPictureSize / 2, b.Top + BlockPictureSize / 2};
}

std::optional<SheetPointer> PointerOnInput(const Simulation& sim, int form, int block, int input) {
    const BlockFunction* f = FunctionOf(sim, form, block);
    if (f == nullptr || input < 1 || input > f->InputCount) return std::nullopt;
    return PointOnTerminal(sim, form, block, input, f->InputX[input] + 50, f->InputY[input], InputTerminalAt);
}

std::optional<SheetPointer> PointerOnOutput(const Simulation& sim, int form, int block, int output) {
    const BlockFunction* f = FunctionOf(sim, form, block);
    if (f == nullptr || output < 1 || output > f->OutputCount) return std::nullopt;
    return PointOnTerminal(sim, form, block, output, f->OutputX[output] + 50, f->OutputY[output], OutputTerminalAt);
}

std::string DescribePointer(const Simulation& sim, int form, SheetPointer pointer) {
    const int block = BlockAt(sim, form, pointer.X, pointer.Y);
    if (block == 0) {
        return "free area at " + std::to_string(pointer.X) + ", " + std::to_string(pointer.Y) + " twips";
    }
    const Block& b = sim.Forms[form].Blocks[block];
    const BlockFunction* f = FunctionOf(sim, form, block);
    std::string text = (f != nullptr ? f->Name : std::string("Block")) + ", block " + std::to_string(block);
    if (f == nullptr) return text;
    const int rx = pointer.X - b.Left;
    const int ry = pointer.Y - b.Top;
    if (const int input = InputTerminalAt(sim.Functions, b.FunctionCode, rx, ry); input != 0) {
        return text + ", input " + std::to_string(input);
    }
    if (const int output = OutputTerminalAt(sim.Functions, b.FunctionCode, rx, ry); output != 0) {
        return text + ", output " + std::to_string(output);
    }
    return text;
}

}  // namespace quorvane
