#include <gtest/gtest.h>

#include "TestSupport.h"
#include "control/Enumerations.h"
#include "control/Quelta.h"
#include "control/QueltaThreadData.h"
#include "platform/AutomationError.h"
#include "platform/container/RecordingContainer.h"

namespace quelta {
namespace {

struct PlatformVersionGuard {
    ~PlatformVersionGuard() { setPlatformVersion(6, 1); }
};

// Initialize only reads the platform: the defaults, the live box and the change reports come
// with InitProperties, and until then Refresh and OLEDrag have nothing to act on and a Text
// write is only stored.
TEST(QueltaLifecycleTest, InitializeAloneCreatesNoLiveBox) {
    RecordingContainer container;
    Quelta control(container);
    control.Initialize();
    EXPECT_EQ(control.state().HideSelection, kFalse);
    EXPECT_EQ(control.state().EditBoxLoaded, kFalse);
    EXPECT_EQ(control.hWnd(), 0);
    EXPECT_NO_THROW(control.Refresh());
    EXPECT_TRUE(container.raisedEvents().empty());
    EXPECT_TRUE(container.changedProperties().empty());
    control.letText(u"abc");  // stored for the box to come; nothing shows it yet
    EXPECT_EQ(control.Text(), u"abc");
    EXPECT_EQ(control.FormattedText(), u"");

    control.InitProperties();
    int before = control.liveBox()->repaintCount();
    control.Refresh();
    EXPECT_EQ(control.liveBox()->repaintCount(), before + 1);
}

// The defaults themselves are the member table's (PropertyPersistenceTest); a new control
// differs from them where its host has a say.
TEST(QueltaLifecycleTest, NewControlShowsItsExtenderName) {
    RecordingContainer container;
    container.defineExtenderProperty(u"Name", Variant(String(u"txtAmount")));
    container.defineExtenderProperty(u"RightToLeft", Variant(String(u"True")));
    Quelta control(container);
    startControl(control, nullptr);

    EditBox& stored = control.templateBox();
    EXPECT_EQ(stored.text(), u"txtAmount");
    EXPECT_EQ(stored.rightToLeft(), kTrue);
    EXPECT_FALSE(isTrue(stored.visible()));

    EditBox* live = control.liveBox();
    ASSERT_NE(live, nullptr);
    EXPECT_EQ(live->text(), u"txtAmount");
    EXPECT_TRUE(isTrue(live->visible()));
    EXPECT_EQ(live->width(), container.width());
    // Showing the value is no edit: only the Enabled property reports a change.
    EXPECT_EQ(container.changedProperties(), std::vector<String>{u"Enabled"});
    EXPECT_TRUE(container.raisedEvents().empty());
}

TEST(QueltaLifecycleTest, MissingExtenderPropertyStopsInitPropertiesAtThatStep) {
    for (const char16_t* missing : {u"RightToLeft", u"Name"}) {
        RecordingContainer container;
        container.defineExtenderProperty(u"RightToLeft", Variant::boolean(true));
        container.removeExtenderProperty(missing);
        Quelta control(container);
        control.Initialize();
        EXPECT_EQ(testing::errorNumberOf([&] { control.InitProperties(); }), kErrNotSupported);
        EXPECT_EQ(control.state().HideSelection, kTrue);  // the fields were set before
        EXPECT_EQ(control.templateBox().foreColor(), 0x80000008u);
        EXPECT_EQ(isTrue(control.templateBox().rightToLeft()), missing == StringView(u"Name"));
        EXPECT_EQ(control.state().Enabled, kFalse);  // later steps did not run
        EXPECT_EQ(control.liveBox(), nullptr);
    }
}

TEST(QueltaLifecycleTest, OldPlatformIsRecognisedByItsMajorVersion) {
    PlatformVersionGuard guard;
    for (auto [major, old] : {std::pair{3, true}, {4, false}, {10, false}}) {
        setPlatformVersion(major, 95);
        RecordingContainer container;
        Quelta control(container);
        control.Initialize();
        EXPECT_EQ(isTrue(threadData().OldWindows), old) << major;
    }
}

TEST(QueltaLifecycleTest, ControlsOfOneThreadShareItsData) {
    RecordingContainer container;
    Quelta first(container);
    first.Initialize();
    QueltaThreadData* mine = &threadData();
    EXPECT_NE(mine->DecimalSeparatorCode, 0);
    mine->RegionalDateFormat = u"marker";
    Quelta second(container);
    second.Initialize();
    EXPECT_EQ(&threadData(), mine);
    EXPECT_EQ(threadData().RegionalDateFormat, u"marker");  // not determined afresh
    mine->RegionalDateFormat.clear();
}

}  // namespace
}  // namespace quelta
