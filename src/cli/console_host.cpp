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

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

void ConsoleHost::Message(const std::string& text, const std::string&) {
    Err << "message: " << OneLine(text) << '\n';
}

bool ConsoleHost::Ask(const std::string& text, const std::string&) {
    Err << "question: " << OneLine(text) << " -> " << (AnswerYes ? "Yes" : "No") << '\n';
    return AnswerYes;
}

void ConsoleHost::Info(const std::string& text) { Err << "message: " << OneLine(text) << '\n'; }

CalendarDate ConsoleHost::Today() {
    const std::tm local = LocalNow();
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

double ConsoleHost::SecondsSinceMidnight() {
    using namespace std::chrono;
    const std::tm local = LocalNow();
    const double fraction =
        static_cast<double>(duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count() % 1000) / 1000.0;
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

}  // namespace quorvane
