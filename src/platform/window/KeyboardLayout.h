#pragma once
// The emulated keyboard: a US layout that turns characters into keys (what keystroke
// sending presses) and keys into characters (what the platform's keyboard translation
// delivers after a key-down). Pure functions, so that both directions agree.

#include <cstdint>
#include <optional>

namespace quelta {

// The key that types a character and the shift-state bits it needs held.
struct KeyForCharacter {
    std::uint16_t keyCode = 0;
    std::int16_t shift = 0;
};

// Printable ASCII maps to its key (with Shift where the layout needs it); the control
// characters that have keys map to them (backspace, tab, enter, escape, Ctrl+Enter for a
// line feed, Ctrl+letter for codes 1 to 26). Any other character has no key: nullopt.
std::optional<KeyForCharacter> keyForCharacter(char16_t character);

// The character a key-down delivers with the given shift state, or nullopt for none
// (navigation and function keys, anything with Alt held, Ctrl with most keys).
// VK_PACKET is not handled here: its character travels with it.
std::optional<char16_t> characterForKey(std::uint16_t keyCode, std::int16_t shift);

}  // namespace quelta
