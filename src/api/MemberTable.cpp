// What is derived from the member table once, when it is compiled: the checks that keep its
// rows consistent and the orders of the persisted set; the lookups are MemberSlots.h.

#include "api/MemberTable.h"

#include <array>
#include <cstddef>
#include <initializer_list>

#include "api/MemberSlots.h"

namespace quelta {
namespace {

using slots::kLongestName;
using slots::kMemberCount;

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
    const MemberInfo* member = slots::memberNamed(name);
    return member ? member->dispid : DISPID_UNKNOWN;
}

const MemberInfo* memberByName(std::string_view name) {
    return slots::memberNamed(name);
}

const MemberInfo* memberByName(StringView name) {
    return slots::memberNamed(name);
}

const MemberInfo* memberByDispatchId(DispatchId dispid) {
    return slots::memberWithDispatchId(dispid);
}

}  // namespace quelta
