#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/host.h"

namespace quorvane {

/// A host for tests: keeps every message, question, information text and sound in the order
/// they came, and answers Yes/No questions from one queue (No once it is empty) and Yes/No/Cancel
/// questions from another (Cancel once it is empty).
class RecordingHost : public Host {
public:
    enum class Kind { Message, Question, Choice, Info, Sound };
    struct Entry {
        Kind What = Kind::Message;
        std::string Text;
        std::string Title;
        bool Answer = false;   ///< for questions: Yes
        int Sound = 0;         ///< for sounds
        quorvane::Answer Preset = quorvane::Answer::Yes;   ///< for questions
        quorvane::Answer Chosen = quorvane::Answer::No;    ///< for questions and choices
    };

    void Message(const std::string& text, const std::string& title) override;
    using Host::Message;
    bool Ask(const std::string& text, const std::string& title, quorvane::Answer preset) override;
    using Host::Ask;
    quorvane::Answer AskYesNoCancel(const std::string& text, const std::string& title) override;
    void Info(const std::string& text) override;
    void PlaySound(Sound sound) override;
    CalendarDate Today() override { return Date; }
    double SecondsSinceMidnight() override;
    double ElapsedSeconds() override;

    /// The texts of the message boxes only, in order.
    std::vector<std::string> Messages() const;
    /// The texts of the questions of either kind, in order.
    std::vector<std::string> Questions() const;
    std::vector<int> Sounds() const;
    void Clear() { Log.clear(); }

    std::vector<Entry> Log;
    std::deque<bool> Answers;
    std::deque<quorvane::Answer> Choices;
    /// Called while a message box or question stands, as a user would see the screen then.
    std::function<void(const Entry&)> WhileShown;
    CalendarDate Date{2026, 12, 6};
    /// The time of day advances by ClockStep on every reading and wraps at midnight.
    double Clock = 36000.0;
    double ClockStep = 0.0;
    /// The elapsed-time clock advances by ElapsedStep on every reading, so long runs reach
    /// their prompts.
    double Elapsed = 0.0;
    double ElapsedStep = 0.0;
};

}  // namespace quorvane
