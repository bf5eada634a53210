#include "format/DisplayText.h"

#include <algorithm>

#include "control/Enumerations.h"
#include "control/NarrowInteger.h"
#include "format/BooleanText.h"
#include "format/DateTimeFormatKind.h"
#include "format/NumberGroup.h"
#include "format/NumericText.h"
#include "platform/AutomationError.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/TextRoutines.h"
#include "platform/runtime/Variant.h"
#include "platform/runtime/format/FormatRoutine.h"

namespace quelta {
namespace {

// Whether the value is shown through a format (formatted) and then stripped of the spaces
// a number format pads with (trimmed). Text types are never formatted; a Boolean only under
// a format of its own; a date not while the user edits it.
struct Presentation {
    bool formatted = false;
    bool trimmed = false;
};

Presentation presentationFor(std::int16_t dataType, StringView format, DisplayMode mode) {
    switch (dataType) {
        case qltaBoolean:
            return {!format.empty(), false};
        case qltaNumeric:
        case qltaSignedNumeric:
            return {true, true};
        case qltaDateTime:
            return {mode != DisplayMode::Editing, false};
        default:
            return {};
    }
}

// The value of the entry and the format string it is shown with; a completed date entry
// can be the platform's text of its value already.
struct TypedEntry {
    Variant value;
    String format;
    bool entryIsValueText = false;
};

TypedEntry booleanEntry(StringView text, StringView format) {
    return {Variant::boolean(booleanOfText(text, format)), String(format), false};
}

bool isZeroOrEmpty(const Variant& value) {
    return value.isEmpty() || value.toDouble() == 0;
}

// While editing, "#" shows whole numbers and an empty box for 0; with decimal places the
// whole value is shown instead ("" gives every significant digit), so that it can be
// corrected. Without a format of its own a value with decimal places shows exactly that many.
String numericFormat(StringView format, std::int16_t scaleDigits, DisplayMode mode,
                     const Variant& value) {
    String effective = mode == DisplayMode::Editing ? String(u"#") : String(format);
    if (scaleDigits > 0) {
        if (effective.empty()) {
            effective = u"0." + String(static_cast<std::size_t>(scaleDigits), u'0');
        } else if (effective == u"#" && !isZeroOrEmpty(value)) {
            effective.clear();
        }
    }
    return effective;
}

// The double the entry's numeric characters stand for; Empty when they do not convert.
TypedEntry numericEntry(StringView text, const DisplaySettings& settings) {
    const String number = numericTextOf(text, settings.numericChars);
    Variant value;
    ignoringErrors([&] { value = Variant(textToDouble(number)); });
    return {value, numericFormat(settings.format, settings.scaleDigits, settings.mode, value),
            false};
}

// How a date control reads its format: the format it shows with ("Vesk Date" in any letter
// case, with nothing around it, names the region's own short date with two-digit day and
// month and a four-digit year) and whether that format completes partial entries.
struct DateFormatReading {
    String effective;
    DateTimeFormatKind kind;
};

DateFormatReading readDateFormat(StringView format, StringView regionalDateFormat) {
    constexpr StringView kRegionalName = u"VESK DATE";
    // A text outside ASCII may still upper-case to the name ("Veſk Date").
    const bool ascii =
        std::all_of(format.begin(), format.end(), [](char16_t c) { return c < 0x80; });
    const bool named = equalsIgnoringAsciiCase(format, kRegionalName) ||
                       (!ascii && upperCase(format) == kRegionalName);
    const StringView effective = named ? regionalDateFormat : format;
    return {String(effective), classifyDateTimeFormat(effective)};
}

CompletedEntry completedEntry(String text, DateTimeFormatKind kind, const DisplaySettings& settings,
                              double today) {
    if (text.empty()) return {std::move(text), std::nullopt};
    if (kind.DateLike) {
        return completeDateEntryWithSerial(text, settings.referenceText, settings.dateOrder, today);
    }
    if (kind.TimeLike) return completeTimeEntryWithSerial(text, settings.referenceText);
    return {std::move(text), std::nullopt};
}

// Whether the day, month and year that the entry shows come back from the date the platform
// read it as. The platform reads some texts in another order than the region's, and rolls a
// day over that the month does not have; both change a group. Only the last two digits are
// compared, so a two-digit year passes. The groups of the entry are taken in 16 bits: one
// too long for that leaves the previous group's value in place.
bool numberGroupsAgree(StringView entry, const Variant& value) {
    const String read = value.toString();
    if (read == entry) return true;  // a completed entry is the platform's own text
    std::int16_t typed = 0;
    std::int32_t shown = 0;
    for (std::int16_t k = 1; k <= 3; ++k) {
        ignoringErrors([&] { typed = narrowToInteger(GetNumberGroup(entry, k)); });
        if (typed == 0) return true;
        shown = GetNumberGroup(read, k);
        if (typed % 100 != shown % 100) return false;
    }
    return true;
}

// A date or time, or the empty text for an entry that is not one. The conversion fails
// exactly where the platform's date test rejects the entry, so it is the test as well. A
// completed entry is the platform's text of the date it was made from: when it reads back
// as that date, its groups agree and it is the value's text.
struct DateValue {
    Variant value;
    bool entryIsValueText = false;
};

DateValue dateValueOf(const CompletedEntry& entry, DateTimeFormatKind kind) {
    const std::optional<double> tried = tryTextToDate(entry.text);
    if (!tried) return {Variant(String())};
    const double serial = *tried;
    if (entry.serial == serial) return {Variant(Date{serial}), true};
    Variant value(Date{serial});
    if (kind.DateLike && !numberGroupsAgree(entry.text, value)) return {Variant(String())};
    return {std::move(value)};
}

// A format for a date alone or a time alone completes a partial entry first; any other
// format takes the entry as typed. text becomes the completed entry.
TypedEntry dateEntry(String& text, const DisplaySettings& settings, double today) {
    DateFormatReading reading = readDateFormat(settings.format, settings.regionalDateFormat);
    CompletedEntry completed = completedEntry(std::move(text), reading.kind, settings, today);
    DateValue date = dateValueOf(completed, reading.kind);
    text = std::move(completed.text);
    return {std::move(date.value), std::move(reading.effective), date.entryIsValueText};
}

TypedEntry typedEntryOf(String& text, const DisplaySettings& settings, double today) {
    switch (settings.dataType) {
        case qltaBoolean:
            return booleanEntry(text, settings.format);
        case qltaDateTime:
            return dateEntry(text, settings, today);
        default:
            return numericEntry(text, settings);
    }
}

}  // namespace

DisplayMode displayModeOf(Boolean hasFocus, Boolean selectAllOnEntry) {
    if (!isTrue(hasFocus)) return DisplayMode::Display;
    return isTrue(selectAllOnEntry) ? DisplayMode::SelectedEntry : DisplayMode::Editing;
}

DisplayText displayTextOf(String text, const DisplaySettings& settings, double today) {
    const Presentation presentation =
        presentationFor(settings.dataType, settings.format, settings.mode);
    if (!presentation.formatted) return {std::move(text), std::nullopt};
    const TypedEntry entry = typedEntryOf(text, settings, today);
    // The value is a number, Boolean or date read from the entry, or empty: the platform
    // has a text for each.
    DisplayText result{std::move(text), std::nullopt};
    result.storedText = entry.entryIsValueText ? result.display : entry.value.toString();
    ignoringErrors([&] { result.display = formatValue(entry.value, entry.format, 1, 1); });
    if (presentation.trimmed) result.display = trimSpaces(result.display);
    return result;
}

}  // namespace quelta
