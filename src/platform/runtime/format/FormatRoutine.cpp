#include "platform/runtime/format/FormatRoutine.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/runtime/Conversions.h"
#include "platform/runtime/NumberTextParser.h"
#include "platform/runtime/format/DateFormatter.h"
#include "platform/runtime/format/FormatCache.h"
#include "platform/runtime/format/NamedFormats.h"
#include "platform/runtime/format/NumberFormatter.h"
#include "platform/runtime/format/StringFormatter.h"

namespace quelta {
namespace {

constexpr int kMaxDefaultValueDepth = 8;

// A value read as a number, with the magnitude it is shown by: 15 significant digits for a
// double, 7 for a single, every digit of a currency amount.
struct NumericValue {
    double value = 0;
    NumberMagnitude magnitude;
};

// Raises error 6 for a value that is no finite number.
NumericValue numericValueOf(const Variant& value) {
    double number = value.type() == VariantType::Date ? value.toDate().serial : value.toDouble();
    if (!std::isfinite(number)) raiseError(kErrOverflow);
    switch (value.type()) {
        case VariantType::Single:
            return {number, {number, 7}};
        case VariantType::Currency:
            return {number, NumberMagnitude::ofCurrency(value.toCurrency().scaled)};
        default:
            return {number, {number, 15}};
    }
}

// The Format routine alone reads "12.5%" as 0.125; the conversions refuse the sign.
std::optional<double> textAsNumber(StringView text) {
    NumberParseResult number =
        parseRegionalNumber(text, currentNotation(), TrailingPercent::Hundredths);
    if (number.status == NumberParseStatus::Ok && std::isfinite(number.value)) return number.value;
    return std::nullopt;
}

String errorText(const Variant& value) {
    std::string number = std::to_string(value.errorNumber());
    return u"Error " + String(number.begin(), number.end());
}

class Formatter {
public:
    Formatter(const CompiledFormat& format, const DateContext& context)
        : format_(format), context_(context) {}

    String format(const Variant& value) {
        switch (value.type()) {
            case VariantType::Null:
                return null();
            case VariantType::String:
                return text(value.toString());
            case VariantType::Error:
                return errorText(value);
            case VariantType::Empty:
                return format_.kind == SectionKind::Text ? textSection(String())
                                                         : number(Variant(0.0));
            default:
                return format_.kind == SectionKind::Text ? textSection(value.toString())
                                                         : number(value);
        }
    }

private:
    String number(const Variant& value) { return number(numericValueOf(value)); }

    String number(const NumericValue& value) {
        NumberSectionChoice choice = chooseNumberSection(format_, value.magnitude, value.value < 0);
        const FormatSection& section = format_.sections[choice.section];
        if (section.kind == SectionKind::Number && section.number.plainDigits) {
            return plainNumber(section, choice);
        }
        String out;
        out.reserve(32);
        switch (section.kind) {
            case SectionKind::Empty:
                return doubleToText(value.value);
            case SectionKind::Number:
                if (choice.showMinus) out += minusSign();
                appendNumber(out, format_, section, choice.displayed, context_.settings);
                break;
            case SectionKind::Date:
                appendDate(out, format_, section, value.value, context_);
                break;
            case SectionKind::Text:
                appendText(out, format_, section, doubleToText(value.value), context_.settings);
                break;
            case SectionKind::Literal:
                appendLiterals(out, section);
                break;
        }
        return out;
    }

    // The sign and the digits, in a text allocated once at its length.
    String plainNumber(const FormatSection& section, const NumberSectionChoice& choice) const {
        const PlainNumber plain(section, choice.displayed, context_.settings);
        const StringView sign = choice.showMinus ? minusSign() : StringView();
        String out(sign.size() + plain.length(), u'0');
        std::copy(sign.begin(), sign.end(), out.begin());
        plain.write(out.data() + sign.size());
        return out;
    }

