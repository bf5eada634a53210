#pragma once
// The named formats of the Format routine ("Currency", "Short Date", "Yes/No", ...): each
// stands for a format string of the code language, built from the regional settings. Names
// compare without regard to letter case.

#include <optional>

#include "platform/String.h"
#include "platform/region/RegionalSettings.h"

namespace quelta {

struct NamedFormat {
    String pattern;
    // "General Number": the value as a plain number, all its significant digits and no group
    // separators, like the number's own text.
    bool generalNumber = false;
};

// The format a name stands for; nothing when `format` is no named format.
std::optional<NamedFormat> resolveNamedFormat(StringView format, const RegionalSettings& settings);

// The regional currency format: its symbol placed by the positive and negative currency
// patterns, group separators and the regional number of decimals.
String currencyFormat(const RegionalSettings& settings);

}  // namespace quelta
