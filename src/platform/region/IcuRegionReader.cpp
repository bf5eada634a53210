#include "platform/region/IcuRegionReader.h"

#include <unicode/calendar.h>
#include <unicode/dcfmtsym.h>
#include <unicode/decimfmt.h>
#include <unicode/dtfmtsym.h>
#include <unicode/dtptngen.h>
#include <unicode/region.h>
#include <unicode/smpdtfmt.h>
#include <unicode/uchar.h>

#include <memory>
#include <set>

#include "platform/region/CurrencyPlacement.h"
#include "platform/region/IcuPatternTranslation.h"

namespace quelta {
namespace {

constexpr const char* kFallbackRegion = "en-US";

String fromIcu(const icu::UnicodeString& text) {
    return String(reinterpret_cast<const char16_t*>(text.getBuffer()),
                  static_cast<size_t>(text.length()));
}

// The languages ICU has data for; a name in another language is unknown here.
const std::set<std::string>& knownLanguages() {
    static const std::set<std::string> languages = [] {
        std::set<std::string> result;
        int32_t count = 0;
        const icu::Locale* locales = icu::Locale::getAvailableLocales(count);
        for (int32_t i = 0; i < count; ++i)
            result.insert(locales[i].getLanguage());
        return result;
    }();
    return languages;
}

// "de_DE.UTF-8@euro" → "de-DE".
std::string withoutEncodingAndModifier(std::string_view name) {
    std::string result(name.substr(0, name.find_first_of(".@")));
    for (char& c : result) {
        if (c == '_') c = '-';
    }
    return result;
}

// The locale that the settings are read from: Gregorian calendar and Latin digits, the
// only ones the conversions and the Format routine speak.
icu::Locale gregorianLatinLocale(const icu::Locale& locale) {
    icu::Locale result(locale);
    UErrorCode status = U_ZERO_ERROR;
    result.setKeywordValue("calendar", "gregorian", status);
    status = U_ZERO_ERROR;
    result.setKeywordValue("numbers", "latn", status);
    return result;
}

void readNumberSymbols(const icu::Locale& locale, RegionalSettings& settings) {
    UErrorCode status = U_ZERO_ERROR;
    icu::DecimalFormatSymbols symbols(locale, status);
    if (U_FAILURE(status)) return;
    using Symbol = icu::DecimalFormatSymbols::ENumberFormatSymbol;
    settings.decimalSeparator = fromIcu(symbols.getSymbol(Symbol::kDecimalSeparatorSymbol));
    settings.groupSeparator = fromIcu(symbols.getSymbol(Symbol::kGroupingSeparatorSymbol));
    settings.negativeSign = fromIcu(symbols.getSymbol(Symbol::kMinusSignSymbol));
    settings.currencySymbol = fromIcu(symbols.getSymbol(Symbol::kCurrencySymbol));

    std::unique_ptr<icu::NumberFormat> number(icu::NumberFormat::createInstance(locale, status));
    if (auto* decimal = dynamic_cast<icu::DecimalFormat*>(number.get()); U_SUCCESS(status)) {
        settings.grouping.clear();
        if (decimal != nullptr && decimal->getGroupingSize() > 0) {
            settings.grouping.push_back(decimal->getGroupingSize());
            int secondary = decimal->getSecondaryGroupingSize();
            if (secondary > 0 && secondary != decimal->getGroupingSize()) {
                settings.grouping.push_back(secondary);
            }
        }
    }
}

void readCurrency(const icu::Locale& locale, RegionalSettings& settings) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::NumberFormat> currency(
        icu::NumberFormat::createCurrencyInstance(locale, status));
    auto* decimal = dynamic_cast<icu::DecimalFormat*>(currency.get());
    if (U_FAILURE(status) || decimal == nullptr) return;
    settings.currencyDecimals = decimal->getMinimumFractionDigits();
    icu::UnicodeString pattern;
    decimal->toPattern(pattern);
    CurrencyPlacement placement = currencyPlacementOf(fromIcu(pattern));
    settings.positiveCurrencyPattern = placement.positive;
    settings.negativeCurrencyPattern = placement.negative;
}

template <size_t N>
void copyNames(const icu::UnicodeString* names, int32_t count, int32_t first,
               std::array<String, N>& target) {
    for (size_t i = 0; i < N; ++i) {
        int32_t index = first + static_cast<int32_t>(i);
        if (names != nullptr && index < count) target[i] = fromIcu(names[index]);
    }
}

void readNames(const icu::Locale& locale, RegionalSettings& settings) {
    UErrorCode status = U_ZERO_ERROR;
    icu::DateFormatSymbols symbols(locale, status);
    if (U_FAILURE(status)) return;
    using S = icu::DateFormatSymbols;
    int32_t count = 0;
    const icu::UnicodeString* amPm = symbols.getAmPmStrings(count);
    if (count >= 2) {
        settings.amDesignator = fromIcu(amPm[0]);
        settings.pmDesignator = fromIcu(amPm[1]);
    }
    // Day names are indexed by ICU from 1 (Sunday), months from 0 (January).
    const icu::UnicodeString* names = symbols.getWeekdays(count, S::FORMAT, S::WIDE);
    copyNames(names, count, 1, settings.dayNames);
    names = symbols.getWeekdays(count, S::FORMAT, S::ABBREVIATED);
    copyNames(names, count, 1, settings.abbreviatedDayNames);
    // A month standing alone takes the stand-alone form; beside a day number it may inflect.
    names = symbols.getMonths(count, S::STANDALONE, S::WIDE);
    copyNames(names, count, 0, settings.monthNames);
    names = symbols.getMonths(count, S::STANDALONE, S::ABBREVIATED);
    copyNames(names, count, 0, settings.abbreviatedMonthNames);
    names = symbols.getMonths(count, S::FORMAT, S::WIDE);
    copyNames(names, count, 0, settings.genitiveMonthNames);
    names = symbols.getMonths(count, S::FORMAT, S::ABBREVIATED);
    copyNames(names, count, 0, settings.genitiveAbbreviatedMonthNames);
}

String icuDatePattern(const icu::Locale& locale, icu::DateFormat::EStyle style, bool time) {
    std::unique_ptr<icu::DateFormat> format(
        time ? icu::DateFormat::createTimeInstance(style, locale)
             : icu::DateFormat::createDateInstance(style, locale));
    auto* simple = dynamic_cast<icu::SimpleDateFormat*>(format.get());
    if (simple == nullptr) return String();
    icu::UnicodeString pattern;
    simple->toPattern(pattern);
    return fromIcu(pattern);
}

String icuSkeletonPattern(const icu::Locale& locale, const char* skeleton) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(locale, status));
    if (U_FAILURE(status)) return u"HH:mm";
    icu::UnicodeString pattern = generator->getBestPattern(skeleton, status);
    return U_SUCCESS(status) ? fromIcu(pattern) : String(u"HH:mm");
}

