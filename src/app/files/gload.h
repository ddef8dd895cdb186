#pragma once

#include "app/files/file_dialog.h"

namespace quorvane {

struct EditingState;

/// "Load Existing Simulation". Enter in the name box or on a file loads; Ctrl+O in the name box
/// loads with the reader of the older layout.
class Gload : public FileDialog {
    Q_OBJECT
public:
    Gload(Simulation& sim, ProgramState& state, EditingState& editing, QWidget* parent = nullptr);

    /// `path` put into the name box and loaded (the recent files, the command line).
    bool LoadNamed(const std::string& path);

    bool Command1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Load(FileLayout layout);

    EditingState& Editing;
};

}  // namespace quorvane
