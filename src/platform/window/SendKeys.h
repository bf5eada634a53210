#pragma once
// Keystroke sending: a text in the classic keystroke syntax becomes keys in the current
// thread's keyboard input queue, as if typed.
//
//   plain characters  typed as themselves (Shift is pressed for those that need it)
//   ~                 Enter
//   + ^ %             Shift, Ctrl, Alt held for the next key or parenthesised group: +(abc)
//   {NAME}            a named key: TAB ENTER ESC BS BKSP BACKSPACE DEL DELETE INS INSERT HOME
//                     END PGUP PGDN LEFT RIGHT UP DOWN F1..F16 BREAK CAPSLOCK CLEAR HELP
//                     NUMLOCK PRTSC SCROLLLOCK ADD SUBTRACT MULTIPLY DIVIDE (any case)
//   {c}               the character c literally, including + ^ % ~ ( ) { } [ ]
//   {NAME n} {c n}    the key or character n times (0 to 32767)
//
// Each key becomes KeyDown, then the Character the keyboard delivers for it (if any),
// then KeyUp; modifier keys are pressed and released around what they hold. Characters the
// keyboard has no key for travel as VK_PACKET with their character.

#include <vector>

#include "platform/String.h"
#include "platform/window/WindowSystem.h"

namespace quelta {

// The key sequence for the text; a malformed text raises error 5. Pure.
std::vector<KeyInput> parseKeys(StringView keys);

// Parses the text and posts its keys into the current thread's keyboard input queue
// without waiting for them to be processed. A malformed text raises error 5 and posts
// nothing.
void sendKeys(StringView keys);

}  // namespace quelta
