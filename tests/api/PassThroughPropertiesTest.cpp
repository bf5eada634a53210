#include <gtest/gtest.h>

#include "api/Dispatch.h"
#include "platform/container/Picture.h"
#include "platform/container/RecordingContainer.h"

namespace quelta {
namespace {

constexpr std::uint32_t kButtonFace = 0x8000000F;

struct Control {
    RecordingContainer container;
    Quelta control{container};
    explicit Control(bool userMode = true) {
        container.setUserMode(userMode);
        startControl(control, nullptr);
        container.clearRecords();
    }
    void let(std::u16string_view name, Variant value) {
        Variant arguments[] = {std::move(value)};
        Invoke(control, GetIDsOfNames(name), InvokeKind::PropertyLet, arguments);
    }
    EditBox& live() { return *control.liveBox(); }
};

struct PassThroughCase {
    const char16_t* name;
    Variant value;
    Variant (*read)(EditBox&);
};

TEST(PassThroughPropertiesTest, WritesReachBothBoxesOnceAndReadBack) {
    const PassThroughCase cases[] = {
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
    for (const PassThroughCase& c : cases) {
        SCOPED_TRACE(toUtf8(c.name));
        Control f;
        f.let(c.name, c.value);
        f.let(c.name, c.value);  // unchanged: not reported again
        EXPECT_EQ(f.container.changedProperties(), std::vector<String>{String(c.name)});
        EXPECT_EQ(c.read(f.control.templateBox()), c.value);
        EXPECT_EQ(c.read(f.live()), c.value);
        EXPECT_EQ(Invoke(f.control, GetIDsOfNames(c.name), InvokeKind::PropertyGet, {}), c.value);
    }
}

TEST(PassThroughPropertiesTest, MouseIconIsSharedByReferenceAndAlwaysReported) {
    Control f;
    auto icon = std::make_shared<Picture>();
    Variant arguments[] = {Variant(ObjectRef(icon))};
    Invoke(f.control, GetIDsOfNames(u"MouseIcon"), InvokeKind::PropertySet, arguments);
    Invoke(f.control, GetIDsOfNames(u"MouseIcon"), InvokeKind::PropertySet, arguments);
    EXPECT_EQ(f.control.templateBox().mouseIcon(), icon);
    EXPECT_EQ(f.live().mouseIcon(), icon);
    EXPECT_EQ(f.container.changedProperties().size(), 2u);
}

TEST(PassThroughPropertiesTest, GreyShowsOnlyAtRunTimeWhileTheControlCannotBeEdited) {
    Control run;
    run.let(u"DisabledGray", Variant::boolean(true));
    EXPECT_EQ(run.live().backColor(), 0x80000005u);
    run.let(u"Enabled", Variant::boolean(false));
    EXPECT_EQ(run.live().backColor(), kButtonFace);
    run.let(u"BackColor", Variant(std::int32_t{0xFF}));  // stored, the grey stays
    EXPECT_EQ(run.live().backColor(), kButtonFace);
    run.let(u"WordWrap", Variant::boolean(true));  // a rebuild keeps the grey
    EXPECT_EQ(run.live().backColor(), kButtonFace);
    run.let(u"Enabled", Variant::boolean(true));
    EXPECT_EQ(run.live().backColor(), 0xFFu);
    run.let(u"Locked", Variant::boolean(true));
    EXPECT_EQ(run.live().backColor(), kButtonFace);

    Control design(false);
    design.let(u"DisabledGray", Variant::boolean(true));
    design.let(u"Enabled", Variant::boolean(false));
    design.let(u"WordWrap", Variant::boolean(true));
    EXPECT_EQ(design.live().backColor(), 0x80000005u);
}

}  // namespace
}  // namespace quelta