bool hasLetter(StringView text) {
    for (char16_t c : text) {
        if (u_isalpha(c)) return true;
    }
    return false;
}

// Date and time patterns. The short date gets a four-digit year so that the text of any
// date reads back as the same date; the short time is always on the 24-hour clock. A time
// separator that equals the date separator (Finnish "13.45") gives way to ":", since a
// time alone could not be told from a date otherwise.
void readPatterns(const icu::Locale& locale, RegionalSettings& settings) {
    using F = icu::DateFormat;
    String shortDate = icuDatePattern(locale, F::kShort, false);
    String mediumTime = icuDatePattern(locale, F::kMedium, true);
    String dateSeparator = separatorAfterField(shortDate, u"yMLdu");
    String timeSeparator = separatorAfterField(mediumTime, u"HhKk");
    if (!dateSeparator.empty()) settings.dateSeparator = dateSeparator;
    if (!timeSeparator.empty()) {
        settings.timeSeparator = timeSeparator == settings.dateSeparator ? u":" : timeSeparator;
    }

    PatternTranslationOptions dates;
    dates.dateSeparator = settings.dateSeparator;
    PatternTranslationOptions times;
    times.timeSeparator = timeSeparator.empty() ? settings.timeSeparator : timeSeparator;
    times.amPmCode =
        settings.amDesignator == u"AM" && settings.pmDesignator == u"PM" ? u"AM/PM" : u"AMPM";
    settings.mediumDatePattern =
        translateIcuPattern(icuDatePattern(locale, F::kMedium, false), dates);
    settings.longDatePattern = translateIcuPattern(icuDatePattern(locale, F::kFull, false), dates);
    settings.longTimePattern = translateIcuPattern(mediumTime, times);
    settings.mediumTimePattern =
        translateIcuPattern(icuDatePattern(locale, F::kShort, true), times);
    settings.shortTimePattern = translateIcuPattern(icuSkeletonPattern(locale, "HHmm"), times);
    if (hasLetter(timeSeparator)) {
        // Times joined by words (Canadian French "13 h 45 min") are written with ":".
        settings.timeSeparator = u":";
        settings.longTimePattern = u"hh:nn:ss";
        settings.mediumTimePattern = u"hh:nn";
        settings.shortTimePattern = u"hh:nn";
    }
    dates.fourDigitYear = true;
    settings.shortDatePattern = translateIcuPattern(shortDate, dates);
}

