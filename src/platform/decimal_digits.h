#pragma once

#include <string>

namespace quorvane {

/// A non-negative finite value as decimal digits: Digits[0].Digits[1..] × 10^Exponent.
/// Digits is never empty; zero is "0" with exponent 0.
struct DecimalDigits {
    std::string Digits = "0";
    int Exponent = 0;
};

/// Digits a double is read to before any shorter rounding, as the classic double conversion
/// does: 1.005 rounded to two decimals gives 1.01, and the float 0.1 shows as 0.1.
constexpr int DoubleSignificantDigits = 15;

/// `magnitude` rounded to `significantDigits` (1..17) digits, trailing zeros kept. Up to 15
/// digits the value is first taken to 15 digits, then rounded half away from zero.
DecimalDigits ScientificDigits(double magnitude, int significantDigits);

/// round(value × 10^-lowestPlace) as decimal digits, halves rounded away from zero.
std::string RoundToPlace(const DecimalDigits& number, int lowestPlace);

/// The fewest digits that read back to the same float, also when read as a double and then
/// narrowed to a float; no trailing zeros.
DecimalDigits ShortestDigits(float magnitude);

/// Drops trailing zeros of the digits (keeps at least one digit).
void TrimTrailingZeros(DecimalDigits& number);

/// The digits spelled without exponent: "1234", "0.25", "0.0001", "12.5".
std::string PlainSpelling(const DecimalDigits& number);

/// The digits spelled as mantissa and exponent: "1E+38", "1.5E-05".
std::string ExponentSpelling(const DecimalDigits& number);

/// An integer as sign and at least `minDigits` digits: "+05", "-5", "06". The sign of a
/// non-negative value is written only when `alwaysSign` is set.
std::string SignedDigits(int value, bool alwaysSign, int minDigits);

/// "NaN", "Inf" or "-Inf": what a value that should never reach a text shows instead.
std::string NonFiniteText(double value);

}  // namespace quorvane
