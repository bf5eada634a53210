#pragma once
// The vetting of one typed character for the numeric data types: a character that cannot
// belong to a number of the control's precision is refused, and a full stop or comma
// becomes the regional decimal separator. The other data types pass every character as
// typed. Pure: the handler gathers the inputs from the live box and the state.

#include <cstdint>

#include "platform/String.h"

namespace quelta {

struct KeystrokeInput {
    // The typed character's KeyAscii; codes below 32, negative ones included, are control
    // characters.
    std::int16_t keyAscii = 0;
    StringView text;  // the box's text before the character
    std::int32_t selStart = 0;
    std::int32_t selLength = 0;
    std::int16_t dataType = 0;
    std::int16_t scaleDigits = 0;  // 0 or less: no decimal part
    std::int16_t decimalSeparatorCode = 0;
};

struct KeystrokeVerdict {
    bool accepted = false;
    // The character to pass on (the decimal separator for a full stop or comma); 0 when
    // the character is refused.
    std::int16_t keyAscii = 0;
};

KeystrokeVerdict filterKeystroke(const KeystrokeInput& input);

}  // namespace quelta
