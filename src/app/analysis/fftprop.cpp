#include "app/analysis/fftprop.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/controls/child_window.h"
#include "app/controls/dialog_parts.h"
#include "engine/simulation.h"

namespace quorvane {

FFTProp::FFTProp(Simulation& sim, QWidget* parent) : QWidget(parent), Sim(sim) {
    setObjectName("FFTProp");
    setWindowTitle("FFT Properties");

    auto* layout = new QVBoxLayout(this);
    auto* sizeLabel = new QLabel("FFT &Target Size", this);
    sizeLabel->setObjectName("Label1");
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setAccessibleName("FFT Target Size");
    sizeLabel->setBuddy(List1);
    layout->addWidget(sizeLabel);
    layout->addWidget(List1);

    auto* frame = new QGroupBox("PRBS Time Duration", this);
    frame->setObjectName("Frame1");
    auto* grid = new QGridLayout(frame);
    const OptionPair options = AddOptionPair(frame, grid, 0, "Automatic", "Manual");
    Option1 = options.First;
    Option1->setObjectName("Option1");
    Option2 = options.Second;
    Option2->setObjectName("Option2");
    layout->addWidget(frame);

    auto* levelGrid = new QGridLayout;
    QLabel* levelLabel = nullptr;
    Text1 = AddCaptionedBox(this, levelGrid, 0, "FFT Phase Min. Level", &levelLabel);
    Text1->setObjectName("Text1");
    levelLabel->setObjectName("Label2");
    layout->addLayout(levelGrid);

    const DoneCancelButtons buttons = AddDoneCancel(this, layout);
    connect(buttons.Done, &QPushButton::clicked, this, &FFTProp::Command1_Click);
    connect(buttons.Cancel, &QPushButton::clicked, this, &FFTProp::Command2_Click);
}

void FFTProp::Load(const FftPropertiesDialog& dialog) {
    List1->clear();
    for (int size : FftTargetSizes) List1->addItem(QString::number(size));
    List1->setCurrentRow(dialog.List1);
    (dialog.Manual ? Option2 : Option1)->setChecked(true);
    Text1->setText(QString::fromStdString(dialog.Text1));
}

FftPropertiesDialog FFTProp::Store() const {
    return {List1->currentRow(), Option2->isChecked(), Text1->text().toStdString()};
}

void FFTProp::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Load(LoadFftProperties(Sim));
}

void FFTProp::keyPressEvent(QKeyEvent* event) {
    // Enter in the list, on an option or in the level box presses "Done"; they pass it on.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Command1_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FFTProp::Command1_Click() {
    if (!ApplyFftProperties(Sim, Store())) {
        Text1->setFocus();
        Text1->selectAll();
        return;
    }
    HideChildWindow(this);
}

void FFTProp::Command2_Click() { HideChildWindow(this); }

}  // namespace quorvane
