#include <gtest/gtest.h>

#include <map>
#include <string>

#include "TestSupport.h"
#include "platform/AutomationError.h"
#include "platform/window/KeyboardLayout.h"
#include "platform/window/SendKeys.h"
#include "platform/window/VirtualKeys.h"

namespace quelta {
namespace {

std::string keyName(std::uint16_t keyCode) {
    static const std::map<std::uint16_t, std::string> names{
        {VK_SHIFT, "SHIFT"},   {VK_CONTROL, "CTRL"}, {VK_MENU, "ALT"}, {VK_RETURN, "ENTER"},
        {VK_TAB, "TAB"},       {VK_LEFT, "LEFT"},    {VK_F1, "F1"},    {VK_F1 + 15, "F16"},
        {VK_PACKET, "PACKET"}, {VK_OEM_PLUS, "PLUS"}};
    if (auto found = names.find(keyCode); found != names.end()) return found->second;
    if ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9')) {
        return std::string(1, static_cast<char>(keyCode));
    }
    return "#" + std::to_string(keyCode);
}

std::string shiftSuffix(std::int16_t shift) {
    std::string suffix;
    if (shift & kShiftMask) suffix += 'S';
    if (shift & kCtrlMask) suffix += 'C';
    if (shift & kAltMask) suffix += 'A';
    return suffix.empty() ? "" : "," + suffix;
}

std::string characterText(char16_t c) {
    if (c >= 0x20 && c < 0x7F) return std::string(1, static_cast<char>(c));
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\x%02X", static_cast<unsigned>(c));
    return buffer;
}

// The sequence as compact text: D(key) down, C(char) character, U(key) up, each with its
// shift state (S, C, A) when one is held.
std::string describe(const std::vector<KeyInput>& inputs) {
    std::string text;
    for (const KeyInput& input : inputs) {
        if (!text.empty()) text += ' ';
        switch (input.kind) {
            case KeyInput::Kind::KeyDown:
                text += "D(" + keyName(input.keyCode);
                break;
            case KeyInput::Kind::Character:
                text += "C(" + characterText(input.character);
                break;
            case KeyInput::Kind::KeyUp:
                text += "U(" + keyName(input.keyCode);
                break;
        }
        text += shiftSuffix(input.shift) + ")";
    }
    return text;
}

// Only the characters the keys deliver, as a text box would receive them.
String typedText(const std::vector<KeyInput>& inputs) {
    String text;
    for (const KeyInput& input : inputs) {
        if (input.kind == KeyInput::Kind::Character) text += input.character;
    }
    return text;
}

TEST(SendKeysTest, KeySequences) {
    struct Case {
        const char16_t* keys;
        const char* expected;
    };
    const Case cases[] = {
        {u"a", "D(A) C(a) U(A)"},
        {u"A", "D(SHIFT,S) D(A,S) C(A,S) U(A,S) U(SHIFT)"},
        {u"^c", "D(CTRL,C) D(C,C) C(\\x03,C) U(C,C) U(CTRL)"},
        {u"%f", "D(ALT,A) D(F,A) U(F,A) U(ALT)"},
        {u"^+{LEFT}", "D(SHIFT,S) D(CTRL,SC) D(LEFT,SC) U(LEFT,SC) U(CTRL,S) U(SHIFT)"},
        {u"+(aB)", "D(SHIFT,S) D(A,S) C(A,S) U(A,S) D(B,S) C(B,S) U(B,S) U(SHIFT)"},
        {u"~", "D(ENTER) C(\\x0D) U(ENTER)"},
        {u"{tab}", "D(TAB) C(\\x09) U(TAB)"},
        {u"{F1}{f16}", "D(F1) U(F1) D(F16) U(F16)"},
        {u"{x 0}", ""},
        {u"{+}", "D(SHIFT,S) D(PLUS,S) C(+,S) U(PLUS,S) U(SHIFT)"},
        {u"+1", "D(SHIFT,S) D(1,S) C(!,S) U(1,S) U(SHIFT)"},
        {u"\u00E9", "D(PACKET) C(\\xE9) U(PACKET)"},
        {u"^\u00E9", "D(CTRL,C) D(PACKET,C) U(PACKET,C) U(CTRL)"},
        {u"\U0001F600", "D(PACKET) C(\\xD83D) C(\\xDE00) U(PACKET)"},
        {u"\n", "D(CTRL,C) D(ENTER,C) C(\\x0A,C) U(ENTER,C) U(CTRL)"},
        {u"+()", "D(SHIFT,S) U(SHIFT)"},
        // A modifier already held is not pressed again inside the group.
        {u"+(+a)", "D(SHIFT,S) D(A,S) C(A,S) U(A,S) U(SHIFT)"},
        {u"^(A)", "D(CTRL,C) D(SHIFT,SC) D(A,SC) C(\\x01,SC) U(A,SC) U(SHIFT,C) U(CTRL)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(describe(parseKeys(c.keys)), c.expected) << toUtf8(c.keys);
    }
}

TEST(SendKeysTest, TypedCharacters) {
    struct Case {
        const char16_t* keys;
        const char16_t* typed;
    };
    const Case cases[] = {
        {u"{+}{^}{%}{~}{(}{)}{{}{}}{[}{]}", u"+^%~(){}[]"},
        {u"{a 3}{B 2}", u"aaaBB"},
        {u"{} 2}{{ 2}", u"}}{{"},
        {u"+(a(b)c)", u"ABC"},
        {u"{\U0001F600}", u"\U0001F600"},
        {u"\xD800x", u"\xD800x"},  // an unpaired surrogate still travels as itself
        {u"+{5 2}", u"%%"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(typedText(parseKeys(c.keys)), c.typed) << toUtf8(c.keys);
    }
}

TEST(SendKeysTest, MalformedTextIsError5) {
    const String deepGroups = String(200, u'(') + u"a" + String(200, u')');
    const char16_t* malformed[] = {
        u"{",      u"}",        u"(",           u")",           u"a)",        u"((a)",
        u"+",      u"a^",       u"%+",          u"+)",          u"(+)",       u"{ab",
        u"{}",     u"{}a}",     u"{TAB",        u"{TAB 3",      u"{TAB x}",   u"{TAB -1}",
        u"{TAB }", u"{TAB 3 }", u"{TAB 99999}", u"{TAB 32768}", u"{UNKNOWN}", u"{F0}",
        u"{F17}",  u"{F01}",    u"{ 3}",        u"{LEFT}}",     u"{ENTERX}",  u"{\u00E9\u00E9}",
    };
    for (const char16_t* keys : malformed) {
        EXPECT_EQ(testing::errorNumberOf([&] { parseKeys(keys); }), kErrInvalidProcedureCall)
            << toUtf8(keys);
    }
    EXPECT_THROW(parseKeys(deepGroups), AutomationError);
}

TEST(SendKeysTest, RepeatsAreBounded) {
    EXPECT_EQ(parseKeys(u"{a 32767}").size(), 3u * 32767u);
    // Many large repeats together would exhaust the memory; they are refused instead.
    String huge;
    for (int i = 0; i < 20; ++i)
        huge += u"{a 32767}";
    EXPECT_THROW(parseKeys(huge), AutomationError);
}

std::vector<KeyInput> drainQueue() {
    std::vector<KeyInput> inputs;
    while (std::optional<KeyInput> input = takeKeyInput())
        inputs.push_back(*input);
    return inputs;
}

// Sending posts exactly the parsed keys, after what is already queued; malformed text posts
// nothing at all.
TEST(SendKeysTest, SendingPostsIntoTheThreadsQueue) {
    drainQueue();
    sendKeys(u"a");
    EXPECT_THROW(sendKeys(u"abc{NOPE}"), AutomationError);
    sendKeys(u"{TAB}");
    EXPECT_EQ(describe(drainQueue()), "D(A) C(a) U(A) D(TAB) C(\\x09) U(TAB)");
}

// Typing a character and translating its key back must give the same character, for every
// printable ASCII character and the control characters that have keys.
TEST(KeyboardLayoutTest, CharacterAndKeyRoundTrip) {
    String characters = u"\b\t\r\n\x1B\x01\x1A";
    for (char16_t c = 0x20; c < 0x7F; ++c)
        characters += c;
    for (char16_t c : characters) {
        const std::optional<KeyForCharacter> key = keyForCharacter(c);
        ASSERT_TRUE(key.has_value()) << static_cast<int>(c);
        EXPECT_EQ(characterForKey(key->keyCode, key->shift), c) << static_cast<int>(c);
    }
}

TEST(KeyboardLayoutTest, CharactersWithoutKeys) {
    for (char16_t c : {u'\0', u'\x1C', u'\x1F', u'\x7F', u'\u00E9', u'\u20AC', u'\xD800'}) {
        EXPECT_FALSE(keyForCharacter(c).has_value()) << static_cast<int>(c);
    }
    for (std::uint16_t key : {VK_LEFT, VK_F1, VK_DELETE, VK_SHIFT, VK_PACKET}) {
        EXPECT_FALSE(characterForKey(key, 0).has_value()) << key;
    }
    EXPECT_FALSE(characterForKey('A', kAltMask).has_value());
    EXPECT_FALSE(characterForKey('1', kCtrlMask).has_value());
}

}  // namespace
}  // namespace quelta
