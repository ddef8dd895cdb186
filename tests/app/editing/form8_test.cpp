#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>

#include "app/editing/form8.h"
#include "app/support/window_rig.h"

namespace quorvane {

class Form8Test : public QObject {
    Q_OBJECT
private slots:
    void RefusedEntryStaysUntilCorrected() {
        TestSimulation rig(Begin::Started);
        const int gain = rig.Place(1, 6);
        rig.Windows.Redraws = 0;
        Form8 window(rig.Sim);
        QSignalSpy edited(&window, &Form8::BlockEdited);
        window.Open(1, gain);
        QCOMPARE(window.windowTitle(), QString("Unnamed Form  1 (Block  1)       Op=G*Ip"));
        QCOMPARE(Control<QLineEdit>(window, "Text7")->text(), QString("1"));
        QCOMPARE(Control<QLabel>(window, "Label8")->text(), QString("Gain"));
        QVERIFY(Control<QGroupBox>(window, "Frame1")->isHidden());

        Retype(window, "Text1", "Feedback");
        Retype(window, "Text7", "-1");
        Press(window, "Command2");
        QCOMPARE(rig.Host.Messages(), std::vector<std::string>{"Gain cannot be negative or zero"});
        QVERIFY(window.isVisible());
        QCOMPARE(Control<QLineEdit>(window, "Text7")->text(), QString("-1"));
        QCOMPARE(rig.At(gain).Title, std::string("Feedback"));
        QCOMPARE(rig.At(gain).Constant[1], 1.0f);
        QCOMPARE(edited.count(), 0);

        Retype(window, "Text7", "2.5");
        Press(window, "Command2");
        QVERIFY(!window.isVisible());
        QCOMPARE(rig.At(gain).Constant[1], 2.5f);
        QCOMPARE(rig.Windows.Redraws, 1);
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.at(0).at(0).toInt(), 1);
        QCOMPARE(window.EditBlock(), 0);
    }

    void EnterInTheUnitsFieldActsAsDone() {
        TestSimulation rig(Begin::Started);
        const int pid = rig.Place(1, 36);
        Form8 window(rig.Sim);
        window.Open(1, pid);
        QCOMPARE(Control<QGroupBox>(window, "Frame1")->title(), QString("Integral Wind-up Limits"));
        QCOMPARE(Control<QLineEdit>(window, "Text3")->text(), QString("none"));
        QCOMPARE(Control<QLineEdit>(window, "Text4")->text(), QString("none"));
        Retype(window, "Text7", "2");
        Retype(window, "Text8", "0.5");
        Retype(window, "Text9", "0.1");
        Retype(window, "Text4", "-5");
        Retype(window, "Text2", "kW");
        QTest::keyClick(Control<QLineEdit>(window, "Text2"), Qt::Key_Return);
        QVERIFY(!window.isVisible());
        QCOMPARE(rig.At(pid).Units, std::string("kW"));
        QCOMPARE(rig.At(pid).SatLow, -5.0f);
        QCOMPARE(rig.At(pid).SatHigh, NoHighLimit);
        QCOMPARE(rig.At(pid).Constant[3], 0.1f);
        QVERIFY(rig.Host.Log.empty());
    }

    void CancelAndEscapeStoreNothing() {
        TestSimulation rig(Begin::Started);
        const int lag = rig.Place(1, 10);
        rig.Windows.Redraws = 0;
        Form8 window(rig.Sim);
        for (const bool escape : {false, true}) {
            window.Open(1, lag);
            Retype(window, "Text1", "changed");
            if (escape) QTest::keyClick(Control<QLineEdit>(window, "Text1"), Qt::Key_Escape);
            else Press(window, "Command1");
            QVERIFY(!window.isVisible());
            QCOMPARE(rig.At(lag).Title, std::string("Lag"));
            QCOMPARE(window.EditForm(), 0);
        }
        QCOMPARE(rig.Windows.Redraws, 0);
    }

    void ChirpTimeSpanFollowsItsBox() {
        TestSimulation rig(Begin::Started);
        rig.Sim.Run.StopTime = 25;
        const int chirp = rig.Place(1, 60);
        Form8 window(rig.Sim);
        window.Open(1, chirp);
        auto* check = Control<QCheckBox>(window, "Check1");
        auto* span = Control<QLineEdit>(window, "Text9");
        QVERIFY(check->isVisible());

        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
        QVERIFY(!span->isEnabled());
        QCOMPARE(span->text(), QString("25"));

        Retype(window, "Text7", "2");
        QCOMPARE(span->toolTip(), QString("Recommended Time Span:  30"));
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
        QVERIFY(span->isEnabled());
        QCOMPARE(span->text(), QString("0"));
        QCOMPARE(Control<QLineEdit>(window, "Text7")->text(), QString("2"));   // typing kept
    }

    void PrbsDurationShowsAutoApart() {
        TestSimulation rig(Begin::Started);
        const int prbs = rig.Place(1, 41);
        Form8 window(rig.Sim);
        window.Open(1, prbs);
        auto* duration = Control<QLineEdit>(window, "Text8");
        QCOMPARE(duration->text(), QString("AUTO"));
        QVERIFY(duration->palette().color(QPalette::Text) !=
                Control<QLineEdit>(window, "Text7")->palette().color(QPalette::Text));
        Retype(window, "Text7", "2.5");
        Press(window, "Command2");
        QVERIFY(!window.isVisible());
        QCOMPARE(rig.At(prbs).Constant[1], 2.5f);
        QCOMPARE(rig.At(prbs).Constant[2], 10.0f);
    }

    void HelpAndDisplayBlocks() {
        TestSimulation rig(Begin::Started);
        const int delay = rig.Place(1, 38);
        const int display = rig.Place(1, 43);
        Form8 window(rig.Sim);
        QSignalSpy help(&window, &Form8::HelpRequested);
        window.Open(1, delay);
        QCOMPARE(Control<QLabel>(window, "Label10")->text(), QString("3000. sec)"));
        Press(window, "Command3");
        rig.Host.Answers = {true, false};
        window.Open(1, display);
        QVERIFY(!window.isVisible());
        window.Open(1, display);
        QCOMPARE(rig.Host.Questions().size(), size_t(2));
        QCOMPARE(help.count(), 2);
        QCOMPARE(help.at(0), (QList<QVariant>{38, 1}));
        QCOMPARE(help.at(1), (QList<QVariant>{43, 1}));
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::Form8Test)
#include "form8_test.moc"