    String text(const String& value) {
        if (format_.kind == SectionKind::Text) return textSection(value);
        std::optional<double> first, second;
        if (format_.kind == SectionKind::Date) {
            first = tryTextToDate(value);
            if (!first) second = textAsNumber(value);
        } else {
            first = textAsNumber(value);
            if (!first) second = tryTextToDate(value);
        }
        std::optional<double> read = first ? first : second;
        if (!read) return value;
        return number(NumericValue{*read, {*read, 15}});
    }

    // Text formats show an empty text and Null by their second section.
    String textSection(const String& value) {
        int index = value.empty() && format_.hasSection(1) ? 1 : 0;
        String out;
        appendText(out, format_, format_.sections[index], value, context_.settings);
        return out;
    }

    String null() {
        if (format_.kind == SectionKind::Text) {
            return format_.hasSection(1) ? textSection(String()) : String();
        }
        if (!format_.hasSection(3)) return String();
        const FormatSection& section = format_.sections[3];
        String out;
        if (section.kind == SectionKind::Number) {
            appendNumber(out, format_, section, DisplayedNumber{}, context_.settings);
        } else if (section.kind == SectionKind::Date) {
            appendDate(out, format_, section, 0, context_);
        } else {
            appendLiterals(out, section);
        }
        return out;
    }

    void appendLiterals(String& out, const FormatSection& section) {
        appendText(out, format_, section, u"", context_.settings);
    }

    StringView minusSign() const {
        const String& sign = context_.settings.negativeSign;
        return sign.empty() ? StringView(u"-") : StringView(sign);
    }

    const CompiledFormat& format_;
    const DateContext& context_;
};

// "General Number": every significant digit, no group separators.
String generalNumber(const Variant& value) {
    switch (value.type()) {
        case VariantType::Null:
            return String();
        case VariantType::Error:
            return errorText(value);
        case VariantType::Currency:
        case VariantType::Single:
            return value.toString();
        case VariantType::String: {
            String text = value.toString();
            std::optional<double> read = textAsNumber(text);
            if (!read) read = tryTextToDate(text);
            return read ? doubleToText(*read) : text;
        }
        default:
            return doubleToText(numericValueOf(value).value);
    }
}

String defaultText(const Variant& value) {
    if (value.isNull()) return String();
    if (value.type() == VariantType::Error) return errorText(value);
    return value.toString();
}

// An object is shown by its default value.
Variant defaultValueOf(const Variant& value) {
    Variant plain = value;
    for (int depth = 0; plain.type() == VariantType::Object; ++depth) {
        ObjectRef object = plain.toObject();
        if (!object) raiseError(kErrObjectRequired);
        if (depth == kMaxDefaultValueDepth) raiseError(kErrTypeMismatch);
        plain = object->defaultValue();
    }
    return plain;
}

}  // namespace

String formatValue(const Variant& value, StringView format, int firstDayOfWeek, int firstWeekOfYear,
                   const RegionalSettings& settings) {
    if (firstDayOfWeek < 0 || firstDayOfWeek > 7 || firstWeekOfYear < 0 || firstWeekOfYear > 3 ||
        format.size() > kMaxFormatLength) {
        raiseError(kErrInvalidProcedureCall);
    }
    // Only an object needs a copy: its default value.
    const Variant defaultValue =
        value.type() == VariantType::Object ? defaultValueOf(value) : Variant();
    const Variant& plain = value.type() == VariantType::Object ? defaultValue : value;
    std::optional<NamedFormat> named = resolveNamedFormat(format, settings);
    if (named && named->generalNumber) return generalNumber(plain);
    StringView pattern = named ? StringView(named->pattern) : format;
    if (pattern.empty()) return defaultText(plain);

    DateContext context{
        settings, firstDayOfWeek == 0 ? std::clamp(settings.firstDayOfWeek, 1, 7) : firstDayOfWeek,
        static_cast<FirstWeekRule>(firstWeekOfYear == 0 ? 1 : firstWeekOfYear)};
    const CompiledFormat& compiled = cachedFormat(pattern);
    String out = Formatter(compiled, context).format(plain);
    bool textShown = plain.type() == VariantType::String || compiled.kind == SectionKind::Text;
    if (!textShown && out.size() > kMaxFormattedLength) raiseError(kErrInvalidProcedureCall);
    return out;
}

}  // namespace quelta
