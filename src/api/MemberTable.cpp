// What is derived from the member table once, when it is compiled: the checks that keep its
// rows consistent, the lookups by name and by DISPID, and the orders of the persisted set.

#include "api/MemberTable.h"

#include <array>
#include <cstddef>
#include <initializer_list>

namespace quelta {
namespace {

constexpr std::size_t kMemberCount = std::size(kMembers);

// Every member name is ASCII and no longer than this.
constexpr std::size_t kLongestName = 32;

// A DISPID names one member only, and every member has its own.
consteval bool hasDistinctDispatchIds() {
    for (std::size_t i = 0; i < kMemberCount; ++i) {
        if (kMembers[i].dispid == DISPID_UNKNOWN) return false;
        for (std::size_t j = i + 1; j < kMemberCount; ++j) {
            if (kMembers[i].dispid == kMembers[j].dispid) return false;
        }
    }
    return true;
}
static_assert(hasDistinctDispatchIds());

// Dispatch calls each accessor that a row's access names without asking first.
consteval bool bindsEveryAccessor() {
    for (const MemberInfo& member : kMembers) {
        if (member.kind == MemberKind::Method) {
            if (member.call == nullptr) return false;
            continue;
        }
        if (member.readable() != (member.read != nullptr)) return false;
        if (member.writable() != (member.write != nullptr)) return false;
    }
    return true;
}
static_assert(bindsEveryAccessor());

// A range test needs the constants it tests against; a saved property needs its default and
// its place on both sides.
consteval bool rowsAreComplete() {
    for (const MemberInfo& member : kMembers) {
        if (member.name.empty() || member.name.size() > kLongestName) return false;
        for (char c : member.name) {
            if (static_cast<unsigned char>(c) >= 0x80) return false;
        }
        if ((member.type == ValueType::Enumeration) != (member.enumeration != nullptr))
            return false;
        const Persistence& saved = member.persisted;
        if (!saved.saved()) continue;
        if (saved.writeAt == 0 || member.byDefault.kind == DefaultValue::Kind::None) return false;
        if (saved.place.load == nullptr || saved.place.save == nullptr) return false;
        if (!member.writable()) return false;
    }
    return true;
}
static_assert(rowsAreComplete());

// The persisted properties by their places in one order. Each place from 1 to the last holds
// exactly one property.
template <std::size_t Count>
consteval std::array<const MemberInfo*, Count> persistedOrder(bool reading) {
    std::array<const MemberInfo*, Count> order{};
    for (const MemberInfo& member : kMembers) {
        const Persistence& saved = member.persisted;
        for (std::uint8_t at :
             reading ? std::initializer_list<std::uint8_t>{saved.readAt, saved.rereadAt}
                     : std::initializer_list<std::uint8_t>{saved.writeAt}) {
            if (at == 0) continue;
            if (at > Count || order[at - 1] != nullptr) throw "two properties at one place";
            order[at - 1] = &member;
        }
    }
    for (const MemberInfo* member : order) {
        if (member == nullptr) throw "a gap in the order";
    }
    return order;
}

consteval std::size_t placesInOrder(bool reading) {
    std::size_t count = 0;
    for (const MemberInfo& member : kMembers) {
        const Persistence& saved = member.persisted;
        if (reading) {
            count += (saved.readAt != 0) + (saved.rereadAt != 0);
        } else {
            count += saved.writeAt != 0;
        }
    }
    return count;
}

constexpr auto kReadOrder = persistedOrder<placesInOrder(true)>(true);
constexpr auto kWriteOrder = persistedOrder<placesInOrder(false)>(false);

// Perfect hashing: a seed, found at compile time, that gives every member a slot of its own,
// so that a lookup is one hash, one slot and one comparison. A slot holds the member's
// index plus one; 0 is empty.
constexpr std::size_t kSlotCount = 256;

struct SlotTable {
    std::uint32_t seed = 0;
    std::array<std::uint8_t, kSlotCount> slots{};
};

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

// FNV-1a over the lower-cased code units, started from the seed.
constexpr std::uint32_t hashNameUnit(std::uint32_t hash, std::uint32_t unit) {
    return (hash ^ asciiLower(unit)) * 16777619u;
}
constexpr std::size_t slotOfHash(std::uint32_t hash) {
    return (hash ^ (hash >> 16)) & (kSlotCount - 1);
}

constexpr std::size_t slotOfDispatchId(DispatchId dispid, std::uint32_t seed) {
    return (static_cast<std::uint32_t>(dispid) * (0x9E3779B1u + 2 * seed)) >> 24;
}

constexpr SlotTable kNameSlots = perfectSlots([](const MemberInfo& member, std::uint32_t seed) {
    std::uint32_t hash = seed;
    for (char c : member.name)
        hash = hashNameUnit(hash, static_cast<unsigned char>(c));
    return slotOfHash(hash);
});

constexpr SlotTable kDispatchIdSlots =
    perfectSlots([](const MemberInfo& member, std::uint32_t seed) {
        return slotOfDispatchId(member.dispid, seed);
    });

// Any letter case matches; a name that no member could have (too long, not ASCII) finds
// nothing.
template <typename Char>
const MemberInfo* lookUpIgnoringCase(std::basic_string_view<Char> name) {
    if (name.size() > kLongestName) return nullptr;
    std::uint32_t hash = kNameSlots.seed;
    for (Char c : name) {
        const auto unit = static_cast<std::uint32_t>(c);
        if (unit >= 0x80) return nullptr;
        hash = hashNameUnit(hash, unit);
    }
    const std::uint8_t slot = kNameSlots.slots[slotOfHash(hash)];
    if (slot == 0) return nullptr;
    const MemberInfo& member = kMembers[slot - 1];
    if (member.name.size() != name.size()) return nullptr;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (asciiLower(static_cast<std::uint32_t>(name[i])) !=
            asciiLower(static_cast<std::uint32_t>(static_cast<unsigned char>(member.name[i])))) {
            return nullptr;
        }
    }
    return &member;
}

// The names as the platform's text, for reports and bag keys without a conversion each time.
using WideName = std::array<char16_t, kLongestName>;
constexpr std::array<WideName, kMemberCount> kWideNames = [] {
    std::array<WideName, kMemberCount> names{};
    for (std::size_t i = 0; i < kMemberCount; ++i) {
        for (std::size_t j = 0; j < kMembers[i].name.size(); ++j)
            names[i][j] = static_cast<char16_t>(kMembers[i].name[j]);
    }
    return names;
}();

}  // namespace

std::span<const MemberInfo> members() {
    return kMembers;
}

std::span<const MemberInfo* const> persistedReadOrder() {
    return kReadOrder;
}

std::span<const MemberInfo* const> persistedWriteOrder() {
    return kWriteOrder;
}

StringView MemberInfo::wideName() const {
    return StringView(kWideNames[static_cast<std::size_t>(this - kMembers)].data(), name.size());
}

DispatchId GetIDsOfNames(StringView name) {
    const MemberInfo* member = lookUpIgnoringCase(name);
    return member ? member->dispid : DISPID_UNKNOWN;
}

const MemberInfo* memberByName(std::string_view name) {
    return lookUpIgnoringCase(name);
}

const MemberInfo* memberByName(StringView name) {
    return lookUpIgnoringCase(name);
}

const MemberInfo* memberByDispatchId(DispatchId dispid) {
    const std::uint8_t slot =
        kDispatchIdSlots.slots[slotOfDispatchId(dispid, kDispatchIdSlots.seed)];
    if (slot == 0 || kMembers[slot - 1].dispid != dispid) return nullptr;
    return &kMembers[slot - 1];
}

}  // namespace quelta
