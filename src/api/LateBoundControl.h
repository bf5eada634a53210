#pragma once
// A control reached by property name through its dispatch interface, names resolved at
// each call: the selected-control object a property-page frame hands its pages.

#include "control/Quelta.h"
#include "platform/pages/LateBoundObject.h"

namespace quelta {

class LateBoundControl : public LateBoundObject {
public:
    explicit LateBoundControl(Quelta& control) : control_(control) {}
    Variant property(StringView name) override;
    void letProperty(StringView name, const Variant& value) override;

private:
    Quelta& control_;
};

}  // namespace quelta
