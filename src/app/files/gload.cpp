#include "app/files/gload.h"

#include <QLineEdit>
#include <QPushButton>
#include <QKeyEvent>

#include "app/controls/child_window.h"
#include "app/controls/dialog_controls.h"
#include "app/files/file_browser.h"
#include "engine/simulation.h"
#include "forms/diagram_sheet.h"
#include "model/editing_state.h"

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

void Gload::LoadNamed(const std::string& path) {
    Text1->setText(ToQString(path));
    Command1_Click();
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

void Gload::Command1_Click() { Load(FileLayout::Current); }

void Gload::Load(FileLayout layout) {
    // What was asked for is kept: a save through the save dialog may come first.
    auto load = [this, typed = FromQString(Text1->text()), folder = FromQString(Browser->Folder()), layout] {
        LoadTyped(typed, folder, layout);
    };
    if (SaveChangesThen) {
        SaveChangesThen(std::move(load));
    } else {
        load();
    }
}

void Gload::LoadTyped(const std::string& typed, const std::string& folder, FileLayout layout) {
    // The sheets redraw the loaded model with nothing picked; a refused load keeps what was.
    const EditingState editing = Editing;
    const int pending = Sim.PendingLineCount;
    const int input = Sim.SelectedInput;
    const int output = Sim.SelectedOutput;
    ResetEditing(Sim, Editing);
    // A name that did not load stays in view to be put right.
    if (!LoadTypedSimulation(Sim, State, typed, folder, layout)) {
        Editing = editing;
        Sim.PendingLineCount = pending;
        Sim.SelectedInput = input;
        Sim.SelectedOutput = output;
        return;
    }
    Text1->setText(ToQString(State.Paths.CurrentPath));
    ShowDone();
    HideChildWindow(this);
}

}  // namespace quorvane
