#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>

#include "app/controls/child_window.h"
#include "app/controls/dialog_controls.h"
#include "app/files/gload.h"
#include "app/files/gmaint.h"
#include "app/files/gsave.h"
#include "app/shell/mdigen.h"
#include "engine/simulation.h"
#include "forms/load_save_dialogs.h"

namespace quorvane {

namespace {

// Places of the file dialogs, in twips; they open at least as large as their controls need.
constexpr int FileDialogLeft = 1800;
constexpr int FileDialogTop = 1200;
constexpr int FileDialogWidth = 9000;
constexpr int FileDialogHeight = 6600;
constexpr int MaintenanceHeight = 11000;
constexpr int RecentItems = 5;

}  // namespace

void MDIGen::AddFileDialogs() {
    LoadDialog = new Gload(*Sim, State, Editing);
    LoadDialog->SaveChangesThen = [this](std::function<void()> load) { SaveChangesThen(std::move(load)); };
    AddChild(LoadDialog, FileDialogLeft, FileDialogTop, FileDialogWidth, FileDialogHeight)->hide();
    SaveDialog = new Gsave(*Sim, State);
    AddChild(SaveDialog, FileDialogLeft, FileDialogTop, FileDialogWidth, FileDialogHeight)->hide();
    MaintenanceDialog = new Gmaint(*Sim, State);
    AddChild(MaintenanceDialog, FileDialogLeft, FileDialogTop, FileDialogWidth, MaintenanceHeight)->hide();
    connect(this, &MDIGen::SaveBeforeExit, SaveDialog, &Gsave::OpenForExit);
    connect(SaveDialog, &Gsave::ProgramFinished, this, &MDIGen::close);
}

void MDIGen::mload_Click() { LoadDialog->Open(); }

void MDIGen::msave_Click() { SaveDialog->OpenToSave(); }

void MDIGen::mmaint_Click() { MaintenanceDialog->Open(); }

void MDIGen::Ms1_Click() { SaveDialog->SaveUnderCurrentName(); }

void MDIGen::mblank_Click(int n) {
    if (n >= 1 && n <= State.Recent.RecentCount) LoadDialog->LoadNamed(State.Recent.RecentPath[n]);
}

void MDIGen::Mfile_Click() {
    ReadFilestor(*Sim, State);
    const std::vector<std::string> captions = RecentFileCaptions(State.Recent);
    for (int n = 1; n <= RecentItems; ++n) {
        QAction* item = findChild<QAction*>(QString("mblank%1").arg(n));
        const bool listed = n <= static_cast<int>(captions.size());
        item->setEnabled(listed);
        item->setVisible(listed);
        if (!listed) continue;
        item->setText(ToQString(captions[static_cast<std::size_t>(n - 1)]));
        item->setStatusTip(ToQString(State.Recent.RecentPath[n]));
    }
}

}  // namespace quorvane
