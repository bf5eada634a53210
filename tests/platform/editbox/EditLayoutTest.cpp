#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/editbox/EditLayout.h"

namespace quelta {
namespace {

// Every character 100 twips wide, so a width of 1000 holds ten.
const CharacterWidth kFixed = [](char32_t) { return 100.0; };

std::vector<String> rowsOf(StringView text, const WrapOptions& options) {
    EditLayout layout;
    layout.layout(text, options, kFixed);
    std::vector<String> rows;
    for (std::int32_t row = 0; row < layout.rowCount(); ++row)
        rows.emplace_back(
            text.substr(layout.rowStart(row), layout.rowEnd(text, row) - layout.rowStart(row)));
    return rows;
}

String repeated(StringView text, int times) {
    String result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

TEST(EditLayoutTest, Rows) {
    const WrapOptions noWrap{true, false, 0};
    const WrapOptions wrap10{true, true, 1000};
    const WrapOptions singleLine{false, false, 0};
    struct Case {
        const char* name;
        String text;
        WrapOptions options;
        std::vector<String> rows;
    };
    const Case cases[] = {
        {"empty text has one row", u"", noWrap, {u""}},
        {"CR LF breaks", u"ab\r\ncd", noWrap, {u"ab", u"cd"}},
        {"trailing CR LF leaves an empty row", u"ab\r\n", noWrap, {u"ab", u""}},
        {"lone CR or LF is no break", u"a\rb\nc", noWrap, {u"a\rb\nc"}},
        {"single-line ignores CR LF", u"ab\r\ncd", singleLine, {u"ab\r\ncd"}},
        {"no wrap keeps long rows", u"aaaa bbbb cccc dddd", noWrap, {u"aaaa bbbb cccc dddd"}},
        {"wraps before the word that does not fit",
         u"aaaa bbbb cccc",
         wrap10,
         {u"aaaa bbbb ", u"cccc"}},
        {"spaces hang at the row end", u"aaaaaaaaaa   bb", wrap10, {u"aaaaaaaaaa   ", u"bb"}},
        {"a long word is split", u"abcdefghijklmno", wrap10, {u"abcdefghij", u"klmno"}},
        {"a surrogate pair is one character",
         repeated(u"\U0001F600", 11),
         wrap10,
         {repeated(u"\U0001F600", 10), u"\U0001F600"}},
        {"wrap and breaks together",
         u"aaaa bbbb cccc\r\n\r\nd",
         wrap10,
         {u"aaaa bbbb ", u"cccc", u"", u"d"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rowsOf(c.text, c.options), c.rows) << c.name;
}

// The incremental update must agree with a fresh layout after any edit: random edits of
// words, spaces and line breaks against a narrow wrapping box.
TEST(EditLayoutTest, IncrementalUpdateMatchesAFreshLayout) {
    std::mt19937 random(1234);
    const String pieces[] = {u"a",  u"bb",           u" ",     u"  ", u"\r\n", u"\r",
                             u"\n", u"cccccccccccc", u"dd ee", u""};
    for (const WrapOptions options : {WrapOptions{true, true, 700}, WrapOptions{true, false, 0},
                                      WrapOptions{false, false, 0}}) {
        String text = u"start of the text\r\nsecond paragraph here";
        EditLayout incremental;
        incremental.layout(text, options, kFixed);
        for (int step = 0; step < 2000; ++step) {
            const auto size = static_cast<std::int32_t>(text.size());
            const std::int32_t position = static_cast<std::int32_t>(random() % (size + 1));
            const std::int32_t removed =
                std::min<std::int32_t>(static_cast<std::int32_t>(random() % 4), size - position);
            const String& insertion = pieces[random() % std::size(pieces)];
            text.replace(position, removed, insertion);
            incremental.update(
                text, {position, removed, static_cast<std::int32_t>(insertion.size())}, kFixed);
            EditLayout fresh;
            fresh.layout(text, options, kFixed);
            ASSERT_EQ(incremental.rowCount(), fresh.rowCount()) << "step " << step;
            for (std::int32_t row = 0; row < fresh.rowCount(); ++row)
                ASSERT_EQ(incremental.rowStart(row), fresh.rowStart(row))
                    << "step " << step << " row " << row;
        }
    }
}

}  // namespace
}  // namespace quelta
