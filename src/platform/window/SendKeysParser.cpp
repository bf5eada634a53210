// The grammar of the keystroke syntax:
//   sequence := item*                      (inside a group it ends at ')')
//   item     := modifier* unit
//   modifier := '+' | '^' | '%'
//   unit     := '(' sequence ')' | '{' braced '}' | '~' | character
//   braced   := name (' ' count)?          (name: any character, then up to ' ' or '}')

#include <array>
#include <optional>

#include "platform/AutomationError.h"
#include "platform/window/KeyboardLayout.h"
#include "platform/window/SendKeys.h"
#include "platform/window/VirtualKeys.h"

namespace quelta {

namespace {

constexpr int kMaxRepeat = 32767;
// Bounds that keep a hostile text from exhausting the stack or the memory.
constexpr int kMaxGroupDepth = 64;
constexpr std::size_t kMaxKeyInputs = std::size_t{1} << 20;
constexpr int kFunctionKeyCount = 16;

struct NamedKey {
    std::u16string_view name;
    std::uint16_t keyCode;
};

constexpr std::array<NamedKey, 30> kNamedKeys{{
    {u"BACKSPACE", VK_BACK},    {u"BS", VK_BACK},
    {u"BKSP", VK_BACK},         {u"BREAK", VK_CANCEL},
    {u"CAPSLOCK", VK_CAPITAL},  {u"CLEAR", VK_CLEAR},
    {u"DELETE", VK_DELETE},     {u"DEL", VK_DELETE},
    {u"DOWN", VK_DOWN},         {u"END", VK_END},
    {u"ENTER", VK_RETURN},      {u"ESC", VK_ESCAPE},
    {u"ESCAPE", VK_ESCAPE},     {u"HELP", VK_HELP},
    {u"HOME", VK_HOME},         {u"INSERT", VK_INSERT},
    {u"INS", VK_INSERT},        {u"LEFT", VK_LEFT},
    {u"NUMLOCK", VK_NUMLOCK},   {u"PGDN", VK_NEXT},
    {u"PGUP", VK_PRIOR},        {u"PRTSC", VK_SNAPSHOT},
    {u"RIGHT", VK_RIGHT},       {u"SCROLLLOCK", VK_SCROLL},
    {u"TAB", VK_TAB},           {u"UP", VK_UP},
    {u"ADD", VK_ADD},           {u"SUBTRACT", VK_SUBTRACT},
    {u"MULTIPLY", VK_MULTIPLY}, {u"DIVIDE", VK_DIVIDE},
}};

struct ModifierKey {
    std::int16_t bit;
    std::uint16_t keyCode;
};
// Pressed in this order, released in the reverse one.
constexpr std::array<ModifierKey, 3> kModifierKeys{{
    {kShiftMask, VK_SHIFT},
    {kCtrlMask, VK_CONTROL},
    {kAltMask, VK_MENU},
}};

[[noreturn]] void malformed() {
    raiseError(kErrInvalidProcedureCall);
}

std::optional<std::uint16_t> functionKeyCode(StringView name) {
    if (name.size() < 2 || name.size() > 3 || asciiUpper(name[0]) != u'F') return std::nullopt;
    int number = 0;
    for (char16_t digit : name.substr(1)) {
        if (digit < u'0' || digit > u'9') return std::nullopt;
        number = number * 10 + (digit - u'0');
    }
    if (name[1] == u'0' || number < 1 || number > kFunctionKeyCount) return std::nullopt;
    return static_cast<std::uint16_t>(VK_F1 + number - 1);
}

std::optional<std::uint16_t> namedKeyCode(StringView name) {
    for (const NamedKey& key : kNamedKeys) {
        if (equalsIgnoringAsciiCase(name, key.name)) return key.keyCode;
    }
    return functionKeyCode(name);
}

std::int16_t modifierBit(char16_t c) {
    switch (c) {
        case u'+':
            return kShiftMask;
        case u'^':
            return kCtrlMask;
        case u'%':
            return kAltMask;
        default:
            return 0;
    }
}

// One key to press: its code, the modifiers the character needs held, and for VK_PACKET
// the character (one or two code units) it carries.
struct Stroke {
    std::uint16_t keyCode = 0;
    std::int16_t needs = 0;
    String packet;
};

Stroke strokeForCharacter(StringView character) {
    if (character.size() == 1) {
        if (std::optional<KeyForCharacter> key = keyForCharacter(character[0])) {
            return Stroke{key->keyCode, key->shift, {}};
        }
    }
    return Stroke{VK_PACKET, 0, String(character)};
}

// One character: a single code unit, or a surrogate pair.
std::size_t characterLength(StringView text, std::size_t pos) {
    const bool pair = pos + 1 < text.size() && text[pos] >= 0xD800 && text[pos] <= 0xDBFF &&
                      text[pos + 1] >= 0xDC00 && text[pos + 1] <= 0xDFFF;
    return pair ? 2 : 1;
}

class KeySequenceParser {
public:
    explicit KeySequenceParser(StringView text) : text_(text) {}

