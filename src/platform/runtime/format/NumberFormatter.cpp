#include "platform/runtime/format/NumberFormatter.h"

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
    if (magnitude == 0 && minimum > 0) significant = 0;  // "E+00" shows only the padding
    digits.padding = std::max(minimum - significant, 0);
    digits.count = significant + digits.padding;
    return digits;
}

}  // namespace

bool groupSeparatorAfter(int digitsToRight, const std::vector<int>& grouping) {
    if (digitsToRight <= 0 || grouping.empty()) return false;
    int boundary = 0;
    for (std::size_t i = 0;; ++i) {
        int size = grouping[std::min(i, grouping.size() - 1)];
        if (size <= 0) return false;
        boundary += size;
        if (boundary >= digitsToRight) return boundary == digitsToRight;
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

namespace {

// Walks the tokens of one number section, keeping count of the placeholders passed.
class NumberRenderer {
public:
    NumberRenderer(String& out, const NumberLayout& layout, const DisplayedNumber& number,
                   const RegionalSettings& settings)
        : out_(out),
          layout_(layout),
          number_(number),
          settings_(settings),
          integer_(number.digits, layout.minIntegerDigits),
          exponent_(layout.hasExponent ? exponentDigits(number.exponent, layout.minExponentDigits)
                                       : ExponentDigits{}),
          fractionShown_(std::max(layout.minFractionDigits,
                                  std::clamp(number.digits.count - number.digits.pointPosition, 0,
                                             layout.fractionPlaceholders))) {}

    void render(const CompiledFormat& format, const FormatSection& section) {
        const FormatToken* tokens = format.tokens.data() + section.firstToken;
        for (std::uint32_t t = 0; t < section.tokenCount; ++t) {
            const FormatToken& token = tokens[t];
            switch (token.kind) {
                case TokenKind::IntegerDigit:
                    integerDigit();
                    break;
                case TokenKind::FractionDigit:
                    fractionDigit();
                    break;
                case TokenKind::DecimalPoint:
                    out_ += settings_.decimalSeparator;
                    break;
                case TokenKind::Exponent:
                    exponent(token);
                    break;
                case TokenKind::ExponentDigit:
                    exponentDigit();
                    break;
                default:
                    out_ += format.literalOf(token);
                    break;
            }
        }
    }

private:
    void integerDigit() {
        if (layout_.integerPlaceholders == 0) return;  // a mantissa below one: ".47E+2"
        auto groupAfter = [this](int j) {
            if (layout_.grouping &&
                groupSeparatorAfter(integer_.count() - 1 - j, settings_.grouping)) {
                out_ += settings_.groupSeparator;
            }
        };
        appendPlaceholderDigits(
            out_, integerIndex_++, layout_.integerPlaceholders, integer_.count(),
            [this](int j) { return integer_.at(j); }, groupAfter);
    }

    void fractionDigit() {
        const DecimalDigits& digits = number_.digits;
        if (fractionIndex_ < fractionShown_) {
            out_ += static_cast<char16_t>(digits.digitAt(digits.pointPosition + fractionIndex_));
        }
        ++fractionIndex_;
    }

    void exponent(const FormatToken& token) {
        out_ += token.letter;
        if (number_.exponent < 0) {
            out_ += u'-';
        } else if (token.zeroPlaceholder) {
            out_ += u'+';
        }
        if (layout_.exponentPlaceholders == 0) {  // "0E+": the exponent still shows
            for (int j = 0; j < exponent_.count; ++j)
                out_ += exponent_.at(j);
        }
    }

    void exponentDigit() {
        appendPlaceholderDigits(
            out_, exponentIndex_++, layout_.exponentPlaceholders, exponent_.count,
            [this](int j) { return exponent_.at(j); }, [](int) {});
    }

    String& out_;
    const NumberLayout& layout_;
    const DisplayedNumber& number_;
    const RegionalSettings& settings_;
    IntegerDigits integer_;
    ExponentDigits exponent_;
    int fractionShown_;
    int integerIndex_ = 0, fractionIndex_ = 0, exponentIndex_ = 0;
};

// A plain section's placeholders stand in one run, so they show every integer digit with
// its group separators, the decimal point where the section has one, and the fraction
// digits shown: the text the token walk writes, sized once and filled in one pass.
void appendPlainNumber(String& out, const FormatSection& section, const DisplayedNumber& number,
                       const RegionalSettings& settings) {
    const NumberLayout& layout = section.number;
    const DecimalDigits& digits = number.digits;
    const IntegerDigits integer(digits, layout.minIntegerDigits);
    const int count = integer.count();
    const bool point = static_cast<int>(section.tokenCount) >
                       layout.integerPlaceholders + layout.fractionPlaceholders;
    const int fractionShown =
        std::max(layout.minFractionDigits,
                 std::clamp(digits.count - digits.pointPosition, 0, layout.fractionPlaceholders));
    // Most regions group by one repeated size: the separators are then counted down rather
    // than looked up for each digit.
    const std::vector<int>& grouping = settings.grouping;
    const int uniform = layout.grouping && grouping.size() == 1 ? grouping[0] : 0;
    const bool irregular = layout.grouping && uniform <= 0;
    std::size_t separators = 0;
    if (uniform > 0 && count > 0) separators = static_cast<std::size_t>((count - 1) / uniform);
    for (int j = 0; irregular && j < count; ++j)
        separators += groupSeparatorAfter(count - 1 - j, grouping) ? 1 : 0;

    const StringView group = settings.groupSeparator;
    const StringView decimal = settings.decimalSeparator;
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(count + fractionShown) + separators * group.size() +
               (point ? decimal.size() : 0));
    char16_t* at = out.data() + start;
    int untilSeparator = uniform > 0 && count > 0 ? (count - 1) % uniform + 1 : 0;
    for (int j = 0; j < count; ++j) {
        *at++ = integer.at(j);
        const bool separator = uniform > 0
                                   ? --untilSeparator == 0 && j + 1 < count
                                   : irregular && groupSeparatorAfter(count - 1 - j, grouping);
        if (!separator) continue;
        at = std::copy(group.begin(), group.end(), at);
        untilSeparator = uniform;
    }
    if (point) at = std::copy(decimal.begin(), decimal.end(), at);
    for (int k = 0; k < fractionShown; ++k)
        *at++ = static_cast<char16_t>(digits.digitAt(digits.pointPosition + k));
}

}  // namespace

void appendNumber(String& out, const CompiledFormat& format, const FormatSection& section,
                  const DisplayedNumber& number, const RegionalSettings& settings) {
    if (section.number.plainDigits) return appendPlainNumber(out, section, number, settings);
    NumberRenderer(out, section.number, number, settings).render(format, section);
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
