#include "terminal/DesignKeys.h"

#include <curses.h>

#include <array>

namespace quelta::terminal {
namespace {

using Kind = DesignKey::Kind;

struct CodeKind {
    int code;
    Kind kind;
};

constexpr std::array kCodes = {
    CodeKind{KEY_LEFT, Kind::Left},
    CodeKind{KEY_RIGHT, Kind::Right},
    CodeKind{KEY_UP, Kind::Up},
    CodeKind{KEY_DOWN, Kind::Down},
    CodeKind{KEY_SLEFT, Kind::ShiftLeft},
    CodeKind{KEY_SRIGHT, Kind::ShiftRight},
    CodeKind{KEY_SR, Kind::ShiftUp},
    CodeKind{KEY_SF, Kind::ShiftDown},
    CodeKind{KEY_BTAB, Kind::BackTab},
    CodeKind{KEY_ENTER, Kind::Enter},
    CodeKind{KEY_BACKSPACE, Kind::Backspace},
    CodeKind{KEY_IC, Kind::Insert},
    CodeKind{KEY_DC, Kind::Delete},
    CodeKind{KEY_PPAGE, Kind::PageUp},
    CodeKind{KEY_NPAGE, Kind::PageDown},
    CodeKind{KEY_F(1), Kind::About},
    CodeKind{KEY_F(2), Kind::Save},
    CodeKind{KEY_F(4), Kind::Properties},
    CodeKind{KEY_F(10), Kind::Quit},
    CodeKind{KEY_RESIZE, Kind::Resize},
    CodeKind{KEY_MOUSE, Kind::Mouse},
};

DesignKey fromCode(std::uint32_t code, std::string_view keyName) {
    for (const CodeKind& known : kCodes) {
        if (known.code == static_cast<int>(code)) return {known.kind};
    }
    if (keyName == "kUP2") return {Kind::ShiftUp};
    if (keyName == "kDN2") return {Kind::ShiftDown};
    return {};
}

DesignKey fromCharacter(char32_t character) {
    switch (character) {
        case u'\t':
            return {Kind::Tab};
        case u'\r':
        case u'\n':
            return {Kind::Enter};
        case 0x08:
        case 0x7F:
            return {Kind::Backspace};
        case 0x1B:
            return {Kind::Escape};
        case 0x11:  // Ctrl+Q
            return {Kind::Quit};
        case 0x13:  // Ctrl+S
            return {Kind::Save};
        default:
            break;
    }
    if (character < 0x20 || (character >= 0x7F && character < 0xA0) || character > 0x10FFFF ||
        (character >= 0xD800 && character < 0xE000)) {
        return {};
    }
    return {Kind::Character, character};
}

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

std::optional<CellStep> cellStepOf(DesignKey::Kind kind) {
    for (const KindStep& known : kSteps) {
        if (known.kind == kind) return known.step;
    }
    return std::nullopt;
}

DesignKey designKey(bool isKeyCode, std::uint32_t code, std::string_view keyName) {
    return isKeyCode ? fromCode(code, keyName) : fromCharacter(static_cast<char32_t>(code));
}

}  // namespace quelta::terminal
