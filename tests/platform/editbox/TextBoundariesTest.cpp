#include <gtest/gtest.h>

#include "platform/editbox/TextBoundaries.h"

namespace quelta {
namespace {

// One row per position: where each kind of step lands from there.
TEST(TextBoundariesTest, CaretStopsTreatPairsAsOneStep) {
    const String text =
        u"a\r\nb\xD83D\xDE00"
        u"c";  // a CR LF b <emoji> c
    struct Case {
        std::int32_t from, previous, next;
    };
    for (Case c : {Case{0, 0, 1},
                   {1, 0, 3},
                   {3, 1, 4},
                   {4, 3, 6},
                   {6, 4, 7},
                   {7, 6, 7},
                   {-3, 0, 1},
                   {100, 6, 7}}) {
        EXPECT_EQ(previousCaretStop(text, c.from), c.previous) << c.from;
        EXPECT_EQ(nextCaretStop(text, c.from), c.next) << c.from;
    }
}

TEST(TextBoundariesTest, WordSteps) {
    const String text = u"one  two\r\nthree";
    struct Case {
        std::int32_t from, previousWord, nextWord;
    };
    for (Case c : {Case{0, 0, 5}, {4, 0, 5}, {8, 5, 10}, {10, 5, 15}, {15, 10, 15}}) {
        EXPECT_EQ(previousWordStart(text, c.from), c.previousWord) << c.from;
        EXPECT_EQ(nextWordStart(text, c.from), c.nextWord) << c.from;
    }
}

TEST(TextBoundariesTest, WordAtSelectsWordsOrTheBreakRun) {
    const String text = u"one  two";
    struct Case {
        std::int32_t at;
        TextRange expected;
    };
    for (Case c :
         {Case{0, {0, 3}}, {2, {0, 3}}, {3, {3, 5}}, {6, {5, 8}}, {8, {5, 8}}, {-1, {0, 3}}}) {
        EXPECT_EQ(wordAt(text, c.at), c.expected) << c.at;
    }
    EXPECT_EQ(wordAt(u"", 0), (TextRange{0, 0}));
}

}  // namespace
}  // namespace quelta
