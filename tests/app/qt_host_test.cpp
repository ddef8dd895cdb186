#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "app/info_window.h"
#include "app/qt_host.h"

namespace quorvane {

class QtHostTest : public QObject {
    Q_OBJECT
private slots:
    void InformationClosesItselfAfterSixSeconds() {
        QPointer<InfoWindow> window = new InfoWindow("Results saved");
        window->show();
        QCOMPARE(window->windowTitle(), QString("Information"));
        QCOMPARE(window->findChild<QLabel*>("Label1")->text(), QString("Results saved"));
        QCOMPARE(window->findChild<QLabel*>("Label2")->text(), QString("This message will automatically fade"));
        QTest::qWait(InfoWindow::FadeMilliseconds - 1000);
        QVERIFY(window && window->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 3000);
    }

    void SoundsThatCannotPlayReturnAtOnce() {
        QTemporaryDir empty;
        QtHost host(empty.path());
        QElapsedTimer clock;
        clock.start();
        for (int n = 0; n <= 6; ++n) host.PlaySound(n);   // no files, and numbers outside the table
        QVERIFY(clock.elapsed() < QtHost::SoundLimitMilliseconds);
        QCOMPARE(QtHost::SoundFileName(1), QString("drag.wav"));
        QCOMPARE(QtHost::SoundFileName(5), QString("wib.wav"));
        QVERIFY(QtHost::SoundFileName(6).isEmpty());
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::QtHostTest)
#include "qt_host_test.moc"
