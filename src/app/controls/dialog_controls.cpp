#include "app/controls/dialog_controls.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/canvas.h"

namespace quorvane {

void SetColour(QWidget* control, QPalette::ColorRole role, Colour colour) {
    QPalette palette = control->palette();
    palette.setColor(role, ToQColor(colour));
    control->setPalette(palette);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    return button;
}

QLineEdit* MakeField(QWidget* parent, const char* name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    return field;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    if (buddy) label->setBuddy(buddy);
    ShowCaption(label, FromQString(caption));
    return label;
}

QHBoxLayout* DialogButtons(QWidget* parent, QPushButton*& done, QPushButton*& cancel, QPushButton*& help,
                           DialogButtonNames names) {
    done = MakeButton(parent, names.Done, "Done");
    cancel = MakeButton(parent, names.Cancel, "Cancel");
    help = MakeButton(parent, names.Help, "Help");
    done->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(done);
    row->addWidget(cancel);
    row->addWidget(help);
    return row;
}

QString LiteralCaption(const std::string& text) { return ToQString(text).replace('&', "&&"); }

void ShowCaption(QLabel* label, const std::string& caption) {
    label->setText(LiteralCaption(caption));
    if (label->buddy()) label->buddy()->setAccessibleName(ToQString(caption));
}

void ShowText(QLineEdit* field, const std::string& text) {
    const QString shown = ToQString(text);
    if (field->text() != shown) field->setText(shown);
}

void NameWithValue(QWidget* control, const QString& caption, const QString& value) {
    const QString shown = value.trimmed();
    control->setAccessibleName(shown.isEmpty() ? caption : caption + ": " + shown);
}

}  // namespace quorvane
