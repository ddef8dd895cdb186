#include "app/editing/edit_dialog.h"

#include <QWidget>

namespace quorvane {

void EditDialog::ShowWithFocus(QWidget* field) {
    show();
    raise();
    activateWindow();
    field->setFocus();
}

void EditDialog::hideEvent(QHideEvent* event) {
    if (QWidget* focused = focusWidget()) focused->clearFocus();
    QDialog::hideEvent(event);
}

}  // namespace quorvane
