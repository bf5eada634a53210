#pragma once
// JSON as a form file must be, read as a stream of events with no document built, while
// refusing what the ordinary parser lets pass silently. A key that stands twice in an object
// would otherwise let the last one win and drop the other's value without a word; an object
// with more keys than any part of a form holds, or nesting deeper than a form does, is no
// form and would only cost time and memory.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quelta {

struct StrictJsonLimits {
    int maxDepth = 0;               // containers inside one another, the outermost counted
    std::size_t maxObjectKeys = 0;  // keys in one object
};

// A value that is not a container. A string is valid UTF-8 and lives only for the call.
using JsonScalar =
    std::variant<std::nullptr_t, bool, std::int64_t, std::uint64_t, double, std::string_view>;

// What a reader of the text hears, in the text's order. A handler that finds a fault notes
// it and goes on listening: the text may still hold a fault of JSON itself, which comes
// first.
class JsonEvents {
public:
    virtual ~JsonEvents() = default;
    virtual void startObject() = 0;
    virtual void key(std::string_view key) = 0;  // of the value that follows; lives for the call
    virtual void endObject() = 0;
    virtual void startArray() = 0;
    virtual void endArray() = 0;
    virtual void scalar(const JsonScalar& value) = 0;
};

class StrictJsonReader {
public:
    // `file` names the text in refusals; both must outlive the reader.
    StrictJsonReader(const std::string& file, const StrictJsonLimits& limits);

    // Reads the text whole and hands its events on. A fault raises FormFileError naming the
    // file and, for a repeated key or a limit, the place ("controls[2].properties.Text"); a
    // fault of the JSON syntax names the line and column in the reason instead. A UTF-8
    // byte-order mark at the start is skipped.
    void read(std::string_view text, JsonEvents& events);

    // Where the reader stands, for a handler's refusal: the key or element number in each of
    // the `levels` outermost open containers. During an event for a value (or the end of a
    // container) the innermost names that value.
    std::string place(std::size_t levels = std::numeric_limits<std::size_t>::max()) const;

private:
    class Parser;

    // One open container. Its storage is kept when it closes, so that reading a file takes
    // no allocation per object once the first of each depth is read.
    struct Frame {
        bool isArray = false;
        std::size_t elements = 0;  // values started so far, in a list
        std::string keys;          // the object's keys so far, one after another
        struct Key {
            std::uint32_t begin;
            std::uint32_t size;
            std::uint32_t hash;
        };
        std::vector<Key> spans;
        std::string_view lastKey() const;
    };

    void valueStarts(bool isContainer);
    void open(bool isArray);
    void close();
    void addKey(std::string_view key);
    [[noreturn]] void refuse(const std::string& place, const std::string& reason) const;

    const std::string& file_;
    const StrictJsonLimits& limits_;
    std::vector<Frame> frames_;
    std::size_t depth_ = 0;  // frames in use
};

}  // namespace quelta
