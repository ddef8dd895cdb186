#include "app/files/gmaint.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/controls/dialog_controls.h"
#include "app/files/file_browser.h"
#include "platform/canvas.h"

namespace quorvane {

namespace {

constexpr Palette TextColour = Palette::Blue;
constexpr int EditorHeight = 260;

}  // namespace

Gmaint::Gmaint(Simulation& sim, ProgramState& state, QWidget* parent)
    : FileDialog(sim, state, "Gmaint", "Maintain Internal Data Files", parent) {
    Label7 = new QLabel(this);
    Label7->setObjectName("Label7");
    Label7->setAccessibleDescription("File size");
    Text3 = new QPlainTextEdit(this);
    Text3->setObjectName("Text3");
    Text3->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Text3->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text3->setMinimumHeight(EditorHeight);
    SetColour(Text3, QPalette::Text, PaletteColour(TextColour));
    Grid->addWidget(Label7, 2, 1);
    Grid->addWidget(MakeLabel(this, "Label8", "Contents:", Text3), 7, 0);
    Grid->addWidget(Text3, 8, 0, 1, 3);

    QPushButton* save = AddButton("Command1", "Save Amended File");
    QPushButton* done = AddButton("Command2", "Done");
    connect(save, &QPushButton::clicked, this, &Gmaint::Command1_Click);
    connect(done, &QPushButton::clicked, this, &Gmaint::Command2_Click);
    connect(Text1, &QLineEdit::returnPressed, this, [this] { OpenFile(FromQString(Text1->text())); });
    connect(Browser, &FileBrowser::FileChosen, this, [this](const QString& file) { OpenFile(PathInFolder(file)); });
}

FileDialogView Gmaint::View() const {
    return {"*.dat", State.AppFolder.string(), Shown.Path};
}

void Gmaint::OpenFile(const std::string& path) {
    MaintainedFile file;
    if (!OpenMaintainedFile(Sim, path, file)) return;
    Shown = std::move(file);
    Text1->setText(ToQString(Shown.Path));
    Label1->setText(ToQString(Shown.Changed));
    Label7->setText(ToQString(Shown.Size));
    Text3->setPlainText(ToQString(Shown.Text));
}

bool Gmaint::Command1_Click() {
    if (!SaveAmendedFile(Sim, Shown.Path, FromQString(Text3->toPlainText()))) return false;
    // The size and time of what was written.
    MaintainedFile written;
    if (OpenMaintainedFile(Sim, Shown.Path, written)) {
        Label1->setText(ToQString(written.Changed));
        Label7->setText(ToQString(written.Size));
    }
    return true;
}

}  // namespace quorvane
