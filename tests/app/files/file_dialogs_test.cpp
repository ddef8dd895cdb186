#include <QAction>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QTest>

#include "app/controls/dialog_controls.h"
#include "app/files/file_browser.h"
#include "app/files/gload.h"
#include "app/files/gmaint.h"
#include "app/files/gsave.h"
#include "app/sheets/fsim.h"
#include "app/support/app_fixture.h"
#include "app/support/window_rig.h"
#include "engine/simulation.h"
#include "model/edit_history.h"
#include "storage/data_file_writer.h"
#include "platform/canvas.h"

namespace quorvane {

using testing::ProgramUnderTest;

namespace {

/// Clicks a file of the list once the folder has been read.
bool ClickFile(FileDialog& dialog, const QString& name) {
    auto* list = Control<QListView>(dialog, "File1");
    if (!QTest::qWaitFor([&] { return dialog.Lists().Files().contains(name); })) return false;
    const int row = static_cast<int>(dialog.Lists().Files().indexOf(name));
    const QModelIndex index = list->model()->index(row, 0, list->rootIndex());
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    return true;
}

/// An edit, as any window makes one.
void Change(MDIGen& window) {
    EditStep edit(window.Model().History, window.Model());
    window.Model().Forms[1].Title = "Changed";
}

bool IsBlue(QLineEdit* box) {
    return box->palette().color(QPalette::Text) == ToQColor(PaletteColour(Palette::Blue));
}

}  // namespace

class FileDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void LoadsAFileClickedOrNamedWithEnter() {
        ProgramUnderTest program;
        program.Start();
        MDIGen& window = *program.Window;
        Gload& dialog = window.LoadWindow();
        Item(window, "mload")->trigger();
        QVERIFY(dialog.isVisible());
        QCOMPARE(Control<QLineEdit>(dialog, "Text2")->text(), QString("*.vqe"));
        dialog.Lists().ShowFolder(QString::fromStdString(program.Path("Examples")));
        QVERIFY(ClickFile(dialog, "First Order Lag.vqe"));
        QCOMPARE(dialog.NameBox()->text().toStdString(), program.Example("First Order Lag"));
        QVERIFY(!Control<QLabel>(dialog, "Label1")->text().isEmpty());
        Press(dialog, "Command1");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(window.Model().Run.SimulationTitle, std::string("First Order Lag"));
        QVERIFY(window.Model().Forms[1].BlockCount > 0);
        QVERIFY(!window.Program().NewModel);
        QVERIFY(IsBlue(dialog.NameBox()));

        // A bare name is looked for in the folder shown, with the default extension.
        Item(window, "MnewSim")->trigger();
        Item(window, "ML1")->trigger();
        dialog.Lists().ShowFolder(QString::fromStdString(program.Path("Examples")));
        Retype(dialog, "Text1", "First Order Lag");
        QTest::keyClick(dialog.NameBox(), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!window.Program().NewModel);
        QCOMPARE(window.Program().Paths.CurrentPath, program.Example("First Order Lag"));
    }

    void ADamagedFileChangesNothingAndAnEmptyNameIsNamed() {
        ProgramUnderTest program;
        program.Start(program.Example("Two Sheet Model"));
        MDIGen& window = *program.Window;
        const Simulation& sim = window.Model();
        Change(window);
        const std::string model = SimulationText(sim, "model.vqe").value();
        const QString caption = window.windowTitle();
        const std::string damaged = program.Path("Damaged.vqe");
        QFile cut(QString::fromStdString(damaged));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(Bytes(program.Example("PID Temperature Loop")).left(900));
        cut.close();

        for (const bool older : {false, true}) {
            program.Host.Clear();
            program.Host.Choices = {Answer::No};   // the edit may go, if the file loads
            Gload& dialog = window.LoadWindow();
            Item(window, "mload")->trigger();
            Retype(dialog, "Text1", QString::fromStdString(damaged));
            if (older) {
                QTest::keyClick(dialog.NameBox(), Qt::Key_O, Qt::ControlModifier);
            } else {
                Press(dialog, "Command1");
            }
            QCOMPARE(program.Host.Messages().size(), size_t(1));
            QVERIFY(program.Host.Messages()[0].starts_with("Loading Simulation File  "));
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.NameBox()->text().toStdString(), damaged);
            QCOMPARE(SimulationText(sim, "model.vqe").value(), model);
            QCOMPARE(window.windowTitle(), caption);
            QVERIFY(caption.endsWith("*"));
            QVERIFY(window.Sheet(1).isVisible() && window.Sheet(2).isVisible());
            Press(dialog, "Command2");
        }

