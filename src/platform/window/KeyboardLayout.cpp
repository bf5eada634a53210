#include "platform/window/KeyboardLayout.h"

#include <array>

#include "platform/window/VirtualKeys.h"

namespace quelta {

namespace {

// A key of the layout that types a character, unshifted and with Shift.
struct LayoutKey {
    std::uint16_t keyCode;
    char16_t plain;
    char16_t shifted;
};

constexpr std::array<LayoutKey, 22> kSymbolKeys{{
    {'0', u'0', u')'},           {'1', u'1', u'!'},          {'2', u'2', u'@'},
    {'3', u'3', u'#'},           {'4', u'4', u'$'},          {'5', u'5', u'%'},
    {'6', u'6', u'^'},           {'7', u'7', u'&'},          {'8', u'8', u'*'},
    {'9', u'9', u'('},           {VK_SPACE, u' ', u' '},     {VK_OEM_1, u';', u':'},
    {VK_OEM_PLUS, u'=', u'+'},   {VK_OEM_COMMA, u',', u'<'}, {VK_OEM_MINUS, u'-', u'_'},
    {VK_OEM_PERIOD, u'.', u'>'}, {VK_OEM_2, u'/', u'?'},     {VK_OEM_3, u'`', u'~'},
    {VK_OEM_4, u'[', u'{'},      {VK_OEM_5, u'\\', u'|'},    {VK_OEM_6, u']', u'}'},
    {VK_OEM_7, u'\'', u'"'},
}};

// Keys whose character does not depend on Shift.
constexpr std::array<LayoutKey, 8> kFixedKeys{{
    {VK_BACK, u'\b', u'\b'},
    {VK_TAB, u'\t', u'\t'},
    {VK_RETURN, u'\r', u'\r'},
    {VK_ESCAPE, u'\x1B', u'\x1B'},
    {VK_MULTIPLY, u'*', u'*'},
    {VK_ADD, u'+', u'+'},
    {VK_SUBTRACT, u'-', u'-'},
    {VK_DIVIDE, u'/', u'/'},
}};

// What Ctrl with a key delivers: control codes for letters and a few others.
constexpr std::array<LayoutKey, 6> kControlKeys{{
    {VK_RETURN, u'\n', u'\n'},
    {VK_BACK, u'\x7F', u'\x7F'},
    {VK_ESCAPE, u'\x1B', u'\x1B'},
    {VK_OEM_4, u'\x1B', u'\x1B'},
    {VK_OEM_5, u'\x1C', u'\x1C'},
    {VK_OEM_6, u'\x1D', u'\x1D'},
}};

bool isLetterKey(std::uint16_t keyCode) {
    return keyCode >= 'A' && keyCode <= 'Z';
}

template <std::size_t N>
const LayoutKey* findKey(const std::array<LayoutKey, N>& keys, std::uint16_t keyCode) {
    for (const LayoutKey& key : keys) {
        if (key.keyCode == keyCode) return &key;
    }
    return nullptr;
}

std::optional<KeyForCharacter> keyForControlCharacter(char16_t character) {
    switch (character) {
        case u'\b':
            return KeyForCharacter{VK_BACK, 0};
        case u'\t':
            return KeyForCharacter{VK_TAB, 0};
        case u'\r':
            return KeyForCharacter{VK_RETURN, 0};
        case u'\n':
            return KeyForCharacter{VK_RETURN, kCtrlMask};
        case u'\x1B':
            return KeyForCharacter{VK_ESCAPE, 0};
        default:
            break;
    }
    if (character >= 1 && character <= 26) {
        return KeyForCharacter{static_cast<std::uint16_t>('A' + character - 1), kCtrlMask};
    }
    return std::nullopt;
}

std::optional<char16_t> controlCharacterForKey(std::uint16_t keyCode) {
    if (isLetterKey(keyCode)) return static_cast<char16_t>(keyCode - 'A' + 1);
    if (const LayoutKey* key = findKey(kControlKeys, keyCode)) return key->plain;
    return std::nullopt;
}

}  // namespace

std::optional<KeyForCharacter> keyForCharacter(char16_t character) {
    if (character < 0x20) return keyForControlCharacter(character);
    if (character >= u'a' && character <= u'z') {
        return KeyForCharacter{static_cast<std::uint16_t>(character - u'a' + 'A'), 0};
    }
    if (character >= u'A' && character <= u'Z') {
        return KeyForCharacter{static_cast<std::uint16_t>(character), kShiftMask};
    }
    for (const LayoutKey& key : kSymbolKeys) {
        if (key.plain == character) return KeyForCharacter{key.keyCode, 0};
        if (key.shifted == character) return KeyForCharacter{key.keyCode, kShiftMask};
    }
    return std::nullopt;
}

std::optional<char16_t> characterForKey(std::uint16_t keyCode, std::int16_t shift) {
    if (shift & kAltMask) return std::nullopt;  // Alt combinations are commands, not text
    if (shift & kCtrlMask) return controlCharacterForKey(keyCode);
    const bool shifted = (shift & kShiftMask) != 0;
    if (isLetterKey(keyCode)) {
        return shifted ? static_cast<char16_t>(keyCode)
                       : static_cast<char16_t>(keyCode - 'A' + u'a');
    }
    if (const LayoutKey* key = findKey(kSymbolKeys, keyCode)) {
        return shifted ? key->shifted : key->plain;
    }
    if (const LayoutKey* key = findKey(kFixedKeys, keyCode)) return key->plain;
    return std::nullopt;
}

}  // namespace quelta
