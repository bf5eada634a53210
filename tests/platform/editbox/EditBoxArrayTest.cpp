#include <gtest/gtest.h>

#include <tuple>

#include "TestSupport.h"
#include "platform/AutomationError.h"
#include "platform/editbox/EditBoxArray.h"
#include "platform/editbox/EditBoxTestSupport.h"

namespace quelta {
namespace {

using testing::errorNumberOf;

using testing::FixedMeasurerScope;
using testing::RecordingOwner;
using Log = std::vector<std::string>;

EditBoxCreation templateCreation(EditBoxEvents* owner) {
    EditBoxCreation creation;
    creation.owner = owner;
    creation.style = ES_AUTOHSCROLL;
    creation.properties.visible = false;
    creation.properties.width = 1000;
    creation.properties.height = 400;
    creation.text = u"value";
    return creation;
}

// Every test measures with the fixed measurer and may record into the owner.
class EditBoxArrayTest : public ::testing::Test {
protected:
    FixedMeasurerScope measurer;
    RecordingOwner owner;
};

// The copy takes the template's current properties as one block; a few stand for them all.
TEST_F(EditBoxArrayTest, LoadCopiesThePropertiesButStartsInvisible) {
    EditBoxArray boxes(templateCreation(nullptr));
    EditBox& original = boxes[0];
    original.setMaxLength(12);
    original.move(15, 30, 1500, 330);
    original.setFontBold(kTrue);

    boxes.load(1);
    EditBox& copy = boxes[1];
    EXPECT_TRUE(isWindow(copy.hWnd()));
    EXPECT_NE(copy.hWnd(), original.hWnd());
    EXPECT_EQ(copy.index(), 1);
    EXPECT_EQ(GetWindowLongA(copy.hWnd(), GWL_STYLE) & static_cast<std::int32_t>(WS_VISIBLE), 0);
    EXPECT_EQ(std::tuple(copy.text(), copy.maxLength(), copy.left(), copy.height()),
              std::tuple(String(u"value"), 12, 15.0, 330.0));
    // Its own font with equal attributes.
    EXPECT_NE(copy.font(), original.font());
    EXPECT_TRUE(copy.font()->sameAttributes(*original.font()));
    copy.setFontItalic(kTrue);
    EXPECT_EQ(original.fontItalic(), kFalse);
}

TEST_F(EditBoxArrayTest, ArrayErrors) {
    EditBoxArray boxes(templateCreation(nullptr));
    EXPECT_EQ(errorNumberOf([&] { boxes[1]; }), kErrArrayElementMissing);
    EXPECT_EQ(errorNumberOf([&] { boxes.unload(1); }), kErrArrayElementMissing);
    EXPECT_EQ(errorNumberOf([&] { boxes.unload(0); }), kErrCannotUnloadDesignElement);
    for (int index : {0, -1, 40000})
        EXPECT_EQ(errorNumberOf([&] { boxes.load(index); }), kErrArrayElementMissing) << index;
    boxes.load(1);
    EXPECT_EQ(errorNumberOf([&] { boxes.load(1); }), kErrObjectAlreadyLoaded);
    const WindowHandle window = boxes[1].hWnd();
    boxes.unload(1);
    EXPECT_FALSE(isWindow(window)) << "unloading destroys the element's window";
    boxes.load(1);  // and the index can be loaded again
}

// Unloading the element from inside its own notification stops it without a crash.
TEST_F(EditBoxArrayTest, UnloadFromInsideANotification) {
    EditBoxArray boxes(templateCreation(&owner));
    boxes.load(1);
    owner.onKeyPress = [&](std::int16_t&) { boxes.unload(1); };
    auto live = boxes.element(1);
    live->typeText(u"abc");
    EXPECT_FALSE(boxes.isLoaded(1));
    EXPECT_EQ(live->text(), u"value");
    EXPECT_EQ(owner.only({"KeyPress", "KeyUp", "Change"}), Log{"KeyPress 1 97"});
}

}  // namespace
}  // namespace quelta
