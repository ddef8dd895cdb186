#pragma once

#include <string>
#include <string_view>

#include "platform/host.h"

namespace quorvane {

/// The default number-to-text conversion: at most `significantDigits` significant digits
/// (7 for single-precision values), no trailing zeros, exponent form "1E+38" / "1E-06" for
/// very large or small magnitudes, and a leading space when the value is not negative
/// (" 512", "-3", " 0.25").
std::string Str(double value, int significantDigits = 7);

/// The same text without the leading space: a number written as plain number text.
std::string NumberText(double value, int significantDigits = 7);

/// The lenient parse of a text box: leading blanks skipped, then the longest leading number
/// ("12abc" gives 12, "1e3" gives 1000, ".5" gives 0.5); 0 when the text does not start with one.
double Val(std::string_view text);

/// A text box read as a single-precision value: the lenient parse, held within the float range
/// so that an over-large entry cannot become an infinity.
float SingleFromText(std::string_view text);

/// A strict parse for data files: the whole text must be one number. False when it is not.
bool ParseNumber(std::string_view text, double& value);

/// The same strict parse for a 32-bit float, rounded once from the decimal text: any number
/// that rounds to a finite float is taken ("3.4028235E+38" is the largest, "1E-46" gives zero),
/// and a minus sign on zero is kept. False for any other text.
bool ParseFloat(std::string_view text, float& value);

/// Number formatting by pattern: "0" always prints a digit, "#" only a significant one, the
/// point is always printed when the pattern has one ("#0.##" gives "2." for 2), "e+##"/"E+00"
/// give an exponent with its sign, other characters are literal, and up to three sections
/// separated by ";" format positive, negative and zero values (a negative value formatted by
/// the negative section has no minus sign of its own: " p;-p" gives " 1.5" and "-1.5").
std::string Format(double value, std::string_view pattern);

/// The shortest text that reads back to the same 32-bit float, as the data file stores it:
/// "0.1", "10", "-2.5", "1E+38", "-1E+38", "1E-06", and "-0" for negative zero.
std::string FloatText(float value);

/// Characters of UTF-8 text (titles and units typed by the user may hold more than ASCII).
std::size_t CharacterCount(std::string_view text);

/// The first `count` characters of UTF-8 text, never ending inside a character.
std::string_view LeadingCharacters(std::string_view text, std::size_t count);

/// Dates by pattern: "dd mmm yy" gives "06 Dec 26", "dd mmmm yyyy" gives "06 December 2026".
std::string FormatDate(const CalendarDate& date, std::string_view pattern);

}  // namespace quorvane
