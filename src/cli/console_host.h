#pragma once

#include <iosfwd>

#include "platform/host.h"

namespace quorvane {

/// The host of the headless runner: messages and questions become lines on standard error,
/// questions take a fixed answer, sounds are silent and the clock is the real one.
class ConsoleHost : public Host {
public:
    ConsoleHost(std::ostream& err, bool answerYes) : Err(err), AnswerYes(answerYes) {}

    void Message(const std::string& text, const std::string& title) override;
    using Host::Message;
    bool Ask(const std::string& text, const std::string& title, Answer preset) override;
    using Host::Ask;
    /// Always Cancel: a runner never gives up or overwrites a model on its own.
    Answer AskYesNoCancel(const std::string& text, const std::string& title) override;
    void Info(const std::string& text) override;
    void PlaySound(Sound) override {}
    CalendarDate Today() override;
    double SecondsSinceMidnight() override;
    double ElapsedSeconds() override;

private:
    std::ostream& Err;
    bool AnswerYes;
};

}  // namespace quorvane
