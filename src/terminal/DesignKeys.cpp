#include "terminal/DesignKeys.h"

#include <array>

#include "platform/window/VirtualKeys.h"

namespace quelta::terminal {
namespace {

using Kind = DesignKey::Kind;

struct KeyKind {
    std::uint16_t keyCode;
    std::int16_t shift;
    Kind kind;
};

constexpr std::uint16_t keyOfLetter(char letter) {
    return static_cast<std::uint16_t>(letter);  // the platform's codes are the letters
}

// The designer's commands, each on one key with exactly these modifiers held.
constexpr std::array kCommands = {
    KeyKind{VK_TAB, 0, Kind::Tab},
    KeyKind{VK_TAB, kShiftMask, Kind::BackTab},
    KeyKind{VK_LEFT, 0, Kind::Left},
    KeyKind{VK_RIGHT, 0, Kind::Right},
    KeyKind{VK_UP, 0, Kind::Up},
    KeyKind{VK_DOWN, 0, Kind::Down},
    KeyKind{VK_LEFT, kShiftMask, Kind::ShiftLeft},
    KeyKind{VK_RIGHT, kShiftMask, Kind::ShiftRight},
    KeyKind{VK_UP, kShiftMask, Kind::ShiftUp},
    KeyKind{VK_DOWN, kShiftMask, Kind::ShiftDown},
    KeyKind{VK_RETURN, 0, Kind::Enter},
    KeyKind{VK_ESCAPE, 0, Kind::Escape},
    KeyKind{VK_BACK, 0, Kind::Backspace},
    KeyKind{VK_INSERT, 0, Kind::Insert},
    KeyKind{VK_DELETE, 0, Kind::Delete},
    KeyKind{VK_PRIOR, 0, Kind::PageUp},
    KeyKind{VK_NEXT, 0, Kind::PageDown},
    KeyKind{VK_F1, 0, Kind::About},
    KeyKind{VK_F1 + 1, 0, Kind::Save},
    KeyKind{VK_F1 + 3, 0, Kind::Properties},
    KeyKind{VK_F1 + 9, 0, Kind::Quit},
    KeyKind{keyOfLetter('S'), kCtrlMask, Kind::Save},
    KeyKind{keyOfLetter('Q'), kCtrlMask, Kind::Quit},
};

struct KindStep {
    Kind kind;
    CellStep step;
};

constexpr std::array kSteps = {
    KindStep{Kind::Left, {-1, 0, false}},     KindStep{Kind::Right, {1, 0, false}},
    KindStep{Kind::Up, {0, -1, false}},       KindStep{Kind::Down, {0, 1, false}},
    KindStep{Kind::ShiftLeft, {-1, 0, true}}, KindStep{Kind::ShiftRight, {1, 0, true}},
    KindStep{Kind::ShiftUp, {0, -1, true}},   KindStep{Kind::ShiftDown, {0, 1, true}},
};

}  // namespace

DesignKey designKeyOf(const PressedKey& key) {
    for (const KeyKind& command : kCommands) {
        if (command.keyCode == key.keyCode && command.shift == key.shift)
            return {command.kind, 0, key};
    }
    // Printable characters, typed without Ctrl or Alt, are typing.
    if (key.character >= 0x20 && key.character != 0x7F && (key.shift & (kCtrlMask | kAltMask)) == 0)
        return {Kind::Character, key.character, key};
    return {Kind::Ignored, 0, key};
}

std::optional<CellStep> cellStepOf(DesignKey::Kind kind) {
    for (const KindStep& known : kSteps) {
        if (known.kind == kind) return known.step;
    }
    return std::nullopt;
}

}  // namespace quelta::terminal
