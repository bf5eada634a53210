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

DecimalDigits NumberMagnitude::digits() const {
    return scaled ? decimalDigitsOfScaled(amount, 4) : decimalDigitsOf(value, significantDigits);
}

DecimalDigits NumberMagnitude::digits(int power, int fractionDigits) const {
    if (!scaled) return decimalDigitsOf(value, significantDigits, power, fractionDigits);
    DecimalDigits number = digits();
    shiftDecimalPoint(number, power);
    roundToFraction(number, fractionDigits);
    return number;
}

DisplayedNumber displayedNumber(const NumberLayout& layout, const NumberMagnitude& magnitude) {
    const int power = 2 * layout.percentSigns - 3 * layout.thousandsScaling;
    if (!layout.hasExponent) return {magnitude.digits(power, layout.fractionPlaceholders), 0};
    DisplayedNumber number{magnitude.digits(), 0};
    shiftDecimalPoint(number.digits, power);
    if (number.digits.isZero()) return number;
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

// Copies a separator; most are one character, which a plain store writes.
char16_t* copySeparator(StringView separator, char16_t* at) {
    if (separator.size() == 1) {
        *at = separator[0];
        return at + 1;
    }
    for (char16_t c : separator)
        *at++ = c;
    return at;
}

}  // namespace

PlainNumber::PlainNumber(const FormatSection& section, const DisplayedNumber& number,
                         const RegionalSettings& settings)
    : layout_(section.number), digits_(number.digits), settings_(settings) {
    const int significant = std::max(digits_.pointPosition, 0);
    padding_ = std::max(layout_.minIntegerDigits - significant, 0);
    integerCount_ = significant + padding_;
    point_ = static_cast<int>(section.tokenCount) >
             layout_.integerPlaceholders + layout_.fractionPlaceholders;
    fractionShown_ = std::max(
        layout_.minFractionDigits,
        std::clamp(digits_.count - digits_.pointPosition, 0, layout_.fractionPlaceholders));
    // Most regions group by one repeated size: the separators are then counted down rather
    // than looked up for each digit.
    const std::vector<int>& grouping = settings.grouping;
    uniform_ = layout_.grouping && grouping.size() == 1 ? grouping[0] : 0;
    irregular_ = layout_.grouping && uniform_ <= 0;
    if (uniform_ > 0 && integerCount_ > 0) separators_ = (integerCount_ - 1) / uniform_;
    for (int j = 0; irregular_ && j < integerCount_; ++j)
        separators_ += groupSeparatorAfter(integerCount_ - 1 - j, grouping) ? 1 : 0;
}

std::size_t PlainNumber::length() const {
    return static_cast<std::size_t>(integerCount_ + fractionShown_) +
           static_cast<std::size_t>(separators_) * settings_.groupSeparator.size() +
           (point_ ? settings_.decimalSeparator.size() : 0);
}

char16_t* PlainNumber::write(char16_t* at) const {
    const StringView group = settings_.groupSeparator;
    // The integer digits: the padding, the digits the number has, then the zeros standing
    // in for the digits it has not ("1E+20" has one).
    const int stored = std::min(std::max(digits_.pointPosition, 0), digits_.count);
    auto digitAt = [&](int j) {
        const int index = j - padding_;
        return index >= 0 && index < stored ? static_cast<char16_t>(digits_.digits[index]) : u'0';
    };
    if (uniform_ > 0) {
        // The first group may be short; each later one holds `uniform_` digits.
        int untilSeparator = integerCount_ > 0 ? (integerCount_ - 1) % uniform_ + 1 : 0;
        for (int j = 0; j < integerCount_; ++j) {
            *at++ = digitAt(j);
            if (--untilSeparator == 0 && j + 1 < integerCount_) {
                at = copySeparator(group, at);
                untilSeparator = uniform_;
            }
        }
    } else {
        for (int j = 0; j < integerCount_; ++j) {
            *at++ = digitAt(j);
            if (irregular_ && groupSeparatorAfter(integerCount_ - 1 - j, settings_.grouping)) {
                at = copySeparator(group, at);
            }
        }
    }
    if (point_) at = copySeparator(settings_.decimalSeparator, at);
    for (int k = 0; k < fractionShown_; ++k)
        *at++ = static_cast<char16_t>(digits_.digitAt(digits_.pointPosition + k));
    return at;
}

namespace {

// A plain section's placeholders stand in one run: the text the token walk writes, sized
// once and filled in one pass.
void appendPlainNumber(String& out, const FormatSection& section, const DisplayedNumber& number,
                       const RegionalSettings& settings) {
    const PlainNumber plain(section, number, settings);
    const std::size_t start = out.size();
    out.resize(start + plain.length());
    plain.write(out.data() + start);
}

}  // namespace

void appendNumber(String& out, const CompiledFormat& format, const FormatSection& section,
                  const DisplayedNumber& number, const RegionalSettings& settings) {
    if (section.number.plainDigits) return appendPlainNumber(out, section, number, settings);
    NumberRenderer(out, section.number, number, settings).render(format, section);
}

NumberSectionChoice chooseNumberSection(const CompiledFormat& format,
                                        const NumberMagnitude& magnitude, bool negative) {
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
