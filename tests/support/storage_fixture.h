#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/simulation.h"
#include "model/desktop.h"
#include "support/recording_host.h"

namespace quorvane::testing {

/// A desktop that notes the window calls a load or save makes, in order.
class RecordingDesktop : public Desktop {
public:
    void ShowSheet(int form, const std::string& caption) override {
        Note("ShowSheet " + std::to_string(form) + " " + caption);
    }
    void PlaceSheet(int form) override { Note("PlaceSheet " + std::to_string(form)); }
    void ActivateSheet(int form) override { Note("ActivateSheet " + std::to_string(form)); }
    void PlaceGraphWindow() override { Note("PlaceGraphWindow"); }
    void PlaceTabulationWindow() override { Note("PlaceTabulationWindow"); }
    void RefreshFrequencySwitches() override { Note("RefreshFrequencySwitches"); }
    void SetMainCaption(const std::string& caption) override { Note("Caption " + caption); }

    void Note(const std::string& call) { Calls.push_back(call); }
    bool Called(const std::string& call) const { return std::find(Calls.begin(), Calls.end(), call) != Calls.end(); }

    std::vector<std::string> Calls;
};

/// A simulation with its own recording host and desktop.
struct TestSimulation {
    RecordingHost Host;
    RecordingDesktop Windows;
    Simulation Sim{Host, Windows};
};

/// A fresh folder under the system's temporary folder, removed with its content at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::filesystem::path operator/(const std::string& name) const { return Path / name; }

    std::filesystem::path Path;
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
