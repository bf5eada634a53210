#pragma once
// What a Qt key event is to the platform: a press is a key-down followed by the character
// the key types (if any), a release a key-up, with the platform's virtual-key codes and
// shift bits. A character that Qt's layout types with a key the platform's keyboard does
// not know travels as a packet key, so that every character a person can type reaches the
// control. Pure, so that the mapping is tested without a window.

#include <QString>
#include <Qt>
#include <cstdint>
#include <vector>

#include "platform/window/WindowSystem.h"

namespace quelta::qt {

std::int16_t shiftStateOf(Qt::KeyboardModifiers modifiers);
// 0 for a key the platform has no code for.
std::uint16_t virtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);

// `text` is the event's text; a press with Ctrl or Alt held types only what the
// platform's keyboard types with them (Ctrl+letter control codes, none with Alt).
std::vector<KeyInput> keyInputsOf(bool press, int qtKey, Qt::KeyboardModifiers modifiers,
                                  const QString& text);

}  // namespace quelta::qt
