#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/model.h"

namespace quorvane {

/// Copied blocks travel between programs under a clipboard type of our own.
inline constexpr std::string_view BlocksMimeType = "application/x-quorvane-blocks";

/// Copied blocks (CopyBlocks) as clipboard text, in the data file's own value forms: a heading,
/// the block count, the block records, then the connection and line records of a form section,
/// and a closing text.
std::string BlocksText(const SimulationForm& copied);

/// Copied blocks read back from clipboard text. No value when the text is not copied blocks or
/// holds anything a sheet could not take: a count beyond a table, a connection naming a block
/// or a line outside the copy, a second connection into one input. The inputs are connected
/// exactly where the connections end.
std::optional<SimulationForm> ReadBlocksText(std::string_view text);

}  // namespace quorvane
