#pragma once
// The container's property bag: the stored properties of one control, keyed by name. Keys
// compare without regard to case, as the platform's do; an entry keeps the spelling of its
// latest write and the place of its first, so that a saved form lists properties in the
// order the control first wrote them.

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

#include "platform/String.h"
#include "platform/runtime/Variant.h"

namespace quelta {

class PropertyBag {
public:
    struct Entry {
        String key;
        Variant value;
    };
    using ReadListener = std::function<void(StringView key, const Entry* found)>;

    // Hears each key a reader asks the bag for, and the entry it finds (null when none),
    // before the value is handed out, for as long as the watch lives: a host that loads a
    // form learns which key a failing control was reading and which keys no control asked
    // for, without copying the bag. The bag's content is not touched.
    class ReadWatch {
    public:
        ReadWatch(const PropertyBag& bag, const ReadListener& listener);
        ~ReadWatch();
        ReadWatch(const ReadWatch&) = delete;
        ReadWatch& operator=(const ReadWatch&) = delete;

    private:
        const PropertyBag& bag_;
        const ReadListener* previous_;
    };

    PropertyBag() = default;
    // A copy holds the entries only; a watch stays with the bag it was set on.
    PropertyBag(const PropertyBag& other)
        : entries_(other.entries_), nonAsciiKeys_(other.nonAsciiKeys_) {}
    PropertyBag& operator=(const PropertyBag& other) {
        entries_ = other.entries_;
        nonAsciiKeys_ = other.nonAsciiKeys_;
        return *this;
    }
    PropertyBag(PropertyBag&& other) noexcept
        : entries_(std::move(other.entries_)), nonAsciiKeys_(other.nonAsciiKeys_) {
        other.nonAsciiKeys_ = 0;
    }
    PropertyBag& operator=(PropertyBag&& other) noexcept {
        entries_ = std::move(other.entries_);
        nonAsciiKeys_ = std::exchange(other.nonAsciiKeys_, 0);
        return *this;
    }

    // The stored value, or defaultValue when the key is missing.
    Variant read(StringView key, const Variant& defaultValue = Variant()) const;
    // The stored value in place, or null when the key is missing, for a reader that builds
    // its default only when it needs one. A watch hears it as a read.
    const Variant* lookup(StringView key) const;

    // Stores the value, except that a value equal to its default (by sameValue) is left out
    // of the bag, and an entry already stored under the key is removed: a reader gets the
    // same value back through its default, and the saved form stays small. An empty key
    // raises error 5.
    void write(StringView key, Variant value, const Variant& defaultValue);
    // Stores the value whatever it is (hosts filling a bag from a form file). An empty key
    // raises error 5.
    void write(StringView key, Variant value);

    bool contains(StringView key) const;
    bool erase(StringView key);  // whether there was such an entry
    void clear();

    // The entries in the order of their first write.
    const std::vector<Entry>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    // Room for that many entries, for a host that knows how many it is about to write.
    void reserve(std::size_t count) { entries_.reserve(count); }

private:
    const Entry* find(StringView key) const;
    void countKey(StringView key, int change);

    // A bag holds a control's few dozen properties at most, so a look through them beats
    // an index in time and memory: every control on a form keeps bags.
    std::vector<Entry> entries_;
    // Keys with a character beyond ASCII; while there are none, and the key asked for is
    // ASCII too, a key is found by its length and its letters in any ASCII case alone.
    std::size_t nonAsciiKeys_ = 0;
    mutable const ReadListener* readListener_ = nullptr;
};

// Whether two keys are the same key to a bag.
bool sameKey(StringView a, StringView b);

// The key as the bag compares it: Unicode simple case folding.
String foldKey(StringView key);

}  // namespace quelta
