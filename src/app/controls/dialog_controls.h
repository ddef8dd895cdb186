#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

#include <string>

#include "render/qt_colour.h"

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quorvane {

/// Model texts are UTF-8.
inline QString ToQString(const std::string& text) { return QString::fromStdString(text); }
inline std::string FromQString(const QString& text) { return text.toStdString(); }

/// One colour role of a control's palette set to a palette or RGB colour.
void SetColour(QWidget* control, QPalette::ColorRole role, Colour colour);

/// Controls named by their control names; a button's caption is its accessible name.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption);
QLineEdit* MakeField(QWidget* parent, const char* name);
QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption);
/// A label; with a buddy it names that control for assistive technology and takes its
/// mnemonic.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QWidget* buddy = nullptr);

/// The row of "Done", "Cancel" and "Help" buttons at a window's foot, named as given; Done is
/// the default button, so Enter in a field presses it.
struct DialogButtonNames {
    const char* Done = "Command1";
    const char* Cancel = "Command2";
    const char* Help = "Command3";
};
QHBoxLayout* DialogButtons(QWidget* parent, QPushButton*& done, QPushButton*& cancel, QPushButton*& help,
                           DialogButtonNames names = {});

/// A caption shown as written: "&" is not taken as a mnemonic marker ("Frequency & Amplitude").
QString LiteralCaption(const std::string& text);

/// Sets a label's caption and, when it names a control, that control's accessible name.
void ShowCaption(QLabel* label, const std::string& caption);

/// Sets a field's text only when it differs, so typing in progress keeps its cursor.
void ShowText(QLineEdit* field, const std::string& text);

/// A control that shows a value beside its caption is named "Caption: value" for assistive
/// technology, so the value is heard, not only the caption; just the caption while it is blank.
void NameWithValue(QWidget* control, const QString& caption, const QString& value);

}  // namespace quorvane
