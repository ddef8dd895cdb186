#include "support/recording_host.h"

#include <cmath>

namespace quorvane {

void RecordingHost::Message(const std::string& text, const std::string& title) {
    Log.push_back({Kind::Message, text, title, false, 0, Answer::Yes, Answer::No});
    if (WhileShown) WhileShown(Log.back());
}

bool RecordingHost::Ask(const std::string& text, const std::string& title, Answer preset) {
    bool answer = false;
    if (!Answers.empty()) {
        answer = Answers.front();
        Answers.pop_front();
    }
    Log.push_back({Kind::Question, text, title, answer, 0, preset, answer ? Answer::Yes : Answer::No});
    if (WhileShown) WhileShown(Log.back());
    return answer;
}

Answer RecordingHost::AskYesNoCancel(const std::string& text, const std::string& title) {
    Answer answer = Answer::Cancel;
    if (!Choices.empty()) {
        answer = Choices.front();
        Choices.pop_front();
    }
    Log.push_back({Kind::Choice, text, title, answer == Answer::Yes, 0, Answer::Yes, answer});
    if (WhileShown) WhileShown(Log.back());
    return answer;
}

void RecordingHost::Info(const std::string& text) {
    Log.push_back({Kind::Info, text, "", false, 0, Answer::Yes, Answer::No});
}

void RecordingHost::PlaySound(Sound sound) {
    Log.push_back({Kind::Sound, "", "", false, static_cast<int>(sound), Answer::Yes, Answer::No});
}

double RecordingHost::SecondsSinceMidnight() {
    constexpr double SecondsPerDay = 86400;
    const double now = Clock;
    Clock = std::fmod(Clock + ClockStep + SecondsPerDay, SecondsPerDay);
    return now;
}

double RecordingHost::ElapsedSeconds() {
    const double now = Elapsed;
    Elapsed += ElapsedStep;
    return now;
}

std::vector<std::string> RecordingHost::Messages() const {
    std::vector<std::string> texts;
    for (const Entry& e : Log) {
        if (e.What == Kind::Message) texts.push_back(e.Text);
    }
    return texts;
}

std::vector<std::string> RecordingHost::Questions() const {
    std::vector<std::string> texts;
    for (const Entry& e : Log) {
        if (e.What == Kind::Question || e.What == Kind::Choice) texts.push_back(e.Text);
    }
    return texts;
}

std::vector<int> RecordingHost::Sounds() const {
    std::vector<int> numbers;
    for (const Entry& e : Log) {
        if (e.What == Kind::Sound) numbers.push_back(e.Sound);
    }
    return numbers;
}

}  // namespace quorvane
