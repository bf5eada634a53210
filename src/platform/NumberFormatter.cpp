#include "platform/NumberFormatter.h"

#include <algorithm>
#include <charconv>

namespace quelta {
namespace {

// Digits of the integer part, padded in front to the section's minimum.
class IntegerDigits {
  public:
    IntegerDigits(const DecimalDigits& digits, int minimum)
        : digits_(digits),
          significant_(std::max(digits.pointPosition, 0)),
          padding_(std::max(minimum - significant_, 0)) {}

    int count() const { return significant_ + padding_; }
    char16_t at(int index) const {
        return index < padding_ ? u'0' : static_cast<char16_t>(digits_.digitAt(index - padding_));
    }

  private:
    const DecimalDigits& digits_;
    int significant_;
    int padding_;
};

// Places the digits of a run right-aligned on its placeholders: each placeholder takes one
// digit, the first takes every digit left over, and a '#' without a digit shows nothing.
template <typename Digit, typename AfterDigit>
void appendPlaceholderDigits(String& out, int placeholderIndex, int placeholders, int digitCount,
                             Digit digit, AfterDigit afterDigit) {
    int position = digitCount - placeholders + placeholderIndex;
    int from = placeholderIndex == 0 ? 0 : position;
    for (int j = std::max(from, 0); j <= position; ++j) {
        out += digit(j);
        afterDigit(j);
    }
}

struct ExponentDigits {
    char text[8] = {};
    int count = 0;
    int padding = 0;
    char16_t at(int index) const {
        return index < padding ? u'0' : static_cast<char16_t>(text[index - padding]);
    }
};

ExponentDigits exponentDigits(int exponent, int minimum) {
    ExponentDigits digits;
    unsigned magnitude =
        exponent < 0 ? 0u - static_cast<unsigned>(exponent) : static_cast<unsigned>(exponent);
    auto result = std::to_chars(digits.text, digits.text + sizeof digits.text, magnitude);
    int significant = static_cast<int>(result.ptr - digits.text);
    if (magnitude == 0 && minimum > 0)
        significant = 0;  // "E+00" shows only the padding
    digits.padding = std::max(minimum - significant, 0);
    digits.count = significant + digits.padding;
    return digits;
}

}  // namespace

bool groupSeparatorAfter(int digitsToRight, const std::vector<int>& grouping) {
    if (digitsToRight <= 0 || grouping.empty())
        return false;
    int boundary = 0;
    for (std::size_t i = 0;; ++i) {
        int size = grouping[std::min(i, grouping.size() - 1)];
        if (size <= 0)
            return false;
        boundary += size;
        if (boundary >= digitsToRight)
            return boundary == digitsToRight;
    }
}

DisplayedNumber displayedNumber(const NumberLayout& layout, DecimalDigits magnitude) {
    DisplayedNumber number{magnitude, 0};
    shiftDecimalPoint(number.digits, 2 * layout.percentSigns - 3 * layout.thousandsScaling);
    if (!layout.hasExponent || number.digits.isZero()) {
        roundToFraction(number.digits, layout.fractionPlaceholders);
        return number;
    }
    number.exponent = number.digits.pointPosition - layout.integerPlaceholders;
    number.digits.pointPosition = layout.integerPlaceholders;
    roundToFraction(number.digits, layout.fractionPlaceholders);
    if (number.digits.pointPosition > layout.integerPlaceholders) {  // 9.99E+00 -> 1.00E+01
        number.exponent += number.digits.pointPosition - layout.integerPlaceholders;
        number.digits.pointPosition = layout.integerPlaceholders;
    }
    return number;
}

void appendNumber(String& out, const CompiledFormat& format, const FormatSection& section,
                  const DisplayedNumber& number, const RegionalSettings& settings) {
    const NumberLayout& layout = section.number;
    const DecimalDigits& digits = number.digits;
    IntegerDigits integer(digits, layout.minIntegerDigits);
    int fractionShown =
        std::max(layout.minFractionDigits,
                 std::clamp(digits.count - digits.pointPosition, 0, layout.fractionPlaceholders));
    ExponentDigits exponent = exponentDigits(number.exponent, layout.minExponentDigits);
    int integerIndex = 0, fractionIndex = 0, exponentIndex = 0;
    auto groupAfter = [&](int j) {
        if (layout.grouping && groupSeparatorAfter(integer.count() - 1 - j, settings.grouping)) {
            out += settings.groupSeparator;
        }
    };
    auto noGroup = [](int) {};
    const FormatToken* tokens = format.tokens.data() + section.firstToken;
    for (std::uint32_t t = 0; t < section.tokenCount; ++t) {
        const FormatToken& token = tokens[t];
        switch (token.kind) {
            case TokenKind::IntegerDigit:
                appendPlaceholderDigits(
                    out, integerIndex++, layout.integerPlaceholders, integer.count(),
                    [&](int j) { return integer.at(j); }, groupAfter);
                break;
            case TokenKind::FractionDigit:
                if (fractionIndex < fractionShown) {
                    out +=
                        static_cast<char16_t>(digits.digitAt(digits.pointPosition + fractionIndex));
                }
                ++fractionIndex;
                break;
            case TokenKind::DecimalPoint:
                out += settings.decimalSeparator;
                break;
            case TokenKind::Exponent:
                out += token.letter;
                if (number.exponent < 0) {
                    out += u'-';
                } else if (token.zeroPlaceholder) {
                    out += u'+';
                }
                if (layout.exponentPlaceholders == 0) {  // "0E+": the exponent still shows
                    for (int j = 0; j < exponent.count; ++j)
                        out += exponent.at(j);
                }
                break;
            case TokenKind::ExponentDigit:
                appendPlaceholderDigits(
                    out, exponentIndex++, layout.exponentPlaceholders, exponent.count,
                    [&](int j) { return exponent.at(j); }, noGroup);
                break;
            default:
                out += format.literalOf(token);
                break;
        }
    }
}

NumberSectionChoice chooseNumberSection(const CompiledFormat& format,
                                        const DecimalDigits& magnitude, bool negative) {
    NumberSectionChoice choice;
    if (magnitude.isZero()) {
        choice.section = format.hasSection(2) ? 2 : 0;
        choice.shownAsZero = true;
        return choice;
    }
    choice.section = negative && format.hasSection(1) ? 1 : 0;
    const FormatSection& section = format.sections[choice.section];
    if (section.kind == SectionKind::Number) {
        choice.displayed = displayedNumber(section.number, magnitude);
        if (choice.displayed.digits.isZero()) {
            choice.section = format.hasSection(2) ? 2 : 0;
            choice.shownAsZero = true;
            choice.displayed = DisplayedNumber{};
            return choice;
        }
    }
    choice.showMinus = negative && choice.section == 0;
    return choice;
}

}  // namespace quelta
