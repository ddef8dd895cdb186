#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStyle>
#include <QTest>

#include <array>
#include <filesystem>

#include "app/files/gload.h"
#include "app/sheets/form1.h"
#include "app/sheets/fsim.h"
#include "app/shell/form10.h"
#include "app/shell/form3.h"
#include "app/shell/form4.h"
#include "app/support/app_fixture.h"
#include "app/support/window_rig.h"
#include "engine/run_error_report.h"
#include "engine/simulation.h"
#include "forms/toolbox.h"
#include "platform/canvas.h"
#include "storage/recent_files.h"

namespace quorvane {

using testing::ProgramUnderTest;

namespace {

QMdiSubWindow* Frame(QWidget& window) { return qobject_cast<QMdiSubWindow*>(window.parentWidget()); }

/// The room the title bar of `frame` leaves for its caption, in pixels, when it shows no buttons.
int CaptionRoom(QMdiSubWindow& frame) {
    constexpr int TextMargins = 8;
    return frame.width() - 2 * frame.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &frame) -
           TextMargins;
}

/// A key pressed where the keyboard focus is, as a user presses it.
void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, key, modifiers);
}

}  // namespace

class MDIGenTest : public QObject {
    Q_OBJECT
private slots:
    void StartUpPreparesExamplesAndShowsTheRunWindow() {
        ProgramUnderTest program;
        program.Start();
        const std::string examples = program.Path("Examples");
        // The build put the models into the example folder; the first start adds the slip.
        QCOMPARE(program.Host.Messages(), std::vector<std::string>{"Creating packing slip"});
        QVERIFY(QFile::exists(QString::fromStdString(examples + "/Packing Slip.pck")));
        MDIGen& window = *program.Window;
        QCOMPARE(window.windowTitle(), QString("Quorvane"));
        QVERIFY(!window.Program().NewModel);
        QVERIFY(window.RunWindow().isVisible());
        QVERIFY(window.Toolbox().isVisible());
        QVERIFY(window.Sheet(1).isVisible());
        QVERIFY(!window.Sheet(2).isVisible() && !window.Sheet(3).isVisible());
    }

    void NewSimulationStartsAnUnsavedModel() {
        ProgramUnderTest program;
        program.Start(program.Example("First Order Lag"));
        MDIGen& window = *program.Window;
        QVERIFY(window.Model().Forms[1].BlockCount > 0);
        Item(window, "MnewSim")->trigger();
        QVERIFY(window.Program().NewModel);
        QCOMPARE(window.Model().Forms[1].BlockCount, 0);
        QCOMPARE(window.windowTitle(), QString("Quorvane  06 December 2026       Unnamed Simulation"));
        QCOMPARE(window.RunWindow().Window().Text4, std::string(" "));
    }

    void OptionItemsTickAndChangeTheModel() {
        ProgramUnderTest program;
        program.Start();
        MDIGen& window = *program.Window;
        Simulation& sim = window.Model();
        QVERIFY(Item(window, "Mhz")->isChecked());
        Item(window, "Mrad")->trigger();
        QVERIFY(!sim.Run.FrequencyInHz);
        QVERIFY(Item(window, "Mrad")->isChecked() && !Item(window, "Mhz")->isChecked());
        Item(window, "Mhz")->trigger();
        QVERIFY(sim.Run.FrequencyInHz);

        Item(window, "MsMath")->trigger();
        QVERIFY(sim.Run.MathsSymbols && Item(window, "MsMath")->isChecked());
        Item(window, "Msnodes")->trigger();
        QVERIFY(sim.Run.ShowNodes && Item(window, "Msnodes")->isChecked());

        // Sounds off: what the model plays never reaches the desktop.
        program.Host.Clear();
        sim.Ui.PlaySound(Sound::BestFit);
        Item(window, "MsoundOn")->trigger();
        sim.Ui.PlaySound(Sound::BestFit);
        QCOMPARE(program.Host.Sounds(), std::vector<int>{4});
        QVERIFY(!Item(window, "MsoundOn")->isChecked());

        Item(window, "MsWarnS")->trigger();
        Item(window, "MHelpLoc")->trigger();
        QCOMPARE(program.Host.Messages(), (std::vector<std::string>{"Warning Sounds Always On",
                                                                    "Help PDF Files Located in: " + program.Path() + "/"}));
    }

