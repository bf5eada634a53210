#pragma once
// JSON as a form file must be: read into a document that keeps the order of keys, while
// refusing what the ordinary parser lets pass silently. A key that stands twice in an object
// would otherwise let the last one win and drop the other's value without a word; an object
// with more keys than any part of a form holds, or nesting deeper than a form does, is no
// form and would only cost time and memory.

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace quelta {

struct StrictJsonLimits {
    int maxDepth = 0;               // containers inside one another, the outermost counted
    std::size_t maxObjectKeys = 0;  // keys in one object
};

// The document of the text. A fault raises FormFileError naming `file` and, for a repeated
// key or a limit, the place ("controls[2].properties.Text"); the parser's own faults name
// the line and column in the reason instead. A UTF-8 byte-order mark at the start is skipped.
nlohmann::ordered_json parseStrictJson(std::string_view text, const std::string& file,
                                       const StrictJsonLimits& limits);

}  // namespace quelta
