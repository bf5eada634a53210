#include <gtest/gtest.h>

#include "platform/editbox/EditBox.h"
#include "platform/editbox/EditBoxTestSupport.h"
#include "platform/window/DragSession.h"

namespace quelta {
namespace {

using testing::FixedMeasurerScope;
using testing::makeBox;
using testing::RecordingOwner;
using Log = std::vector<std::string>;

constexpr std::uint32_t kSingle = ES_AUTOHSCROLL;

// Clears the thread's drop target when a test ends.
struct PlayerScope {
    explicit PlayerScope(DropTargetPlayer player) { setDropTargetPlayer(std::move(player)); }
    ~PlayerScope() { setDropTargetPlayer(nullptr); }
};

DataObjectRef textData(const String& text) {
    auto data = std::make_shared<DataObject>();
    data->setData(Variant(text), kFormatText);
    return data;
}

// A drop target that passes over the box once and drops at a point.
DropTargetPlayer overAndDrop(EditBox& target, float x, float y, std::int16_t shift = 0) {
    return [&target, x, y, shift](DragSession& session) {
        target.oleDragOver(session, 1, shift, x, y, 0);
        return target.oleDragDrop(session, 1, shift, x, y);
    };
}

// Every test measures with the fixed measurer and may record into the owner.
class EditBoxDragTest : public ::testing::Test {
protected:
    FixedMeasurerScope measurer;
    RecordingOwner owner;
};

TEST_F(EditBoxDragTest, ManualTargetAnswersTheEffectByReference) {
    RecordingOwner sourceOwner, targetOwner;
    auto source = makeBox(kSingle, &sourceOwner, u"drag me");
    auto target = makeBox(kSingle, &targetOwner);
    target->setOleDropMode(1);
    source->setSelLength(4);
    targetOwner.onDragOver = [](std::int32_t& effect) { effect = kDropEffectCopy; };
    targetOwner.onDragDrop = [](std::int32_t& effect) { effect = kDropEffectCopy; };
    String offered;
    sourceOwner.onStartDrag = [&](DataObjectRef& data, std::int32_t&) {
        offered = data->getData(kFormatText).toString();
    };
    PlayerScope player(overAndDrop(*target, 150, 20));
    source->oleDrag();
    EXPECT_EQ(offered, u"drag");
    EXPECT_EQ(sourceOwner.log,
              (Log{"OLEStartDrag 0 3", "OLEGiveFeedback 0 1", "OLECompleteDrag 0 1"}));
    EXPECT_EQ(targetOwner.log, (Log{"OLEDragOver 0 3 150 20 0", "OLEDragDrop 0 3 150 20"}));
    EXPECT_EQ(target->text(), u"") << "a manual target inserts nothing itself";
    EXPECT_EQ(source->text(), u"drag me") << "a manual source removes nothing itself";
}

TEST_F(EditBoxDragTest, SourceMayCancelTheDrag) {
    auto source = makeBox(kSingle, &owner, u"text");
    int played = 0;
    PlayerScope player([&](DragSession&) {
        ++played;
        return kDropEffectCopy;
    });
    owner.onStartDrag = [](DataObjectRef&, std::int32_t& allowed) { allowed = 0; };
    source->oleDrag();
    EXPECT_EQ(played, 0);
    EXPECT_EQ(owner.only({"OLECompleteDrag"}), Log{});
}

TEST_F(EditBoxDragTest, DataDeclaredWithoutValueIsAskedFromTheSource) {
    auto source = makeBox(kSingle, &owner, u"x");
    owner.onStartDrag = [](DataObjectRef& data, std::int32_t&) {
        data->setData(Variant(), kFormatUnicodeText);
    };
    owner.onSetData = [](DataObjectRef& data, std::int16_t format) {
        data->setData(Variant(u"late"), format);
    };
    String received;
    PlayerScope player([&](DragSession& session) {
        received = session.getData(kFormatUnicodeText).toString();
        return kDropEffectCopy;
    });
    source->oleDrag();
    EXPECT_EQ(received, u"late");
    EXPECT_EQ(owner.only({"OLESetData"}), Log{"OLESetData 0 13"});
}

TEST_F(EditBoxDragTest, TargetWithoutDropModeRefusesSilently) {
    auto target = makeBox(kSingle, &owner);
    DataObjectDragSession session(textData(u"x"), kDropEffectCopy);
    EXPECT_EQ(target->oleDragOver(session, 1, 0, 0, 0, 0), kDropEffectNone);
    EXPECT_EQ(target->oleDragDrop(session, 1, 0, 0, 0), kDropEffectNone);
    EXPECT_TRUE(owner.log.empty());
    EXPECT_EQ(target->text(), u"");
}

TEST_F(EditBoxDragTest, AutomaticTargetInsertsAtTheDropPoint) {
    auto target = makeBox(kSingle, &owner, u"abcd");
    target->setOleDropMode(2);
    auto data = textData(u"XY");
    DataObjectDragSession copyOnly(data, kDropEffectCopy);
    EXPECT_EQ(target->oleDragDrop(copyOnly, 1, 0, 210, 10), kDropEffectCopy);
    EXPECT_EQ(target->text(), u"abXYcd");
    EXPECT_EQ(target->selText(), u"XY");
    EXPECT_EQ(target->dataChanged(), kTrue);
    EXPECT_EQ(owner.only({"Change", "OLEDragDrop"}), Log{"Change 0"});

    DataObjectDragSession either(data, kDropEffectCopy | kDropEffectMove);
    EXPECT_EQ(target->oleDragOver(either, 1, 0, 0, 0, 2), kDropEffectMove);
    EXPECT_EQ(target->oleDragOver(either, 1, kCtrlMask, 0, 0, 2), kDropEffectCopy);
    target->setLocked(kTrue);
    EXPECT_EQ(target->oleDragDrop(either, 1, 0, 0, 0), kDropEffectNone);
    EXPECT_EQ(target->text(), u"abXYcd");
}

// An automatic drag moved within its own box: the text leaves its old place.
TEST_F(EditBoxDragTest, AutomaticMoveWithinOneBox) {
    auto box = makeBox(kSingle, nullptr, u"one two three");
    box->setOleDragMode(1);
    box->setOleDropMode(2);
    PlayerScope player(overAndDrop(*box, 1300, 10));  // behind the end
    box->setSelStart(0);
    box->setSelLength(4);
    box->mouseDown(1, 0, 150, 10);  // inside the selection
    box->mouseMove(1, 0, 1300, 10);
    EXPECT_EQ(box->text(), u"two threeone ");
    // Dropping into the dragged text itself changes nothing.
    setDropTargetPlayer(overAndDrop(*box, 50, 10));
    box->setSelStart(0);
    box->setSelLength(3);
    box->oleDrag();
    EXPECT_EQ(box->text(), u"two threeone ");
}

TEST_F(EditBoxDragTest, DragWithoutATargetCompletesWithNoEffect) {
    auto source = makeBox(kSingle, &owner, u"abc");
    setDropTargetPlayer(nullptr);
    source->oleDrag();
    EXPECT_EQ(owner.log, (Log{"OLEStartDrag 0 3", "OLECompleteDrag 0 0"}));
}

}  // namespace
}  // namespace quelta
