#include "platform/runtime/format/FormatCache.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <map>

#include "platform/runtime/format/FormatParser.h"

namespace quelta {
namespace {

// The formats used last, newest first: a form shows runs of values through the same few
// (a date format and the regional patterns its codes name), which are found here without
// a search of the whole cache.
constexpr std::size_t kRecentFormats = 4;

struct FormatCache {
    std::map<String, std::shared_ptr<const CompiledFormat>, std::less<>> entries;
    struct Recent {
        const String* key = nullptr;
        const std::shared_ptr<const CompiledFormat>* format = nullptr;
    };
    std::array<Recent, kRecentFormats> recent{};

    void remember(const String& key, const std::shared_ptr<const CompiledFormat>& format) {
        std::move_backward(recent.begin(), recent.end() - 1, recent.end());
        recent[0] = {&key, &format};
    }
};

FormatCache& threadCache() {
    thread_local FormatCache cache;
    return cache;
}

}  // namespace

std::shared_ptr<const CompiledFormat> cachedFormat(StringView format) {
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
    if (format.size() > kCachedFormatLength) {
        return std::make_shared<const CompiledFormat>(compileFormat(format));
    }
    auto found = cache.entries.find(format);
    if (found == cache.entries.end()) {
        auto compiled = std::make_shared<const CompiledFormat>(compileFormat(format));
        if (cache.entries.size() >= kCachedFormats) {
            cache.recent.fill({});
            cache.entries.clear();
        }
        found = cache.entries.emplace(String(format), std::move(compiled)).first;
    }
    cache.remember(found->first, found->second);
    return found->second;
}

std::size_t cachedFormatCount() {
    return threadCache().entries.size();
}

}  // namespace quelta
