#pragma once
// Reading numbers from text: the regional notation that a user types (textToDouble) and
// the invariant leading number that Val reads.

#include <cstdint>
#include <optional>

#include "platform/runtime/ConversionNotation.h"

namespace quelta {

enum class NumberParseStatus { Ok, NotANumber, Overflow };

struct NumberParseResult {
    NumberParseStatus status = NumberParseStatus::NotANumber;
    double value = 0;
};

// Whether a trailing percent sign makes a number one hundredth of itself ("12.5%" is
// 0.125). Only the Format routine reads text that way; the conversions refuse it.
enum class TrailingPercent { Refused, Hundredths };

// The whole text as a number in the given notation: surrounding spaces, one sign before or
// after (or parentheses), the currency symbol before or after, group separators inside the
// integer part, the decimal separator, an exponent, or an "&H" / "&O" integer.
NumberParseResult parseRegionalNumber(StringView text, const ConversionNotation& notation,
                                      TrailingPercent percent = TrailingPercent::Refused);

// The integer of "&H…" / "&O…" digits, read as the platform reads such literals: up to
// four hexadecimal digits (or an octal value up to &O177777) form a 16-bit integer, more a
// 32-bit one, so "&HFFFF" is -1 and "&H10000" is 65536. `digits` excludes the prefix.
NumberParseResult parseRadixDigits(StringView digits, int radix);

// The leading number of a text in invariant notation, as Val reads it: spaces, tabs and
// line feeds are skipped anywhere, a full stop is the decimal point, E or D starts an
// exponent, "&H" / "&O" a hexadecimal or octal integer. Reading stops at the first
// character that cannot continue the number; no number gives 0. A number beyond the range
// of a double is an overflow.
NumberParseResult leadingInvariantNumber(StringView text);

}  // namespace quelta
