#pragma once

#include <functional>

#include "app/files/file_dialog.h"

namespace quorvane {

struct EditingState;

/// "Load Existing Simulation". Enter in the name box or on a file loads; Ctrl+O in the name box
/// loads with the reader of the older layout.
class Gload : public FileDialog {
    Q_OBJECT
public:
    Gload(Simulation& sim, ProgramState& state, EditingState& editing, QWidget* parent = nullptr);

    /// `path` put into the name box and loaded (the recent files).
    void LoadNamed(const std::string& path);

    void Command1_Click();

    /// Runs a load once the open model's changes are saved or given up, or never (Cancel, a
    /// save that failed). Without it a load goes ahead at once.
    std::function<void(std::function<void()> load)> SaveChangesThen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Load(FileLayout layout);
    void LoadTyped(const std::string& typed, const std::string& folder, FileLayout layout);

    EditingState& Editing;
};

}  // namespace quorvane
