#pragma once

#include "app/editing/edit_dialog.h"
#include "forms/terminal_dialogs.h"

class QLineEdit;
class QPushButton;

namespace quorvane {

struct Simulation;

/// The output terminal's title and units window. Enter in the title presses Done.
class Form9 : public EditDialog {
    Q_OBJECT
public:
    explicit Form9(Simulation& sim, QWidget* parent = nullptr);

    /// Shows the window for an output terminal block.
    void Open(int form, int block);

    void Load(const OutputTerminalFields& fields);
    OutputTerminalFields Store() const;

signals:
    /// Title and units were stored and the window closed.
    void BlockEdited(int form);

public slots:
    void Command1_Click();   // Done
    void Command2_Click();   // Cancel
    void Command3_Click();   // Help

private:
    Simulation& Sim;
    OutputTerminalFields Fields;

    QLineEdit* Text1;
    QLineEdit* Text2;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
};

}  // namespace quorvane
