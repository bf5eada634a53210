#pragma once
// Renders a number through a number section of a compiled format, and chooses the section
// a number is shown by.

#include <cstdint>

#include "platform/region/RegionalSettings.h"
#include "platform/runtime/DecimalDigits.h"
#include "platform/runtime/format/CompiledFormat.h"

namespace quelta {

// A number's magnitude as the Format routine reads it: a double to 15 significant digits
// (7 for a single), or a currency amount exactly. Its digits are worked out only for the
// section that shows it, rounded there in one step to the section's places.
struct NumberMagnitude {
    double value = 0;
    int significantDigits = 15;
    bool scaled = false;  // a currency amount: `amount` at four decimals
    std::int64_t amount = 0;

    static NumberMagnitude ofCurrency(std::int64_t amount) { return {0, 0, true, amount}; }
    bool isZero() const { return scaled ? amount == 0 : value == 0; }
    DecimalDigits digits() const;
    // The digits multiplied by 10^power and rounded to fractionDigits places.
    DecimalDigits digits(int power, int fractionDigits) const;
};

// A magnitude as a section shows it: scaled by its percent signs and thousands commas and
// rounded to its fraction placeholders; with an exponent, normalised to its integer
// placeholders.
struct DisplayedNumber {
    DecimalDigits digits;
    int exponent = 0;
};

DisplayedNumber displayedNumber(const NumberLayout& layout, const NumberMagnitude& magnitude);

// The text of a section of digit placeholders around at most one decimal point ("#,##0.00",
// NumberLayout::plainDigits) for a displayed magnitude, without any sign: every integer
// digit with its group separators, the decimal point where the section has one, and the
// fraction digits shown. Its length is known before it is written, so that the result is
// sized once.
class PlainNumber {
public:
    PlainNumber(const FormatSection& section, const DisplayedNumber& number,
                const RegionalSettings& settings);
    std::size_t length() const;
    // Writes length() characters from `at`; returns the end.
    char16_t* write(char16_t* at) const;

private:
    const NumberLayout& layout_;
    const DecimalDigits& digits_;
    const RegionalSettings& settings_;
    int padding_ = 0;
    int integerCount_ = 0;
    int fractionShown_ = 0;
    int uniform_ = 0;  // the group size when the region repeats one
    int separators_ = 0;
    bool irregular_ = false;
    bool point_ = false;
};

// Appends the tokens of a number section for a displayed magnitude, without any sign.
void appendNumber(String& out, const CompiledFormat& format, const FormatSection& section,
                  const DisplayedNumber& number, const RegionalSettings& settings);

struct NumberSectionChoice {
    int section = 0;
    bool showMinus = false;     // the positive section shows a negative number
    bool shownAsZero = false;   // the number rounds to zero in its section; show it as 0
    DisplayedNumber displayed;  // for a number section: the number as it shows
};

// Positive numbers take section 1, negative ones section 2, zero section 3; a missing or
// empty section falls back to the first. A number that its section rounds to zero is shown
// as zero, by the zero section when there is one, and never with a minus sign: "-0.00" would
// tell the reader that something is there when nothing is.
NumberSectionChoice chooseNumberSection(const CompiledFormat& format,
                                        const NumberMagnitude& magnitude, bool negative);

// Whether a group separator follows an integer digit with `digitsToRight` digits after it,
// for group sizes given from the decimal point outwards (the last size repeats).
bool groupSeparatorAfter(int digitsToRight, const std::vector<int>& grouping);

}  // namespace quelta