void readFirstDayOfWeek(const icu::Locale& locale, RegionalSettings& settings) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(locale, status));
    if (U_FAILURE(status)) return;
    int day = static_cast<int>(calendar->getFirstDayOfWeek(status));
    if (U_SUCCESS(status) && day >= 1 && day <= 7) settings.firstDayOfWeek = day;
}

// What a field keeps when ICU cannot supply it.
RegionalSettings baselineSettings() {
    RegionalSettings settings;
    settings.regionName = kFallbackRegion;
    settings.decimalSeparator = u".";
    settings.groupSeparator = u",";
    settings.grouping = {3};
    settings.negativeSign = u"-";
    settings.dateSeparator = u"/";
    settings.timeSeparator = u":";
    settings.shortDatePattern = u"m/d/yyyy";
    settings.mediumDatePattern = u"mmm d, yyyy";
    settings.longDatePattern = u"dddd, mmmm d, yyyy";
    settings.longTimePattern = u"h:nn:ss AM/PM";
    settings.mediumTimePattern = u"h:nn AM/PM";
    settings.shortTimePattern = u"hh:nn";
    settings.amDesignator = u"AM";
    settings.pmDesignator = u"PM";
    settings.currencySymbol = u"$";
    return settings;
}

}  // namespace

std::optional<icu::Locale> localeOf(std::string_view regionName) {
    std::string tag = withoutEncodingAndModifier(regionName);
    if (tag.empty() || tag == "C" || tag == "POSIX") return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale locale = icu::Locale::forLanguageTag(tag, status);
    if (U_FAILURE(status) || locale.isBogus() || *locale.getLanguage() == '\0') {
        return std::nullopt;
    }
    if (knownLanguages().count(locale.getLanguage()) == 0) return std::nullopt;
    if (*locale.getCountry() != '\0') {
        // A country ICU does not know ("de-YY") would read as the language alone.
        icu::Region::getInstance(locale.getCountry(), status);
        if (U_FAILURE(status)) return std::nullopt;
    }
    return locale;
}

std::string languageTagOf(const icu::Locale& locale) {
    UErrorCode status = U_ZERO_ERROR;
    std::string tag = locale.toLanguageTag<std::string>(status);
    return U_SUCCESS(status) ? tag : std::string(kFallbackRegion);
}

RegionalSettings readRegionalSettings(const icu::Locale& requested) {
    RegionalSettings settings = baselineSettings();
    settings.regionName = languageTagOf(requested);
    icu::Locale locale = gregorianLatinLocale(requested);
    readNumberSymbols(locale, settings);
    readCurrency(locale, settings);
    readNames(locale, settings);
    readPatterns(locale, settings);
    readFirstDayOfWeek(locale, settings);
    return settings;
}

}  // namespace quelta
