#pragma once
// The user's regional settings, as the runtime library's conversions and Format routine
// use them. They come from ICU for a region name (BCP 47), or are defined field by field by
// a host. Each thread has its own, chosen once before first use; the default region comes
// from the environment (LC_ALL, then LC_NUMERIC / LC_TIME, then LANG; C, POSIX or an
// unknown name give en-US).
//
// Date and time patterns are written in the Format routine's own code language ("dd.mm.yyyy",
// "h:nn:ss AM/PM"), so that the named formats are just these patterns.

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/String.h"

namespace quelta {

struct RegionalSettings {
    std::string regionName;  // BCP 47, e.g. "de-DE"

    String decimalSeparator;
    String groupSeparator;
    std::vector<int> grouping;  // digits per group from the decimal point outwards; the last
                                // size repeats ({3} for 1,234,567; {3, 2} for 12,34,567)
    String negativeSign;

    String dateSeparator;  // what "/" shows in a pattern
    String timeSeparator;  // what ":" shows; never equal to the date separator for ICU regions
    // For ICU regions the short date keeps the region's order and separators but always has
    // a four-digit year, so that the text of any date converts back to that same date.
    String shortDatePattern;
    String mediumDatePattern;
    String longDatePattern;    // with the weekday
    String longTimePattern;    // with seconds
    String mediumTimePattern;  // without seconds
    String shortTimePattern;   // without seconds, on the 24-hour clock
    String amDesignator;
    String pmDesignator;

    std::array<String, 7> dayNames;  // Sunday first
    std::array<String, 7> abbreviatedDayNames;
    std::array<String, 12> monthNames;  // January first; the forms a month takes alone
    std::array<String, 12> abbreviatedMonthNames;
    // The forms a month name takes next to a day number, where the language inflects it
    // (Russian "января" beside "январь"); equal to the names above elsewhere.
    std::array<String, 12> genitiveMonthNames;
    std::array<String, 12> genitiveAbbreviatedMonthNames;

    String currencySymbol;
    int currencyDecimals = 2;
    // The platform's currency placement codes: positive 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $";
    // negative 0..15 as the platform numbers them (0 "($1)", 1 "-$1", 5 "-1$", 8 "-1 $", ...).
    int positiveCurrencyPattern = 0;
    int negativeCurrencyPattern = 1;

    int firstDayOfWeek = 1;  // 1 = Sunday .. 7 = Saturday
};

// The settings of a region from ICU. An unknown or malformed name gives en-US's settings
// (with regionName "en-US").
RegionalSettings regionalSettingsFor(std::string_view regionName);

// Whether ICU has the region of that name: a well-formed name (BCP 47, or the environment's
// "de_DE.UTF-8") of a language, and country if given, that ICU has data for. "C", "POSIX"
// and "" name none; a host refuses such names rather than fall back to en-US unasked.
bool isKnownRegion(std::string_view regionName);

// The region name the environment asks for (see above).
std::string regionNameFromEnvironment();

// The current thread's settings; established from the environment on first use.
const RegionalSettings& currentRegionalSettings();

// The same settings as a shared object. A cache derived from them may keep this pointer and
// compare it with the current one: the object stays alive, so its address is never reused
// for other settings while the cache holds it.
std::shared_ptr<const RegionalSettings> currentRegionalSettingsShared();

// Chooses the current thread's settings. A host does this before it creates controls:
// controls derive their own notation from these settings once per thread and would not
// see a later change.
void selectRegion(std::string_view regionName);
void defineRegionalSettings(RegionalSettings settings);
// Makes settings taken earlier from currentRegionalSettingsShared() current again: the same
// object, so that caches keyed on it stay valid. For a caller that borrows the thread for
// another region's conversions and gives it back.
void useRegionalSettings(std::shared_ptr<const RegionalSettings> settings);

}  // namespace quelta
