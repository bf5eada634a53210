#pragma once
// What a host does when the control refuses a person's input with an automation error:
// what the person did is dropped (with the keys still waiting in the input queue, which
// belong to it) and the platform's beep answers, as the platform answers a refused key.
// Nothing else of the host is disturbed.

#include <utility>

#include "platform/AutomationError.h"
#include "platform/window/WindowSystem.h"

namespace quelta {

// Runs `input`; false when the control refused it.
template <typename Input>
bool beepOnRefusal(Input&& input) {
    try {
        std::forward<Input>(input)();
        return true;
    } catch (const AutomationError&) {
        while (takeKeyInput()) {
        }
        MessageBeep();
        return false;
    }
}

}  // namespace quelta
