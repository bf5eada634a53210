#pragma once
// Renders a number through a number section of a compiled format, and chooses the section
// a number is shown by.

#include "platform/region/RegionalSettings.h"
#include "platform/runtime/DecimalDigits.h"
#include "platform/runtime/format/CompiledFormat.h"

namespace quelta {

// A magnitude as a section shows it: scaled by its percent signs and thousands commas and
// rounded to its fraction placeholders; with an exponent, normalised to its integer
// placeholders.
struct DisplayedNumber {
    DecimalDigits digits;
    int exponent = 0;
};

DisplayedNumber displayedNumber(const NumberLayout& layout, DecimalDigits magnitude);

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
                                        const DecimalDigits& magnitude, bool negative);

// Whether a group separator follows an integer digit with `digitsToRight` digits after it,
// for group sizes given from the decimal point outwards (the last size repeats).
bool groupSeparatorAfter(int digitsToRight, const std::vector<int>& grouping);

}  // namespace quelta