    std::vector<KeyInput> parse() {
        parseSequence(0, 0);
        return std::move(output_);
    }

private:
    void parseSequence(std::int16_t held, int depth) {
        if (depth > kMaxGroupDepth) malformed();
        while (!atEnd()) {
            if (peek() == u')') {
                if (depth == 0) malformed();
                ++pos_;
                return;
            }
            parseItem(held, depth);
        }
        if (depth > 0) malformed();  // a group left open
    }

    void parseItem(std::int16_t held, int depth) {
        std::int16_t modifiers = 0;
        while (!atEnd() && modifierBit(peek()) != 0)
            modifiers |= modifierBit(text_[pos_++]);
        const std::int16_t pressed = modifiers & ~held;
        press(pressed, held);
        parseUnit(held | modifiers, depth);
        release(pressed, held);
    }

    void parseUnit(std::int16_t held, int depth) {
        if (atEnd()) malformed();  // a modifier with nothing to hold
        switch (peek()) {
            case u'(':
                ++pos_;
                parseSequence(held, depth + 1);
                return;
            case u'{':
                ++pos_;
                parseBraced(held);
                return;
            case u'~':
                ++pos_;
                type(Stroke{VK_RETURN, 0, {}}, held, 1);
                return;
            case u')':
            case u'}':
                malformed();
            default:
                type(strokeForCharacter(takeCharacter()), held, 1);
        }
    }

    void parseBraced(std::int16_t held) {
        if (atEnd()) malformed();
        const std::size_t start = pos_;
        takeCharacter();  // the first character belongs to the name even if it is '}' or ' '
        while (!atEnd() && peek() != u' ' && peek() != u'}')
            ++pos_;
        const StringView name = text_.substr(start, pos_ - start);
        int count = 1;
        if (!atEnd() && peek() == u' ') {
            ++pos_;
            count = parseCount();
        }
        if (atEnd() || peek() != u'}') malformed();
        ++pos_;
        type(strokeNamed(name), held, count);
    }

    int parseCount() {
        const std::size_t start = pos_;
        int count = 0;
        while (!atEnd() && peek() >= u'0' && peek() <= u'9') {
            count = count * 10 + (text_[pos_++] - u'0');
            if (count > kMaxRepeat) malformed();
        }
        if (pos_ == start) malformed();
        return count;
    }

    Stroke strokeNamed(StringView name) const {
        if (name.size() == characterLength(name, 0)) return strokeForCharacter(name);
        if (std::optional<std::uint16_t> keyCode = namedKeyCode(name)) {
            return Stroke{*keyCode, 0, {}};
        }
        malformed();
    }

    void type(const Stroke& stroke, std::int16_t held, int count) {
        for (int i = 0; i < count; ++i) {
            const std::int16_t needed = stroke.needs & ~held;
            press(needed, held);
            const std::int16_t shift = held | needed;
            emit(KeyInput::Kind::KeyDown, stroke.keyCode, 0, shift);
            typeCharacters(stroke, shift);
            emit(KeyInput::Kind::KeyUp, stroke.keyCode, 0, shift);
            release(needed, held);
        }
    }

    void typeCharacters(const Stroke& stroke, std::int16_t shift) {
        if (stroke.keyCode == VK_PACKET) {
            if (shift & (kCtrlMask | kAltMask)) return;
            for (char16_t unit : stroke.packet)
                emit(KeyInput::Kind::Character, 0, unit, shift);
        } else if (std::optional<char16_t> c = characterForKey(stroke.keyCode, shift)) {
            emit(KeyInput::Kind::Character, 0, *c, shift);
        }
    }

    // Modifier keys report the shift state that holds once they are down, or up.
    void press(std::int16_t modifiers, std::int16_t held) {
        for (const ModifierKey& key : kModifierKeys) {
            if (!(modifiers & key.bit)) continue;
            held |= key.bit;
            emit(KeyInput::Kind::KeyDown, key.keyCode, 0, held);
        }
    }

    void release(std::int16_t modifiers, std::int16_t held) {
        std::int16_t state = held | modifiers;
        for (auto key = kModifierKeys.rbegin(); key != kModifierKeys.rend(); ++key) {
            if (!(modifiers & key->bit)) continue;
            state &= ~key->bit;
            emit(KeyInput::Kind::KeyUp, key->keyCode, 0, state);
        }
    }

    void emit(KeyInput::Kind kind, std::uint16_t keyCode, char16_t character, std::int16_t shift) {
        if (output_.size() >= kMaxKeyInputs) malformed();
        output_.push_back(KeyInput{kind, keyCode, character, shift});
    }

    StringView takeCharacter() {
        const std::size_t length = characterLength(text_, pos_);
        const StringView character = text_.substr(pos_, length);
        pos_ += length;
        return character;
    }

    bool atEnd() const { return pos_ >= text_.size(); }
    char16_t peek() const { return text_[pos_]; }

    StringView text_;
    std::size_t pos_ = 0;
    std::vector<KeyInput> output_;
};

}  // namespace

std::vector<KeyInput> parseKeys(StringView keys) {
    return KeySequenceParser(keys).parse();
}

}  // namespace quelta
