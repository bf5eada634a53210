#pragma once
// The form side of the public fields: the listener that hands a form's events and property
// changes to the fields' handlers, and the making of a field's core for a control.

#include <functional>
#include <memory>
#include <vector>

#include "api/front/FieldCore.h"
#include "form/Form.h"
#include "platform/window/WindowSystem.h"

namespace quelta::detail {

// `fieldNamed` finds the core of a control by its name, or null.
Form::Listener fieldListener(std::function<FieldCore*(StringView name)> fieldNamed);

// Delivers keys one at a time, each after the keys the one before it sent (the automatic
// tab), as a keyboard does.
void deliverKeys(Form& form, const std::vector<KeyInput>& keys);

// A new control at the end of the form's tab order, with an empty text: a field made in
// code starts empty, as a host's own edit widgets do, where a control placed in a designer
// shows its name.
Quelta& addEmptyControl(Form& form, const String& name);

std::shared_ptr<FieldCore> coreFor(Form& form, Quelta& control, StringView name);

}  // namespace quelta::detail
