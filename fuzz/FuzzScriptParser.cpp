// Any line must parse into a statement or be refused with a syntax error: never crash or hang.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "script/ScriptParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view line(reinterpret_cast<const char*>(data), size);
    try {
        quelta::script::parseStatement(line);
    } catch (const quelta::script::SyntaxError&) {
    } catch (const quelta::AutomationError&) {
    }
    return 0;
}
