#pragma once

#include <QWidget>

#include "forms/load_save_dialogs.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace quorvane {

class FileBrowser;
struct Simulation;

/// What the load, save and maintenance dialogs share: the name box (Text1) with its caption
/// (Label2), the date and time of the file chosen (Label1), the lists of a FileBrowser, and a
/// column of buttons on the right. Escape presses Command2.
class FileDialog : public QWidget {
    Q_OBJECT
public:
    /// Shows the dialog on the folder, pattern and name of View().
    void Open();
    QLineEdit* NameBox() const { return Text1; }
    FileBrowser& Lists() const { return *Browser; }

protected:
    FileDialog(Simulation& sim, ProgramState& state, const char* name, const QString& title, QWidget* parent);

    virtual FileDialogView View() const { return OpenFileDialog(State.Paths); }
    /// Label1's text when the dialog opens.
    virtual std::string OpeningFileTime() const { return {}; }
    QPushButton* AddButton(const char* name, const QString& caption);
    /// After a load or save: the name box shows the current path in blue.
    void ShowDone();
    /// A file of the folder shown was chosen: the name box shows its path, Label1 when it was
    /// last changed.
    void PutFileInNameBox(const QString& fileName);
    /// The path of a file of the folder shown.
    std::string PathInFolder(const QString& fileName) const;
    virtual void Command2_Click();

    Simulation& Sim;
    ProgramState& State;
    QGridLayout* Grid = nullptr;   ///< rows 0..6 taken; columns 0 and 1 for the lists
    FileBrowser* Browser = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

private:
    QVBoxLayout* Buttons = nullptr;
};

}  // namespace quorvane
