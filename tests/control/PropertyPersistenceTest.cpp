// What a saved form keeps of a control: the persisted set of the member table. A control at
// its defaults saves nothing, every property survives a save and a load, and a value that
// cannot be converted ends the load there.
#include <gtest/gtest.h>

#include <map>

#include "TestSupport.h"
#include "api/Dispatch.h"
#include "control/DisabledGray.h"
#include "control/Enumerations.h"
#include "control/PersistedValue.h"
#include "control/Quelta.h"
#include "platform/container/Picture.h"
#include "platform/container/PropertyBag.h"
#include "platform/container/RecordingContainer.h"

namespace quelta::testing {
namespace {

// A host whose ambient font is one object, so that a control holding it holds its default.
struct OneAmbientFont : RecordingContainer {
    FontRef font = std::make_shared<Font>();
    FontRef ambientFont() const override { return font; }
};

Variant get(Quelta& control, const MemberInfo& member) {
    return Invoke(control, member.dispid, InvokeKind::PropertyGet, {});
}

// A control read from an empty bag, and a new control whose host gives it an empty name,
// hold the table's defaults, read back through their own properties, and save nothing.
TEST(PropertyPersistenceTest, ControlAtTheTablesDefaultsSavesAnEmptyBag) {
    for (const bool isNew : {false, true}) {
        SCOPED_TRACE(isNew ? "new control" : "empty bag");
        OneAmbientFont container;
        container.defineExtenderProperty(u"Name", Variant(String(isNew ? u"" : u"txtName")));
        Quelta control(container);
        PropertyBag empty;
        startControl(control, isNew ? nullptr : &empty);
        for (const MemberInfo* member : persistedWriteOrder()) {
            const Variant expected = savedDefault(member->type, member->byDefault, container);
            EXPECT_TRUE(sameValue(toSavedForm(member->type, get(control, *member)), expected))
                << member->name;
        }
        PropertyBag saved;
        control.WriteProperties(saved);
        EXPECT_EQ(saved.size(), 0u);
    }
}

// A value other than its default for each persisted property; a property the table gains
// fails the round trip below until it has one. The raw number differs from what the control
// shows, and the colour hides behind the grey of a disabled control at run time.
const std::map<std::string_view, Variant>& nonDefaultValues() {
    static const std::map<std::string_view, Variant> values = {
        {"Alignment", Variant(std::int32_t{qltaRightJustify})},
        {"Appearance", Variant(std::int32_t{qltaAppearanceFlat})},
        {"BorderStyle", Variant(std::int32_t{qltaBorderNone})},
        {"DataType", Variant(std::int32_t{qltaNumeric})},
        {"ScrollBars", Variant(std::int32_t{qltaScrollBarsVertical})},
        {"ScaleDigits", Variant(std::int16_t{2})},
        {"AutoSize", Variant::boolean(true)},
        {"AutoTab", Variant::boolean(true)},
        {"DisabledGray", Variant::boolean(true)},
        {"HideSelection", Variant::boolean(false)},
        {"MultiLine", Variant::boolean(true)},
        {"StartSelected", Variant::boolean(true)},
        {"WordWrap", Variant::boolean(true)},
        {"Format", Variant(u"#,##0.00")},
        {"BackColor", Variant(std::int32_t{0x00FF00})},
        {"ForeColor", Variant(std::int32_t{0x0000FF})},
        {"Locked", Variant::boolean(true)},
        {"RightToLeft", Variant::boolean(true)},
        {"MaxLength", Variant(std::int32_t{12})},
        {"MousePointer", Variant(std::int32_t{qltaCustom})},
        {"OLEDragMode", Variant(std::int32_t{qltaDragModeAutomatic})},
        {"OLEDropMode", Variant(std::int32_t{qltaDropModeManual})},
        {"PasswordChar", Variant(u"*")},
        {"Text", Variant(u"1234.5")},
        {"Enabled", Variant::boolean(false)},
        {"Font", Variant(ObjectRef(std::make_shared<Font>()))},
        {"MouseIcon", Variant(ObjectRef(std::make_shared<Picture>(
                          PictureInfo{.kind = PictureKind::Icon, .widthPixels = 32}, u"x.ico")))},
    };
    return values;
}

// Every persisted property, written at design time, is saved and comes back in a control
// loaded at run time; the load itself reports no changes.
TEST(PropertyPersistenceTest, EveryPersistedPropertySurvivesASaveAndALoad) {
    RecordingContainer designer;
    designer.setUserMode(false);  // the design-time-only properties can be written
    Quelta original(designer);
    startControl(original, nullptr);
    for (const MemberInfo* member : persistedWriteOrder()) {
        auto value = nonDefaultValues().find(member->name);
        ASSERT_NE(value, nonDefaultValues().end()) << member->name << " has no value here";
        Variant argument = value->second;
        const bool byReference = member->access & kSet;
        Invoke(original, member->dispid,
               byReference ? InvokeKind::PropertySet : InvokeKind::PropertyLet, {&argument, 1});
    }
    PropertyBag saved;
    original.WriteProperties(saved);
    EXPECT_EQ(saved.size(), persistedWriteOrder().size()) << "each value is not its default";
    ASSERT_EQ(u8(original.FormattedText()), "1,234.50");

    RecordingContainer running;
    Quelta loaded(running);
    startControl(loaded, &saved);
    for (const MemberInfo* member : persistedWriteOrder())
        EXPECT_EQ(get(loaded, *member), get(original, *member)) << member->name;
    EXPECT_EQ(loaded.liveBox()->backColor(), kSystemButtonFace) << "grey at run time";
    EXPECT_TRUE(running.changedProperties().empty()) << "a load reports no changes";
}

// A value its key cannot take ends the load with the conversion's error: the keys read
// before it keep their values, the later ones their initial ones, and there is no live box.
// Stored enumerations get no range test.
TEST(PropertyPersistenceTest, AValueThatDoesNotConvertEndsTheLoadThere) {
    RecordingContainer container;
    Quelta control(container);
    control.Initialize();
    PropertyBag bag;
    bag.write(u"Alignment", Variant(std::int32_t{7}));
    bag.write(u"ScaleDigits", Variant(std::int32_t{40000}));
    bag.write(u"Format", Variant(u"0.00"));
    EXPECT_EQ(errorNumberOf([&] { control.ReadProperties(bag); }), kErrOverflow);
    EXPECT_EQ(control.state().Alignment, 7);
    EXPECT_EQ(control.state().Format, u"");
    EXPECT_EQ(control.state().EditBoxLoaded, kFalse);

    bag.write(u"ScaleDigits", Variant(u"two"));
    EXPECT_EQ(errorNumberOf([&] { control.ReadProperties(bag); }), kErrTypeMismatch);
}

// The help file is set only when the host's mode differs from the last one seen, which
// starts as the designer's.
TEST(PropertyPersistenceTest, HelpFileFollowsTheHostsMode) {
    RecordingContainer designer;
    designer.setUserMode(false);
    Quelta designed(designer);
    PropertyBag bag;
    startControl(designed, &bag);
    EXPECT_TRUE(designer.helpFiles().empty());

    RecordingContainer running;
    Quelta shown(running);
    startControl(shown, &bag);
    ASSERT_EQ(running.helpFiles().size(), 1u);
    EXPECT_NE(running.helpFiles()[0].find(u"Qelt532.hlp"), String::npos);
}

}  // namespace
}  // namespace quelta::testing
