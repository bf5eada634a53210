#include "qt/QtKeys.h"

#include <array>
#include <utility>

#include "platform/window/KeyboardLayout.h"
#include "platform/window/VirtualKeys.h"

namespace quelta::qt {
namespace {

constexpr std::array kNamedKeys = {
    std::pair{Qt::Key_Backspace, VK_BACK},
    std::pair{Qt::Key_Tab, VK_TAB},
    std::pair{Qt::Key_Backtab, VK_TAB},
    std::pair{Qt::Key_Return, VK_RETURN},
    std::pair{Qt::Key_Enter, VK_RETURN},
    std::pair{Qt::Key_Escape, VK_ESCAPE},
    std::pair{Qt::Key_Space, VK_SPACE},
    std::pair{Qt::Key_PageUp, VK_PRIOR},
    std::pair{Qt::Key_PageDown, VK_NEXT},
    std::pair{Qt::Key_End, VK_END},
    std::pair{Qt::Key_Home, VK_HOME},
    std::pair{Qt::Key_Left, VK_LEFT},
    std::pair{Qt::Key_Up, VK_UP},
    std::pair{Qt::Key_Right, VK_RIGHT},
    std::pair{Qt::Key_Down, VK_DOWN},
    std::pair{Qt::Key_Insert, VK_INSERT},
    std::pair{Qt::Key_Delete, VK_DELETE},
    std::pair{Qt::Key_Shift, VK_SHIFT},
    std::pair{Qt::Key_Control, VK_CONTROL},
    std::pair{Qt::Key_Alt, VK_MENU},
    std::pair{Qt::Key_CapsLock, VK_CAPITAL},
    std::pair{Qt::Key_NumLock, VK_NUMLOCK},
    std::pair{Qt::Key_Comma, VK_OEM_COMMA},
    std::pair{Qt::Key_Period, VK_OEM_PERIOD},
    std::pair{Qt::Key_Minus, VK_OEM_MINUS},
    std::pair{Qt::Key_Equal, VK_OEM_PLUS},
    std::pair{Qt::Key_Semicolon, VK_OEM_1},
    std::pair{Qt::Key_Slash, VK_OEM_2},
    std::pair{Qt::Key_QuoteLeft, VK_OEM_3},
    std::pair{Qt::Key_BracketLeft, VK_OEM_4},
    std::pair{Qt::Key_Backslash, VK_OEM_5},
    std::pair{Qt::Key_BracketRight, VK_OEM_6},
    std::pair{Qt::Key_Apostrophe, VK_OEM_7},
};

// The keypad's own codes, for the keys Qt marks with the keypad modifier.
std::uint16_t keypadKeyOf(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<std::uint16_t>(VK_NUMPAD0 + (qtKey - Qt::Key_0));
    switch (qtKey) {
        case Qt::Key_Asterisk:
            return VK_MULTIPLY;
        case Qt::Key_Plus:
            return VK_ADD;
        case Qt::Key_Minus:
            return VK_SUBTRACT;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return VK_DECIMAL;
        case Qt::Key_Slash:
            return VK_DIVIDE;
        default:
            return 0;
    }
}

bool typesText(const QString& text) {
    return text.size() == 1 && text[0].unicode() >= 0x20 && text[0].unicode() != 0x7F;
}

}  // namespace

std::int16_t shiftStateOf(Qt::KeyboardModifiers modifiers) {
    std::int16_t shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= kShiftMask;
    if (modifiers & Qt::ControlModifier) shift |= kCtrlMask;
    if (modifiers & Qt::AltModifier) shift |= kAltMask;
    return shift;
}

std::uint16_t virtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier) {
        if (const std::uint16_t keypad = keypadKeyOf(qtKey)) return keypad;
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<std::uint16_t>(qtKey);  // the platform's codes are the characters
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<std::uint16_t>(VK_F1 + (qtKey - Qt::Key_F1));
    for (const auto& [key, code] : kNamedKeys) {
        if (key == qtKey) return code;
    }
    return 0;
}

std::vector<KeyInput> keyInputsOf(bool press, int qtKey, Qt::KeyboardModifiers modifiers,
                                  const QString& text) {
    std::int16_t shift = shiftStateOf(modifiers);
    std::uint16_t code = virtualKeyOf(qtKey, modifiers);
    const bool plain = (shift & (kCtrlMask | kAltMask)) == 0;
    if (code == 0 && typesText(text)) {
        // A key the platform knows only by its character: the key that types it on the
        // platform's keyboard, or a packet.
        if (const auto key = keyForCharacter(text[0].unicode())) {
            code = key->keyCode;
            shift |= key->shift;
        } else {
            code = VK_PACKET;
        }
    }
    if (code == 0) return {};
    if (!press) return {{KeyInput::Kind::KeyUp, code, 0, shift}};

    std::vector<KeyInput> inputs{{KeyInput::Kind::KeyDown, code, 0, shift}};
    if (plain && typesText(text)) {
        inputs.push_back({KeyInput::Kind::Character, 0, text[0].unicode(), shift});
    } else if (const auto character = characterForKey(code, shift)) {
        inputs.push_back({KeyInput::Kind::Character, 0, *character, shift});
    }
    return inputs;
}

}  // namespace quelta::qt
