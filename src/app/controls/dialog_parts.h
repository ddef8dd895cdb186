#pragma once

#include <QString>

class QBoxLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace quorvane {

/// A control placed by twips within its window.
void PlaceInTwips(QWidget* control, int left, int top, int width, int height);

/// "Done" (Command1, the default button, also pressed by Enter in a box) and "Cancel"
/// (Command2) at the foot of a dialog.
struct DoneCancelButtons {
    QPushButton* Done = nullptr;
    QPushButton* Cancel = nullptr;
};
DoneCancelButtons AddDoneCancel(QWidget* dialog, QBoxLayout* layout);

/// Two option buttons of one group in a grid row.
struct OptionPair {
    QRadioButton* First = nullptr;
    QRadioButton* Second = nullptr;
};
OptionPair AddOptionPair(QWidget* frame, QGridLayout* grid, int row, const QString& first, const QString& second);

/// A text box with its caption (the box's accessible name) in a grid row; the caption label
/// comes back through `label` when asked for.
QLineEdit* AddCaptionedBox(QWidget* frame, QGridLayout* grid, int row, const QString& caption,
                           QLabel** label = nullptr);

/// A caption-less help button ("?" on its face).
QPushButton* AddHelpButton(QWidget* parent, const QString& name);

}  // namespace quorvane
