#include "cli/console_host.h"

#include <chrono>
#include <ctime>
#include <ostream>
#include <string>

namespace quorvane {

namespace {

/// One line per message: line breaks inside a text become spaces.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return text;
}

std::tm LocalTime(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    return local;
}

}  // namespace

void ConsoleHost::Message(const std::string& text, const std::string&) {
    Err << "message: " << OneLine(text) << '\n';
}

bool ConsoleHost::Ask(const std::string& text, const std::string&, Answer) {
    Err << "question: " << OneLine(text) << " -> " << (AnswerYes ? "Yes" : "No") << '\n';
    return AnswerYes;
}

Answer ConsoleHost::AskYesNoCancel(const std::string& text, const std::string&) {
    Err << "question: " << OneLine(text) << " -> Cancel" << '\n';
    return Answer::Cancel;
}

void ConsoleHost::Info(const std::string& text) { Err << "message: " << OneLine(text) << '\n'; }

CalendarDate ConsoleHost::Today() {
    const std::tm local = LocalTime(std::time(nullptr));
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

double ConsoleHost::SecondsSinceMidnight() {
    using namespace std::chrono;
    // Whole seconds and fraction from one reading, so the fraction cannot belong to another second.
    const system_clock::time_point now = system_clock::now();
    const system_clock::time_point whole = floor<seconds>(now);
    const std::tm local = LocalTime(system_clock::to_time_t(whole));
    const double fraction = duration<double>(now - whole).count();
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

double ConsoleHost::ElapsedSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace quorvane
