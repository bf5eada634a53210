#pragma once
// What a container calls on the control it hosts, in this order: Initialize once, then
// exactly one of InitProperties (a control newly placed on a form) or ReadProperties (a
// control with stored properties), then Resize whenever its size changes, WriteProperties
// whenever the host saves it, and EnterFocus when it is about to take the focus.

#include "platform/container/PropertyBag.h"

namespace quelta {

class ContainedControl {
public:
    virtual ~ContainedControl() = default;

    virtual void Initialize() = 0;
    virtual void InitProperties() = 0;
    virtual void ReadProperties(const PropertyBag& bag) = 0;
    virtual void WriteProperties(PropertyBag& bag) = 0;
    virtual void Resize() = 0;
    virtual void EnterFocus() = 0;
};

// Starts a control as a host does when it loads a form: Initialize, then InitProperties
// when there are no stored properties or ReadProperties with them, then the first Resize.
// An error of any step ends the start and reaches the caller.
void startControl(ContainedControl& control, const PropertyBag* storedProperties);

}  // namespace quelta
