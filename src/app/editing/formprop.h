#pragma once

#include "app/editing/edit_dialog.h"
#include "forms/form_properties.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quorvane {

struct Simulation;

/// The simulation form properties window: the form's title, its block and unlinked block
/// counts, and its terminal blocks. Enter in the title presses Done.
class FormProp : public EditDialog {
    Q_OBJECT
public:
    explicit FormProp(Simulation& sim, QWidget* parent = nullptr);

    /// Shows the window for form `form`.
    void Open(int form);

    void Load(const FormPropertiesFields& fields);
    FormPropertiesFields Store() const;

signals:

public slots:
    void Command1_Click();   // Done
    void Command2_Click();   // Cancel
    void Command3_Click();   // Help

private:
    Simulation& Sim;
    FormPropertiesFields Fields;

    QLineEdit* Text1;
    QLabel* Label4;
    QLabel* Label5;
    QListWidget* Picture1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
};

}  // namespace quorvane
