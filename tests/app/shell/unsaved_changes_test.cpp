#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTest>

#include "app/files/gload.h"
#include "app/files/gsave.h"
#include "app/sheets/form1.h"
#include "app/sheets/fsim.h"
#include "app/shell/form3.h"
#include "app/support/app_fixture.h"
#include "app/support/window_rig.h"
#include "editing/block_edit.h"
#include "engine/simulation.h"
#include "storage/data_file_writer.h"

namespace quorvane {

using testing::ProgramUnderTest;

namespace {

/// An edit as a sheet makes one: the last block of form 1 deleted.
void Edit(MDIGen& window) {
    Simulation& sim = window.Model();
    QVERIFY(DeleteBlock(sim, window.SheetEditing(), 1, sim.Forms[1].BlockCount));
}

/// The model as its file would hold it.
std::string Saved(MDIGen& window) { return SimulationText(window.Model(), "model.vqe").value(); }

}  // namespace

class UnsavedChangesTest : public QObject {
    Q_OBJECT
private slots:
    void NewLoadAndExitAskOnceAndOnlyAboutChanges() {
        ProgramUnderTest program;
        const std::string lag = program.Example("First Order Lag");
        program.Start(lag);
        MDIGen& window = *program.Window;
        const Simulation& sim = window.Model();
        const QString caption = window.windowTitle();
        const QByteArray file = Bytes(lag);

        // Cancel, No and a save that fails, each asked once.
        Edit(window);
        QCOMPARE(window.windowTitle(), caption + "*");
        const std::string edited = Saved(window);
        program.Host.Clear();
        program.Host.Choices = {Answer::Cancel};
        Item(window, "MnewSim")->trigger();
        window.LoadWindow().LoadNamed(program.Example("PID Temperature Loop"));   // Cancel once empty
        QVERIFY(QDir(QString::fromStdString(program.Path())).rename("Examples", "moved"));
        program.Host.Choices = {Answer::Yes};
        Item(window, "MnewSim")->trigger();
        QVERIFY(QDir(QString::fromStdString(program.Path())).rename("moved", "Examples"));
        QCOMPARE(program.Host.Questions(), std::vector<std::string>(3, "Do you wish to save .."));
        QCOMPARE(Saved(window), edited);
        QCOMPARE(Bytes(lag), file);
        QCOMPARE(window.windowTitle(), caption + "*");

        // Yes saves the model in its own file before another is loaded.
        program.Host.Clear();
        program.Host.Choices = {Answer::Yes};
        window.LoadWindow().LoadNamed(program.Example("PID Temperature Loop"));
        QCOMPARE(program.Host.Questions().size(), size_t(1));
        QVERIFY(Bytes(lag) != file);
        QCOMPARE(window.Model().Run.SimulationTitle, std::string("PID Temperature Loop"));
        QVERIFY(!window.windowTitle().endsWith("*"));

        // Undone back to the file, and a model never touched: nothing to ask.
        Edit(window);
        window.MUndo_Click();
        QVERIFY(!window.windowTitle().endsWith("*"));
        program.Host.Clear();
        Item(window, "MnewSim")->trigger();
        QCOMPARE(sim.Forms[1].BlockCount, 0);
        window.LoadWindow().LoadNamed(lag);
        QVERIFY(program.Host.Questions().empty());

        // No gives the edits up.
        const QByteArray kept = Bytes(lag);
        Edit(window);
        program.Host.Choices = {Answer::Cancel, Answer::No};
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QVERIFY(window.close());
        QCOMPARE(program.Host.Questions().size(), size_t(2));
        QCOMPARE(Bytes(lag), kept);
    }

    void YesForAModelWithoutAFileGoesOnOnlyOnceTheDialogSaved() {
        ProgramUnderTest program;
        program.Start();
        MDIGen& window = *program.Window;
        Gsave& dialog = window.SaveWindow();
        TakeFromToolbox(window.Toolbox(), window.Sheet(1), 1, {80, 80});
        QCOMPARE(window.Model().Forms[1].BlockCount, 1);

        program.Host.Choices = {Answer::Yes, Answer::Yes};
        Item(window, "MnewSim")->trigger();
        QVERIFY(dialog.isVisible());
        QVERIFY(Control<QPushButton>(dialog, "Command3")->isHidden());
        Press(dialog, "Command2");   // Cancel: the model stays
        QCOMPARE(window.Model().Forms[1].BlockCount, 1);

        Item(window, "MnewSim")->trigger();
        const std::string path = program.Path("Kept.vqe");
        Retype(dialog, "Text1", QString::fromStdString(path));
        Press(dialog, "Command1");
        QVERIFY(!dialog.isVisible());
        QVERIFY(Bytes(path).startsWith("\"Kept.vqe\"\r\n"));
        QCOMPARE(window.Model().Forms[1].BlockCount, 0);
        QVERIFY(window.Program().NewModel);
    }

    void ClosingASheetWithBlocksAsksAndNoKeepsThem() {
        ProgramUnderTest program;
        program.Start(program.Example("Two Sheet Model"));
        MDIGen& window = *program.Window;
        const Simulation& sim = window.Model();
        const std::string before = Saved(window);
        auto* frame = qobject_cast<QMdiSubWindow*>(window.Sheet(2).parentWidget());
        QVERIFY(frame);
        program.Host.Clear();
        frame->close();   // the title bar's close button
        QCOMPARE(program.Host.Questions().size(), size_t(1));   // its text is the form manager's
        QVERIFY(window.Sheet(2).isVisible());
        QCOMPARE(Saved(window), before);

        program.Host.Answers = {true};
        frame->close();
        QVERIFY(!window.Sheet(2).isVisible());
        QCOMPARE(sim.Forms[2].InUse, 0);
        QVERIFY(window.windowTitle().endsWith("*"));
    }

    void ALoadClearsTheNotesOfThePreviousRun() {
        ProgramUnderTest program;
        program.Start();
        MDIGen& window = *program.Window;
        RunWindow shown = window.RunWindow().Window();
        shown.Label14 = "(  adjusted to  102.4 )";
        shown.Text6 = " 0.2";
        window.RunWindow().Load(shown);
        window.LoadWindow().LoadNamed(program.Example("First Order Lag"));
        QCOMPARE(window.RunWindow().findChild<QLabel*>("Label14")->text(), QString());
        QCOMPARE(window.RunWindow().Window().Text6, std::string(" "));
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::UnsavedChangesTest)
#include "unsaved_changes_test.moc"
