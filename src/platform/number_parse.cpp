#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "platform/text.h"

namespace quorvane {

namespace {

enum class ScanOutcome { NoNumber, Value, Overflow };

struct NumberScan {
    ScanOutcome Outcome = ScanOutcome::NoNumber;
    double Value = 0;
    size_t End = 0;  ///< one past the last character of the number
};

// Exponents are saturated here while reading their digits; any larger one already takes
// every value out of the double range, so the saturation does not change the outcome.
constexpr long long ExponentLimit = 100'000'000;

// Beyond these decimal magnitudes (of the first significant digit) a double overflows or
// underflows to zero whatever the remaining digits are.
constexpr long long OverflowMagnitude = 309;
constexpr long long UnderflowMagnitude = -330;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipDigits(std::string_view text, size_t i) {
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i;
}

// Reads an exponent marker (e, E, d or D), an optional sign and its digits starting at i;
// the marker counts only when at least one digit follows it.
size_t ScanExponent(std::string_view text, size_t i, long long& exponent) {
    exponent = 0;
    if (i >= text.size()) return i;
    const char marker = text[i];
    if (marker != 'e' && marker != 'E' && marker != 'd' && marker != 'D') return i;
    size_t j = i + 1;
    bool negative = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) negative = text[j++] == '-';
    if (j >= text.size() || !IsDigit(text[j])) return i;
    for (; j < text.size() && IsDigit(text[j]); ++j)
        exponent = std::min(exponent * 10 + (text[j] - '0'), ExponentLimit);
    if (negative) exponent = -exponent;
    return j;
}

// value = 0.significant × 10^(magnitude + 1), with the magnitude already inside the range a
// double can hold or come close to.
double DecimalValue(const std::string& significant, long long magnitude, bool& overflow) {
    const std::string text = "0." + significant + "e" + std::to_string(magnitude + 1);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        overflow = magnitude > 0;
        return 0;
    }
    return value;
}

// The longest number at the start of `text`: optional sign, digits with at most one point
// (at least one digit in all), then an optional exponent.
NumberScan ScanNumber(std::string_view text) {
    NumberScan scan;
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const size_t integerStart = i;
    const size_t integerEnd = SkipDigits(text, i);
    size_t fractionStart = integerEnd;
    size_t fractionEnd = integerEnd;
    if (integerEnd < text.size() && text[integerEnd] == '.') {
        fractionStart = integerEnd + 1;
        fractionEnd = SkipDigits(text, fractionStart);
    }
    if (integerEnd == integerStart && fractionEnd == fractionStart) return scan;
    long long exponent = 0;
    scan.End = ScanExponent(text, fractionEnd, exponent);
    scan.Outcome = ScanOutcome::Value;

    const std::string digits = std::string(text.substr(integerStart, integerEnd - integerStart)) +
                               std::string(text.substr(fractionStart, fractionEnd - fractionStart));
    const size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return scan;  // zero, whatever its sign and exponent
    const size_t last = digits.find_last_not_of('0');
    const long long integerCount = static_cast<long long>(integerEnd - integerStart);
    const long long magnitude = integerCount - 1 - static_cast<long long>(first) + exponent;
    if (magnitude >= OverflowMagnitude) {
        scan.Outcome = ScanOutcome::Overflow;
    } else if (magnitude > UnderflowMagnitude) {
        bool overflow = false;
        const double value = DecimalValue(digits.substr(first, last - first + 1), magnitude, overflow);
        if (overflow) scan.Outcome = ScanOutcome::Overflow;
        scan.Value = negative && value != 0 ? -value : value;  // no negative zero from an underflow
    }
    if (scan.Outcome == ScanOutcome::Overflow)
        scan.Value = negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    return scan;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

double Val(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    return ScanNumber(text.substr(i)).Value;
}

bool ParseNumber(std::string_view text, double& value) {
    auto isSpace = [](char c) { return IsBlank(c) || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    const NumberScan scan = ScanNumber(text);
    if (scan.Outcome != ScanOutcome::Value || scan.End != text.size()) return false;
    value = scan.Value;
    return true;
}

}  // namespace quorvane