    void AnnotateItemsTickAndRedrawTheSheets() {
        ProgramUnderTest program;
        program.Start(program.Example("PID Temperature Loop"));
        MDIGen& window = *program.Window;
        // The oven's lag starts warm and is limited, so both show when asked for.
        SimulationForm& form = window.Model().Forms[1];
        Block* lag = nullptr;
        for (int b = 1; b <= form.BlockCount; ++b)
            if (form.Blocks[b].FunctionCode == 10) lag = &form.Blocks[b];
        QVERIFY(lag);
        lag->InitialCondition = 20;
        lag->SatLow = 0;
        lag->SatHigh = 150;
        Fsim& sheet = window.Sheet(1);
        sheet.Redraw();
        const QImage clean = sheet.grab().toImage();
        // A stroke a redraw wipes out tells that the sheet was drawn again.
        auto scribble = [&sheet] {
            sheet.SheetCanvas().SetForeColour(Rgb(255, 0, 255));
            sheet.SheetCanvas().Box(0, 0, 600, 600, true);
        };
        for (const char* name : {"MTitle", "Mfunct"}) {
            scribble();
            Item(window, name)->trigger();
            QVERIFY2(Item(window, name)->isChecked(), name);
            QVERIFY2(sheet.grab().toImage() == clean, name);
        }
        QVERIFY(window.Program().AnnotateTitle);
        const Settings& run = window.Model().Run;
        const std::pair<const char*, const bool*> annotate[] = {
            {"MInCon", &run.AnnotateIC}, {"MSat", &run.AnnotateLimits}, {"MblkN", &run.AnnotateNumbers}};
        for (auto [name, option] : annotate) {
            scribble();
            Item(window, name)->trigger();
            QVERIFY2(Item(window, name)->isChecked() && *option, name);
            const QImage annotated = sheet.grab().toImage();
            QVERIFY2(annotated != clean, name);
            Item(window, name)->trigger();
            QVERIFY2(!Item(window, name)->isChecked() && !*option, name);
            QVERIFY2(sheet.grab().toImage() == clean, name);
        }
    }

    void MathsSymbolsSwapTheCalculusPictures() {
        ProgramUnderTest program;
        program.Start();
        Form1& toolbox = program.Window->Toolbox();
        auto pictures = [&toolbox] {
            std::vector<QImage> images;
            for (int code = 0; code < ToolboxImageCount; ++code) images.push_back(toolbox.Image1(code)->pixmap().toImage());
            return images;
        };
        const std::vector<QImage> plain = pictures();
        Item(*program.Window, "MsMath")->trigger();
        const std::vector<QImage> maths = pictures();
        for (int code = 0; code < ToolboxImageCount; ++code) {
            const bool calculus = code == 8 || code == 9 || code == 14 || code == 15;
            QVERIFY2((maths[code] != plain[code]) == calculus, qPrintable(QString::number(code)));
        }
        Item(*program.Window, "MsMath")->trigger();
        QVERIFY(pictures() == plain);
    }

    // A title-bar close hides a tool window inside its frame as well as the frame: every way
    // back shows both.
    void ClosedToolWindowsComeBackWhole() {
        ProgramUnderTest program;
        program.Start();
        MDIGen& window = *program.Window;
        RunErrorReport fault{" 2.5", "sec", "Ratio", "Op=Ip1/ Ip2", "Division by zero", 1, 0};
        window.Audit();
        window.ShowRunError(fault);
        const std::array<QWidget*, 4> tools{&window.RunWindow(), &window.Toolbox(), &window.AuditWindow(),
                                            &window.RunErrorWindow()};
        auto closeAll = [&tools] {
            for (QWidget* tool : tools) Frame(*tool)->close();
        };
        closeAll();
        emit window.findChild<QMenu*>("mwindow")->aboutToShow();
        for (QWidget* tool : tools) {
            QVERIFY2(!tool->isVisible(), qPrintable(tool->objectName()));
            Item(window, tool->objectName() + "Item")->trigger();
            QVERIFY2(tool->isVisible(), qPrintable(tool->objectName()));
            QCOMPARE(window.Client().activeSubWindow(), Frame(*tool));
        }

        closeAll();
        window.Audit();
        window.ShowRunError(fault);
        window.LoadWindow().LoadNamed(program.Example("First Order Lag"));
        for (QWidget* tool : tools) QVERIFY2(tool->isVisible(), qPrintable(tool->objectName()));
    }

