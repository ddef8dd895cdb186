#include "platform/text.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "platform/decimal_digits.h"

namespace quorvane {

namespace {

// The default conversion switches to exponent form below this decimal exponent (0.01 is
// still written out, 0.001 is 1E-03).
constexpr int SmallestPlainExponent = -2;

// Data files write floats out in full from 1E-05 up to fifteen integer digits.
constexpr int FloatPlainExponentLow = -5;
constexpr int FloatPlainExponentHigh = 14;

std::string SignedSpelling(bool negative, const DecimalDigits& number, bool exponentForm) {
    return (negative ? "-" : "") + (exponentForm ? ExponentSpelling(number) : PlainSpelling(number));
}

constexpr std::array<const char*, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string MonthName(int month) {
    if (month < 1 || month > 12) return "";
    return MonthNames[static_cast<size_t>(month - 1)];
}

// The text of one date token, or nothing when `pattern` does not start with one. Longer
// tokens are tried first, so "mmmm" is a month name and not four month numbers.
bool DateToken(const CalendarDate& date, std::string_view pattern, size_t& length,
               std::string& text) {
    auto starts = [&](std::string_view token) { return pattern.substr(0, token.size()) == token; };
    if (starts("mmmm")) { length = 4; text = MonthName(date.Month); return true; }
    if (starts("mmm")) { length = 3; text = MonthName(date.Month).substr(0, 3); return true; }
    if (starts("mm")) { length = 2; text = SignedDigits(date.Month, false, 2); return true; }
    if (starts("m")) { length = 1; text = std::to_string(date.Month); return true; }
    if (starts("dd")) { length = 2; text = SignedDigits(date.Day, false, 2); return true; }
    if (starts("d")) { length = 1; text = std::to_string(date.Day); return true; }
    if (starts("yyyy")) { length = 4; text = SignedDigits(date.Year, false, 4); return true; }
    if (starts("yy")) { length = 2; text = SignedDigits(std::abs(date.Year % 100), false, 2); return true; }
    return false;
}

}  // namespace

std::string Str(double value, int significantDigits) {
    return (value >= 0 ? " " : "") + NumberText(value, significantDigits);
}

std::string NumberText(double value, int significantDigits) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    if (value == 0) return "0";
    DecimalDigits number = ScientificDigits(std::fabs(value), significantDigits);
    TrimTrailingZeros(number);
    const bool exponentForm = number.Exponent >= significantDigits ||
                              number.Exponent < SmallestPlainExponent;
    return SignedSpelling(value < 0, number, exponentForm);
}

std::string FloatText(float value) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    if (value == 0) return "0";
    const DecimalDigits number = ShortestDigits(std::fabs(value));
    const bool exponentForm = number.Exponent < FloatPlainExponentLow ||
                              number.Exponent > FloatPlainExponentHigh;
    return SignedSpelling(value < 0, number, exponentForm);
}

std::string FormatDate(const CalendarDate& date, std::string_view pattern) {
    std::string text;
    while (!pattern.empty()) {
        size_t length = 1;
        std::string token;
        if (DateToken(date, pattern, length, token)) {
            text += token;
        } else {
            text += pattern.front();
        }
        pattern.remove_prefix(length);
    }
    return text;
}

}  // namespace quorvane
