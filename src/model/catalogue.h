#pragma once

#include <string>

#include "model/model.h"

namespace quorvane {

/// What one kind of block is: names, terminal counts and places, turn partner, dialog groups.
struct BlockFunction {
    std::string Name;
    std::string Formula;   ///< toolbox tooltip; Windows-1252 characters kept as UTF-8 ("²", "½")
    int InputCount = 0;    ///< 0..3
    int OutputCount = 0;   ///< 0..4
    Table<int, 3> InputX{};
    Table<int, 3> InputY{};
    Table<int, 6> OutputX{};
    Table<int, 6> OutputY{};
    int TurnOffset = 0;    ///< partner code = code + TurnOffset; 0 = cannot be turned
    bool HasSaturation = false;
    bool HasInitialCondition = false;
    std::string ICLabel;
    std::string ConstantsCaption;
    Table<std::string, 3> ConstantLabel;   ///< empty = constant not used
};

/// Entries 0..64, indexed by FunctionCode; entry 64 holds only defaults.
using Catalogue = Table<BlockFunction, FunctionCodeLast>;

/// Fills every entry of the catalogue.
void BuildCatalogue(Catalogue& catalogue);

/// Input terminal k (1..InputCount) whose hit box holds (x, y), relative to the block's
/// top-left corner in twips: InputX <= x <= InputX + 100 and InputY - 40 <= y <= InputY + 119.
/// 0 when none is hit, and for a code outside 0..63 (as a damaged file may hold).
int InputTerminalAt(const Catalogue& catalogue, int functionCode, int x, int y);

/// The same rule over the output terminals.
int OutputTerminalAt(const Catalogue& catalogue, int functionCode, int x, int y);

}  // namespace quorvane
