#pragma once

namespace quorvane {

struct Model;

/// The block a window was opened for. True while it is still there: the form exists, the
/// block number is in use and holds the same function (turned round or not). A block deleted
/// or renumbered while its window was open must not receive the window's entries.
bool TargetHolds(const Model& model, int form, int block, int functionCode);

}  // namespace quorvane
