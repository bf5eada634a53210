// A person at the keyboard: what the host sees of each key, what the box then does with
// it, and the automatic Tab of a full field.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "control/Enumerations.h"
#include "format/ValueControlSupport.h"
#include "platform/window/VirtualKeys.h"

namespace quelta::testing {
namespace {

constexpr std::int32_t kKeyDown = -602;
constexpr std::int32_t kKeyPress = -603;

// The first argument of each event of one kind, in order.
std::vector<std::int16_t> firstArguments(const RecordingContainer& container, std::int32_t id) {
    std::vector<std::int16_t> values;
    for (const auto& event : container.raisedEvents())
        if (event.dispid == id) values.push_back(event.arguments[0].toInteger());
    return values;
}

// An empty entry with the focus, as the user starts typing into it.
void startEditing(ValueControl& box) {
    box.control.letText(u"");
    box.focus();
    box.container.clearRecords();
}

// The Tab presses waiting in the thread's keyboard queue, taken out of it.
int queuedTabs() {
    int tabs = 0;
    while (auto input = takeKeyInput())
        tabs += input->kind == KeyInput::Kind::KeyDown && input->keyCode == VK_TAB;
    return tabs;
}

// What the host substitutes is not filtered again; what it cancels neither arms the
// automatic Tab nor selects for overtype.
TEST(KeyboardHandlersTest, HostSubstitutesOrCancelsAfterTheFilter) {
    inRegion("en-US", [] {
        ValueControl number(qltaNumeric);
        startEditing(number);
        number.container.setEventHandler([](std::int32_t dispid, std::span<Variant> arguments) {
            if (dispid != kKeyPress) return;
            if (arguments[0].toInteger() == '5') arguments[0] = Variant(std::int16_t{'x'});
            const auto code = arguments[0].toInteger();
            if (code == '6' || code == 8) arguments[0] = Variant(std::int16_t{0});  // 8: Backspace
        });
        number.control.letAutoTab(kTrue);
        number.control.letOverType(kTrue);
        number.live().typeText(u"156");
        number.live().pressKey(VK_BACK);
        EXPECT_EQ(u8(number.live().text()), "1x");
        number.live().setSelStart(0);
        number.live().typeText(u"6");
        EXPECT_EQ(number.live().selLength(), 0);
        EXPECT_EQ(number.control.state().AutoTabArmed, kTrue);  // from "1" and "x"
        number.control.letAutoTab(kFalse);
        number.live().typeText(u"6");
        EXPECT_EQ(number.control.state().AutoTabArmed, kTrue);
        queuedTabs();
    });
}

TEST(KeyboardHandlersTest, OvertypeReplacesBehindTheCaretEvenInALockedBox) {
    inRegion("en-US", [] {
        ValueControl text(qltaText);
        startEditing(text);
        text.control.letMaxLength(5);
        text.live().typeText(u"abcd");
        text.control.letOverType(kTrue);
        text.live().setSelStart(1);
        text.live().typeText(u"XY");
        text.live().pressKey(VK_END);
        text.live().typeText(u"ZW");  // appended up to the limit
        text.live().setSelStart(0);
        text.live().typeText(u"Q");  // a full field still takes replacements
        EXPECT_EQ(u8(text.live().text()), "QXYdZ");

        // A locked box still filters and selects, though it inserts nothing.
        ValueControl number(qltaNumeric, u"", 2);
        startEditing(number);
        number.live().typeText(u"12534");
        number.control.letLocked(kTrue);
        number.control.letOverType(kTrue);
        number.container.clearRecords();
        number.live().setSelStart(0);
        number.live().typeText(u"a7");
        EXPECT_EQ(firstArguments(number.container, kKeyPress), (std::vector<std::int16_t>{'7'}));
        EXPECT_EQ(u8(number.live().text()), "12534");
        EXPECT_EQ(number.live().selLength(), 1);
    });
}

// Armed by a printable character, a change with the caret at or past MaxLength tabs away,
// whatever made it, until a printable character arrives while AutoTab is off.
TEST(KeyboardHandlersTest, AutomaticTabFollowsTheCaretAndTheArming) {
    inRegion("en-US", [] {
        ValueControl text(qltaText);
        startEditing(text);
        text.control.letAutoTab(kTrue);
        text.control.letMaxLength(3);
        text.live().typeText(u"ab");
        EXPECT_EQ(queuedTabs(), 0);
        text.live().typeText(u"c");
        EXPECT_EQ(queuedTabs(), 1);
        text.live().pressKey(VK_BACK);
        EXPECT_EQ(queuedTabs(), 0);

        text.control.letMaxLength(0);  // no limit: every change tabs
        text.live().pressKey(VK_BACK);
        EXPECT_EQ(queuedTabs(), 1);
        text.control.letAutoTab(kFalse);
        text.live().typeText(u"d");
        text.live().pressKey(VK_BACK);
        EXPECT_EQ(queuedTabs(), 0);
        EXPECT_EQ(text.container.extenderProperty(u"DataChanged").toBool(), true);
    });
}

TEST(KeyboardHandlersTest, SingleLineEmulationRemapsKeysAfterTheHostSawThem) {
    inRegion("en-US", [] {
        ValueControl text(qltaText);
        startEditing(text);
        text.container.setUserMode(false);
        text.control.letAlignment(qltaRightJustify);
        text.container.setUserMode(true);
        text.live().typeText(u"abc");
        text.container.clearRecords();
        const int beeps = beepCount();
        text.live().pressKey(VK_UP);
        text.live().pressKey(VK_RETURN);
        text.live().pressKey(VK_TAB);
        EXPECT_EQ(text.live().caret(), 2);
        EXPECT_EQ(u8(text.live().text()), "abc");
        EXPECT_EQ(firstArguments(text.container, kKeyDown),
                  (std::vector<std::int16_t>{VK_UP, VK_RETURN, VK_TAB}));
        EXPECT_EQ(firstArguments(text.container, kKeyPress), (std::vector<std::int16_t>{13, 9}));
        EXPECT_EQ(beepCount() - beeps, 2);
    });
}

// Insert switches every control of the thread to overtype (shown by the end-to-end scripts;
// other threads keep theirs, see ThreadStateTest), but not with Shift (paste) or Ctrl (copy),
// nor when the host cancels it.
TEST(KeyboardHandlersTest, InsertWithAModifierOrCancelledKeepsTheMode) {
    inRegion("en-US", [] {
        ValueControl first(qltaText);
        startEditing(first);
        ValueControl second(qltaText);
        first.live().pressKey(VK_INSERT, kShiftMask);
        first.live().pressKey(VK_INSERT, kCtrlMask);
        first.container.setEventHandler([](std::int32_t dispid, std::span<Variant> arguments) {
            if (dispid == kKeyDown) arguments[0] = Variant(std::int16_t{0});
        });
        first.live().pressKey(VK_INSERT);
        EXPECT_EQ(second.control.OverType(), kFalse);
        first.container.setEventHandler(nullptr);
        first.live().pressKey(VK_INSERT);
        EXPECT_EQ(second.control.OverType(), kTrue);
    });
}

// A SelText write edits the live box as the user would; an equal text changes nothing.
TEST(KeyboardHandlersTest, SelTextWriteRunsTheChangeHandler) {
    inRegion("en-US", [] {
        ValueControl text(qltaText);
        startEditing(text);
        text.control.letAutoTab(kTrue);
        text.control.letMaxLength(2);
        text.live().typeText(u"ab");
        queuedTabs();
        text.control.letSelStart(0);
        text.control.letSelLength(2);
        text.container.clearRecords();
        text.control.letSelText(u"ab");
        EXPECT_TRUE(text.container.raisedEvents().empty());
        text.control.letSelText(u"xy");
        EXPECT_EQ(u8(text.stored()), "xy");
        EXPECT_EQ(text.container.raisedEvents().size(), 1u);  // Change
        EXPECT_EQ(queuedTabs(), 1);
    });
}

}  // namespace
}  // namespace quelta::testing
