#include "app/files/gsave.h"

#include <QLineEdit>
#include <QPushButton>

#include <utility>

#include "app/controls/child_window.h"
#include "app/controls/dialog_controls.h"
#include "app/files/file_browser.h"

namespace quorvane {

Gsave::Gsave(Simulation& sim, ProgramState& state, QWidget* parent)
    : FileDialog(sim, state, "Gsave", "Save Current Simulation", parent) {
    QPushButton* save = AddButton("Command1", "Save");
    QPushButton* cancel = AddButton("Command2", "Cancel");
    Command3 = AddButton("Command3", "Finish");
    Command3->hide();
    connect(save, &QPushButton::clicked, this, &Gsave::Command1_Click);
    connect(cancel, &QPushButton::clicked, this, &Gsave::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Gsave::Command3_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &Gsave::Command1_Click);
    connect(Browser, &FileBrowser::FolderChanged, this, [this](const QString& folder) {
        Text1->setText(ToQString(MoveNameToFolder(FromQString(Text1->text()), FromQString(folder))));
    });
    connect(Browser, &FileBrowser::FileChosen, this, &Gsave::PutFileInNameBox);
}

void Gsave::OpenToSave() {
    AfterSave = nullptr;
    Command3->hide();
    Open();
}

void Gsave::OpenForExit() {
    AfterSave = nullptr;
    Command3->show();
    Open();
}

void Gsave::OpenThen(std::function<void()> next) {
    OpenToSave();
    AfterSave = std::move(next);
}

void Gsave::SaveUnderCurrentName() {
    // A model without a file, or without a name to save it under, needs one from the dialog.
    if (State.NewModel || State.Paths.CurrentPath.empty()) {
        OpenToSave();
        return;
    }
    AfterSave = nullptr;
    Command3->hide();
    Browser->ShowFolder(ToQString(OpenFileDialog(State.Paths).Folder));
    Text1->setText(ToQString(State.Paths.CurrentPath));
    Command1_Click();
}

bool Gsave::Command1_Click() { return Save(true); }

bool Gsave::Command3_Click() { return Save(false); }

bool Gsave::Save(bool askOverwrite) {
    // A refused or failed save keeps the dialog, and the program, open with the name as typed.
    if (!SaveTypedSimulation(Sim, State, FromQString(Text1->text()), FromQString(Browser->Folder()), askOverwrite)) {
        Text1->setFocus();
        return false;
    }
    ShowDone();
    if (!Command3->isHidden()) {
        emit ProgramFinished();
        return true;
    }
    HideChildWindow(this);
    if (AfterSave) std::exchange(AfterSave, nullptr)();
    return true;
}

void Gsave::Command2_Click() {
    AfterSave = nullptr;
    Command3->hide();
    FileDialog::Command2_Click();
}

}  // namespace quorvane
