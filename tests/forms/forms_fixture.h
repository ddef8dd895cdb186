#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/simulation.h"
#include "support/recording_desktop.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"

namespace quorvane::testing {

struct ShellSimulation {
    RecordingHost Host;
    RecordingDesktop Windows;
    Simulation Sim{Host, Windows};

    /// What the main window's start-up and menus ask of the windows, in order.
    std::vector<std::string> ShellCalls() const {
        return Windows.Of({"ShowSheet", "SetMainCaption", "ShowToolWindows", "RefreshOptions", "RequestRedraw",
                           "ClearRunFigures"});
    }
};

inline void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// A simulation reporting to a recording host, for a test fixture.
struct FormsFixture : ::testing::Test {
    RecordingHost Host;
    NullDesktop Windows;
    Simulation Sim{Host, Windows};
};

}  // namespace quorvane::testing
