#include "app/editing/fmanage.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/controls/dialog_controls.h"
#include "app/controls/twips.h"
#include "engine/simulation.h"

namespace quorvane {

namespace {

std::string Indexed(const char* name, int index) { return std::string(name) + "_" + std::to_string(index); }

}  // namespace

Fmanage::Fmanage(Simulation& sim, QWidget* parent) : QWidget(parent), Sim(sim) {
    setObjectName("Fmanage");
    setWindowTitle("Simulation Form Manager");
    auto* grid = new QGridLayout;
    const char* headings[] = {"Run", "Simulation Form", "Status", "Blocks"};
    for (int c = 0; c < 4; ++c) {
        auto* heading = new QLabel(headings[c], this);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        grid->addWidget(heading, 0, c);
    }
    for (int r = 0; r < FormManagerRows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        const QString row = QString::number(r + 1);
        Check1[i] = MakeCheckBox(this, Indexed("Check1", r).c_str(), "");
        Check1[i]->setAccessibleName("Run form " + row);
        Label1[i] = MakeLabel(this, Indexed("Label1", r).c_str(), "");
        Label2[i] = MakeLabel(this, Indexed("Label2", r).c_str(), "");
        Label7[i] = MakeLabel(this, Indexed("Label7", r).c_str(), "");
        Command1[i] = MakeButton(this, Indexed("Command1", r).c_str(), "Unload");
        Command1[i]->setAccessibleName("Unload form " + row);
        grid->addWidget(Check1[i], r + 1, 0);
        grid->addWidget(Label1[i], r + 1, 1);
        grid->addWidget(Label2[i], r + 1, 2);
        grid->addWidget(Label7[i], r + 1, 3);
        grid->addWidget(Command1[i], r + 1, 4);
        connect(Check1[i], &QCheckBox::clicked, this, [this, r](bool checked) { Check1_Click(r + 1, checked); });
        connect(Command1[i], &QPushButton::clicked, this, [this, r] { Command1_Click(r + 1); });
    }
    grid->setColumnStretch(1, 1);

    Label9 = MakeLabel(this, "Label9", "");
    Command4 = MakeButton(this, "Command4", "Load a new Form");
    Command5 = MakeButton(this, "Command5", "Done");
    auto* issued = new QHBoxLayout;
    issued->addWidget(new QLabel("Forms Issued", this));
    issued->addWidget(Label9);
    issued->addStretch();
    issued->addWidget(Command4);
    issued->addWidget(Command5);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(issued);
    connect(Command4, &QPushButton::clicked, this, &Fmanage::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Fmanage::Command5_Click);

    setGeometry(TwipsToPixels(50), TwipsToPixels(1000), TwipsToPixels(7000), TwipsToPixels(7000));
    StatUpDate();
}

void Fmanage::Load(const FormManagerView& view) {
    Label9->setText(ToQString(view.FormsIssued));
    for (std::size_t i = 0; i < view.Rows.size(); ++i) {
        const FormManagerRow& row = view.Rows[i];
        Check1[i]->setChecked(row.RunChecked);
        Label1[i]->setText(LiteralCaption(row.Name));
        Label2[i]->setText(ToQString(row.Status));
        Label7[i]->setText(ToQString(row.Blocks));
        const std::array<QWidget*, 5> controls{Check1[i], Label1[i], Label2[i], Label7[i], Command1[i]};
        for (QWidget* control : controls) control->setEnabled(row.Enabled);
    }
}

void Fmanage::StatUpDate() { Load(FormManagerStatus(Sim)); }

void Fmanage::Command4_Click() {
    LoadNewForm(Sim);
    StatUpDate();
}

void Fmanage::Command5_Click() {
    // Inside the main window the frame around the manager is what hides.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->hide();
    else hide();
}

void Fmanage::showEvent(QShowEvent* event) {
    StatUpDate();
    QWidget::showEvent(event);
}

void Fmanage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) StatUpDate();
    QWidget::changeEvent(event);
}

void Fmanage::Check1_Click(int row, bool checked) {
    SelectFormToRun(Sim, row, checked);
    StatUpDate();
}

void Fmanage::Command1_Click(int row) {
    UnloadForm(Sim, row);
    StatUpDate();
}

}  // namespace quorvane
