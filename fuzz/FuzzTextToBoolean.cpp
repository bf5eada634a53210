// Any text either is a Boolean or fails with error 13; a Boolean's text form reads back as
// itself, and a text that is a number means True exactly when the number is not zero.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/region/RegionalSettings.h"
#include "platform/runtime/Conversions.h"

using namespace quelta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    if (size < 1) return 0;
    selectRegion(data[0] % 2 ? "de-DE" : "en-US");
    String text((size - 1) / 2, u'\0');
    std::memcpy(text.data(), data + 1, text.size() * sizeof(char16_t));
    bool value = false;
    try {
        value = textToBoolean(text);
    } catch (const AutomationError& error) {
        if (error.number() != 13 || isNumericText(text)) std::abort();
        return 0;
    }
    if (textToBoolean(booleanToText(value)) != value) std::abort();
    if (isNumericText(text) && (textToDouble(text) != 0) != value) std::abort();
    return 0;
}
