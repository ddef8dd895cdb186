#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include <algorithm>

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

/// Sheet 1 holds a constant feeding `displays` Display blocks.
void ConstantOnDisplays(Simulation& sim, int displays) {
    SimulationForm& sheet = sim.Forms[1];
    const int source = AddBlock(sheet, 1, "One", {}, 1);
    for (int d = 0; d < displays; ++d) ConnectBlocks(sheet, source, AddBlock(sheet, 42, "Show"));
}

QColor Lamp(Form3& form) { return Control<QWidget>(form, "Shape1")->palette().color(QPalette::Window); }

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
            // The PRBS run stretches its stop time and says so; the lag run's figure is a rounding error.
            QVERIFY(std::string(example) == "First Order Lag" ? expected.Text4 != "Not Relevant" : !expected.Label14.empty());
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

    // Typing in the middle of a box keeps the caret where it is and the box's undo.
    void TypingMidTextKeepsTheCaretAndUndo() {
        ProgramUnderTest program;
        program.Start();
        Form3& form = program.Window->RunWindow();
        auto* stop = Control<QLineEdit>(form, "Text2");
        Retype(form, "Text2", "10");
        stop->setCursorPosition(1);
        QTest::keyClicks(stop, "57");
        QCOMPARE(stop->text(), QString("1570"));
        QCOMPARE(program.Window->Model().Run.StopTime, 1570.0f);
        QTest::keyClick(stop, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(stop->text(), QString("10"));
        QCOMPARE(program.Window->Model().Run.StopTime, 10.0f);
    }

    // While the progress prompt stands, the lamp is red and the CPU time shows the time so far.
    void TheLampAndTheTimeShowWhileTheRunGoes() {
        ProgramUnderTest program;
        program.Start();
        ConstantOnDisplays(program.Window->Model(), 1);
        Form3& form = program.Window->RunWindow();
        program.Host.ElapsedStep = 4;   // seconds per reading: the prompt comes after a few samples
        program.Host.Answers = {true};
        QColor lamp;
        QString cpu;
        program.Host.WhileShown = [&](const RecordingHost::Entry&) {
            lamp = Lamp(form);
            cpu = Text(form, "Text6");
        };
        Press(form, "Command1");
        QVERIFY(std::ranges::any_of(program.Host.Log, [](const RecordingHost::Entry& entry) {
            return entry.What == RecordingHost::Kind::Question;
        }));
        QCOMPARE(lamp, QColor(255, 0, 0));
        QCOMPARE(cpu, QString("12.000"));
        QCOMPARE(Lamp(form), QColor(128, 128, 128));
    }

    // A box that holds no number, or a manual step longer than the run, is refused naming the
    // box; Escape with no run going interrupts nothing.
    void RefusesBoxesThatAreNoNumbersAndStepsLongerThanTheRun() {
        ProgramUnderTest program;
        program.Start();
        Form3& form = program.Window->RunWindow();
        struct Case {
            const char* Box;
            const char* Typed;
            bool Manual;
            const char* Message;
        };
        for (const Case& c : {Case{"Text3", "xyz", false, "Time Step must be a number"},
                              Case{"Text2", "abc", false, "Stop Time must be a number"},
                              Case{"Text1", "", false, "Start Time must be a number"},
                              Case{"Text7", "1x", false, "Graph data Interval must be a number"},
                              Case{"Text3", "1e30", true, "Time step is too large compared to time interval"}}) {
            for (auto [box, text] : {std::pair{"Text1", "0"}, {"Text2", "600"}, {"Text3", "0.1"}, {"Text7", "1"}, {"Text8", "1"}})
                Retype(form, box, text);
            Control<QCheckBox>(form, "Check1")->setChecked(c.Manual);
            Retype(form, c.Box, c.Typed);
            program.Host.Clear();
            Press(form, "Command1");
            QCOMPARE(program.Host.Messages(), std::vector<std::string>{c.Message});
            QCOMPARE(program.Window->Model().Display.RecordedCount, 0);
        }
        program.Host.Clear();
        QTest::keyClick(Control<QLineEdit>(form, "Text2"), Qt::Key_Escape);
        QTest::keyClick(&form, 'x');
        QVERIFY(program.Host.Log.empty());
    }

    // Thirty Display blocks are mentioned once, and the time taken to answer does not count
    // towards the progress prompt.
    void TooManyDisplaysIsSaidOnceAndNotTimed() {
        ProgramUnderTest program;
        program.Start();
        ConstantOnDisplays(program.Window->Model(), 30);
        program.Host.Clear();
        program.Host.WhileShown = [&program](const RecordingHost::Entry&) { program.Host.Elapsed += 100; };
        Press(program.Window->RunWindow(), "Command1");
        QCOMPARE(program.Host.Messages(),
                 std::vector<std::string>{"Too many Display blocks - the first ten will be displayed "});
        QVERIFY(std::ranges::none_of(program.Host.Log, [](const RecordingHost::Entry& entry) {
            return entry.What == RecordingHost::Kind::Question;
        }));
    }

    // A key typed in the run window while the run's prompt stands stops the run.
    void AKeyPressInterruptsTheRun() {
        ProgramUnderTest program;
        program.Start();
        ConstantOnDisplays(program.Window->Model(), 1);
        program.Host.Clear();
        Form3& form = program.Window->RunWindow();
        program.Host.ElapsedStep = 4;
        program.Host.WhileShown = [&form](const RecordingHost::Entry& entry) {
            if (entry.What != RecordingHost::Kind::Question) return;
            QTest::keyClick(&form, Qt::Key_Left);   // not a typed key
            QTest::keyClick(&form, 'x');
        };
        Press(form, "Command1");
        QCOMPARE(program.Host.Messages(), std::vector<std::string>{"interrupted"});
        QVERIFY(program.Window->Model().Status.CurrentTime < program.Window->Model().Run.StopTime);
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
