#include "cli/run_settings.h"

namespace quorvane {

namespace {

constexpr RunSetting Settings[] = {
    {"StartTime", &RunWindow::Text1},
    {"StopTime", &RunWindow::Text2},
    {"TimeStep", &RunWindow::Text3},
    {"TimeUnits", &RunWindow::Text5},
    {"PrintInterval", &RunWindow::Text8},
    {"GraphInterval", &RunWindow::Text7},
    {"ManualTimeStep", nullptr, &RunWindow::Check1},
    {"FftEnabled", nullptr, &RunWindow::Check4},
    {"CorrelationEnabled", nullptr, &RunWindow::Check5},
};

bool ParseSwitch(const std::string& text, bool& value) {
    if (text == "1" || text == "true" || text == "True" || text == "yes") {
        value = true;
        return true;
    }
    if (text == "0" || text == "false" || text == "False" || text == "no") {
        value = false;
        return true;
    }
    return false;
}

}  // namespace

std::span<const RunSetting> RunSettings() { return Settings; }

const RunSetting* FindRunSetting(std::string_view name) {
    for (const RunSetting& setting : Settings) {
        if (setting.Name == name) return &setting;
    }
    return nullptr;
}

bool ApplyRunSetting(RunWindow& window, const RunSetting& setting, const std::string& value) {
    if (setting.Box != nullptr) {
        window.*setting.Box = value;
        return true;
    }
    return ParseSwitch(value, window.*setting.Option);
}

}  // namespace quorvane
