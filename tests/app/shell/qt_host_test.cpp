#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "app/shell/info_window.h"
#include "app/shell/qt_host.h"

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
        for (Sound sound : {Sound::Drag, Sound::Redo, Sound::Clear, Sound::BestFit, Sound::Wib}) host.PlaySound(sound);
        QVERIFY(clock.elapsed() < QtHost::SoundLimitMilliseconds);
        QCOMPARE(QtHost::SoundFileName(Sound::Drag), QString("drag.wav"));
        QCOMPARE(QtHost::SoundFileName(Sound::Wib), QString("wib.wav"));
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::QtHostTest)
#include "qt_host_test.moc"
