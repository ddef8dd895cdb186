#pragma once

#include <QString>

#include "platform/host.h"

class QWidget;

namespace quorvane {

/// The desktop's services: message boxes titled as asked, Yes/No questions, the self-closing
/// "Information" window, the wave files of the sound table played to the end, and the clock.
class QtHost : public Host {
public:
    /// `soundFolder` holds the wave files of the sound table.
    explicit QtHost(QString soundFolder) : SoundFolder(std::move(soundFolder)) {}

    void Message(const std::string& text, const std::string& title) override;
    using Host::Message;
    bool Ask(const std::string& text, const std::string& title, Answer preset) override;
    using Host::Ask;
    Answer AskYesNoCancel(const std::string& text, const std::string& title) override;
    void Info(const std::string& text) override;
    void PlaySound(Sound sound) override;
    CalendarDate Today() override;
    double SecondsSinceMidnight() override;
    double ElapsedSeconds() override;

    /// Boxes and the information window are centred on this window.
    QWidget* Parent = nullptr;
    /// Without anyone to answer (timing runs): messages go to standard error, questions are No
    /// (Cancel where there is one).
    bool Unattended = false;

    /// The wave file of a sound in the sound folder.
    static QString SoundFileName(Sound sound);
    /// A sound never holds the program up longer than this, even where no audio device answers.
    static constexpr int SoundLimitMilliseconds = 1500;

private:
    QString SoundFolder;
};

}  // namespace quorvane
