#include "platform/container/PropertyBag.h"

#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace quelta {

String foldKey(StringView key) {
    icu::UnicodeString text(false, key.data(), static_cast<std::int32_t>(key.size()));
    text.foldCase(U_FOLD_CASE_DEFAULT);
    return String(text.getBuffer(), static_cast<std::size_t>(text.length()));
}

namespace {

bool isAscii(StringView text) {
    for (char16_t c : text) {
        if (c > 0x7F) return false;
    }
    return true;
}

}  // namespace

// Keys nearly always are ASCII, where folding is lower-casing A to Z; the full folding is
// needed only where a key holds another letter (and may then match an ASCII one: the
// Kelvin sign folds to "k").
bool sameKey(StringView a, StringView b) {
    if (a.size() == b.size() && equalsIgnoringAsciiCase(a, b)) return true;
    if (isAscii(a) && isAscii(b)) return false;
    return foldKey(a) == foldKey(b);
}

PropertyBag::ReadWatch::ReadWatch(const PropertyBag& bag, const ReadListener& listener)
    : bag_(bag), previous_(std::exchange(bag.readListener_, &listener)) {}

PropertyBag::ReadWatch::~ReadWatch() {
    bag_.readListener_ = previous_;
}

// Every control reads each of its properties by name, so this is the bag's busiest path:
// the ASCII comparison comes first, and the full folding only where a key needs it. No two
// entries are the same key, so the first match is the only one.
const PropertyBag::Entry* PropertyBag::find(StringView key) const {
    for (const Entry& entry : entries_) {
        if (entry.key.size() == key.size() && equalsIgnoringAsciiCase(entry.key, key))
            return &entry;
    }
    if (nonAsciiKeys_ == 0 && isAscii(key)) return nullptr;
    for (const Entry& entry : entries_) {
        if (sameKey(entry.key, key)) return &entry;
    }
    return nullptr;
}

void PropertyBag::countKey(StringView key, int change) {
    if (!isAscii(key)) nonAsciiKeys_ += static_cast<std::size_t>(change);
}

const Variant* PropertyBag::lookup(StringView key) const {
    const Entry* entry = find(key);
    if (readListener_) (*readListener_)(key, entry);
    return entry ? &entry->value : nullptr;
}

Variant PropertyBag::read(StringView key, const Variant& defaultValue) const {
    const Variant* stored = lookup(key);
    return stored ? *stored : defaultValue;
}

void PropertyBag::write(StringView key, Variant value, const Variant& defaultValue) {
    if (key.empty()) raiseError(kErrInvalidProcedureCall);
    if (sameValue(value, defaultValue)) {
        erase(key);
        return;
    }
    write(key, std::move(value));
}

void PropertyBag::write(StringView key, Variant value) {
    if (key.empty()) raiseError(kErrInvalidProcedureCall);
    if (auto* entry = const_cast<Entry*>(find(key))) {
        if (entry->key != key) {
            countKey(entry->key, -1);
            entry->key = String(key);
            countKey(key, 1);
        }
        entry->value = std::move(value);
        return;
    }
    entries_.push_back({String(key), std::move(value)});
    countKey(key, 1);
}

bool PropertyBag::contains(StringView key) const {
    return find(key) != nullptr;
}

bool PropertyBag::erase(StringView key) {
    const Entry* found = find(key);
    if (!found) return false;
    countKey(found->key, -1);
    entries_.erase(entries_.begin() + (found - entries_.data()));
    return true;
}

void PropertyBag::clear() {
    entries_.clear();
    nonAsciiKeys_ = 0;
}

}  // namespace quelta
