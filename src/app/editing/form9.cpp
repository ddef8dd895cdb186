#include "app/editing/form9.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/controls/dialog_controls.h"
#include "engine/simulation.h"

namespace quorvane {

Form9::Form9(Simulation& sim, QWidget* parent) : EditDialog(parent), Sim(sim) {
    setObjectName("Form9");
    Text1 = MakeField(this, "Text1");
    Text1->setToolTip("Label to be used on graphs / displays");
    Text2 = MakeField(this, "Text2");
    Text2->setToolTip("Engineering units applicable to this block");
    QHBoxLayout* buttons = DialogButtons(this, Command1, Command2, Command3);
    auto* fields = new QFormLayout;
    fields->addRow(MakeLabel(this, "Label1", "Title", Text1), Text1);
    fields->addRow(MakeLabel(this, "Label2", "Units", Text2), Text2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &Form9::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form9::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form9::Command3_Click);
}

void Form9::Open(int form, int block) {
    Load(ActivateOutputTerminal(Sim, form, block));
    adjustSize();
    ShowWithFocus(Text1);
}

void Form9::Load(const OutputTerminalFields& fields) {
    Fields = fields;
    setWindowTitle(ToQString(fields.Caption));
    ShowText(Text1, fields.Title);
    ShowText(Text2, fields.Units);
}

OutputTerminalFields Form9::Store() const {
    OutputTerminalFields fields = Fields;
    fields.Title = FromQString(Text1->text());
    fields.Units = FromQString(Text2->text());
    return fields;
}

void Form9::Command1_Click() {
    const int form = Fields.Form;
    const bool stored = StoreOutputTerminal(Sim, Store());
    hide();
    Fields = OutputTerminalFields{};
    if (stored) emit BlockEdited(form);
}

void Form9::Command2_Click() { hide(); }

void Form9::Command3_Click() { RequestHelp(BlockHelp(Fields.FunctionCode)); }

}  // namespace quorvane
