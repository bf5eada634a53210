#include <gtest/gtest.h>

#include <set>
#include <string>

#include "TestSupport.h"
#include "api/ArgumentConversion.h"
#include "api/Dispatch.h"
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

// What this build offers; everything else answers 438 after the interface's own checks.
const std::set<std::string> kImplemented = {
    "OLEDrag",       "Refresh",       "Alignment",    "Appearance",   "AutoTab",
    "BackColor",     "BorderStyle",   "DisabledGray", "Enabled",      "ForeColor",
    "HideSelection", "hWnd",          "Locked",       "MouseIcon",    "MousePointer",
    "MultiLine",     "OLEDragMode",   "OLEDropMode",  "PasswordChar", "RightToLeft",
    "ScrollBars",    "StartSelected", "WordWrap",     "DataType",     "Format",
    "FormattedText", "ScaleDigits",   "Text",         "TextDefault",  "Value"};

TEST_F(DispatchFixture, EveryMemberWorksOrIsNotOfferedAndKindsAreRespected) {
    container.setUserMode(false);  // design time, so that design-time-only writes are allowed
    for (const MemberInfo& member : members()) {
        SCOPED_TRACE(std::string(member.name));
        const String name = fromUtf8(member.name);
        const int offered = kImplemented.count(std::string(member.name)) ? 0 : kErrNotSupported;
        if (member.kind == MemberKind::Method) {
            EXPECT_EQ(failure(name, InvokeKind::Method), offered);
            EXPECT_EQ(failure(name, InvokeKind::PropertyGet), kErrNotSupported);
            EXPECT_EQ(failure(name, InvokeKind::Method, {Variant(1)}), 450);
            continue;
        }
        std::vector<Variant> getArguments(member.parameters.size(), Variant(std::int32_t{1}));
        EXPECT_EQ(failure(name, InvokeKind::PropertyGet, getArguments), offered);
        EXPECT_EQ(failure(name, InvokeKind::Method, getArguments), offered);  // read as a get
        getArguments.emplace_back(1);
        EXPECT_EQ(failure(name, InvokeKind::PropertyGet, getArguments), 450);
        if (!member.writable()) {
            EXPECT_EQ(failure(name, InvokeKind::PropertyLet, {Variant(1)}), 383);
            continue;
        }
        const Variant value = sampleValue(member.type);
        const bool byReference = member.access & kSet;
        EXPECT_EQ(failure(name, InvokeKind::PropertyLet, {value}), offered);
        EXPECT_EQ(failure(name, InvokeKind::PropertySet, {value}), byReference ? offered : 13);
        EXPECT_EQ(failure(name, InvokeKind::PropertyLet, {}), 450);
        EXPECT_EQ(failure(name, InvokeKind::PropertyLet, {value, value}), 450);
    }
    EXPECT_EQ(errorNumberOf([&] { Invoke(control, 12345, InvokeKind::PropertyGet, {}); }),
              kErrNotSupported);
}

TEST_F(DispatchFixture, ValuesComeBackAsTheMembersTypes) {
    EXPECT_EQ(invoke(u"hwnd", InvokeKind::PropertyGet),
              Variant(static_cast<std::int32_t>(control.liveBox()->hWnd())));
    EXPECT_EQ(Invoke(control, -514, InvokeKind::PropertyGet, {}), Variant::boolean(true));
}

TEST_F(DispatchFixture, WritesCompareFirstAndReportTheirName) {
    container.clearRecords();
    invoke(u"StartSelected", InvokeKind::PropertyLet, {Variant(String(u"True"))});
    invoke(u"StartSelected", InvokeKind::PropertyLet, {Variant(std::int16_t{5})});  // still True
    EXPECT_EQ(control.state().StartSelected, kTrue);
    invoke(u"AutoTab", InvokeKind::PropertyLet, {Variant(1.0)});
    invoke(u"AutoTab", InvokeKind::PropertyLet, {Variant::boolean(false)});
    invoke(u"ScrollBars", InvokeKind::PropertyLet, {Variant(std::int32_t{0})});  // unchanged
    invoke(u"DataType", InvokeKind::PropertyLet, {Variant(std::int32_t{0})});    // unchanged
    invoke(u"Text", InvokeKind::PropertyLet, {Variant(control.Text())});         // unchanged
    EXPECT_EQ(container.changedProperties(),
              (std::vector<String>{u"StartSelected", u"AutoTab", u"AutoTab"}));
}

