#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "TestSupport.h"
#include "api/ArgumentConversion.h"
#include "api/Dispatch.h"
#include "control/Enumerations.h"
#include "platform/container/Picture.h"
#include "platform/container/RecordingContainer.h"

namespace quelta {
namespace {

using testing::errorNumberOf;

struct DispatchFixture : ::testing::Test {
    RecordingContainer container;
    Quelta control{container};
    void SetUp() override { startControl(control, nullptr); }

    Variant invoke(std::u16string_view name, InvokeKind kind, std::vector<Variant> arguments = {}) {
        return Invoke(control, GetIDsOfNames(name), kind, arguments);
    }
    int failure(std::u16string_view name, InvokeKind kind, std::vector<Variant> arguments = {}) {
        return errorNumberOf([&] { invoke(name, kind, std::move(arguments)); });
    }
};

Variant sampleValue(ValueType type) {
    switch (type) {
        case ValueType::Boolean:
            return Variant::boolean(true);
        case ValueType::Integer:
            return Variant(std::int16_t{2});
        case ValueType::Single:
            return Variant(10.0f);
        case ValueType::String:
            return Variant(String(u"x"));
        case ValueType::Font:
            return Variant(ObjectRef(std::make_shared<Font>()));
        case ValueType::Picture:
            return Variant(ObjectRef(std::make_shared<Picture>()));
        default:
            return Variant(std::int32_t{1});  // Long, colour, enumeration
    }
}

TEST_F(DispatchFixture, EveryMemberWorksAndKindsAreRespected) {
    container.setUserMode(false);  // design time, so that design-time-only writes are allowed
    for (const MemberInfo& member : members()) {
        SCOPED_TRACE(std::string(member.name));
        const String name = fromUtf8(member.name);
        if (member.kind == MemberKind::Method) {
            EXPECT_EQ(failure(name, InvokeKind::Method), 0);
            EXPECT_EQ(failure(name, InvokeKind::PropertyGet), kErrNotSupported);
            EXPECT_EQ(failure(name, InvokeKind::Method, {Variant(1)}), 450);
            continue;
        }
        std::vector<Variant> getArguments(member.parameters.size(), Variant(std::int32_t{1}));
        EXPECT_EQ(failure(name, InvokeKind::PropertyGet, getArguments), 0);
        EXPECT_EQ(failure(name, InvokeKind::Method, getArguments), 0);  // read as a get
        getArguments.emplace_back(1);
        EXPECT_EQ(failure(name, InvokeKind::PropertyGet, getArguments), 450);
        if (!member.writable()) {
            EXPECT_EQ(failure(name, InvokeKind::PropertyLet, {Variant(1)}), 383);
            continue;
        }
        const Variant value = sampleValue(member.type);
        const bool byReference = member.access & kSet;
        EXPECT_EQ(failure(name, InvokeKind::PropertyLet, {value}), 0);
        EXPECT_EQ(failure(name, InvokeKind::PropertySet, {value}), byReference ? 0 : 13);
        EXPECT_EQ(failure(name, InvokeKind::PropertyLet, {}), 450);
        EXPECT_EQ(failure(name, InvokeKind::PropertyLet, {value, value}), 450);
    }
    EXPECT_EQ(errorNumberOf([&] { Invoke(control, 12345, InvokeKind::PropertyGet, {}); }),
              kErrNotSupported);
    invoke(u"OverType", InvokeKind::PropertyLet, {Variant::boolean(false)});  // the thread's
}

// A read returns the declared type, whatever C++ type the control keeps the value in: as
// an argument of that type it stays as it is.
TEST_F(DispatchFixture, ValuesComeBackAsTheMembersTypes) {
    for (const MemberInfo& member : members()) {
        if (!member.readable()) continue;
        std::vector<Variant> arguments(member.parameters.size(), Variant(std::int32_t{1}));
        const Variant value = invoke(fromUtf8(member.name), InvokeKind::PropertyGet, arguments);
        EXPECT_EQ(value, argumentAs(member.type, value)) << member.name;
    }
    EXPECT_EQ(invoke(u"BackColor", InvokeKind::PropertyGet),
              Variant(static_cast<std::int32_t>(0x80000005u)));  // a system colour, bit for bit
}

// A write compares the converted value, so another spelling of the same value is no change.
TEST_F(DispatchFixture, WritesCompareTheConvertedValueAndReportTheirName) {
    container.clearRecords();
    invoke(u"StartSelected", InvokeKind::PropertyLet, {Variant(String(u"True"))});
    invoke(u"StartSelected", InvokeKind::PropertyLet, {Variant(std::int16_t{5})});  // still True
    invoke(u"ScrollBars", InvokeKind::PropertyLet, {Variant(std::int32_t{0})});     // unchanged
    EXPECT_EQ(control.state().StartSelected, kTrue);
    EXPECT_EQ(container.changedProperties(), std::vector<String>{u"StartSelected"});
}

// An OLE colour keeps its top bit from a Long and from a Double alike.
TEST_F(DispatchFixture, ColoursAreConvertedBitForBit) {
    const std::pair<Variant, std::uint32_t> accepted[] = {
        {Variant(2147483663.0), 0x8000000Fu},
        {Variant(std::int16_t{-1}), 0xFFFFFFFFu},
        {Variant(255.5), 256u},
        {Variant(String(u"16711680")), 0xFF0000u},
    };
    for (const auto& [value, colour] : accepted) {
        invoke(u"ForeColor", InvokeKind::PropertyLet, {value});
        EXPECT_EQ(control.ForeColor(), colour);
    }
}

struct RefusedWrite {
    String name;
    InvokeKind kind;
    bool userMode;
    Variant value;
    int error;
};

// A refused write raises its own error and changes nothing: no notification, no rebuild,
// the same value read back.
TEST_F(DispatchFixture, RefusedWritesChangeNothing) {
    using enum InvokeKind;
    const Variant font(ObjectRef(std::make_shared<Font>()));
    std::vector<RefusedWrite> cases = {
        {u"AutoTab", PropertyLet, true, Variant::null(), kErrInvalidUseOfNull},
        {u"ScrollBars", PropertyLet, true, Variant(std::int32_t{40000}), kErrOverflow},
        {u"Alignment", PropertyLet, false, Variant(std::int32_t{70000}), kErrInvalidPropertyValue},
        {u"Appearance", PropertyLet, true, Variant(std::int32_t{1}),
         kErrSetNotPermitted},  // unchanged
        {u"AutoSize", PropertyLet, true, Variant::boolean(false),
         kErrSetNotPermitted},  // unchanged
        {u"Alignment", PropertyLet, true, Variant(std::int32_t{3}), kErrSetNotPermitted},
        {u"MaxLength", PropertyLet, true, Variant(std::int32_t{-1}), kErrInvalidPropertyValue},
        {u"FontSize", PropertyLet, true, Variant(0.0f), kErrInvalidPropertyValue},
        {u"FontName", PropertyLet, true, Variant(String()), kErrInvalidPropertyValue},
        {u"OLEDragMode", PropertyLet, true, Variant(std::int32_t{2}), kErrInvalidPropertyValue},
        {u"ForeColor", PropertyLet, true, Variant(4294967296.0), kErrOverflow},
        {u"ForeColor", PropertyLet, true, Variant(-2147483649.0), kErrOverflow},
        {u"ForeColor", PropertyLet, true, Variant(String(u"red")), kErrTypeMismatch},
        {u"MouseIcon", PropertySet, true, font, kErrTypeMismatch},  // not a picture
        {u"MouseIcon", PropertySet, true, Variant::nothing(), kErrObjectRequired},
        {u"MouseIcon", PropertyLet, true, Variant(String(u"icon.ico")), kErrTypeMismatch},
    };
    // A property that accepts only its enumeration's constants refuses at design time -1 and
    // the value above each run of constants (MousePointer's 16 and 100).
    for (const MemberInfo& member : members()) {
        if (!member.onlyConstants) continue;
        std::vector<std::int32_t> outside = {-1};
        for (const EnumConstant& constant : member.enumeration->constants) {
            if (!member.enumeration->has(constant.value + 1)) outside.push_back(constant.value + 1);
        }
        for (std::int32_t value : outside)
            cases.push_back({fromUtf8(member.name), PropertyLet, false, Variant(value),
                             kErrInvalidPropertyValue});
    }
    for (const RefusedWrite& c : cases) {
        SCOPED_TRACE(toUtf8(c.name) + ", case " + std::to_string(&c - cases.data()));
        container.setUserMode(c.userMode);
        container.clearRecords();
        const Variant before = invoke(c.name, InvokeKind::PropertyGet);
        WindowHandle live = control.liveBox()->hWnd();
        EXPECT_EQ(failure(c.name, c.kind, {c.value}), c.error);
        EXPECT_TRUE(container.changedProperties().empty());
        EXPECT_EQ(control.liveBox()->hWnd(), live);  // not rebuilt
        EXPECT_EQ(invoke(c.name, InvokeKind::PropertyGet), before);
    }
}
TEST_F(DispatchFixture, UnrangedStyleValuesAreStoredAndRebuilt) {
    WindowHandle before = control.liveBox()->hWnd();
    invoke(u"ScrollBars", InvokeKind::PropertyLet, {Variant(std::int32_t{5})});
    EXPECT_EQ(invoke(u"ScrollBars", InvokeKind::PropertyGet), Variant(std::int32_t{5}));
    EXPECT_NE(control.liveBox()->hWnd(), before);
}

// Properties the control hands to its boxes: both the stored and the live box take a write,
// which is reported once and reads back.
using PassThroughPropertiesTest = DispatchFixture;

TEST_F(PassThroughPropertiesTest, WritesReachBothBoxesOnceAndReadBack) {
    struct Case {
        const char16_t* name;
        Variant value;
        Variant (*read)(EditBox&);
    };
    const Case cases[] = {
        {u"OLEDragMode", Variant(std::int32_t{1}),
         [](EditBox& b) { return Variant(std::int32_t{b.oleDragMode()}); }},
        {u"OLEDropMode", Variant(std::int32_t{2}),
         [](EditBox& b) { return Variant(std::int32_t{b.oleDropMode()}); }},
        {u"PasswordChar", Variant(String(u"*")),
         [](EditBox& b) { return Variant(b.passwordChar()); }},
        {u"RightToLeft", Variant::boolean(true),
         [](EditBox& b) { return Variant::boolean(isTrue(b.rightToLeft())); }},
        {u"Locked", Variant::boolean(true),
         [](EditBox& b) { return Variant::boolean(isTrue(b.locked())); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(toUtf8(c.name));
        container.clearRecords();
        invoke(c.name, InvokeKind::PropertyLet, {c.value});
        invoke(c.name, InvokeKind::PropertyLet, {c.value});  // unchanged: not reported again
        EXPECT_EQ(container.changedProperties(), std::vector<String>{String(c.name)});
        EXPECT_EQ(c.read(control.templateBox()), c.value);
        EXPECT_EQ(c.read(*control.liveBox()), c.value);
        EXPECT_EQ(invoke(c.name, InvokeKind::PropertyGet), c.value);
    }
}

TEST_F(PassThroughPropertiesTest, MouseIconIsSharedByReferenceAndAlwaysReported) {
    container.clearRecords();
    auto icon = std::make_shared<Picture>();
    invoke(u"MouseIcon", InvokeKind::PropertySet, {Variant(ObjectRef(icon))});
    invoke(u"MouseIcon", InvokeKind::PropertySet, {Variant(ObjectRef(icon))});
    EXPECT_EQ(control.templateBox().mouseIcon(), icon);
    EXPECT_EQ(control.liveBox()->mouseIcon(), icon);
    EXPECT_EQ(container.changedProperties().size(), 2u);
}

// The grey shows only at run time, while the control cannot be edited.
TEST_F(PassThroughPropertiesTest, GreyShowsOnlyAtRunTimeWhileTheControlCannotBeEdited) {
    constexpr std::uint32_t kButtonFace = 0x8000000F;
    const auto let = [&](const char16_t* name, Variant value) {
        invoke(name, InvokeKind::PropertyLet, {std::move(value)});
    };
    let(u"DisabledGray", Variant::boolean(true));
    EXPECT_EQ(control.liveBox()->backColor(), 0x80000005u);
    let(u"Enabled", Variant::boolean(false));
    EXPECT_EQ(control.liveBox()->backColor(), kButtonFace);
    let(u"BackColor", Variant(std::int32_t{0xFF}));  // stored, the grey stays
    EXPECT_EQ(control.liveBox()->backColor(), kButtonFace);
    let(u"WordWrap", Variant::boolean(true));  // a rebuild keeps the grey
    EXPECT_EQ(control.liveBox()->backColor(), kButtonFace);
    let(u"Enabled", Variant::boolean(true));
    EXPECT_EQ(control.liveBox()->backColor(), 0xFFu);
    let(u"Locked", Variant::boolean(true));
    EXPECT_EQ(control.liveBox()->backColor(), kButtonFace);

    container.setUserMode(false);
    let(u"Enabled", Variant::boolean(false));
    let(u"WordWrap", Variant::boolean(false));  // the rebuild shows the design-time colour
    EXPECT_EQ(control.liveBox()->backColor(), 0xFFu);
}

}  // namespace
}  // namespace quelta
