#include "platform/runtime/format/FormatCache.h"

#include <functional>
#include <map>

#include "platform/runtime/format/FormatParser.h"

namespace quelta {
namespace {

struct FormatCache {
    std::map<String, std::shared_ptr<const CompiledFormat>, std::less<>> entries;
    // The format used last: a form usually shows runs of values through the same one.
    const String* lastKey = nullptr;
    std::shared_ptr<const CompiledFormat> lastFormat;
};

FormatCache& threadCache() {
    thread_local FormatCache cache;
    return cache;
}

}  // namespace

std::shared_ptr<const CompiledFormat> cachedFormat(StringView format) {
    FormatCache& cache = threadCache();
    if (cache.lastKey && *cache.lastKey == format) return cache.lastFormat;
    if (format.size() > kCachedFormatLength) {
        return std::make_shared<const CompiledFormat>(compileFormat(format));
    }
    auto found = cache.entries.find(format);
    if (found == cache.entries.end()) {
        auto compiled = std::make_shared<const CompiledFormat>(compileFormat(format));
        if (cache.entries.size() >= kCachedFormats) {
            cache.lastKey = nullptr;
            cache.entries.clear();
        }
        found = cache.entries.emplace(String(format), std::move(compiled)).first;
    }
    cache.lastKey = &found->first;
    cache.lastFormat = found->second;
    return found->second;
}

std::size_t cachedFormatCount() {
    return threadCache().entries.size();
}

}  // namespace quelta
