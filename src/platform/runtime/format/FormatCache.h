#pragma once
// Compiled format strings, kept per thread so that a form that shows many values through the
// same few formats parses each format once. The cache is bounded: it holds at most
// kCachedFormats entries, each of a format no longer than kCachedFormatLength (longer formats
// are compiled at every use), and starts afresh when it is full.

#include <cstddef>
#include <memory>

#include "platform/runtime/format/CompiledFormat.h"

namespace quelta {

inline constexpr std::size_t kCachedFormats = 128;
inline constexpr std::size_t kCachedFormatLength = 256;

// The compiled form of a format; raises the errors of compileFormat. The result stays valid
// for as long as the caller holds it, whatever happens to the cache meanwhile.
std::shared_ptr<const CompiledFormat> cachedFormat(StringView format);

// The number of formats cached on this thread.
std::size_t cachedFormatCount();

}  // namespace quelta
