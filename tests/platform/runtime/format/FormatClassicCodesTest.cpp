// Text placeholders, case codes, scientific layouts and the medium named formats.
#include <gtest/gtest.h>

#include "platform/region/Calendar.h"
#include "platform/region/RegionTestSupport.h"

namespace quelta {
namespace {

using testing::expectFormats;

// A text longer than the placeholders takes them one character each from the left and
// ends with the rest; a shorter one still fills them from the right (from the left after
// '!'). The first of '<' and '>' decides. Values other than text show as their text; an
// empty text or Null takes the second section.
TEST(FormatClassicCodesTest, TextPlaceholdersAndCase) {
    expectFormats(testing::unitedStates(), {{u"abcdef", "@-@", "a-bcdef"},
                                            {u"abcdef", "@\\x", "axbcdef"},
                                            {u"abcdef", "!&\"--\"&", "a--bcdef"},
                                            {u"abc", "@-@@", "a-bc"},
                                            {u"ab", "@-@@", " -ab"},
                                            {u"MiXed", "<>@", "mixed"},
                                            {u"MiXed", "><@", "MIXED"},
                                            {u"MiXed", "@>@<", "MIXED"},
                                            {u"abcdef", "@@-@", "ab-cdef"},
                                            {u"abc", "@@@@@", "  abc"},
                                            {u"abc", "!@@@@@", "abc  "},
                                            {u"straße", ">@", "STRASSE"},
                                            {u"abc", "\\@@", "@abc"},
                                            {u"", "@;\\e\\m\\p\\t\\y", "empty"},
                                            {Variant::null(), "@;\\n\\o\\n\\e", "none"},
                                            {123.0, "@@@@@", "  123"},
                                            {Variant::boolean(true), ">@", "TRUE"},
                                            {Variant(), "@@", "  "},
                                            {Variant::null(), "@@;0.0\\x", "x"}});
}

// Without a digit placeholder before the point the mantissa is below one; in the exponent,
// as everywhere, '0' pads and '#' shows only the digits needed.
// (A '#' exponent showing only the digits needed is in the runtime refusals script.)
TEST(FormatClassicCodesTest, ScientificLayouts) {
    expectFormats(testing::unitedStates(),
                  {{47.11, ".0000E+0", ".4711E+2"},
                   {0.004711, ".00E-00", ".47E-02"},
                   {0.99999, ".00E+0", ".10E+1"},  // rounding carries into the exponent
                   {1.0, "#.##E+###", "1.E+0"},
                   {1234.5, "0.0E+#0#", "1.2E+03"},
                   {1234.5, "0.0E-#", "1.2E3"},
                   {1.5e-10, "0.0E+#", "1.5E-10"}});
}

// Fixed shapes; only the month abbreviation, the time separator and the designators are
// the region's.
TEST(FormatClassicCodesTest, MediumDateAndTime) {
    const Date sample{dateSerial(2000, 12, 31) + timeSerial(13, 45, 7)};
    const Date morning{dateSerial(2000, 1, 5) + timeSerial(9, 5, 0)};
    expectFormats(testing::unitedStates(), {{sample, "Medium Date", "31-Dec-00"},
                                            {sample, "Medium Time", "01:45 PM"},
                                            {morning, "MEDIUM TIME", "09:05 AM"}});
    RegionalSettings german = testing::germany();
    german.abbreviatedMonthNames[11] = u"Dez";
    german.timeSeparator = u".";
    expectFormats(german,
                  {{sample, "Medium Date", "31-Dez-00"}, {sample, "Medium Time", "01.45 PM"}});
}

}  // namespace
}  // namespace quelta