    // F5 and Alt+R run from a sheet, the run window comes forward at the end of the run, and
    // Ctrl+Tab / Ctrl+Shift+Tab step through the windows.
    void RunFromAnyWindowAndCycleTheWindows() {
        ProgramUnderTest program;
        program.Start(program.Example("First Order Lag"));
        MDIGen& window = *program.Window;
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Form3& run = window.RunWindow();
        auto* cpu = Control<QLineEdit>(run, "Text6");
        Fsim& sheet = window.Sheet(1);
        for (auto [key, modifiers] : {std::pair{Qt::Key_F5, Qt::KeyboardModifiers{}}, {Qt::Key_R, Qt::AltModifier}}) {
            window.Client().setActiveSubWindow(Frame(sheet));
            sheet.setFocus();
            run.ClearFigures();
            PressKey(key, modifiers);
            QVERIFY2(!cpu->text().trimmed().isEmpty(), "no run");
            QVERIFY(run.isVisible());
            QCOMPARE(window.Client().activeSubWindow(), Frame(run));
        }
        QCOMPARE(Item(window, "MRun")->shortcut(), QKeySequence(Qt::Key_F5));

        window.Client().setActiveSubWindow(Frame(sheet));
        sheet.setFocus();
        PressKey(Qt::Key_Tab, Qt::ControlModifier);
        QMdiSubWindow* next = window.Client().activeSubWindow();
        QVERIFY(next != Frame(sheet));
        PressKey(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(window.Client().activeSubWindow(), Frame(sheet));
    }

    // Two recent files of one name in different folders are told apart by their folders.
    void RecentFilesOfOneNameShowTheirFolders() {
        ProgramUnderTest program;
        program.Start();
        std::vector<std::string> paths;
        for (const char* folder : {"left/models", "right/models"}) {
            std::filesystem::create_directories(program.Path(folder));
            paths.push_back(program.Path(QString(folder) + "/First Order Lag.vqe"));
            std::filesystem::copy_file(program.Example("First Order Lag"), paths.back());
            Filstore(program.Path("NelqueStor.dat"), paths.back(), program.Host.Today());
        }
        emit program.Window->findChild<QMenu*>("Mfile")->aboutToShow();
        QAction* newest = Item(*program.Window, "mblank1");
        QAction* older = Item(*program.Window, "mblank2");
        QCOMPARE(newest->text(), QString("&1 First Order Lag.vqe  (right/models)"));
        QCOMPARE(older->text(), QString("&2 First Order Lag.vqe  (left/models)"));
        QCOMPARE(newest->statusTip().toStdString(), paths[1]);
        QCOMPARE(older->statusTip().toStdString(), paths[0]);
        // Choosing one loads it.
        older->trigger();
        QCOMPARE(program.Window->Program().Paths.CurrentPath, paths[0]);
        QVERIFY(!program.Window->Program().NewModel);
    }

    void TheToolboxCaptionIsReadable() {
        ProgramUnderTest program;
        program.Start();
        QMdiSubWindow& frame = *Frame(program.Window->Toolbox());
        const QFontMetrics metrics(frame.font());
        QVERIFY(!(frame.windowFlags() &
                  (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint)));
        QVERIFY2(CaptionRoom(frame) >= metrics.horizontalAdvance(frame.windowTitle()),
                 qPrintable(QString("%1 < %2").arg(CaptionRoom(frame)).arg(metrics.horizontalAdvance(frame.windowTitle()))));
    }

    void HelpItemsStartTheReaderOnTheManual() {
        ProgramUnderTest program;
        program.Start();
        program.Host.Clear();
        QTemporaryDir readers;
        const QString record = readers.filePath("arguments.txt");
        QFile script(readers.filePath("evince"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done >> '" + record + "'\n").toUtf8());
        script.close();
        script.setPermissions(QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);
        QFile pdf(QString::fromStdString(program.Path("Quorvane Manual.pdf")));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", readers.path().toUtf8());
        // Which arguments a reader takes is the manuals' rule; here, that the item starts one.
        Item(*program.Window, "Muguide")->trigger();
        qputenv("PATH", path);
        const QString expected = QString::fromStdString(program.Path("Quorvane Manual.pdf")) + "\n";
        auto recorded = [&] {
            QFile file(record);
            return file.open(QIODevice::ReadOnly) ? QString(file.readAll()) : QString();
        };
        QTRY_COMPARE(recorded(), expected);
        QVERIFY(program.Host.Log.empty());
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::MDIGenTest)
#include "mdigen_test.moc"
