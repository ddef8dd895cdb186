#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/block_properties.h"

namespace quorvane {

/// The entries of the block properties window a value can be given for from outside the
/// window: constants 1..3, the initial condition and the saturation limits.
enum class BlockValueField { K1 = 1, K2 = 2, K3 = 3, IC = 4, Low = 5, High = 6 };

/// One block value as written on a command line: `TITLE.FIELD=VALUE`.
struct BlockAssignment {
    std::string Title;
    BlockValueField Field = BlockValueField::K1;
    std::string Value;   ///< as typed; "none" in a saturation field for no limit
};

/// "K1", "K2", "K3", "IC", "Low" or "High".
std::string_view BlockFieldName(BlockValueField field);

/// Every field name, comma separated, for messages.
std::string BlockFieldNames();

/// The field of this exact name, or nothing.
std::optional<BlockValueField> FindBlockField(std::string_view name);

/// Splits `TITLE.FIELD=VALUE`: the value follows the last '=', the field lies between the last
/// '.' before it and the '=', and the title is everything before that dot, so titles may hold
/// spaces, dots and equals signs. Nothing when a part is missing or the field is unknown.
std::optional<BlockAssignment> ParseBlockAssignment(std::string_view text);

/// `TITLE.FIELD`, the name of an assignment's target in headings and summaries.
std::string BlockTargetName(const std::string& title, BlockValueField field);

/// The blocks of form `form` with exactly this title, in block order.
std::vector<int> BlocksTitled(const Simulation& sim, int form, std::string_view title);

/// Whether the block's properties window shows this field to be typed into: the window opens
/// for the block (not a display or a terminal link), and the field is visible and enabled.
bool HasBlockField(const Simulation& sim, int form, int block, BlockValueField field);

/// Types `value` into the field of the block's properties window, leaving the other fields as
/// the window shows them, and presses Done: the window's own checks, messages (through sim.Ui)
/// and storing. Call only for a field HasBlockField allows.
BlockStoreResult SetBlockValue(Simulation& sim, int form, int block, BlockValueField field, const std::string& value);

}  // namespace quorvane
