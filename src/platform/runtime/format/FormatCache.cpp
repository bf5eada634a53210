#include "platform/runtime/format/FormatCache.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <memory>

#include "platform/runtime/format/FormatParser.h"

namespace quelta {
namespace {

// The formats used last, newest first: a form shows runs of values through the same few
// (a date format and the regional patterns its codes name), which are found here without
// a search of the whole cache.
constexpr std::size_t kRecentFormats = 4;

using Entries = std::map<String, std::unique_ptr<const CompiledFormat>, std::less<>>;

struct FormatCache {
    Entries entries;
    // The entries of the last full cache: kept for one more round, so that a reference
    // handed out just before the cache started afresh outlives the call that holds it.
    Entries retired;
    struct Recent {
        const String* key = nullptr;
        const CompiledFormat* format = nullptr;
    };
    std::array<Recent, kRecentFormats> recent{};
    // The long formats used last; the one unused longest gives way to a new one, so that
    // the few a Format call uses stay while it runs.
    struct LongFormat {
        String text;
        std::unique_ptr<const CompiledFormat> format;
        std::uint64_t lastUse = 0;
    };
    std::array<LongFormat, kLongFormatSlots> longFormats;
    std::uint64_t uses = 0;

    void remember(const String& key, const CompiledFormat& format) {
        std::move_backward(recent.begin(), recent.end() - 1, recent.end());
        recent[0] = {&key, &format};
    }

    void startAfresh() {
        recent.fill({});
        retired = std::move(entries);
        entries.clear();
    }

    const CompiledFormat& longFormat(StringView format) {
        LongFormat* oldest = &longFormats[0];
        for (LongFormat& slot : longFormats) {
            if (slot.format && slot.text == format) {
                slot.lastUse = ++uses;
                return *slot.format;
            }
            if (slot.lastUse < oldest->lastUse) oldest = &slot;
        }
        auto compiled = std::make_unique<const CompiledFormat>(compileFormat(format));
        *oldest = {String(format), std::move(compiled), ++uses};
        return *oldest->format;
    }
};

FormatCache& threadCache() {
    thread_local FormatCache cache;
    return cache;
}

}  // namespace

const CompiledFormat& cachedFormat(StringView format) {
    FormatCache& cache = threadCache();
    // Compared as bytes: the character-wise comparison of two UTF-16 texts is a loop of its
    // own, and this one runs at every value formatted.
    const std::size_t bytes = format.size() * sizeof(char16_t);
    for (const auto& recent : cache.recent) {
        if (recent.key != nullptr && recent.key->size() == format.size() &&
            std::memcmp(recent.key->data(), format.data(), bytes) == 0) {
            return *recent.format;
        }
    }
    if (format.size() > kCachedFormatLength) return cache.longFormat(format);
    auto found = cache.entries.find(format);
    if (found == cache.entries.end()) {
        auto compiled = std::make_unique<const CompiledFormat>(compileFormat(format));
        if (cache.entries.size() >= kCachedFormats) cache.startAfresh();
        found = cache.entries.emplace(String(format), std::move(compiled)).first;
    }
    cache.remember(found->first, *found->second);
    return *found->second;
}

std::size_t cachedFormatCount() {
    return threadCache().entries.size();
}

}  // namespace quelta
