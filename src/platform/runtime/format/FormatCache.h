#pragma once
// Compiled format strings, kept per thread so that a form that shows many values through the
// same few formats parses each format once. The cache is bounded: it holds at most
// kCachedFormats entries, each of a format no longer than kCachedFormatLength, and starts
// afresh when it is full. Longer formats are kept apart, the last kLongFormatSlots of them.

#include <cstddef>

#include "platform/runtime/format/CompiledFormat.h"

namespace quelta {

inline constexpr std::size_t kCachedFormats = 128;
inline constexpr std::size_t kCachedFormatLength = 256;
inline constexpr std::size_t kLongFormatSlots = 4;

// The compiled form of a format; raises the errors of compileFormat. The reference is the
// cache's own, handed out without a count of its users. It stays valid while this thread
// compiles fewer than kCachedFormats other formats, and a long one while this thread uses
// fewer than kLongFormatSlots other long ones. One Format call uses at most four formats
// (its own and the three regional patterns its codes may name), so the references it holds
// outlive it.
const CompiledFormat& cachedFormat(StringView format);

// The number of formats cached on this thread.
std::size_t cachedFormatCount();

}  // namespace quelta
