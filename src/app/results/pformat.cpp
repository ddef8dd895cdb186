#include "app/results/pformat.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/controls/child_window.h"
#include "app/controls/dialog_parts.h"
#include "engine/simulation.h"
#include "forms/help_topic.h"

namespace quorvane {

namespace {

struct ColumnControls {
    QRadioButton* General = nullptr;
    QRadioButton* UseFormat = nullptr;
    QLineEdit* Before = nullptr;
    QLineEdit* After = nullptr;
    QLabel* Sample = nullptr;
    QPushButton* Help = nullptr;
};

/// One column kind's frame; controls numbered from `first` (options and boxes two apiece).
ColumnControls ColumnFrame(QWidget* parent, QVBoxLayout* layout, const char* caption, int first, int sample,
                           int help) {
    auto* frame = new QGroupBox(caption, parent);
    auto* grid = new QGridLayout(frame);
    ColumnControls controls;
    const OptionPair options = AddOptionPair(frame, grid, 0, "General Format", "Use Format Below");
    controls.General = options.First;
    controls.General->setObjectName(QString("Option%1").arg(first));
    controls.UseFormat = options.Second;
    controls.UseFormat->setObjectName(QString("Option%1").arg(first + 1));
    controls.Before = AddCaptionedBox(frame, grid, 1, "Digits before decimal point");
    controls.Before->setObjectName(QString("Text%1").arg(first));
    controls.After = AddCaptionedBox(frame, grid, 2, "Digits After Decimal Point");
    controls.After->setObjectName(QString("Text%1").arg(first + 1));
    controls.Sample = new QLabel(frame);
    controls.Sample->setObjectName(QString("Label%1").arg(sample));
    // The sample is the name a screen reader hears; the caption describes it.
    controls.Sample->setAccessibleDescription(QString(caption) + " sample");
    grid->addWidget(controls.Sample, 3, 1);
    controls.Help = AddHelpButton(frame, QString("Command%1").arg(help));
    grid->addWidget(controls.Help, 0, 2);
    layout->addWidget(frame);
    return controls;
}

}  // namespace

Pformat::Pformat(Simulation& sim, QWidget* parent) : QWidget(parent), Sim(sim) {
    setObjectName("Pformat");
    setWindowTitle("Print Format");
    auto* layout = new QVBoxLayout(this);
    const ColumnControls data = ColumnFrame(this, layout, "Data Columns", 1, 1, 3);
    const ColumnControls time = ColumnFrame(this, layout, "Time Column", 3, 2, 4);
    Option1 = data.General;
    Option2 = data.UseFormat;
    Text1 = data.Before;
    Text2 = data.After;
    Label1 = data.Sample;
    Option3 = time.General;
    Option4 = time.UseFormat;
    Text3 = time.Before;
    Text4 = time.After;
    Label2 = time.Sample;

    const DoneCancelButtons buttons = AddDoneCancel(this, layout);

    for (QLineEdit* box : {Text1, Text2, Text3, Text4}) {
        connect(box, &QLineEdit::textChanged, this, &Pformat::Text_Change);
        connect(box, &QLineEdit::returnPressed, this, &Pformat::Command1_Click);
    }
    for (QPushButton* help : {data.Help, time.Help}) {
        connect(help, &QPushButton::clicked, this,
                [this] { emit HelpRequested(PrintFormatHelp.Key, PrintFormatHelp.Manual); });
    }
    connect(buttons.Done, &QPushButton::clicked, this, &Pformat::Command1_Click);
    connect(buttons.Cancel, &QPushButton::clicked, this, &Pformat::Command2_Click);
}

void Pformat::Load(const PrintFormatDialog& dialog) {
    (dialog.DataUseFormat ? Option2 : Option1)->setChecked(true);
    (dialog.TimeUseFormat ? Option4 : Option3)->setChecked(true);
    Text1->setText(QString::fromStdString(dialog.Text1));
    Text2->setText(QString::fromStdString(dialog.Text2));
    Text3->setText(QString::fromStdString(dialog.Text3));
    Text4->setText(QString::fromStdString(dialog.Text4));
    Text_Change();
}

PrintFormatDialog Pformat::Store() const {
    return {Option2->isChecked(),         Option4->isChecked(),         Text1->text().toStdString(),
            Text2->text().toStdString(), Text3->text().toStdString(), Text4->text().toStdString()};
}

void Pformat::Refresh() { Load(LoadPrintFormat(Sim.Run)); }

void Pformat::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
}

void Pformat::Text_Change() {
    const PrintFormatDialog shown = Store();
    Label1->setText(QString::fromStdString(DataFormatSample(shown.Text1, shown.Text2)));
    Label2->setText(QString::fromStdString(TimeFormatSample(shown.Text3, shown.Text4)));
}

void Pformat::Command1_Click() {
    ApplyPrintFormat(Sim.Run, Sim.History, Store());
    HideChildWindow(this);
}

void Pformat::Command2_Click() { HideChildWindow(this); }

}  // namespace quorvane
