#pragma once
// A field's font as plain values. The field keeps its own font object; reading gives a copy
// of its attributes and writing gives the field a new font with these.

#include <cstdint>
#include <string>

namespace quelta {

struct FontSpec {
    std::string name;
    float size = 8;             // points
    std::int16_t weight = 400;  // 1 to 1000; 700 and above is bold
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    std::int16_t charset = 0;
    bool operator==(const FontSpec&) const = default;
};

}  // namespace quelta
