#include "app/shell/qt_host.h"

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

#include <chrono>
#include <cstdio>

#include "app/shell/info_window.h"

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

bool QtHost::Ask(const std::string& text, const std::string& title, Answer preset) {
    if (Unattended) return false;
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, Parent);
    box.setDefaultButton(preset == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Answer QtHost::AskYesNoCancel(const std::string& text, const std::string& title) {
    if (Unattended) return Answer::Cancel;
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

void QtHost::Info(const std::string& text) {
    if (Unattended) {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        return;
    }
    auto* window = new InfoWindow(QString::fromStdString(text), Parent);
    window->show();
}

QString QtHost::SoundFileName(Sound sound) {
    switch (sound) {
    case Sound::Drag: return "drag.wav";
    case Sound::Redo: return "redo.wav";
    case Sound::Clear: return "clear.wav";
    case Sound::BestFit: return "bestfit.wav";
    case Sound::Wib: return "wib.wav";
    }
    return {};
}

void QtHost::PlaySound(Sound sound) {
    if (Unattended) return;
    const QString path = SoundFolder + "/" + SoundFileName(sound);
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
