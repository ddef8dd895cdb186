#include "platform/decimal_digits.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quorvane {

namespace {

// Splits the scientific text of to_chars ("d.ddde±xx") into digits and exponent.
DecimalDigits FromScientificText(const char* first, const char* last) {
    DecimalDigits number;
    number.Digits.clear();
    const char* p = first;
    for (; p != last && *p != 'e'; ++p) {
        if (*p != '.') number.Digits.push_back(*p);
    }
    assert(p != last);
    ++p;
    if (*p == '+') ++p;
    std::from_chars(p, last, number.Exponent);
    return number;
}

bool ReadsBackAs(const char* first, const char* last, float expected) {
    double value = 0;
    std::from_chars(first, last, value);
    return static_cast<float>(value) == expected;
}

}  // namespace

DecimalDigits ScientificDigits(double magnitude, int significantDigits) {
    assert(std::isfinite(magnitude) && magnitude >= 0);
    significantDigits = std::clamp(significantDigits, 1, 17);
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific,
                                std::max(significantDigits, DoubleSignificantDigits) - 1);
    DecimalDigits number = FromScientificText(buffer, result.ptr);
    if (significantDigits >= DoubleSignificantDigits) return number;
    number.Digits = RoundToPlace(number, number.Exponent - significantDigits + 1);
    if (static_cast<int>(number.Digits.size()) > significantDigits) {  // 9.99 rounded up to 10.0
        number.Digits.pop_back();
        ++number.Exponent;
    }
    return number;
}

DecimalDigits ShortestDigits(float magnitude) {
    assert(std::isfinite(magnitude) && magnitude >= 0);
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    DecimalDigits number = FromScientificText(buffer, result.ptr);
    // Readers take the text as a double and narrow it to a float. The shortest float text
    // can land, as a double, exactly halfway between two floats (7.038531E-26 does), and
    // then narrows to the wrong one; more digits of the exact value settle it. Seventeen
    // digits always read back to the exact double, which narrows without loss.
    for (int digits = static_cast<int>(number.Digits.size()) + 1;
         !ReadsBackAs(buffer, result.ptr, magnitude) && digits <= 17; ++digits) {
        result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(magnitude),
                               std::chars_format::scientific, digits - 1);
        number = FromScientificText(buffer, result.ptr);
    }
    TrimTrailingZeros(number);
    return number;
}

std::string RoundToPlace(const DecimalDigits& number, int lowestPlace) {
    const std::string& d = number.Digits;
    const long long kept = static_cast<long long>(number.Exponent) - lowestPlace + 1;
    if (kept <= 0) return (kept == 0 && d[0] >= '5') ? "1" : "0";
    const size_t count = static_cast<size_t>(kept);
    if (count >= d.size()) return d + std::string(count - d.size(), '0');
    std::string n = d.substr(0, count);
    if (d[count] >= '5') {
        size_t i = n.size();
        while (i > 0 && n[i - 1] == '9') n[--i] = '0';
        if (i == 0) n.insert(n.begin(), '1');
        else ++n[i - 1];
    }
    return n;
}

void TrimTrailingZeros(DecimalDigits& number) {
    auto last = number.Digits.find_last_not_of('0');
    number.Digits.resize(last == std::string::npos ? 1 : last + 1);
}

std::string PlainSpelling(const DecimalDigits& number) {
    const std::string& d = number.Digits;
    const int e = number.Exponent;
    if (e < 0) return "0." + std::string(static_cast<size_t>(-e - 1), '0') + d;
    const size_t integerCount = static_cast<size_t>(e) + 1;
    if (d.size() <= integerCount) return d + std::string(integerCount - d.size(), '0');
    return d.substr(0, integerCount) + "." + d.substr(integerCount);
}

std::string ExponentSpelling(const DecimalDigits& number) {
    std::string text = number.Digits.substr(0, 1);
    if (number.Digits.size() > 1) text += "." + number.Digits.substr(1);
    return text + "E" + SignedDigits(number.Exponent, true, 2);
}

std::string SignedDigits(int value, bool alwaysSign, int minDigits) {
    std::string digits = std::to_string(std::abs(static_cast<long long>(value)));
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, static_cast<size_t>(minDigits) - digits.size(), '0');
    if (value < 0) return "-" + digits;
    return alwaysSign ? "+" + digits : digits;
}

std::string NonFiniteText(double value) {
    if (std::isnan(value)) return "NaN";
    return value < 0 ? "-Inf" : "Inf";
}

}  // namespace quorvane
