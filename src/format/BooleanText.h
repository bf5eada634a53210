#pragma once
// What a Boolean control's text means.

#include "platform/String.h"

namespace quelta {

// True when the text is the word that the format shows for True, in any letter case ("yes"
// under "Yes/No", "ON" under "On/Off"); otherwise the platform's own reading of the text
// ("True", "False", 0 or any other number), and False when it has none. Never fails.
bool booleanOfText(StringView text, StringView format);

}  // namespace quelta
