#include <QMdiArea>
#include <QTest>

#include "app/mdigen.h"

namespace quorvane {

class MDIGenTest : public QObject {
    Q_OBJECT
private slots:
    void OpensTitledAndClosesCleanly() {
        auto* window = new MDIGen;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowTitle(), QString("Quorvane"));
        QVERIFY(window->findChild<QMdiArea*>("MDIClient"));
        QPointer<MDIGen> watch(window);
        QVERIFY(window->close());
        QTRY_VERIFY(watch.isNull());
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::MDIGenTest)
#include "mdigen_test.moc"
