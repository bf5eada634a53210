#pragma once
// Fills the {} places of a pattern with the arguments in order; {{ and }} stand for braces.
// (The standard library of the compilers we build with has no std::format yet.)

#include <initializer_list>
#include <string>
#include <string_view>

namespace quelta::codegen {

inline std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const bool doubled = i + 1 < pattern.size() && pattern[i + 1] == c;
        if ((c == '{' || c == '}') && doubled) {
            out += c;
            ++i;
        } else if (c == '{' && i + 1 < pattern.size() && pattern[i + 1] == '}' &&
                   next != args.end()) {
            out += *next++;
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace quelta::codegen
