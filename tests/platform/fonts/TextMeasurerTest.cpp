#include <gtest/gtest.h>

#include "platform/AutomationError.h"
#include "platform/fonts/Font.h"
#include "platform/fonts/FreeTypeTextMeasurer.h"
#include "platform/fonts/TextMeasurer.h"

namespace quelta {
namespace {

Font sans(float size = 10.0f) {
    return Font(u"DejaVu Sans", size);
}

double widthOf(const Font& font, StringView text) {
    return textMeasurer().textWidth(font, text);
}

// The width of a known string at a known size, from the face's design units, and the line
// height: catches a wrong points-to-twips factor or a scale taken from the wrong metric.
TEST(TextMeasurerTest, MetricsAreInTwipsOfTheFontSize) {
    // Digits of a sans face are about 0.64 em wide; an em of 12 points is 240 twips.
    const double digit = widthOf(sans(12.0f), u"0");
    EXPECT_GT(digit, 0.5 * 240.0);
    EXPECT_LT(digit, 0.7 * 240.0);
    EXPECT_DOUBLE_EQ(widthOf(sans(12.0f), u"00000"), 5.0 * digit);
    EXPECT_EQ(widthOf(sans(12.0f), u""), 0.0);
    // A 10-point line of a sans face is a little over 10 points (200 twips) high, and twice
    // the points give twice the height.
    const double line10 = textMeasurer().lineHeight(sans(10.0f));
    EXPECT_GT(line10, 200.0);
    EXPECT_LT(line10, 300.0);
    EXPECT_NEAR(textMeasurer().lineHeight(sans(20.0f)) / line10, 2.0, 1e-9);
}

// The installed sans face kerns these pairs; each kerns the same wherever it stands.
TEST(TextMeasurerTest, KernedPairsAreTighterThanTheirLetters) {
    const Font font = sans();
    for (StringView pair : {u"AV", u"To", u"Ty"}) {
        const double letters = widthOf(font, pair.substr(0, 1)) + widthOf(font, pair.substr(1));
        const double kerned = widthOf(font, pair);
        EXPECT_LT(kerned, letters) << toUtf8(pair);
        const String twice = String(pair) + String(pair);
        EXPECT_NEAR(widthOf(font, twice),
                    2 * kerned + widthOf(font, twice.substr(1, 2)) -
                        widthOf(font, twice.substr(1, 1)) - widthOf(font, twice.substr(2, 1)),
                    1e-9)
            << toUtf8(pair);
    }
}

TEST(TextMeasurerTest, StyleAffectsWidthOnlyThroughTheFace) {
    const Font regular = sans();
    Font bold = sans();
    bold.setBold(true);
    // The bold face of the family is installed and has wider stems.
    EXPECT_GT(widthOf(bold, u"Quelta"), widthOf(regular, u"Quelta"));
    Font decorated = sans();
    decorated.setUnderline(true);
    decorated.setStrikethrough(true);
    EXPECT_EQ(widthOf(decorated, u"Quelta"), widthOf(regular, u"Quelta"));
}

TEST(TextMeasurerTest, UnknownFontFallsBackAndStillMeasures) {
    const Font unknown(u"No Such Font Family 42", 10.0f);
    EXPECT_LT(widthOf(unknown, u"iii"), widthOf(unknown, u"WWW"));
    EXPECT_GT(textMeasurer().lineHeight(unknown), 0.0);
}

// Characters the face lacks, unpaired surrogates and control characters still measure,
// each as one glyph: nothing is silently dropped from a width.
TEST(TextMeasurerTest, OddCharactersStillMeasure) {
    const Font font = sans();
    for (const char16_t* text :
         {u"\U0001F600", u"\xD800", u"\xDC00x", u"\t", u"\x0001", u"\uE000"}) {
        EXPECT_GT(widthOf(font, text), 0.0) << toUtf8(text);
    }
    const String withNul(u"a\0b", 3);
    EXPECT_GT(widthOf(font, withNul), widthOf(font, u"ab"));
}

TEST(TextMeasurerTest, TwipsPerPixelIsValidated) {
    setTwipsPerPixel(12.0, 10.0);
    EXPECT_EQ(twipsPerPixelY(), 10.0);

    for (double bad : {0.0, -15.0, std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(setTwipsPerPixel(bad, 15.0), AutomationError) << bad;
        EXPECT_THROW(setTwipsPerPixel(15.0, bad), AutomationError) << bad;
    }
    EXPECT_EQ(twipsPerPixelX(), 12.0);  // a refused write changes nothing
    setTwipsPerPixel(15.0, 15.0);
}

}  // namespace
}  // namespace quelta
