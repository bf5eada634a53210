#pragma once
// An object whose properties a caller reaches by name, resolved when it calls: what the
// property-page frame hands its pages as the selected controls.

#include "platform/String.h"
#include "platform/runtime/Variant.h"

namespace quelta {

class LateBoundObject {
public:
    virtual ~LateBoundObject() = default;
    // Errors are the object's own (438 for a name it does not have).
    virtual Variant property(StringView name) = 0;
    virtual void letProperty(StringView name, const Variant& value) = 0;
};

}  // namespace quelta
