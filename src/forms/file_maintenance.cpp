#include "forms/file_maintenance.h"

#include "engine/simulation.h"
#include "platform/text_file.h"
#include "storage/recent_files.h"

namespace quorvane {

namespace {

constexpr const char* MaintenanceActivity = "Maintaining Data Files";

void ReportFailure(Simulation& sim, const std::string& error) {
    sim.Ui.Message("Error encountered during " + sim.Status.CurrentActivity + " - " + error);
}

}  // namespace

bool OpenMaintainedFile(Simulation& sim, const std::string& path, MaintainedFile& file) {
    sim.Status.CurrentActivity = MaintenanceActivity;
    std::string content;
    std::string error;
    if (ReadTextFile(path, content, error) != ReadOutcome::Read) {
        ReportFailure(sim, error);
        return false;
    }
    file.Path = path;
    file.Size = std::to_string(content.size()) + " bytes";
    file.Changed = FileChangeTime(path);
    // The edit box keeps lines apart by "\n"; the final line end comes back on saving.
    if (content.ends_with("\r\n")) content.resize(content.size() - 2);
    else if (content.ends_with('\n')) content.pop_back();
    file.Text.clear();
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') continue;
        file.Text += content[i];
    }
    return true;
}

bool SaveAmendedFile(Simulation& sim, const std::string& path, const std::string& text) {
    if (path.empty() || !sim.Ui.Ask("Over Write  " + path, "Warning", Answer::No)) return false;
    sim.Status.CurrentActivity = MaintenanceActivity;
    std::string content;
    for (char c : text) {
        if (c == '\n') content += '\r';
        content += c;
    }
    content += "\r\n";
    const std::string error = ReplaceFile(path, content);
    if (!error.empty()) {
        ReportFailure(sim, error);
        return false;
    }
    return true;
}

}  // namespace quorvane
