#include "terminal/EscapeSequence.h"

namespace quelta::terminal {
namespace {

bool isFinalByte(char32_t c) {
    return c >= 0x40 && c <= 0x7E;
}

bool isParameterOrIntermediate(char32_t c) {
    return c >= 0x20 && c <= 0x3F;
}

}  // namespace

EscapeFollow escapeFollow(std::u32string_view afterEscape) {
    if (afterEscape.empty()) return EscapeFollow::MoreToCome;
    const std::u32string_view rest = afterEscape.substr(1);
    switch (afterEscape.front()) {
        case U'[':
            for (char32_t c : rest) {
                if (isFinalByte(c)) return EscapeFollow::Sequence;
                // A byte that cannot be part of the sequence ends it all the same, so that
                // a garbled sequence is dropped rather than half typed.
                if (!isParameterOrIntermediate(c)) return EscapeFollow::Sequence;
            }
            return EscapeFollow::MoreToCome;
        case U'O':
            return rest.empty() ? EscapeFollow::MoreToCome : EscapeFollow::Sequence;
        default:
            return EscapeFollow::EscapeKey;
    }
}

}  // namespace quelta::terminal
