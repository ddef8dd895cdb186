#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>

#include "app/editing/formprop.h"
#include "app/support/window_rig.h"

namespace quorvane {

class FormPropTest : public QObject {
    Q_OBJECT
private slots:
    void ShowsTheFormAndStoresItsTitle() {
        TestSimulation rig(Begin::Started);
        rig.Place(1, 6);
        const int input = rig.Place(1, 48, 2400);
        rig.At(input).Title = "Demand";
        FormProp window(rig.Sim);
        QSignalSpy help(&window, &FormProp::HelpRequested);
        window.Open(1);
        QCOMPARE(window.windowTitle(), QString("Simulation Form  1 Properties"));
        QCOMPARE(Control<QLabel>(window, "Label4")->text(), QString("2"));
        QCOMPARE(Control<QLabel>(window, "Label5")->text(), QString("2"));
        auto* list = Control<QListWidget>(window, "Picture1");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(1)->text(), QString("  Terminal 1  Demand"));
        QCOMPARE(list->item(1)->foreground().color(), QColor(128, 128, 128));   // not fed yet
        QCOMPARE(list->item(2)->text(), QString("No output terminals."));

        Press(window, "Command3");
        QCOMPARE(help.count(), 1);
        QCOMPARE(help.at(0), (QList<QVariant>{2001, 1}));

        Retype(window, "Text1", "Controller");
        QTest::keyClick(Control<QLineEdit>(window, "Text1"), Qt::Key_Return);
        QVERIFY(!window.isVisible());
        QCOMPARE(rig.Sim.Forms[1].Title, std::string("Controller"));

        window.Open(1);
        Retype(window, "Text1", "dropped");
        Press(window, "Command2");
        QVERIFY(!window.isVisible());
        QCOMPARE(rig.Sim.Forms[1].Title, std::string("Controller"));
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::FormPropTest)
#include "formprop_test.moc"
