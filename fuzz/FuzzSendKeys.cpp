// Feeds arbitrary UTF-16 text to the keystroke parser. A text is either refused with an
// automation error or becomes keys in which every key pressed is released again.

#include <cstddef>
#include <cstdint>
#include <map>

#include "platform/AutomationError.h"
#include "platform/window/SendKeys.h"

namespace {

void checkEveryKeyIsReleased(const std::vector<quelta::KeyInput>& inputs) {
    std::map<std::uint16_t, int> down;
    for (const quelta::KeyInput& input : inputs) {
        if (input.kind == quelta::KeyInput::Kind::KeyDown) ++down[input.keyCode];
        if (input.kind == quelta::KeyInput::Kind::KeyUp && down[input.keyCode]-- <= 0) {
            __builtin_trap();
        }
    }
    for (const auto& [keyCode, count] : down) {
        if (count != 0) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quelta::String text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text += static_cast<char16_t>(data[i] | data[i + 1] << 8);
    }
    try {
        checkEveryKeyIsReleased(quelta::parseKeys(text));
    } catch (const quelta::AutomationError& error) {
        if (error.number() != quelta::kErrInvalidProcedureCall) __builtin_trap();
    }
    return 0;
}
