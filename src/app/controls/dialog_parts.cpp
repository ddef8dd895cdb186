#include "app/controls/dialog_parts.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/controls/twips.h"

namespace quorvane {

void PlaceInTwips(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

DoneCancelButtons AddDoneCancel(QWidget* dialog, QBoxLayout* layout) {
    DoneCancelButtons buttons{new QPushButton("Done", dialog), new QPushButton("Cancel", dialog)};
    buttons.Done->setObjectName("Command1");
    buttons.Done->setDefault(true);
    buttons.Cancel->setObjectName("Command2");
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(buttons.Done);
    row->addWidget(buttons.Cancel);
    layout->addLayout(row);
    return buttons;
}

OptionPair AddOptionPair(QWidget* frame, QGridLayout* grid, int row, const QString& first, const QString& second) {
    OptionPair pair{new QRadioButton(first, frame), new QRadioButton(second, frame)};
    auto* group = new QButtonGroup(frame);
    group->addButton(pair.First);
    group->addButton(pair.Second);
    grid->addWidget(pair.First, row, 0);
    grid->addWidget(pair.Second, row, 1);
    return pair;
}

QLineEdit* AddCaptionedBox(QWidget* frame, QGridLayout* grid, int row, const QString& caption, QLabel** label) {
    auto* captionLabel = new QLabel(caption, frame);
    auto* box = new QLineEdit(frame);
    captionLabel->setBuddy(box);
    box->setAccessibleName(caption);
    grid->addWidget(captionLabel, row, 0);
    grid->addWidget(box, row, 1);
    if (label) *label = captionLabel;
    return box;
}

QPushButton* AddHelpButton(QWidget* parent, const QString& name) {
    auto* button = new QPushButton("?", parent);
    button->setObjectName(name);
    button->setAccessibleName("Help");
    button->setToolTip("Help");
    button->setMaximumWidth(button->sizeHint().height() * 3 / 2);
    return button;
}

}  // namespace quorvane
