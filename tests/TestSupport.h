#pragma once
// Helpers every test file may use.

#include <string>

#include "platform/AutomationError.h"
#include "platform/String.h"

namespace quelta::testing {

// The number of the AutomationError the call raises, or 0 when it returns normally.
template <typename Call>
int errorNumberOf(Call&& call) {
    try {
        call();
    } catch (const AutomationError& error) {
        return error.number();
    }
    return 0;
}

inline std::string u8(const String& text) {
    return toUtf8(text);
}

}  // namespace quelta::testing
