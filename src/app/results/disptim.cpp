#include "app/results/disptim.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/controls/child_window.h"
#include "app/controls/dialog_parts.h"
#include "engine/simulation.h"

namespace quorvane {

namespace {

/// A frame with one interval box, its caption and its units label.
QGroupBox* IntervalFrame(QWidget* parent, const char* caption, const char* boxCaption, const char* boxName,
                         const char* captionName, const char* unitsName, QLineEdit*& box, QLabel*& units) {
    auto* frame = new QGroupBox(caption, parent);
    auto* grid = new QGridLayout(frame);
    QLabel* label = nullptr;
    box = AddCaptionedBox(frame, grid, 0, boxCaption, &label);
    label->setObjectName(captionName);
    box->setObjectName(boxName);
    units = new QLabel(frame);
    units->setObjectName(unitsName);
    grid->addWidget(units, 0, 2);
    return frame;
}

}  // namespace

DispTim::DispTim(Simulation& sim, QWidget* parent) : QWidget(parent), Sim(sim) {
    setObjectName("DispTim");
    setWindowTitle("Data Display");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        IntervalFrame(this, "Tabulated Information", "Print Interval", "Text1", "Label1", "Label2", Text1, Label2));
    QGroupBox* graph =
        IntervalFrame(this, "Graphical Information", "Plot Interval", "Text5", "Label4", "Label3", Text5, Label3);
    auto* note = new QLabel("See graph display form for other options", graph);
    note->setObjectName("Label5");
    static_cast<QGridLayout*>(graph->layout())->addWidget(note, 1, 0, 1, 3);
    layout->addWidget(graph);

    const DoneCancelButtons buttons = AddDoneCancel(this, layout);

    connect(Text1, &QLineEdit::returnPressed, this, &DispTim::Command1_Click);
    connect(Text5, &QLineEdit::returnPressed, this, &DispTim::Command1_Click);
    connect(buttons.Done, &QPushButton::clicked, this, &DispTim::Command1_Click);
    connect(buttons.Cancel, &QPushButton::clicked, this, &DispTim::Command2_Click);
}

void DispTim::Load(const DataDisplayDialog& dialog) {
    Text1->setText(QString::fromStdString(dialog.Text1));
    Text5->setText(QString::fromStdString(dialog.Text5));
    Label2->setText(QString::fromStdString(dialog.Label2));
    Label3->setText(QString::fromStdString(dialog.Label3));
}

DataDisplayDialog DispTim::Store() const {
    return {Text1->text().toStdString(), Text5->text().toStdString(), Label2->text().toStdString(),
            Label3->text().toStdString()};
}

void DispTim::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    SetChildGeometry(this, DataDisplayLeft, DataDisplayTop, DataDisplayWidth, DataDisplayHeight);
    Load(LoadDataDisplay(Sim.Run));
}

void DispTim::Command1_Click() {
    switch (ApplyDataDisplay(Sim, Store())) {
        case DataDisplayOutcome::PrintRefused: Text1->setFocus(); return;
        case DataDisplayOutcome::GraphRefused: Text5->setFocus(); return;
        case DataDisplayOutcome::Applied: break;
    }
    HideChildWindow(this);
}

void DispTim::Command2_Click() { HideChildWindow(this); }

}  // namespace quorvane
