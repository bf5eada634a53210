// Every row is one typed character: the box's text and selection before it, the key, and
// what the filter makes of it (0: refused). The keyboard script types the plain cases: a
// comma for the full stop and a sign at the start.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "control/Enumerations.h"
#include "input/KeystrokeFilter.h"

namespace quelta::testing {
namespace {

struct Row {
    const char* name;
    const char16_t* text;
    std::int32_t selStart;
    std::int32_t selLength;
    std::int16_t key;
    std::int16_t expected;
    std::int16_t dataType = qltaNumeric;
    std::int16_t scaleDigits = 2;
    std::int16_t separator = '.';
};

constexpr std::int16_t kDoubleByte = -23636;  // a character the code page lacks

const Row kRows[] = {
    // The worked examples, with a full stop as separator and two decimal places.
    {"full decimal part, caret behind it", u"12.34", 5, 0, '5', 0},
    {"second separator", u"12.34", 0, 0, '.', 0},
    {"comma over the separator", u"12.34", 1, 3, ',', '.'},
    {"separator leaving three decimals", u"1234", 1, 0, '.', 0},
    {"separator leaving two decimals", u"1234", 2, 0, '.', '.'},
    {"anything in front of the sign", u"-5", 0, 0, '7', 0, qltaSignedNumeric},
    {"sign behind a digit", u"5", 1, 0, '-', 0, qltaSignedNumeric},
    // The sign.
    {"unsigned refuses the sign", u"5", 0, 0, '-', 0},
    {"selected sign replaced by a sign", u"-5", 0, 1, '-', '-', qltaSignedNumeric},
    {"backspace in front of the sign", u"-5", 0, 0, 8, 0, qltaSignedNumeric},
    // The separator and the decimal part.
    {"full stop becomes a comma separator", u"12", 2, 0, '.', ',', qltaNumeric, 2, ','},
    {"digit in front of a full decimal part", u"12.34", 2, 0, '5', '5'},
    {"control character behind full decimals", u"12.34", 5, 0, 8, 8},
    {"separator where another is selected but too far", u"12.345", 2, 1, '.', 0, qltaNumeric, 2},
    {"no decimals: separator refused", u"12", 2, 0, '.', 0, qltaNumeric, 0},
    {"negative precision counts as none", u"12", 2, 0, ',', 0, qltaNumeric, -1},
    // Characters no number holds.
    {"letter", u"12", 2, 0, 'a', 0},
    {"code page character", u"12", 2, 0, 0xE9, 0},
    {"double-byte code counts as a control character", u"12", 2, 0, kDoubleByte, kDoubleByte},
    // Data types that are not filtered.
    {"text keeps a full stop", u"-5", 0, 0, '.', '.', qltaText, 2, ','},
};

TEST(KeystrokeFilterTest, VerdictAndCharacterOfEachRow) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        const KeystrokeVerdict verdict =
            filterKeystroke({row.key, row.text, row.selStart, row.selLength, row.dataType,
                             row.scaleDigits, row.separator});
        EXPECT_EQ(verdict.keyAscii, row.expected);
        EXPECT_EQ(verdict.accepted, row.expected != 0);
    }
}

}  // namespace
}  // namespace quelta::testing
