#include "app/files/gload.h"

#include <QLineEdit>
#include <QPushButton>
#include <QKeyEvent>

#include "app/controls/child_window.h"
#include "app/controls/dialog_controls.h"
#include "app/files/file_browser.h"
#include "forms/diagram_sheet.h"

namespace quorvane {

Gload::Gload(Simulation& sim, ProgramState& state, EditingState& editing, QWidget* parent)
    : FileDialog(sim, state, "Gload", "Load Existing Simulation", parent), Editing(editing) {
    QPushButton* load = AddButton("Command1", "Load");
    QPushButton* cancel = AddButton("Command2", "Cancel");
    connect(load, &QPushButton::clicked, this, &Gload::Command1_Click);
    connect(cancel, &QPushButton::clicked, this, &Gload::Command2_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &Gload::Command1_Click);
    Text1->installEventFilter(this);
    connect(Browser, &FileBrowser::FileChosen, this, &Gload::PutFileInNameBox);
    connect(Browser, &FileBrowser::FileActivated, this, &Gload::Command1_Click);
}

bool Gload::LoadNamed(const std::string& path) {
    Text1->setText(ToQString(path));
    return Command1_Click();
}

bool Gload::eventFilter(QObject* watched, QEvent* event) {
    // Ctrl+O in the name box loads a file of the older layout.
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_O && key->modifiers() == Qt::ControlModifier) {
            Load(FileLayout::Older);
            return true;
        }
    }
    return FileDialog::eventFilter(watched, event);
}

bool Gload::Command1_Click() { return Load(FileLayout::Current); }

bool Gload::Load(FileLayout layout) {
    ResetEditing(Sim, Editing);
    const bool loaded = LoadTypedSimulation(Sim, State, FromQString(Text1->text()), FromQString(Browser->Folder()), layout);
    Text1->setText(ToQString(State.Paths.CurrentPath));
    // A name that did not load stays in view to be put right.
    if (!loaded) return false;
    ShowDone();
    HideChildWindow(this);
    return true;
}

}  // namespace quorvane
