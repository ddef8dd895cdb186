#include "app/files/file_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/controls/child_window.h"
#include "app/controls/dialog_controls.h"
#include "app/files/file_browser.h"
#include "platform/canvas.h"
#include "storage/recent_files.h"

namespace quorvane {

namespace {

// The name box turns this palette colour when its file was loaded or saved.
constexpr Palette DoneColour = Palette::Blue;
constexpr int ButtonColumn = 2;

}  // namespace

FileDialog::FileDialog(Simulation& sim, ProgramState& state, const char* name, const QString& title,
                       QWidget* parent)
    : QWidget(parent), Sim(sim), State(state) {
    setObjectName(name);
    setWindowTitle(title);
    Grid = new QGridLayout(this);
    Text1 = MakeField(this, "Text1");
    Label2 = MakeLabel(this, "Label2", "File name:", Text1);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    // The value is the name a screen reader hears; the caption describes it.
    Label1->setAccessibleDescription("Last changed");
    Grid->addWidget(Label2, 0, 0);
    Grid->addWidget(Text1, 1, 0, 1, 2);
    Grid->addWidget(Label1, 2, 0, 1, 2);
    Browser = new FileBrowser(this, Grid, 3);
    Buttons = new QVBoxLayout;
    Grid->addLayout(Buttons, 1, ButtonColumn, 6, 1);
    Buttons->addStretch();
    // The name box was typed into: its colour no longer tells what was loaded or saved.
    connect(Text1, &QLineEdit::textEdited, this, [this] { Text1->setPalette(QPalette()); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, [this] { Command2_Click(); });
}

void FileDialog::Open() {
    const FileDialogView view = View();
    Browser->ShowPattern(ToQString(view.Pattern));
    Browser->ShowFolder(ToQString(view.Folder));
    Text1->setText(ToQString(view.NameBox));
    Label1->setText(ToQString(OpeningFileTime()));
    ShowChildWindow(this);
    Text1->setFocus();
}

QPushButton* FileDialog::AddButton(const char* name, const QString& caption) {
    QPushButton* button = MakeButton(this, name, caption);
    Buttons->insertWidget(Buttons->count() - 1, button);
    return button;
}

void FileDialog::ShowDone() {
    Text1->setText(ToQString(State.Paths.CurrentPath));
    SetColour(Text1, QPalette::Text, PaletteColour(DoneColour));
}

void FileDialog::PutFileInNameBox(const QString& fileName) {
    const std::string path = PathInFolder(fileName);
    Text1->setText(ToQString(path));
    Label1->setText(ToQString(FileChangeTime(path)));
}

std::string FileDialog::PathInFolder(const QString& fileName) const {
    return NameInFolder(FromQString(Browser->Folder()), FromQString(fileName));
}

void FileDialog::Command2_Click() { HideChildWindow(this); }

}  // namespace quorvane
