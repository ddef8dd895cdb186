#pragma once

#include <span>
#include <string>
#include <string_view>

#include "run/run_window.h"

namespace quorvane {

/// A run setting `--set` may change, as the run window takes it: typed into one of its boxes, or
/// one of its options ticked.
struct RunSetting {
    const char* Name;
    std::string RunWindow::*Box = nullptr;
    bool RunWindow::*Option = nullptr;
};

/// Every setting `--set` knows, the boxes first, then the options.
std::span<const RunSetting> RunSettings();

/// The setting of this name, or nullptr.
const RunSetting* FindRunSetting(std::string_view name);

/// Types the value into the setting's box, or ticks its option for 1, true, True or yes and
/// clears it for 0, false, False or no. False, with the window unchanged, for any other value
/// of an option.
bool ApplyRunSetting(RunWindow& window, const RunSetting& setting, const std::string& value);

}  // namespace quorvane
