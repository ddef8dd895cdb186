#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "platform/text.h"

namespace quorvane {

namespace {

// What the longest number at the start of a text holds: its sign, its significant digits
// (none for zero) and the decimal magnitude of the first of them.
struct NumberScan {
    bool Found = false;
    bool Negative = false;
    std::string Significant;
    long long Magnitude = 0;
    size_t End = 0;  ///< one past the last character of the number
};

// Exponents are saturated here while reading their digits; any larger one already takes
// every value out of the double range, so the saturation does not change the outcome.
constexpr long long ExponentLimit = 100'000'000;

// Beyond these decimal magnitudes (of the first significant digit) a double overflows or
// underflows to zero whatever the remaining digits are; so does a float, sooner.
constexpr long long OverflowMagnitude = 309;
constexpr long long UnderflowMagnitude = -330;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

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

// The longest number at the start of `text`: optional sign, digits with at most one point
// (at least one digit in all), then an optional exponent.
NumberScan ScanNumber(std::string_view text) {
    NumberScan scan;
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) scan.Negative = text[i++] == '-';
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
    scan.Found = true;

    const std::string digits = std::string(text.substr(integerStart, integerEnd - integerStart)) +
                               std::string(text.substr(fractionStart, fractionEnd - fractionStart));
    const size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return scan;  // zero, whatever its exponent
    const size_t last = digits.find_last_not_of('0');
    scan.Significant = digits.substr(first, last - first + 1);
    const long long integerCount = static_cast<long long>(integerEnd - integerStart);
    scan.Magnitude = integerCount - 1 - static_cast<long long>(first) + exponent;
    return scan;
}

// The magnitude of a scanned number rounded once to T: 0.significant × 10^(magnitude + 1).
// False when it lies beyond the largest finite T; one below the smallest becomes zero.
template <typename T>
bool Magnitude(const NumberScan& scan, T& value) {
    value = 0;
    if (scan.Significant.empty() || scan.Magnitude <= UnderflowMagnitude) return true;
    if (scan.Magnitude >= OverflowMagnitude) return false;
    const std::string text = "0." + scan.Significant + "e" + std::to_string(scan.Magnitude + 1);
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = 0;
        return scan.Magnitude < 0;
    }
    return true;
}

// A scanned number as a double: an overflow saturates at the largest double, and zero never
// carries a minus sign. False on an overflow.
bool DoubleValue(const NumberScan& scan, double& value) {
    const bool inRange = Magnitude(scan, value);
    if (!inRange) value = std::numeric_limits<double>::max();
    if (scan.Negative && value != 0) value = -value;
    return inRange;
}

// The whole text, blanks around it aside, as one number; nothing found otherwise.
NumberScan ScanWholeNumber(std::string_view text) {
    auto isSpace = [](char c) { return IsBlank(c) || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    NumberScan scan = ScanNumber(text);
    if (scan.End != text.size()) scan.Found = false;
    return scan;
}

}  // namespace

double Val(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    double value = 0;
    DoubleValue(ScanNumber(text.substr(i)), value);
    return value;
}

float SingleFromText(std::string_view text) {
    constexpr double largest = std::numeric_limits<float>::max();
    const double value = Val(text);
    if (std::isnan(value)) return 0.0f;
    return static_cast<float>(std::clamp(value, -largest, largest));
}

bool ParseNumber(std::string_view text, double& value) {
    const NumberScan scan = ScanWholeNumber(text);
    double parsed = 0;
    if (!scan.Found || !DoubleValue(scan, parsed)) return false;
    value = parsed;
    return true;
}

bool ParseFloat(std::string_view text, float& value) {
    const NumberScan scan = ScanWholeNumber(text);
    float parsed = 0;
    if (!scan.Found || !Magnitude(scan, parsed)) return false;
    value = scan.Negative ? -parsed : parsed;
    return true;
}

}  // namespace quorvane
