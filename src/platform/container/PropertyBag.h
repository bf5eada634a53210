#pragma once
// The container's property bag: the stored properties of one control, keyed by name. Keys
// compare without regard to case, as the platform's do; an entry keeps the spelling of its
// latest write and the place of its first, so that a saved form lists properties in the
// order the control first wrote them.

#include <cstddef>
#include <functional>
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

    // The stored value, or defaultValue when the key is missing.
    Variant read(StringView key, const Variant& defaultValue = Variant()) const;
    // Called with each key a reader asks for, before the value is handed out: a host that
    // loads a form learns which key a failing control was reading and which keys no
    // control asked for.
    void setReadListener(std::function<void(StringView key)> listener) {
        readListener_ = std::move(listener);
    }

    // Stores the value, except that a value equal to its default (by sameValue) is left out
    // of the bag, and an entry already stored under the key is removed: a reader gets the
    // same value back through its default, and the saved form stays small. An empty key
    // raises error 5.
    void write(StringView key, const Variant& value, const Variant& defaultValue);
    // Stores the value whatever it is (hosts filling a bag from a form file). An empty key
    // raises error 5.
    void write(StringView key, const Variant& value);

    bool contains(StringView key) const;
    bool erase(StringView key);  // whether there was such an entry
    void clear();

    // The entries in the order of their first write.
    const std::vector<Entry>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

private:
    const Entry* find(StringView key) const;

    // A bag holds a control's few dozen properties at most, so a look through them beats
    // an index in time and memory: every control on a form keeps bags.
    std::vector<Entry> entries_;
    // Whether a key outside ASCII was ever stored since the bag was last cleared: until one
    // is, an ASCII key is found by its length and letters alone, without case folding.
    bool foldedKeys_ = false;
    std::function<void(StringView key)> readListener_;
};

// Whether two keys are the same key to a bag.
bool sameKey(StringView a, StringView b);

// The key as the bag compares it: Unicode simple case folding.
String foldKey(StringView key);

}  // namespace quelta
