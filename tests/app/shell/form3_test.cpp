#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include "app/sheets/fsim.h"
#include "app/shell/form10.h"
#include "app/shell/form3.h"
#include "app/shell/form4.h"
#include "app/support/app_fixture.h"
#include "app/support/result_run.h"
#include "app/support/window_rig.h"
#include "engine/audit_report.h"

namespace quorvane {

using testing::ProgramUnderTest;

namespace {

/// The run window of a headless run of the same file, to compare the desktop's with.
RunWindow HeadlessRun(const std::string& path) {
    ResultRun run;
    LoadSimulation(run.Sim, path);
    WindowHandOff nowhere;
    run.RunLoaded(nowhere);
    return run.Window;
}

QString Text(QWidget& window, const char* name) { return Control<QLineEdit>(window, name)->text(); }

}  // namespace

class Form3Test : public QObject {
    Q_OBJECT
private slots:
    void RunFromTheCommandLineFillsTheFigures() {
        for (const char* example : {"First Order Lag", "PRBS Identification"}) {
            ProgramUnderTest program;
            program.Start(program.Example(example));
            Form3& form = program.Window->RunWindow();
            QTest::mouseClick(Control<QPushButton>(form, "Command1"), Qt::LeftButton);

            const RunWindow expected = HeadlessRun(program.Example(example));
            QCOMPARE(Text(form, "Text3").toStdString(), expected.Text3);
            QCOMPARE(Text(form, "Text4").toStdString(), expected.Text4);
            QCOMPARE(Control<QLabel>(form, "Label14")->text().toStdString(), expected.Label14);
            QVERIFY2(QRegularExpression("^ *\\d+\\.\\d\\d$").match(Text(form, "Text6")).hasMatch(),
                     qPrintable(Text(form, "Text6")));
            const Colour colour = expected.Text4Colour;
            QCOMPARE(Control<QLineEdit>(form, "Text4")->palette().color(QPalette::Text),
                     QColor(colour.Red, colour.Green, colour.Blue));
            QCOMPARE(Control<QWidget>(form, "Shape1")->palette().color(QPalette::Window), QColor(128, 128, 128));
            QVERIFY(!program.Window->Model().Status.RunInProgress);
        }
        // The PRBS run stretches its stop time and says so; the lag run's figure is a rounding error.
        QVERIFY(!HeadlessRun(ProgramUnderTest().Example("PRBS Identification")).Label14.empty());
        QVERIFY(HeadlessRun(ProgramUnderTest().Example("First Order Lag")).Text4 != "Not Relevant");
    }

    void BoxesStoreAsTheyChangeAndActivationShowsTheSettings() {
        ProgramUnderTest program;
        program.Start();
        Form3& form = program.Window->RunWindow();
        Simulation& sim = program.Window->Model();
        auto* units = Control<QLineEdit>(form, "Text5");
        units->selectAll();
        QTest::keyClicks(units, "min");
        QCOMPARE(sim.Run.TimeUnits, std::string("min"));
        QCOMPARE(Control<QLabel>(form, "Label13")->text(), QString("(min)"));
        QCOMPARE(Control<QLabel>(form, "Label5")->text(), QString("min"));
        Control<QCheckBox>(form, "Check4")->click();
        QVERIFY(sim.Run.FftEnabled);

        sim.Run.StopTime = 25;
        sim.Run.TimeStep = 0.25f;
        form.Form_Activate();
        QCOMPARE(Text(form, "Text2"), QString("25"));
        QCOMPARE(Text(form, "Text3"), QString("0.25"));

        // Every box has its label's caption, every option its own, for a screen reader.
        QCOMPARE(Control<QLabel>(form, "Label1")->buddy(), Control<QWidget>(form, "Text1"));
        QCOMPARE(Control<QLabel>(form, "Label11")->buddy(), Control<QWidget>(form, "Text4"));
    }

    void AKeyPressInterruptsTheRun() {
        ProgramUnderTest program;
        program.Start();
        program.Host.Clear();
        Form3& form = program.Window->RunWindow();
        program.Window->Model().Status.RunInProgress = true;
        QTest::keyClick(&form, Qt::Key_Left);   // not a typed key
        QVERIFY(program.Window->Model().Status.RunInProgress);
        QTest::keyClick(&form, 'x');
        QVERIFY(!program.Window->Model().Status.RunInProgress);
        QCOMPARE(program.Host.Messages(), std::vector<std::string>{"interrupted"});
    }

    void ADivisionByZeroOpensTheRunErrorWindowAtTheBlock() {
        ProgramUnderTest program;
        program.Start();
        Simulation& sim = program.Window->Model();
        SimulationForm& sheet = sim.Forms[1];
        AddBlock(sheet, 1, "One", {}, 1);
        AddBlock(sheet, 1, "Nothing");
        const int ratio = AddBlock(sheet, 18, "Ratio");
        AddBlock(sheet, 42, "Show");
        ConnectBlocks(sheet, 1, ratio, 1);
        ConnectBlocks(sheet, 2, ratio, 2);
        ConnectBlocks(sheet, ratio, 4);
        sheet.Blocks[ratio].Left = 1800;
        sheet.Blocks[ratio].Top = 720;
        QTest::mouseClick(Control<QPushButton>(program.Window->RunWindow(), "Command1"), Qt::LeftButton);

        Form10& error = program.Window->RunErrorWindow();
        QVERIFY(error.isVisible());
        QCOMPARE(error.windowTitle(), QString("Error Encountered When Running Smulation"));
        QCOMPARE(Control<QLabel>(error, "Label2")->text(), QString("0"));
        QCOMPARE(Control<QLabel>(error, "Label3")->text(), QString("sec"));
        QCOMPARE(Control<QLabel>(error, "Label5")->text(), QString("Ratio"));
        QCOMPARE(Control<QLabel>(error, "Label7")->text(), QString("Op=Ip1/ Ip2"));
        QCOMPARE(Control<QLabel>(error, "Label9")->text(), QString("Division by zero"));
        // Ordering renumbers the blocks; the window stands at the failing block's place.
        const QPoint place = error.parentWidget()->pos();
        QCOMPARE(place, QPoint(1800 / 15, 720 / 15));
        // Marker 0 stands at the failing block until another window takes the focus.
        QLabel* marker = nullptr;
        for (QLabel* image : program.Window->Sheet(1).findChildren<QLabel*>("Image3"))
            if (image->property("Index").toInt() == 0) marker = image;
        QVERIFY(marker && marker->isVisible() && marker->isEnabled());
        QCOMPARE(marker->x(), 1800 / 15);
        program.Window->Client().setActiveSubWindow(qobject_cast<QMdiSubWindow*>(program.Window->RunWindow().parentWidget()));
        QVERIFY(!marker->isVisible() && !marker->isEnabled());
    }

    void AuditPrintsTheReportLineByLine() {
        ProgramUnderTest program;
        program.Start(program.Example("Two Sheet Model"));
        QTest::mouseClick(Control<QPushButton>(program.Window->RunWindow(), "Command3"), Qt::LeftButton);
        Form4& audit = program.Window->AuditWindow();
        QVERIFY(audit.isVisible());
        QCOMPARE(audit.windowTitle(), QString("Audit Report"));
        const std::vector<std::string> expected = AuditReport(program.Window->Model());
        QVERIFY(expected.size() > 20);
        QCOMPARE(audit.Lines(), expected);
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::Form3Test)
#include "form3_test.moc"
