#include "platform/text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <iterator>

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

// A UTF-8 byte of the form 10xxxxxx continues the character before it.
bool ContinuesCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

constexpr std::array<const char*, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string MonthName(int month) {
    if (month < 1 || month > 12) return "";
    return MonthNames[static_cast<size_t>(month - 1)];
}

struct DateToken {
    std::string_view Letters;
    std::string (*Text)(const CalendarDate& date);
};

// Longer tokens come first, so "mmmm" is a month name and not four month numbers.
constexpr DateToken DateTokens[] = {
    {"mmmm", [](const CalendarDate& date) { return MonthName(date.Month); }},
    {"mmm", [](const CalendarDate& date) { return MonthName(date.Month).substr(0, 3); }},
    {"mm", [](const CalendarDate& date) { return SignedDigits(date.Month, false, 2); }},
    {"m", [](const CalendarDate& date) { return SignedDigits(date.Month, false, 1); }},
    {"dd", [](const CalendarDate& date) { return SignedDigits(date.Day, false, 2); }},
    {"d", [](const CalendarDate& date) { return SignedDigits(date.Day, false, 1); }},
    {"yyyy", [](const CalendarDate& date) { return SignedDigits(date.Year, false, 4); }},
    {"yy", [](const CalendarDate& date) { return SignedDigits(std::abs(date.Year % 100), false, 2); }},
};

}  // namespace

std::string Str(double value, int significantDigits) {
    return (value >= 0 ? " " : "") + NumberText(value, significantDigits);
}

std::string NumberText(double value, int significantDigits) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    significantDigits = std::clamp(significantDigits, 1, 17);
    if (value == 0) return "0";
    DecimalDigits number = ScientificDigits(std::fabs(value), significantDigits);
    TrimTrailingZeros(number);
    const bool exponentForm = number.Exponent >= significantDigits ||
                              number.Exponent < SmallestPlainExponent;
    return SignedSpelling(value < 0, number, exponentForm);
}

std::string FloatText(float value) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    if (value == 0) return std::signbit(value) ? "-0" : "0";
    const DecimalDigits number = ShortestDigits(std::fabs(value));
    const bool exponentForm = number.Exponent < FloatPlainExponentLow ||
                              number.Exponent > FloatPlainExponentHigh;
    return SignedSpelling(value < 0, number, exponentForm);
}

std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char byte) { return !ContinuesCharacter(byte); }));
}

std::string_view LeadingCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t started = 0; end < text.size(); ++end) {
        if (!ContinuesCharacter(text[end]) && started++ == count) break;
    }
    return text.substr(0, end);
}

std::string FormatDate(const CalendarDate& date, std::string_view pattern) {
    std::string text;
    while (!pattern.empty()) {
        const auto token = std::find_if(std::begin(DateTokens), std::end(DateTokens),
                                        [&](const DateToken& t) { return pattern.starts_with(t.Letters); });
        if (token == std::end(DateTokens)) {
            text += pattern.front();
            pattern.remove_prefix(1);
        } else {
            text += token->Text(date);
            pattern.remove_prefix(token->Letters.size());
        }
    }
    return text;
}

}  // namespace quorvane
