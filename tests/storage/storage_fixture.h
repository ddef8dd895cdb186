#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/desktop.h"
#include "model/simulation.h"
#include "platform/recording_host.h"

namespace quorvane::testing {

/// A desktop that notes the window calls a load or save makes, in order.
class RecordingDesktop : public Desktop {
public:
    void ShowSheet(int form, const std::string& caption) override;
    void PlaceSheet(int form) override;
    void ActivateSheet(int form) override;
    void PlaceGraphWindow() override { Calls.push_back("PlaceGraphWindow"); }
    void PlaceTabulationWindow() override { Calls.push_back("PlaceTabulationWindow"); }
    void RefreshFrequencySwitches() override { Calls.push_back("RefreshFrequencySwitches"); }
    void SetMainCaption(const std::string& caption) override { Calls.push_back("Caption " + caption); }

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

/// Every saved field of the two models equal, form by form.
void ExpectSameModel(const Simulation& expected, const Simulation& actual);

std::string ReadAll(const std::filesystem::path& path);
void WriteAll(const std::filesystem::path& path, const std::string& text);

/// The lines of a data file text, without their line ends.
std::vector<std::string> SplitLines(const std::string& text);
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace quorvane::testing
