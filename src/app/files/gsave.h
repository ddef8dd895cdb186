#pragma once

#include <functional>

#include "app/files/file_dialog.h"

namespace quorvane {

/// "Save Current Simulation". Opened by the exit question it shows "Finish", and a save ends
/// the program. Enter in the name box saves.
class Gsave : public FileDialog {
    Q_OBJECT
public:
    explicit Gsave(Simulation& sim, ProgramState& state, QWidget* parent = nullptr);

    /// Opened from the menu: no Finish button.
    void OpenToSave();
    /// Opened from the exit question: Finish shown.
    void OpenForExit();
    /// Opened for a model without a file before it is replaced: `next` follows a save that
    /// worked, and is dropped by Cancel.
    void OpenThen(std::function<void()> next);
    /// "Save" of the menu bar: the model saved under the current path (after the overwrite
    /// question), or the dialog shown when the model has no file or no current path yet.
    void SaveUnderCurrentName();

    bool Command1_Click();
    bool Command3_Click();

signals:
    /// Saved from the exit question: the program ends.
    void ProgramFinished();

private:
    bool Save(bool askOverwrite);
    void Command2_Click() override;

    QPushButton* Command3 = nullptr;
    std::function<void()> AfterSave;
};

}  // namespace quorvane
