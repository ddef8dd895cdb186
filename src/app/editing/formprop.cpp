#include "app/editing/formprop.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/controls/dialog_controls.h"
#include "engine/simulation.h"
#include "platform/canvas.h"

namespace quorvane {

FormProp::FormProp(Simulation& sim, QWidget* parent) : EditDialog(parent), Sim(sim) {
    setObjectName("FormProp");
    Text1 = MakeField(this, "Text1");
    Label4 = MakeLabel(this, "Label4", "");
    Label5 = MakeLabel(this, "Label5", "");
    Picture1 = new QListWidget(this);
    Picture1->setObjectName("Picture1");
    Picture1->setToolTip("Terminal blocks of this form");
    Picture1->setAccessibleName("Terminal blocks of this form");
    Picture1->setSelectionMode(QAbstractItemView::NoSelection);
    QHBoxLayout* buttons = DialogButtons(this, Command1, Command2, Command3);

    auto* grid = new QGridLayout;
    grid->addWidget(MakeLabel(this, "Label1", "Simulation Form Title", Text1), 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(MakeLabel(this, "Label2", "Blocks on the form"), 1, 0);
    grid->addWidget(Label4, 1, 1);
    grid->addWidget(MakeLabel(this, "Label3", "Unlinked blocks"), 2, 0);
    grid->addWidget(Label5, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(Picture1, 1);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &FormProp::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FormProp::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &FormProp::Command3_Click);
    resize(420, 320);
}

void FormProp::Open(int form) {
    Load(ActivateFormProperties(Sim, form));
    ShowWithFocus(Text1);
}

void FormProp::Load(const FormPropertiesFields& fields) {
    Fields = fields;
    setWindowTitle(ToQString(fields.Caption));
    ShowText(Text1, fields.Title);
    Label4->setText(ToQString(fields.BlockCount));
    Label5->setText(ToQString(fields.Unlinked));
    Picture1->clear();
    for (const TerminalListLine& line : fields.Terminals) {
        auto* item = new QListWidgetItem(ToQString(line.Text), Picture1);
        item->setForeground(ToQColor(PaletteColour(line.Colour)));
    }
}

FormPropertiesFields FormProp::Store() const {
    FormPropertiesFields fields = Fields;
    fields.Title = FromQString(Text1->text());
    return fields;
}

void FormProp::Command1_Click() {
    StoreFormProperties(Sim, Store());
    hide();
}

void FormProp::Command2_Click() { hide(); }

void FormProp::Command3_Click() { RequestHelp(FormPropertiesHelp); }

}  // namespace quorvane