struct WriteErrorCase {
    const char16_t* name;
    bool userMode;
    Variant value;
    int error;
};

TEST_F(DispatchFixture, RefusedWritesChangeNothing) {
    const WriteErrorCase cases[] = {
        {u"AutoTab", true, Variant::null(), kErrInvalidUseOfNull},
        {u"ScrollBars", true, Variant(std::int32_t{40000}), kErrOverflow},
        {u"Alignment", false, Variant(std::int32_t{70000}), kErrInvalidPropertyValue},
        {u"DataType", true, Variant(std::int32_t{7}), kErrInvalidPropertyValue},
        {u"DataType", true, Variant(std::int32_t{-1}), kErrInvalidPropertyValue},
        {u"Appearance", true, Variant(std::int32_t{1}), kErrSetNotPermitted},  // even unchanged
    };
    for (const WriteErrorCase& c : cases) {
        SCOPED_TRACE(toUtf8(c.name));
        container.setUserMode(c.userMode);
        container.clearRecords();
        WindowHandle live = control.liveBox()->hWnd();
        EXPECT_EQ(failure(c.name, InvokeKind::PropertyLet, {c.value}), c.error);
        EXPECT_TRUE(container.changedProperties().empty());
        EXPECT_EQ(control.liveBox()->hWnd(), live);  // not rebuilt
    }
    EXPECT_EQ(control.state().ScrollBars, 0);
    EXPECT_EQ(control.state().AutoTab, kFalse);
}

TEST_F(DispatchFixture, UnrangedStyleValuesAreStoredAndRebuilt) {
    WindowHandle before = control.liveBox()->hWnd();
    invoke(u"ScrollBars", InvokeKind::PropertyLet, {Variant(std::int32_t{5})});
    EXPECT_EQ(invoke(u"ScrollBars", InvokeKind::PropertyGet), Variant(std::int32_t{5}));
    EXPECT_NE(control.liveBox()->hWnd(), before);
}

TEST(ArgumentConversionTest, ColoursTakeTheTopBitFromLongAndDouble) {
    const std::pair<Variant, std::uint32_t> accepted[] = {
        {Variant(2147483663.0), 0x8000000Fu},
        {Variant(std::int16_t{-1}), 0xFFFFFFFFu},
        {Variant(255.5), 256u},
        {Variant(String(u"16711680")), 0xFF0000u},
    };
    for (const auto& [value, colour] : accepted)
        EXPECT_EQ(colorArgument(value), colour);
    EXPECT_EQ(errorNumberOf([] { colorArgument(Variant(4294967296.0)); }), kErrOverflow);
    EXPECT_EQ(errorNumberOf([] { colorArgument(Variant(-2147483649.0)); }), kErrOverflow);
    EXPECT_EQ(errorNumberOf([] { colorArgument(Variant(String(u"red"))); }), kErrTypeMismatch);
}

TEST(ArgumentConversionTest, ObjectsMustBeOfTheRightKind) {
    auto font = std::make_shared<Font>();
    EXPECT_EQ(fontArgument(Variant(ObjectRef(font))), font);
    EXPECT_EQ(errorNumberOf([] { fontArgument(Variant(String(u"Arial"))); }), kErrTypeMismatch);
    EXPECT_EQ(errorNumberOf([] { fontArgument(Variant::nothing()); }), kErrObjectRequired);
    EXPECT_EQ(errorNumberOf([&] { pictureArgument(Variant(ObjectRef(font))); }), kErrTypeMismatch);
}

}  // namespace
}  // namespace quelta
