#include <QAction>
#include <QMdiSubWindow>
#include <QLabel>
#include <QTemporaryDir>

#include "app/editing/fmanage.h"
#include "app/editing/form8.h"
#include "app/editing/formprop.h"
#include "app/support/app_fixture.h"
#include "app/support/window_rig.h"
#include "engine/simulation.h"

namespace quorvane {

class MDIGenEditWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void SimFormsMenuShowsTheFormManager() {
        testing::ProgramUnderTest program;
        program.Start();
        MDIGen& window = *program.Window;
        auto* frame = qobject_cast<QMdiSubWindow*>(window.FormManager().parentWidget());
        QVERIFY(frame && !frame->isVisible());
        window.findChild<QAction*>("msforms")->trigger();
        QVERIFY(frame->isVisible());
        QCOMPARE(Control<QLabel>(window.FormManager(), "Label1_0")->text(), QString("Unnamed Form  1"));
        Press(window.FormManager(), "Command5");
        QVERIFY(!frame->isVisible());
    }

    void HelpButtonsOpenTheManuals() {
        testing::ProgramUnderTest program;
        program.Start();
        MDIGen& window = *program.Window;
        EditingState editing;
        BeginNewBlockDrag(editing, 6, 0, 0);
        const int gain = PlaceBlock(window.Model(), editing, 1, 6, 600, 600);
        const QByteArray path = qgetenv("PATH");
        QTemporaryDir noReaders;
        qputenv("PATH", noReaders.path().toUtf8());
        program.Host.Clear();
        window.BlockProperties().Open(1, gain);
        Press(window.BlockProperties(), "Command3");
        window.FormProperties().Open(1);
        Press(window.FormProperties(), "Command3");
        qputenv("PATH", path);
        QCOMPARE(program.Host.Messages(), (std::vector<std::string>{"PDF Reader not found", "PDF Reader not found"}));
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::MDIGenEditWindowsTest)
#include "mdigen_edit_windows_test.moc"
