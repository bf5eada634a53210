#pragma once
// Lookups of the member table by name and by DISPID through slot tables found when the
// table is compiled (perfect hashing): one hash, one slot and one comparison, no allocation
// and nothing built at run time. Inline, so that dispatch reaches a member without a call.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "api/MemberTable.h"

namespace quelta::slots {

inline constexpr std::size_t kMemberCount = std::size(kMembers);

// Every member name is ASCII and no longer than this (checked with the table).
inline constexpr std::size_t kLongestName = 32;

// A slot holds the member's index plus one; 0 is empty.
inline constexpr std::size_t kSlotCount = 256;

struct SlotTable {
    std::uint32_t seed = 0;
    std::array<std::uint8_t, kSlotCount> slots{};
};

// The first seed that gives every member a slot of its own.
template <typename SlotOf>
consteval SlotTable perfectSlots(SlotOf slotOf) {
    for (std::uint32_t seed = 1; seed < 100000; ++seed) {
        SlotTable table{seed, {}};
        bool distinct = true;
        for (std::size_t i = 0; i < kMemberCount && distinct; ++i) {
            std::uint8_t& slot = table.slots[slotOf(kMembers[i], seed)];
            distinct = slot == 0;
            slot = static_cast<std::uint8_t>(i + 1);
        }
        if (distinct) return table;
    }
    throw "no seed separates the members";
}

constexpr std::size_t slotOfKey(std::uint32_t key, std::uint32_t seed) {
    return (key * (0x9E3779B1u + 2 * seed)) >> 24;
}

// A name's key is its length and its first, middle and last letters in lower case, which no
// two member names share, so that a lookup hashes four units before the one comparison. A
// member whose name shares them with another stops the compilation.
template <typename Char>
constexpr std::uint32_t nameKey(std::basic_string_view<Char> name) {
    const auto letter = [&](std::size_t at) {
        return asciiLower(static_cast<std::uint32_t>(name[at])) & 0xFF;
    };
    return static_cast<std::uint32_t>(name.size()) | letter(0) << 8 |
           letter(name.size() / 2) << 16 | letter(name.size() - 1) << 24;
}

inline constexpr SlotTable kNameSlots =
    perfectSlots([](const MemberInfo& member, std::uint32_t seed) {
        return slotOfKey(nameKey(member.name), seed);
    });

inline constexpr SlotTable kDispatchIdSlots =
    perfectSlots([](const MemberInfo& member, std::uint32_t seed) {
        return slotOfKey(static_cast<std::uint32_t>(member.dispid), seed);
    });

// The names in lower case, for the comparison that confirms a slot.
using NameText = std::array<char, kLongestName>;
inline constexpr std::array<NameText, kMemberCount> kLowerNames = [] {
    std::array<NameText, kMemberCount> names{};
    for (std::size_t i = 0; i < kMemberCount; ++i) {
        for (std::size_t j = 0; j < kMembers[i].name.size(); ++j)
            names[i][j] = asciiLower(kMembers[i].name[j]);
    }
    return names;
}();

// Each DISPID's slot with what the most frequent call needs, so that a property read without
// arguments touches one small entry: the member and, for a property read that way, its
// reader (null otherwise).
struct DispatchSlot {
    DispatchId dispid = DISPID_UNKNOWN;
    std::uint8_t member = 0;  // index plus one; 0 is empty
    MemberReader plainRead = nullptr;
};

inline constexpr std::array<DispatchSlot, kSlotCount> kDispatchSlots = [] {
    std::array<DispatchSlot, kSlotCount> table{};
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        const std::uint8_t index = kDispatchIdSlots.slots[slot];
        if (index == 0) continue;
        const MemberInfo& member = kMembers[index - 1];
        const bool plain = member.readable() && member.parameters.empty();
        table[slot] = {member.dispid, index, plain ? member.read : nullptr};
    }
    return table;
}();

inline const DispatchSlot& dispatchSlot(DispatchId dispid) {
    return kDispatchSlots[slotOfKey(static_cast<std::uint32_t>(dispid), kDispatchIdSlots.seed)];
}

inline const MemberInfo* memberWithDispatchId(DispatchId dispid) {
    const std::uint8_t slot =
        kDispatchIdSlots
            .slots[slotOfKey(static_cast<std::uint32_t>(dispid), kDispatchIdSlots.seed)];
    if (slot == 0 || kMembers[slot - 1].dispid != dispid) return nullptr;
    return &kMembers[slot - 1];
}

// Any letter case matches; a name that no member could have (empty, too long, not ASCII)
// finds nothing. Member names are ASCII, so a unit outside it fails the comparison.
template <typename Char>
const MemberInfo* memberNamed(std::basic_string_view<Char> name) {
    if (name.empty() || name.size() > kLongestName) return nullptr;
    const std::uint8_t slot = kNameSlots.slots[slotOfKey(nameKey(name), kNameSlots.seed)];
    if (slot == 0) return nullptr;
    const MemberInfo& member = kMembers[slot - 1];
    if (member.name.size() != name.size()) return nullptr;
    const NameText& lower = kLowerNames[slot - 1];
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (asciiLower(static_cast<std::uint32_t>(name[i])) != static_cast<std::uint8_t>(lower[i]))
            return nullptr;
    }
    return &member;
}

}  // namespace quelta::slots
