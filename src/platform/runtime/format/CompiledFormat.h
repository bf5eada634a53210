#pragma once
// A format string of the Format routine, parsed once into plain data. Formatting reads only
// this form: a flat list of tokens, one pool of literal text, and per section the counts that
// the number, date and string renderers need. Nothing here refers to regional settings, so a
// compiled format can be shared by every region of a thread.

#include <array>
#include <cstdint>
#include <vector>

#include "platform/String.h"

namespace quelta {

enum class TokenKind : std::uint8_t {
    Literal,  // text from the literal pool
    // numbers
    IntegerDigit,   // '0' or '#' before the decimal point
    FractionDigit,  // '0' or '#' after it
    DecimalPoint,
    Exponent,       // E+ E- e+ e-
    ExponentDigit,  // '0' or '#' after the exponent
    // dates and times
    DateSeparator,
    TimeSeparator,
    Day,              // d
    Day2,             // dd
    DayAbbreviation,  // ddd
    DayName,          // dddd
    ShortDate,        // ddddd
    LongDate,         // dddddd
    Weekday,          // w
    WeekOfYear,       // ww
    Month,            // m
    Month2,           // mm
    MonthAbbreviation,
    MonthName,
    Quarter,    // q
    DayOfYear,  // y
    Year2,      // yy
    Year4,      // yyyy
    Hour,
    Hour2,
    Minute,
    Minute2,
    Second,
    Second2,
    LongTime,      // ttttt
    GeneralDate,   // c
    AmPmUpper,     // AM/PM
    AmPmLower,     // am/pm
    APUpper,       // A/P
    APLower,       // a/p
    AmPmRegional,  // AMPM: the regional designators
    // text
    CharacterOrSpace,    // @
    CharacterOrNothing,  // &
};

struct FormatToken {
    TokenKind kind = TokenKind::Literal;
    bool zeroPlaceholder = false;  // '0' rather than '#' (digits); '+' sign shown (exponent)
    char16_t letter = 0;           // 'E' or 'e' (exponent)
    std::uint32_t literalOffset = 0;
    std::uint32_t literalLength = 0;
};

enum class SectionKind : std::uint8_t { Empty, Literal, Number, Date, Text };

enum class LetterCase : std::uint8_t { AsIs, Lower, Upper };

struct NumberLayout {
    int integerPlaceholders = 0;
    int minIntegerDigits = 0;  // placeholders from the first integer '0' on
    int fractionPlaceholders = 0;
    int minFractionDigits = 0;  // up to the last fraction '0'
    int exponentPlaceholders = 0;
    int minExponentDigits = 0;  // placeholders from the first exponent '0' on
    int thousandsScaling = 0;   // each divides by 1000
    int percentSigns = 0;       // each multiplies by 100
    bool grouping = false;
    bool hasExponent = false;
    // Only digit placeholders around at most one decimal point, as in "#,##0.00": such a
    // section is written in one pass rather than token by token.
    bool plainDigits = false;
};

struct TextLayout {
    int placeholders = 0;
    LetterCase letterCase = LetterCase::AsIs;
    bool leftToRight = false;
};

struct FormatSection {
    SectionKind kind = SectionKind::Empty;
    std::uint32_t firstToken = 0;
    std::uint32_t tokenCount = 0;
    NumberLayout number;
    TextLayout text;
    bool twelveHourClock = false;  // an AM/PM code makes h and hh count 1..12
    bool hasDayNumber = false;     // month names then take the form used beside a day
};

struct CompiledFormat {
    std::vector<FormatToken> tokens;
    String literals;
    std::array<FormatSection, 4> sections;
    int sectionCount = 0;
    // The kind of the first section that has codes; Literal when none has any. It decides
    // whether a value is read as a number, a date or a text.
    SectionKind kind = SectionKind::Literal;

    // A section that exists and is not empty.
    bool hasSection(int index) const {
        return index < sectionCount && sections[index].kind != SectionKind::Empty;
    }
    StringView literalOf(const FormatToken& token) const {
        return StringView(literals).substr(token.literalOffset, token.literalLength);
    }
};

// Limits that keep hostile format strings cheap; a longer format or a longer result is
// refused with error 5.
inline constexpr std::size_t kMaxFormatLength = 32768;
inline constexpr std::size_t kMaxFormattedLength = 65536;

}  // namespace quelta
