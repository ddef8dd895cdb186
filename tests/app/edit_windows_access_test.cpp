#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

#include "app/fmanage.h"
#include "app/form7.h"
#include "app/form8.h"
#include "app/form9.h"
#include "app/formprop.h"
#include "editing/form_slots.h"
#include "window_rig.h"

namespace quorvane {

namespace {

/// The controls of `window` a user works, found by their control names, that either have no
/// name for assistive technology or cannot be reached with Tab.
QStringList Unreachable(QWidget& window) {
    QStringList faults;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || !control->isVisibleTo(&window) || !control->isEnabled()) continue;
        const bool worked = qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractButton*>(control) ||
                            qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractItemView*>(control) ||
                            qobject_cast<QAbstractSlider*>(control);
        if (!worked) continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        if (face == nullptr || face->text(QAccessible::Name).trimmed().isEmpty()) {
            faults << window.objectName() + "." + control->objectName() + " has no name";
        }
        if (!(control->focusPolicy() & Qt::TabFocus)) {
            faults << window.objectName() + "." + control->objectName() + " cannot be reached with Tab";
        }
    }
    return faults;
}

}  // namespace

class EditWindowsAccessTest : public QObject {
    Q_OBJECT
private slots:
    void EveryControlIsNamedAndReachable() {
        TestSimulation rig(Begin::Started);
        AllocateForm(rig.Sim);
        const int input = rig.Place(1, 48);
        const int output = rig.Place(2, 50);
        QStringList faults;
        Form8 block(rig.Sim);
        // A gain, a PID controller, a chirp and a PRBS generator show every kind of field.
        for (int code : {6, 36, 60, 41}) {
            block.Open(1, rig.Place(1, code, 2400, 2400));
            faults += Unreachable(block);
        }
        FormProp form(rig.Sim);
        form.Open(1);
        faults += Unreachable(form);
        Form7 in(rig.Sim);
        in.Open(1, input);
        faults += Unreachable(in);
        Form9 out(rig.Sim);
        out.Open(2, output);
        faults += Unreachable(out);
        Fmanage manager(rig.Sim);
        manager.show();
        faults += Unreachable(manager);
        QCOMPARE(faults, QStringList());
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::EditWindowsAccessTest)
#include "edit_windows_access_test.moc"
