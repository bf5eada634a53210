// What follows an ESC: a control sequence to drop whole, more to wait for, or the Escape key.
#include <gtest/gtest.h>

#include "terminal/EscapeSequence.h"

namespace quelta::terminal {
namespace {

TEST(EscapeSequenceTest, SequencesEndAtTheirFinalByte) {
    const std::pair<std::u32string_view, EscapeFollow> cases[] = {
        {U"", EscapeFollow::MoreToCome},     {U"[", EscapeFollow::MoreToCome},
        {U"[1;2", EscapeFollow::MoreToCome}, {U"[1;2C", EscapeFollow::Sequence},  // Shift+Right
        {U"[1~", EscapeFollow::Sequence},    // Home on some terminals
        {U"[\x01", EscapeFollow::Sequence},  // garbled: dropped, not half typed
        {U"O", EscapeFollow::MoreToCome},    {U"OH", EscapeFollow::Sequence},
        {U"a", EscapeFollow::EscapeKey},     // Escape, then a typed "a"
        {U"\x1B", EscapeFollow::EscapeKey},  // Escape pressed twice
    };
    for (const auto& [after, expected] : cases)
        EXPECT_EQ(escapeFollow(after), expected) << after.size();
}

}  // namespace
}  // namespace quelta::terminal
