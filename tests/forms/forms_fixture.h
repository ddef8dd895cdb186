#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/simulation.h"
#include "model/desktop.h"
#include "support/recording_host.h"

namespace quorvane::testing {

/// A desktop that notes, in order, what the main window's start-up and menus ask of it.
class ShellDesktop : public Desktop {
public:
    void ShowSheet(int form, const std::string& caption) override { Calls.push_back("ShowSheet " + std::to_string(form) + " " + caption); }
    void SetMainCaption(const std::string& caption) override { Calls.push_back("Caption " + caption); }
    void ShowToolWindows() override { Calls.push_back("ShowToolWindows"); }
    void RefreshOptions() override { Calls.push_back("RefreshOptions"); }
    void RequestRedraw(int form) override { Calls.push_back("Redraw " + std::to_string(form)); }
    void ClearRunFigures() override { Calls.push_back("ClearRunFigures"); }

    std::vector<std::string> Calls;
};

struct ShellSimulation {
    RecordingHost Host;
    ShellDesktop Windows;
    Simulation Sim{Host, Windows};
};

/// A fresh folder under the system's temporary folder, removed with its content at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorvane-forms-XXXXXX").string();
        Path = ::mkdtemp(pattern.data());
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::filesystem::path operator/(const std::string& name) const { return Path / name; }

    std::filesystem::path Path;
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
    Desktop Windows;
    Simulation Sim{Host, Windows};
};

}  // namespace quorvane::testing
