#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/controls/picture_box.h"
#include "app/editing/fmanage.h"
#include "app/editing/form7.h"
#include "app/editing/form8.h"
#include "app/editing/form9.h"
#include "app/editing/formprop.h"
#include "app/files/gload.h"
#include "app/files/gmaint.h"
#include "app/files/gsave.h"
#include "app/shell/form3.h"
#include "app/support/app_fixture.h"
#include "app/support/window_rig.h"
#include "editing/form_slots.h"
#include "engine/run_error_report.h"

namespace quorvane {

namespace {

/// A label or read-only field that shows a value whose name for assistive technology leaves
/// that value out, so a screen reader hears only the caption beside it.
bool HidesItsValue(QWidget* control) {
    QString shown;
    if (auto* label = qobject_cast<QLabel*>(control)) shown = label->text();
    if (auto* field = qobject_cast<QLineEdit*>(control); field && field->isReadOnly()) shown = field->text();
    shown = shown.remove('&').trimmed();
    if (shown.isEmpty() || Qt::mightBeRichText(shown)) return false;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face == nullptr || !face->text(QAccessible::Name).remove('&').contains(shown);
}

/// The controls of `window` a user works, found by their control names, that either have no
/// name for assistive technology or cannot be reached with Tab, and the values hidden from it.
QStringList Unreachable(QWidget& window) {
    QStringList faults;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || !control->isVisibleTo(&window) || !control->isEnabled()) continue;
        if (HidesItsValue(control)) faults << window.objectName() + "." + control->objectName() + " hides its value";
        const bool worked = qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractButton*>(control) ||
                            qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractItemView*>(control) ||
                            qobject_cast<PictureBox*>(control) || qobject_cast<QPlainTextEdit*>(control);
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

class AccessTest : public QObject {
    Q_OBJECT
private slots:
    void EveryEditWindowIsNamedAndReachable() {
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
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }

    // After a run every result window exists; the file dialogs are there from the start.
    void EveryResultWindowAndFileDialogIsNamedAndReachable() {
        testing::ProgramUnderTest program;
        program.Start(program.Example("PID Temperature Loop"));
        MDIGen& window = *program.Window;
        Press(window.RunWindow(), "Command1");
        window.ShowRunError({" 2.5", "sec", "Reciprocal", "Op=1/Ip", "Division by zero", 1, 1});
        window.LoadWindow().Open();
        QStringList faults;
        for (const char* name : {"Form3", "Form4", "Form10", "GPlot", "Form11", "keyform", "tabview", "Pformat", "DispTim",
                                 "Fplot", "Cplot", "FFTProp"}) {
            auto* shown = window.findChild<QWidget*>(name);
            QVERIFY2(shown, name);
            faults += Unreachable(*shown);
        }
        faults += Unreachable(window.LoadWindow());
        faults += Unreachable(window.SaveWindow());
        faults += Unreachable(window.MaintenanceWindow());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::AccessTest)
#include "access_test.moc"
