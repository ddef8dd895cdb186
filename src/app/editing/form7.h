#pragma once

#include "app/editing/edit_dialog.h"
#include "forms/terminal_dialogs.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quorvane {

struct Simulation;

/// The input terminal window: its title and the output terminal that feeds it, chosen from
/// the output terminals of the open forms. Enter in the title or the list presses Done.
class Form7 : public EditDialog {
    Q_OBJECT
public:
    explicit Form7(Simulation& sim, QWidget* parent = nullptr);

    /// Shows the window for an input terminal block.
    void Open(int form, int block);

    void Load(const InputTerminalFields& fields);
    InputTerminalFields Store() const;

signals:
    /// The title was stored and the window closed.
    void BlockEdited(int form);

public slots:
    void Command1_Click();   // Done
    void Command2_Click();   // Cancel
    void Command3_Click();   // Help

private:
    void Combo1_Click(int index);

    Simulation& Sim;
    InputTerminalFields Fields;

    QLineEdit* Text1;
    QComboBox* Combo1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
};

}  // namespace quorvane
