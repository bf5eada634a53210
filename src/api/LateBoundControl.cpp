#include "api/LateBoundControl.h"

#include "api/Dispatch.h"

namespace quelta {
namespace {

DispatchId memberNamed(StringView name) {
    const DispatchId id = GetIDsOfNames(name);
    if (id == DISPID_UNKNOWN) raiseError(kErrNotSupported);
    return id;
}

}  // namespace

Variant LateBoundControl::property(StringView name) {
    return Invoke(control_, memberNamed(name), InvokeKind::PropertyGet, {});
}

void LateBoundControl::letProperty(StringView name, const Variant& value) {
    Variant argument = value;
    Invoke(control_, memberNamed(name), InvokeKind::PropertyLet, std::span<Variant>(&argument, 1));
}

}  // namespace quelta
