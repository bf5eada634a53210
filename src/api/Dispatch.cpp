#include "api/Dispatch.h"

#include <vector>

#include "api/ArgumentConversion.h"
#include "api/MemberSlots.h"
#include "platform/AutomationError.h"

namespace quelta {
namespace {

constexpr std::int32_t kErrWrongArgumentCount = 450;
constexpr std::int32_t kErrReadOnlyProperty = 383;
constexpr std::int32_t kErrWriteOnlyProperty = 394;

const MemberInfo& memberOf(DispatchId dispid) {
    const MemberInfo* member = slots::memberWithDispatchId(dispid);
    if (member == nullptr) raiseError(kErrNotSupported);
    return *member;
}

void requireArgumentCount(std::span<Variant> arguments, std::size_t count) {
    if (arguments.size() != count) raiseError(kErrWrongArgumentCount);
}

Variant invokeMethod(Quelta& control, const MemberInfo& member, InvokeKind kind,
                     std::span<Variant> arguments) {
    if (kind != InvokeKind::Method) raiseError(kErrNotSupported);
    requireArgumentCount(arguments, 0);
    member.call(control);
    return {};
}

// A reader returns the declared type itself (MemberBinding.h). A read without arguments, the
// common case, allocates nothing.
Variant getProperty(Quelta& control, const MemberInfo& member, std::span<Variant> arguments) {
    if (!member.readable()) raiseError(kErrWriteOnlyProperty);
    requireArgumentCount(arguments, member.parameters.size());
    if (arguments.empty()) return member.read(control, {});
    std::vector<Variant> converted;
    for (std::size_t i = 0; i < arguments.size(); ++i)
        converted.push_back(argumentAs(member.parameters[i].type, arguments[i]));
    return member.read(control, converted);
}

void putProperty(Quelta& control, const MemberInfo& member, InvokeKind kind,
                 std::span<Variant> arguments) {
    if (!member.writable()) raiseError(kErrReadOnlyProperty);
    if (kind == InvokeKind::PropertySet && !(member.access & kSet)) raiseError(kErrTypeMismatch);
    requireArgumentCount(arguments, 1);
    member.write(control, argumentAs(member.type, arguments[0]));
}

// Every call but the plain read, kept out of line so that the read stays short.
[[gnu::noinline]] Variant invokeMember(Quelta& control, const MemberInfo& member, InvokeKind kind,
                                       std::span<Variant> arguments) {
    if (member.kind == MemberKind::Method) return invokeMethod(control, member, kind, arguments);
    switch (kind) {
        case InvokeKind::Method:
        case InvokeKind::PropertyGet:
            return getProperty(control, member, arguments);
        case InvokeKind::PropertyLet:
        case InvokeKind::PropertySet:
            putProperty(control, member, kind, arguments);
            return {};
    }
    raiseError(kErrNotSupported);
}

}  // namespace

// The most frequent call, a property read without arguments, goes straight to its reader.
Variant Invoke(Quelta& control, DispatchId dispid, InvokeKind kind, std::span<Variant> arguments) {
    const slots::DispatchSlot& slot = slots::dispatchSlot(dispid);
    if (kind == InvokeKind::PropertyGet && arguments.empty() && slot.dispid == dispid &&
        slot.plainRead != nullptr) {
        return slot.plainRead(control, {});
    }
    return invokeMember(control, memberOf(dispid), kind, arguments);
}

}  // namespace quelta
