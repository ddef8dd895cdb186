#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/simulation.h"
#include "support/recording_desktop.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"

namespace quorvane::testing {

/// A simulation with its own recording host and desktop.
struct TestSimulation {
    RecordingHost Host;
    RecordingDesktop Windows;
    Simulation Sim{Host, Windows};

    /// What a load or save does to the sheets' places, the result windows and the caption.
    std::vector<std::string> PlaceCalls() const {
        return Windows.Of({"ShowSheet", "PlaceSheet", "ActivateSheet", "PlaceGraphWindow", "PlaceTabulationWindow",
                           "RefreshFrequencySwitches", "SetMainCaption"});
    }
};

/// Three forms holding every FunctionCode, connections of 1, 3 and 20 lines, terminal links
/// (with a freed entry below a used one), limits, titles, units, spare values and non-default
/// settings, written straight into the tables.
void BuildRichModel(Simulation& sim);

/// One form: a Constant feeding a Gain through a connection of one line.
void BuildSmallModel(Simulation& sim);

/// The data file of the small model with a copy of its form in slot 3 holding a terminal entry:
/// every kind of section in a text short enough to damage line by line.
std::string MediumFileText();

std::string ReadAll(const std::filesystem::path& path);
void WriteAll(const std::filesystem::path& path, const std::string& text);

/// The lines of a data file text, without their line ends.
std::vector<std::string> SplitLines(const std::string& text);
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace quorvane::testing
