#pragma once
// Helpers every test file may use.

#include <cstdio>
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

// What a shell command writes to standard output.
inline std::string commandOutput(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

inline std::string u8(const String& text) {
    return toUtf8(text);
}

}  // namespace quelta::testing
