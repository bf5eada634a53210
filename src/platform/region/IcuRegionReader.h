#pragma once
// Reads a region's settings from ICU's locale data.

#include <unicode/locid.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/region/RegionalSettings.h"

namespace quelta {

// The ICU locale of a region name ("de-DE", "de_DE.UTF-8@euro"), or nothing when the name
// is malformed, "C" or "POSIX", or names a language or a country ICU has no data for.
std::optional<icu::Locale> localeOf(std::string_view regionName);

// The BCP 47 name of a locale ("de-DE").
std::string languageTagOf(const icu::Locale& locale);

// The settings of a locale, read with the Gregorian calendar and Latin digits, the only
// ones the conversions and the Format routine speak. A field ICU cannot supply keeps an
// en-US value.
RegionalSettings readRegionalSettings(const icu::Locale& locale);

}  // namespace quelta
