#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/decimal_digits.h"
#include "platform/text.h"

namespace quorvane {

namespace {

enum class Part { Literal, IntegerDigit, Point, FractionDigit, Exponent, ExponentDigit };

struct PatternItem {
    Part Kind = Part::Literal;
    char Character = 0;  ///< the literal, the exponent letter, or '0' / '#' for a digit
    char Sign = 0;       ///< for the exponent: '+' (sign always shown) or '-' (only negative)
};

// One section of a pattern split into items, with the digit counts it asks for.
struct Layout {
    std::vector<PatternItem> Items;
    int IntegerCount = 0;
    int FractionCount = 0;
    int ExponentCount = 0;
    int MinInteger = 0;   ///< integer digits from the first "0" on
    int MinFraction = 0;  ///< fraction digits up to the last "0"
    int MinExponent = 1;  ///< exponent digits from the first "0" on, at least one
    bool HasExponent = false;
    bool HasPoint = false;
};

// The digits a section prints, before they are placed into its items.
struct Rendering {
    std::string Integer;   ///< without leading zeros beyond Layout::MinInteger
    std::string Fraction;  ///< without trailing zeros beyond Layout::MinFraction
    int Exponent = 0;
    bool Zero = true;      ///< every printed digit of the number is 0
};

bool IsDigitPlaceholder(char c) { return c == '0' || c == '#'; }

// Digits from the first "0" placeholder to the end of `placeholders`.
int DigitsFromFirstZero(const std::string& placeholders) {
    const size_t first = placeholders.find('0');
    return first == std::string::npos ? 0 : static_cast<int>(placeholders.size() - first);
}

Layout ParseSection(std::string_view section) {
    Layout layout;
    Part digitPart = Part::IntegerDigit;
    std::string integer, fraction, exponent;
    bool digitSeen = false;
    for (size_t i = 0; i < section.size(); ++i) {
        const char c = section[i];
        PatternItem item{Part::Literal, c, 0};
        if (IsDigitPlaceholder(c)) {
            item.Kind = digitPart;
            digitSeen = true;
            (digitPart == Part::IntegerDigit ? integer
             : digitPart == Part::FractionDigit ? fraction
                                                : exponent) += c;
        } else if (c == '.' && digitPart == Part::IntegerDigit) {
            item.Kind = Part::Point;
            layout.HasPoint = true;
            digitPart = Part::FractionDigit;
        } else if ((c == 'e' || c == 'E') && digitSeen && !layout.HasExponent &&
                   i + 1 < section.size() && (section[i + 1] == '+' || section[i + 1] == '-')) {
            item.Kind = Part::Exponent;
            item.Sign = section[++i];
            layout.HasExponent = true;
            digitPart = Part::ExponentDigit;
        }
        layout.Items.push_back(item);
    }
    layout.IntegerCount = static_cast<int>(integer.size());
    layout.FractionCount = static_cast<int>(fraction.size());
    layout.ExponentCount = static_cast<int>(exponent.size());
    layout.MinInteger = DigitsFromFirstZero(integer);
    layout.MinFraction = static_cast<int>(fraction.find_last_of('0') + 1);  // npos + 1 == 0
    layout.MinExponent = std::max(1, DigitsFromFirstZero(exponent));
    return layout;
}

bool AllZero(const std::string& digits) { return digits.find_first_not_of('0') == std::string::npos; }

// Leading zeros dropped, or added, to leave `minDigits` digits at least.
std::string TrimLeadingZeros(const std::string& digits, int minDigits) {
    size_t start = 0;
    while (start < digits.size() && digits[start] == '0' &&
           static_cast<int>(digits.size() - start) > minDigits) ++start;
    std::string kept = digits.substr(start);
    if (static_cast<int>(kept.size()) < minDigits)
        kept.insert(0, static_cast<size_t>(minDigits) - kept.size(), '0');
    return kept;
}

// Trailing zeros dropped down to `minDigits` digits.
std::string TrimFractionZeros(std::string digits, int minDigits) {
    while (static_cast<int>(digits.size()) > minDigits && digits.back() == '0') digits.pop_back();
    return digits;
}

Rendering RenderFixed(double magnitude, const Layout& layout) {
    const DecimalDigits number = ScientificDigits(magnitude, DoubleSignificantDigits);
    std::string n = RoundToPlace(number, -layout.FractionCount);
    const size_t fractionCount = static_cast<size_t>(layout.FractionCount);
    if (n.size() <= fractionCount) n.insert(0, fractionCount + 1 - n.size(), '0');
    Rendering rendering;
    rendering.Zero = AllZero(n);
    rendering.Integer = TrimLeadingZeros(n.substr(0, n.size() - fractionCount), layout.MinInteger);
    rendering.Fraction = TrimFractionZeros(n.substr(n.size() - fractionCount), layout.MinFraction);
    return rendering;
}

// Mantissa with as many integer digits as the pattern has placeholders for (one when it
// has none and no decimals either), the exponent making up the rest.
Rendering RenderScientific(double magnitude, const Layout& layout) {
    const int integerDigits =
        layout.IntegerCount > 0 || layout.FractionCount > 0 ? layout.IntegerCount : 1;
    const int significant = std::max(1, integerDigits + layout.FractionCount);
    Rendering rendering;
    std::string n(static_cast<size_t>(significant), '0');
    if (magnitude > 0) {
        const DecimalDigits number = ScientificDigits(magnitude, significant);
        n = number.Digits;
        n.resize(static_cast<size_t>(significant), '0');  // beyond the 17 digits a double has
        rendering.Exponent = number.Exponent - integerDigits + 1;
        rendering.Zero = false;
    }
    const size_t split = static_cast<size_t>(integerDigits);
    rendering.Integer = TrimLeadingZeros(n.substr(0, split), layout.MinInteger);
    rendering.Fraction = TrimFractionZeros(n.substr(split), layout.MinFraction);
    return rendering;
}

// Right-aligned digits for `count` placeholders: the first placeholder also takes every
// digit that does not fit, so no digit is ever lost.
std::string DigitForPlaceholder(const std::string& digits, int count, int index) {
    const int length = static_cast<int>(digits.size());
    const int fromRight = count - 1 - index;
    if (index == 0 && length > count) return digits.substr(0, static_cast<size_t>(length - count + 1));
    if (fromRight < length) return std::string(1, digits[static_cast<size_t>(length - 1 - fromRight)]);
    return "";
}

std::string Assemble(const Layout& layout, const Rendering& rendering) {
    const std::string exponentDigits = SignedDigits(std::abs(rendering.Exponent), false, layout.MinExponent);
    std::string text;
    int integerIndex = 0, fractionIndex = 0, exponentIndex = 0;
    // Integer digits of a pattern without integer placeholders go before its point.
    bool integerPending = layout.IntegerCount == 0 && (layout.FractionCount > 0 || layout.HasPoint);
    for (const PatternItem& item : layout.Items) {
        if (integerPending && item.Kind != Part::Literal) {
            text += rendering.Integer;
            integerPending = false;
        }
        switch (item.Kind) {
        case Part::Literal: text += item.Character; break;
        case Part::IntegerDigit:
            text += DigitForPlaceholder(rendering.Integer, layout.IntegerCount, integerIndex++);
            break;
        case Part::Point: text += '.'; break;
        case Part::FractionDigit:
            if (fractionIndex < static_cast<int>(rendering.Fraction.size()))
                text += rendering.Fraction[static_cast<size_t>(fractionIndex)];
            ++fractionIndex;
            break;
        case Part::Exponent:
            text += item.Character;
            if (rendering.Exponent < 0) text += '-';
            else if (item.Sign == '+') text += '+';
            if (layout.ExponentCount == 0) text += exponentDigits;
            break;
        case Part::ExponentDigit:
            text += DigitForPlaceholder(exponentDigits, layout.ExponentCount, exponentIndex++);
            break;
        }
    }
    if (integerPending) text += rendering.Integer;
    return text;
}

Rendering Render(double magnitude, const Layout& layout) {
    return layout.HasExponent ? RenderScientific(magnitude, layout) : RenderFixed(magnitude, layout);
}

std::vector<std::string_view> SplitSections(std::string_view pattern) {
    std::vector<std::string_view> sections;
    size_t start = 0;
    for (size_t i = 0; i <= pattern.size(); ++i) {
        if (i == pattern.size() || pattern[i] == ';') {
            sections.push_back(pattern.substr(start, i - start));
            start = i + 1;
        }
    }
    return sections;
}

}  // namespace

// Sections: positive;negative;zero. A negative value printed by its own section takes no
// minus sign (the section writes one if it wants it); with one section it gets a leading
// "-". A value whose printed digits are all zero is printed as zero, so "-0" never appears.
std::string Format(double value, std::string_view pattern) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    const std::vector<std::string_view> sections = SplitSections(pattern);
    if (sections[0].empty()) return NumberText(value);
    const bool negative = value < 0;
    const bool ownNegative = negative && sections.size() >= 2 && !sections[1].empty();
    Layout layout = ParseSection(sections[ownNegative ? 1 : 0]);
    Rendering rendering = Render(std::fabs(value), layout);
    if (rendering.Zero) {
        const bool ownZero = sections.size() >= 3 && !sections[2].empty();
        layout = ParseSection(sections[ownZero ? 2 : 0]);
        return Assemble(layout, Render(0, layout));
    }
    return (negative && !ownNegative ? "-" : "") + Assemble(layout, rendering);
}

}  // namespace quorvane
