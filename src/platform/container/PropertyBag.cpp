#include "platform/container/PropertyBag.h"

#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace quelta {

String foldKey(StringView key) {
    icu::UnicodeString text(false, key.data(), static_cast<std::int32_t>(key.size()));
    text.foldCase(U_FOLD_CASE_DEFAULT);
    return String(text.getBuffer(), static_cast<std::size_t>(text.length()));
}

const PropertyBag::Entry* PropertyBag::find(StringView key) const {
    auto found = index_.find(foldKey(key));
    return found == index_.end() ? nullptr : &entries_[found->second];
}

Variant PropertyBag::read(StringView key, const Variant& defaultValue) const {
    if (readListener_) readListener_(key);
    const Entry* entry = find(key);
    return entry ? entry->value : defaultValue;
}

void PropertyBag::write(StringView key, const Variant& value, const Variant& defaultValue) {
    if (key.empty()) raiseError(kErrInvalidProcedureCall);
    if (sameValue(value, defaultValue)) {
        erase(key);
        return;
    }
    write(key, value);
}

void PropertyBag::write(StringView key, const Variant& value) {
    if (key.empty()) raiseError(kErrInvalidProcedureCall);
    auto [position, inserted] = index_.try_emplace(foldKey(key), entries_.size());
    if (inserted) {
        entries_.push_back({String(key), value});
        return;
    }
    Entry& entry = entries_[position->second];
    entry.key = String(key);
    entry.value = value;
}

bool PropertyBag::contains(StringView key) const {
    return find(key) != nullptr;
}

bool PropertyBag::erase(StringView key) {
    auto found = index_.find(foldKey(key));
    if (found == index_.end()) return false;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(found->second));
    reindex();
    return true;
}

void PropertyBag::clear() {
    entries_.clear();
    index_.clear();
}

void PropertyBag::reindex() {
    index_.clear();
    for (std::size_t i = 0; i < entries_.size(); ++i)
        index_.emplace(foldKey(entries_[i].key), i);
}

}  // namespace quelta
