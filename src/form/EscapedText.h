#pragma once
// Text a person gave the program (a file name, a region name, a script line, a key in a
// form file), made safe to quote in a message on the terminal: a control character or a
// byte that is not UTF-8 could move the cursor, change colours or garble the line, so each
// is written as an escape the person can read back.

#include <string>
#include <string_view>

namespace quelta {

// The UTF-8 text with every C0 or C1 control character, DEL, backslash and byte of an
// invalid sequence escaped: "\x1B", "\xFF", "\u0085", "\\". Other characters stay as
// they are.
std::string escapedText(std::string_view text);

// The escaped text in single quotes, as messages quote a name: 'form\x1B.json'.
std::string quotedText(std::string_view text);

}  // namespace quelta
