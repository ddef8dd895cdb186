#pragma once

#include "app/files/file_dialog.h"
#include "forms/file_maintenance.h"

class QPlainTextEdit;

namespace quorvane {

/// "Maintain Internal Data Files": a file of the program's folder (pattern "*.dat") shown in a
/// fixed-pitch editor (Text3), its size (Label7) and last change (Label1), and written back by
/// "Save Amended File" after a warning.
class Gmaint : public FileDialog {
    Q_OBJECT
public:
    explicit Gmaint(Simulation& sim, ProgramState& state, QWidget* parent = nullptr);

    /// Shows the file at `path` in the editor.
    void OpenFile(const std::string& path);
    bool Command1_Click();

private:
    FileDialogView View() const override;
    /// The file being edited stays in the editor between openings, its details with it.
    std::string OpeningFileTime() const override { return Shown.Changed; }

    QPlainTextEdit* Text3 = nullptr;
    QLabel* Label7 = nullptr;
    MaintainedFile Shown;
};

}  // namespace quorvane
