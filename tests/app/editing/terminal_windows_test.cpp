#include <QComboBox>
#include <QSignalSpy>

#include "app/editing/form7.h"
#include "app/editing/form9.h"
#include "app/support/window_rig.h"
#include "editing/form_slots.h"

namespace quorvane {

class TerminalWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void ChoosingAnOutputTerminalLinksTheInput() {
        TestSimulation rig(Begin::Started);
        AllocateForm(rig.Sim);
        const int input = rig.Place(1, 48);
        const int output = rig.Place(2, 50);
        rig.Sim.Forms[2].Blocks[output].Title = "Speed";
        rig.Windows.Redraws = 0;
        Form7 window(rig.Sim);
        QSignalSpy edited(&window, &Form7::BlockEdited);
        window.Open(1, input);
        QCOMPARE(window.windowTitle(), QString("Form  1 Block  1 - Input Terminal  1"));
        auto* list = Control<QComboBox>(window, "Combo1");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->itemText(0), QString("Select Connection"));
        QCOMPARE(list->itemText(1), QString("Unnamed Form  2  Terminal: 1  (Speed )"));
        QCOMPARE(list->currentIndex(), 0);

        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);   // the link itself is the terminal dialog's rule
        QCOMPARE(rig.At(input).Constant[3], static_cast<float>(output));

        Retype(window, "Text1", "Measured speed");
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!window.isVisible());
        QCOMPARE(rig.At(input).Title, std::string("Measured speed"));
        QCOMPARE(rig.Windows.Redraws, 1);
        QCOMPARE(edited.count(), 1);

        window.Open(1, input);
        QCOMPARE(list->currentIndex(), 1);
        Retype(window, "Text1", "dropped");
        Press(window, "Command2");
        QVERIFY(!window.isVisible());
        QCOMPARE(rig.At(input).Title, std::string("Measured speed"));
    }

    void OutputTerminalTitleAndUnits() {
        TestSimulation rig(Begin::Started);
        rig.Place(1, 6);
        const int output = rig.Place(1, 51);
        Form9 window(rig.Sim);
        QSignalSpy help(&window, &Form9::HelpRequested);
        window.Open(1, output);
        QCOMPARE(window.windowTitle(), QString("Form  1 Block  2 - Output Terminal  1"));
        Press(window, "Command3");
        QCOMPARE(help.at(0), (QList<QVariant>{51, 1}));
        Retype(window, "Text2", "rpm");
        Retype(window, "Text1", "Speed");
        QTest::keyClick(Control<QLineEdit>(window, "Text1"), Qt::Key_Return);
        QVERIFY(!window.isVisible());
        QCOMPARE(rig.At(output).Title, std::string("Speed"));
        QCOMPARE(rig.At(output).Units, std::string("rpm"));
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::TerminalWindowsTest)
#include "terminal_windows_test.moc"