        // A save without a file name says so and stays open.
        program.Host.Clear();
        Gsave& save = window.SaveWindow();
        Item(window, "msave")->trigger();
        Retype(save, "Text1", QString::fromStdString(program.Path() + "/"));
        Press(save, "Command1");
        QCOMPARE(program.Host.Messages(), std::vector<std::string>{"Enter a file name"});
        QVERIFY(save.isVisible());
    }

    void CtrlOLoadsTheOlderLayout() {
        ProgramUnderTest program;
        program.Start();
        MDIGen& window = *program.Window;
        Item(window, "mload")->trigger();
        Retype(window.LoadWindow(), "Text1", QUORVANE_TEST_DATA "/old_layout");
        QTest::keyClick(window.LoadWindow().NameBox(), Qt::Key_O, Qt::ControlModifier);
        QVERIFY(!window.LoadWindow().isVisible());
        QCOMPARE(window.Model().Run.SimulationTitle, std::string("old_layout"));
        QCOMPARE(window.Model().Forms[1].InUse, 1);
        QVERIFY(window.Model().Forms[1].BlockCount > 0);
    }

    void SavesANewFileAndReplacesOneOnlyAfterYes() {
        ProgramUnderTest program;
        program.Start();
        MDIGen& window = *program.Window;
        Gsave& dialog = window.SaveWindow();
        const std::string path = program.Path("Oven.vqe");
        // "Save" of the menu bar with no current path yet asks for a name.
        Item(window, "Ms1")->trigger();
        QVERIFY(dialog.isVisible());
        QVERIFY(Control<QPushButton>(dialog, "Command3")->isHidden());
        QVERIFY(program.Host.Log.size() == 1);   // only the start-up's packing-slip message
        Retype(dialog, "Text1", QString::fromStdString(program.Path("Oven")));
        Press(dialog, "Command1");
        QVERIFY(!dialog.isVisible());
        const QByteArray first = Bytes(path);
        QVERIFY(first.startsWith("\"Oven.vqe\"\r\n"));
        QVERIFY(IsBlue(dialog.NameBox()));

        program.Host.Clear();
        window.Model().Forms[1].Title = "Changed";
        Item(window, "msave")->trigger();
        QCOMPARE(dialog.NameBox()->text().toStdString(), path);
        Press(dialog, "Command1");   // answered No
        QVERIFY(dialog.isVisible());
        QCOMPARE(Bytes(path), first);
        program.Host.Answers = {true};
        Press(dialog, "Command1");
        QVERIFY(!dialog.isVisible());
        QVERIFY(Bytes(path).contains("\"Changed\""));
        QCOMPARE(program.Host.Questions().size(), size_t(2));

        // "Save" of the menu bar saves a model that has a file under its name at once.
        program.Host.Clear();
        window.Model().Forms[1].Title = "Again";
        program.Host.Answers = {true};
        Item(window, "Ms1")->trigger();
        QVERIFY(!dialog.isVisible());
        QVERIFY(Bytes(path).contains("\"Again\""));
    }

    void ExitWithANewModelSavesThroughFinishAndEnds() {
        ProgramUnderTest program;
        program.Start();
        MDIGen& window = *program.Window;
        window.Program().NewModel = true;
        Change(window);
        program.Host.Clear();
        program.Host.Choices = {Answer::Yes};
        Item(window, "mexit")->trigger();
        Gsave& dialog = window.SaveWindow();
        QVERIFY(window.isVisible());
        QVERIFY(dialog.isVisible());
        QVERIFY(Control<QPushButton>(dialog, "Command3")->isVisible());
        const std::string path = program.Path("Kept.vqe");
        QFile existing(QString::fromStdString(path));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        // A save that fails keeps the program, and the model, open.
        Retype(dialog, "Text1", QString::fromStdString(program.Path("no such folder/Kept")));
        Press(dialog, "Command3");
        QVERIFY(window.isVisible() && dialog.isVisible());
        Retype(dialog, "Text1", QString::fromStdString(path));
        Press(dialog, "Command3");   // no question: Finish replaces what is there
        QVERIFY(Bytes(path).startsWith("\"Kept.vqe\"\r\n"));
        QVERIFY(!window.isVisible());
        QCOMPARE(program.Host.Log.size(), size_t(3));
        QCOMPARE(program.Host.Log[0].Text, std::string("Do you wish to save .."));
        QVERIFY(program.Host.Log[1].Text.starts_with("Error encountered during Saving Simulation - "));

        // Cancel keeps the program, and the next save from the menu has no Finish.
        ProgramUnderTest again;
        again.Start();
        again.Window->Program().NewModel = true;
        Change(*again.Window);
        again.Host.Choices = {Answer::Yes};
        Item(*again.Window, "mexit")->trigger();
        Press(again.Window->SaveWindow(), "Command2");
        QVERIFY(again.Window->isVisible());
        Item(*again.Window, "msave")->trigger();
        QVERIFY(Control<QPushButton>(again.Window->SaveWindow(), "Command3")->isHidden());
    }

    void MaintenanceWritesAnEditOnlyAfterYes() {
        ProgramUnderTest program;
        program.Start();
        MDIGen& window = *program.Window;
        Gmaint& dialog = window.MaintenanceWindow();
        Item(window, "mmaint")->trigger();
        QVERIFY(dialog.isVisible());
        QCOMPARE(Control<QLineEdit>(dialog, "Text2")->text(), QString("*.dat"));
        QVERIFY(ClickFile(dialog, "NelqueStor.dat"));
        const std::string store = program.Path("NelqueStor.dat");
        QCOMPARE(dialog.NameBox()->text().toStdString(), store);
        auto* editor = Control<QPlainTextEdit>(dialog, "Text3");
        QVERIFY(editor->toPlainText().startsWith("0\n\"0\"\n"));
        QCOMPARE(Control<QLabel>(dialog, "Label7")->text(), QString("%1 bytes").arg(Bytes(store).size()));

        const QByteArray before = Bytes(store);
        editor->setFocus();
        editor->moveCursor(QTextCursor::End);
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, "note");
        program.Host.Clear();
        Press(dialog, "Command1");   // answered No
        QCOMPARE(Bytes(store), before);
        program.Host.Answers = {true};
        Press(dialog, "Command1");
        QCOMPARE(Bytes(store), before + "note\r\n");
        QCOMPARE(program.Host.Questions().size(), size_t(2));
        Press(dialog, "Command2");
        QVERIFY(!dialog.isVisible());
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::FileDialogsTest)
#include "file_dialogs_test.moc"
