#include "app/results/form11.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/controls/child_window.h"
#include "app/controls/dialog_parts.h"
#include "app/controls/twips.h"
#include "engine/simulation.h"

namespace quorvane {

namespace {

/// The controls of one axis' frame.
struct AxisControls {
    OptionPair Options;
    QLineEdit* Maximum = nullptr;
    QLineEdit* Minimum = nullptr;
    QLabel* MaximumLabel = nullptr;
    QLabel* MinimumLabel = nullptr;
    QCheckBox* Log = nullptr;
};

/// One axis' frame: "Automatic" and "Manual", the "Maximum" and "Minimum" boxes, "Log Scale".
QGroupBox* AxisFrame(QWidget* parent, const char* caption, AxisControls& controls) {
    auto* frame = new QGroupBox(caption, parent);
    auto* grid = new QGridLayout(frame);
    controls.Options = AddOptionPair(frame, grid, 0, "Automatic", "Manual");
    controls.Maximum = AddCaptionedBox(frame, grid, 1, "Maximum", &controls.MaximumLabel);
    controls.Minimum = AddCaptionedBox(frame, grid, 2, "Minimum", &controls.MinimumLabel);
    controls.Log = new QCheckBox("Log Scale", frame);
    controls.Log->setAccessibleName(QString(caption).left(1) + " Log Scale");
    grid->addWidget(controls.Log, 3, 0, 1, 2);
    return frame;
}

}  // namespace

Form11::Form11(Simulation& sim, QWidget* parent) : QWidget(parent), Sim(sim) {
    setObjectName("Form11");
    setWindowTitle("Adust X and Y Scales");
    resize(TwipsToPixels(ScalesDialogWidth), TwipsToPixels(ScalesDialogHeight));

    AxisControls y;
    AxisControls x;
    QGroupBox* yFrame = AxisFrame(this, "Y Axis", y);
    QGroupBox* xFrame = AxisFrame(this, "X Axis", x);
    Option1 = y.Options.First;
    Option2 = y.Options.Second;
    Option3 = x.Options.First;
    Option4 = x.Options.Second;
    Text1 = y.Maximum;
    Text2 = y.Minimum;
    Text3 = x.Maximum;
    Text4 = x.Minimum;
    Label1 = y.MaximumLabel;
    Label2 = y.MinimumLabel;
    Label3 = x.MaximumLabel;
    Label4 = x.MinimumLabel;
    Check1 = y.Log;
    Check2 = x.Log;
    const std::pair<QWidget*, const char*> names[] = {
        {Option1, "Option1"}, {Option2, "Option2"}, {Option3, "Option3"}, {Option4, "Option4"},
        {Text1, "Text1"},     {Text2, "Text2"},     {Text3, "Text3"},     {Text4, "Text4"},
        {Label1, "Label1"},   {Label2, "Label2"},   {Label3, "Label3"},   {Label4, "Label4"},
        {Check1, "Check1"},   {Check2, "Check2"}};
    for (const auto& [control, name] : names) control->setObjectName(name);

    auto* frames = new QHBoxLayout;
    frames->addWidget(yFrame);
    frames->addWidget(xFrame);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    const DoneCancelButtons buttons = AddDoneCancel(this, layout);

    for (QRadioButton* option : {Option1, Option2, Option3, Option4}) {
        connect(option, &QRadioButton::clicked, this, &Form11::Option_Click);
    }
    for (QLineEdit* box : {Text1, Text2, Text3, Text4}) {
        connect(box, &QLineEdit::returnPressed, this, &Form11::Command1_Click);
    }
    connect(buttons.Done, &QPushButton::clicked, this, &Form11::Command1_Click);
    connect(buttons.Cancel, &QPushButton::clicked, this, &Form11::Command2_Click);
}

void Form11::Load(const ScalesDialog& dialog) {
    (dialog.YManual ? Option2 : Option1)->setChecked(true);
    (dialog.XManual ? Option4 : Option3)->setChecked(true);
    Text1->setText(QString::fromStdString(dialog.Text1));
    Text2->setText(QString::fromStdString(dialog.Text2));
    Text3->setText(QString::fromStdString(dialog.Text3));
    Text4->setText(QString::fromStdString(dialog.Text4));
    Check1->setChecked(dialog.YLog);
    Check2->setChecked(dialog.XLog);
    UpdateControls();
}

ScalesDialog Form11::Store() const {
    return {Option2->isChecked(),        Option4->isChecked(),        Text1->text().toStdString(),
            Text2->text().toStdString(), Text3->text().toStdString(), Text4->text().toStdString(),
            Check1->isChecked(),         Check2->isChecked()};
}

void Form11::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Load(LoadScalesDialog(Sim.Graph));
}

void Form11::UpdateControls() {
    const bool yManual = Option2->isChecked();
    const bool xManual = Option4->isChecked();
    for (QWidget* control : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text2),
                             static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2)}) {
        control->setEnabled(yManual);
    }
    for (QWidget* control : {static_cast<QWidget*>(Text3), static_cast<QWidget*>(Text4),
                             static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label4)}) {
        control->setEnabled(xManual);
    }
}

void Form11::Option_Click() {
    // An axis put back to automatic shows the limits stored for it again.
    ScalesDialog shown = Store();
    const ScalesDialog stored = LoadScalesDialog(Sim.Graph);
    if (!shown.YManual) {
        shown.Text1 = stored.Text1;
        shown.Text2 = stored.Text2;
    }
    if (!shown.XManual) {
        shown.Text3 = stored.Text3;
        shown.Text4 = stored.Text4;
    }
    Load(shown);
}

void Form11::Command1_Click() {
    switch (ApplyScalesDialog(Sim, Store())) {
        case ScalesOutcome::YRefused: Text1->setFocus(); return;
        case ScalesOutcome::XRefused: Text3->setFocus(); return;
        case ScalesOutcome::YLogRefused:
            Check1->setChecked(false);
            Check1->setFocus();
            return;
        case ScalesOutcome::XLogRefused:
            Check2->setChecked(false);
            Check2->setFocus();
            return;
        case ScalesOutcome::Applied: break;
    }
    emit Applied();
    HideChildWindow(this);
}

void Form11::Command2_Click() { HideChildWindow(this); }

}  // namespace quorvane
