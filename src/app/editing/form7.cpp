#include "app/editing/form7.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/controls/dialog_controls.h"
#include "engine/simulation.h"

namespace quorvane {

Form7::Form7(Simulation& sim, QWidget* parent) : EditDialog(parent), Sim(sim) {
    setObjectName("Form7");
    Text1 = MakeField(this, "Text1");
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    Combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    QHBoxLayout* buttons = DialogButtons(this, Command1, Command2, Command3);
    auto* fields = new QFormLayout;
    fields->addRow(MakeLabel(this, "Label1", "Title", Text1), Text1);
    fields->addRow(MakeLabel(this, "Label2", "Fed from", Combo1), Combo1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form7::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form7::Command3_Click);
    connect(Combo1, &QComboBox::activated, this, &Form7::Combo1_Click);
}

void Form7::Open(int form, int block) {
    Load(ActivateInputTerminal(Sim, form, block));
    adjustSize();
    ShowWithFocus(Text1);
}

void Form7::Load(const InputTerminalFields& fields) {
    Fields = fields;
    setWindowTitle(ToQString(fields.Caption));
    ShowText(Text1, fields.Title);
    Combo1->clear();
    Combo1->addItem("Select Connection");
    for (const TerminalChoice& choice : fields.Choices) Combo1->addItem(ToQString(choice.Text));
    Combo1->setCurrentIndex(fields.Selected);
}

InputTerminalFields Form7::Store() const {
    InputTerminalFields fields = Fields;
    fields.Title = FromQString(Text1->text());
    fields.Selected = Combo1->currentIndex();
    return fields;
}

void Form7::Command1_Click() {
    const int form = Fields.Form;
    const bool stored = StoreInputTerminal(Sim, Store());
    hide();
    Fields = InputTerminalFields{};
    if (stored) emit BlockEdited(form);
}

void Form7::Command2_Click() { hide(); }

void Form7::Command3_Click() { RequestHelp(BlockHelp(Fields.FunctionCode)); }

void Form7::Combo1_Click(int index) { ChooseTerminalConnection(Sim, Fields, index); }

}  // namespace quorvane
