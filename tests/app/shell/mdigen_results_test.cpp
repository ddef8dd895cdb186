#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include "app/results/disptim.h"
#include "app/results/gplot.h"
#include "app/results/pformat.h"
#include "app/results/tabview.h"
#include "app/sheets/fsim.h"
#include "app/shell/form3.h"
#include "app/support/app_fixture.h"
#include "app/support/window_rig.h"
#include "engine/simulation.h"

namespace quorvane {

using testing::ProgramUnderTest;

namespace {

void Trigger(MDIGen& window, const char* item) { window.findChild<QAction*>(item)->trigger(); }

}  // namespace

class MDIGenResultsTest : public QObject {
    Q_OBJECT
private slots:
    void RunShowsTheResultWindowsAndTheMenuBringsThemBack() {
        ProgramUnderTest program;
        program.Start(program.Example("PID Temperature Loop"));
        MDIGen& window = *program.Window;
        QTest::mouseClick(window.RunWindow().findChild<QPushButton*>("Command1"), Qt::LeftButton);

        GPlot& graph = window.GraphWindow();
        tabview& table = window.TabulationWindow();
        QVERIFY(graph.isVisible());
        QVERIFY(table.isVisible());
        auto* list = graph.findChild<QListWidget*>("List1");
        const QStringList series = Entries(list);
        QCOMPARE(series.size(), 4);

        // Closed, then brought back from the menu with the same list and the time axis chosen.
        list->setCurrentRow(2);
        QTest::mouseClick(graph.findChild<QPushButton*>("Command4"), Qt::LeftButton);
        QTest::mouseClick(table.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(!graph.isVisible() && !table.isVisible());
        Trigger(window, "MLgraph");
        QVERIFY(graph.isVisible());
        QCOMPARE(Entries(list), series);
        QCOMPARE(window.Model().Graph.XColumn, 0);
        Trigger(window, "MLprint");
        QVERIFY(table.isVisible());

        Trigger(window, "mddt");
        auto* timing = window.findChild<DispTim*>("DispTim");
        QVERIFY(timing->isVisible());
        QCOMPARE(timing->findChild<QLineEdit*>("Text1")->text(), QString("20"));
        // Nothing of the window is cut off, whatever the font.
        QVERIFY(timing->parentWidget()->size().expandedTo(timing->parentWidget()->minimumSizeHint()) ==
                timing->parentWidget()->size());
        Trigger(window, "mPf");
        QVERIFY(window.findChild<Pformat*>("Pformat")->isVisible());
    }

    void AWindowTheUserActivatesComesToTheFront() {
        ProgramUnderTest program;
        program.Start(program.Example("PID Temperature Loop"));
        MDIGen& window = *program.Window;
        QTest::mouseClick(window.RunWindow().findChild<QPushButton*>("Command1"), Qt::LeftButton);
        auto* area = window.findChild<QMdiArea*>();
        auto* graph = qobject_cast<QMdiSubWindow*>(window.GraphWindow().parentWidget());
        auto* table = qobject_cast<QMdiSubWindow*>(window.TabulationWindow().parentWidget());
        QVERIFY(area && graph && table);
        // The tabulation, shown last by the run, is where the area has it; activated as a click or
        // the Window menu does, each window comes forward in turn.
        QVERIFY(area->subWindowList(QMdiArea::StackingOrder).indexOf(table) >
                area->subWindowList(QMdiArea::StackingOrder).indexOf(graph));
        for (QMdiSubWindow* child : {graph, table, graph}) {
            area->setActiveSubWindow(child);
            QCOMPARE(area->subWindowList(QMdiArea::StackingOrder).last(), child);
        }
    }

    void NewIntervalsShowInTheRunWindowWhenItIsNextUsed() {
        ProgramUnderTest program;
        program.Start(program.Example("PID Temperature Loop"));
        MDIGen& window = *program.Window;
        Trigger(window, "mddt");
        auto* timing = window.findChild<DispTim*>("DispTim");
        Retype(*timing, "Text1", "10");
        Retype(*timing, "Text5", "0.5");
        Press(*timing, "Command1");
        QVERIFY(!timing->isVisible());
        Form3& run = window.RunWindow();
        QCOMPARE(run.findChild<QLineEdit*>("Text8")->text(), QString("20"));
        window.Client().setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window.Sheet(1).parentWidget()));
        window.Client().setActiveSubWindow(qobject_cast<QMdiSubWindow*>(run.parentWidget()));
        QCOMPARE(run.findChild<QLineEdit*>("Text8")->text(), QString("10"));
        QCOMPARE(run.findChild<QLineEdit*>("Text7")->text(), QString("0.5"));
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::MDIGenResultsTest)
#include "mdigen_results_test.moc"
