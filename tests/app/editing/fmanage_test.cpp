#include <QCheckBox>
#include <QLabel>

#include "app/editing/fmanage.h"
#include "app/support/window_rig.h"
#include "editing/form_slots.h"

namespace quorvane {

class FmanageTest : public QObject {
    Q_OBJECT
private slots:
    void GridFollowsLoadingAndUnloading() {
        TestSimulation rig(Begin::Started);
        rig.Place(1, 6);
        Fmanage window(rig.Sim);
        window.show();
        QCOMPARE(window.windowTitle(), QString("Simulation Form Manager"));
        // The rows show the core's view of the slots (checked there); here, that it reaches the grid.
        QCOMPARE(Control<QLabel>(window, "Label9")->text(), QString("1"));
        QCOMPARE(Control<QLabel>(window, "Label1_0")->text(), QString("Unnamed Form  1"));
        QCOMPARE(Control<QLabel>(window, "Label7_0")->text(), QString("1"));
        QCOMPARE(Control<QLabel>(window, "Label2_9")->text(), QString("Unavailable"));
        QVERIFY(!Control<QPushButton>(window, "Command1_9")->isEnabled());

        Press(window, "Command4");
        Press(window, "Command4");
        QCOMPARE(Control<QLabel>(window, "Label9")->text(), QString("3"));
        QVERIFY(Control<QPushButton>(window, "Command1_2")->isEnabled());

        // Unload asks first for a form holding blocks (the slot rules are the form manager's).
        rig.Host.Answers = {true};
        Press(window, "Command1_0");
        QCOMPARE(rig.Host.Questions().size(), size_t(1));
        QCOMPARE(Control<QLabel>(window, "Label1_0")->text(), QString("Available 1"));
        QVERIFY(!Control<QCheckBox>(window, "Check1_0")->isEnabled());
        QCOMPARE(Control<QLabel>(window, "Label9")->text(), QString("2"));

        Press(window, "Command5");
        QVERIFY(!window.isVisible());
    }

    void RunBoxChoosesTheFormToRun() {
        TestSimulation rig(Begin::Started);
        AllocateForm(rig.Sim);
        Fmanage window(rig.Sim);
        window.show();
        auto* first = Control<QCheckBox>(window, "Check1_0");
        QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(5, first->height() / 2));
        QCOMPARE(rig.Sim.Forms[1].RunSelected, 0);
        auto* second = Control<QCheckBox>(window, "Check1_1");
        QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(5, second->height() / 2));
        QCOMPARE(rig.Sim.Forms[2].RunSelected, 1);
        QVERIFY(second->isChecked());
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::FmanageTest)
#include "fmanage_test.moc"
