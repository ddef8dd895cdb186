#include "app/qt_host.h"

#include <QAudioDevice>
#include <QDate>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMessageBox>
#include <QSoundEffect>
#include <QTime>
#include <QTimer>
#include <QUrl>

#include <array>
#include <chrono>
#include <cstdio>

#include "app/info_window.h"

namespace quorvane {

void QtHost::Message(const std::string& text, const std::string& title) {
    if (Unattended) {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, Parent);
    box.exec();
}

bool QtHost::Ask(const std::string& text, const std::string& title) {
    if (Unattended) return false;
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, Parent);
    return box.exec() == QMessageBox::Yes;
}

void QtHost::Info(const std::string& text) {
    if (Unattended) {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        return;
    }
    auto* window = new InfoWindow(QString::fromStdString(text), Parent);
    window->show();
}

QString QtHost::SoundFileName(int number) {
    static const std::array<const char*, 5> names = {"drag.wav", "redo.wav", "clear.wav", "bestfit.wav", "wib.wav"};
    if (number < 1 || number > static_cast<int>(names.size())) return {};
    return names[static_cast<std::size_t>(number - 1)];
}

void QtHost::PlaySound(int number) {
    const QString name = SoundFileName(number);
    if (Unattended || name.isEmpty()) return;
    const QString path = SoundFolder + "/" + name;
    if (!QFileInfo::exists(path) || QMediaDevices::defaultAudioOutput().isNull()) return;
    QSoundEffect effect;
    QEventLoop wait;
    QObject::connect(&effect, &QSoundEffect::playingChanged, &wait, [&] {
        if (!effect.isPlaying()) wait.quit();
    });
    QObject::connect(&effect, &QSoundEffect::statusChanged, &wait, [&] {
        if (effect.status() == QSoundEffect::Error) wait.quit();
    });
    QTimer::singleShot(SoundLimitMilliseconds, &wait, &QEventLoop::quit);
    effect.setSource(QUrl::fromLocalFile(path));
    effect.play();
    // Synchronous, as the editing sounds always were; the user's input waits until it ends.
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

CalendarDate QtHost::Today() {
    const QDate today = QDate::currentDate();
    return {today.year(), today.month(), today.day()};
}

double QtHost::SecondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

double QtHost::ElapsedSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace quorvane
