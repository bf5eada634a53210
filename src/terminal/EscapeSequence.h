#pragma once
// What follows an ESC from the terminal. A key the terminal description does not name
// (Shift+Right on a vt100 entry, say) still arrives as a control sequence, which must be
// dropped whole rather than typed as "[1;2C"; a lone ESC is the Escape key.

#include <string_view>

namespace quelta::terminal {

enum class EscapeFollow {
    MoreToCome,  // the sequence is not complete yet
    Sequence,    // a complete control sequence, to be dropped
    EscapeKey,   // the ESC was the Escape key; what followed is input of its own
};

// The codes read after an ESC so far. A CSI sequence (ESC [) runs through parameter and
// intermediate bytes to a final byte from @ to ~; an SS3 sequence (ESC O) has one more
// character. Nothing at all after the ESC is still MoreToCome: the caller decides, by how
// long it waited, that it was the Escape key.
EscapeFollow escapeFollow(std::u32string_view afterEscape);

}  // namespace quelta::terminal
