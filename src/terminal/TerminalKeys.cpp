#include "terminal/TerminalKeys.h"

#include <curses.h>

#include <array>
#include <utility>

namespace quelta::terminal {
namespace {

using Kind = TerminalKey::Kind;

TerminalKey keys(String text) {
    return {Kind::Keys, std::move(text)};
}

struct NamedCode {
    int code;
    const char16_t* keys;
};

constexpr std::array kNamedCodes = {
    NamedCode{KEY_LEFT, u"{LEFT}"},     NamedCode{KEY_RIGHT, u"{RIGHT}"},
    NamedCode{KEY_UP, u"{UP}"},         NamedCode{KEY_DOWN, u"{DOWN}"},
    NamedCode{KEY_HOME, u"{HOME}"},     NamedCode{KEY_END, u"{END}"},
    NamedCode{KEY_PPAGE, u"{PGUP}"},    NamedCode{KEY_NPAGE, u"{PGDN}"},
    NamedCode{KEY_BACKSPACE, u"{BS}"},  NamedCode{KEY_DC, u"{DEL}"},
    NamedCode{KEY_IC, u"{INS}"},        NamedCode{KEY_ENTER, u"{ENTER}"},
    NamedCode{KEY_BTAB, u"+{TAB}"},     NamedCode{KEY_SLEFT, u"+{LEFT}"},
    NamedCode{KEY_SRIGHT, u"+{RIGHT}"}, NamedCode{KEY_SHOME, u"+{HOME}"},
    NamedCode{KEY_SEND, u"+{END}"},     NamedCode{KEY_SDC, u"+{DEL}"},
    NamedCode{KEY_SIC, u"+{INS}"},
};

// Keys the terminal knows only by their terminfo names: 5 is Ctrl, 6 Ctrl+Shift, 2 Shift.
struct NamedExtension {
    std::string_view name;
    const char16_t* keys;
};

constexpr std::array kExtendedKeys = {
    NamedExtension{"kLFT5", u"^{LEFT}"},  NamedExtension{"kRIT5", u"^{RIGHT}"},
    NamedExtension{"kLFT6", u"+^{LEFT}"}, NamedExtension{"kRIT6", u"+^{RIGHT}"},
    NamedExtension{"kHOM5", u"^{HOME}"},  NamedExtension{"kEND5", u"^{END}"},
    NamedExtension{"kHOM6", u"+^{HOME}"}, NamedExtension{"kEND6", u"+^{END}"},
    NamedExtension{"kUP2", u"+{UP}"},     NamedExtension{"kDN2", u"+{DOWN}"},
    NamedExtension{"kDC5", u"^{DEL}"},    NamedExtension{"kIC5", u"^{INS}"},
};

TerminalKey translateKeyCode(std::uint32_t code, std::string_view keyName) {
    const int key = static_cast<int>(code);
    if (key == KEY_RESIZE) return {Kind::Resize, {}};
    if (key == KEY_MOUSE) return {Kind::Mouse, {}};
    if (key == KEY_F(2)) return {Kind::TogglePane, {}};
    if (key == KEY_F(10)) return {Kind::Quit, {}};
    for (const NamedCode& named : kNamedCodes) {
        if (named.code == key) return keys(named.keys);
    }
    for (const NamedExtension& extended : kExtendedKeys) {
        if (extended.name == keyName) return keys(extended.keys);
    }
    return {};
}

// Braces make every printable character literal, even + ^ % ~ ( ) and the braces.
String literal(char32_t character) {
    return u"{" + codePointText(character) + u"}";
}

TerminalKey translateCharacter(char32_t character) {
    switch (character) {
        case 0x11:
            return {Kind::Quit, {}};  // Ctrl+Q
        case u'\t':
            return keys(u"{TAB}");
        case u'\r':
        case u'\n':
            return keys(u"{ENTER}");
        case 0x08:
        case 0x7F:
            return keys(u"{BS}");
        case 0x1B:
            return keys(u"{ESC}");
        default:
            break;
    }
    if (character >= 1 && character <= 26) {
        return keys(String(u"^") + static_cast<char16_t>(u'a' + character - 1));
    }
    if (character < 0x20 || (character >= 0x80 && character < 0xA0)) return {};
    return keys(literal(character));
}

}  // namespace

TerminalKey translateKey(bool isKeyCode, std::uint32_t code, std::string_view keyName) {
    return isKeyCode ? translateKeyCode(code, keyName)
                     : translateCharacter(static_cast<char32_t>(code));
}

}  // namespace quelta::terminal
