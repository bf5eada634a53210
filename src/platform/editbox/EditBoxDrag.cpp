// The edit box in OLE drag and drop: as the source of a drag it started, and as a target.

#include "platform/editbox/EditBox.h"

namespace quelta {
namespace {

constexpr std::int16_t kCtrlKey = 2;
constexpr std::int32_t kCopyOrMove = kDropEffectCopy | kDropEffectMove;

}  // namespace

// The session a drop target sees while this box is the source: requests for data the
// source declared but did not supply, and feedback, come back as the box's notifications.
class EditBox::SourceSession : public DragSession {
public:
    SourceSession(EditBox& box, DataObjectRef data, std::int32_t allowed)
        : box_(box), data_(std::move(data)), allowed_(allowed) {}

    const DataObjectRef& data() const override { return data_; }
    std::int32_t allowedEffects() const override { return allowed_; }

    Variant getData(std::int16_t format) override {
        Variant value = data_->getData(format);  // error 13 when not offered at all
        if (!value.isEmpty()) return value;
        DataObjectRef data = data_;
        std::int16_t dataFormat = format;
        box_.notify([&](EditBoxEvents& owner) { owner.oleSetData(box_.index_, data, dataFormat); });
        return data_->getData(format);
    }

    bool giveFeedback(std::int32_t effect) override {
        Boolean defaultCursors = kTrue;
        box_.notify([&](EditBoxEvents& owner) {
            owner.oleGiveFeedback(box_.index_, effect, defaultCursors);
        });
        return isTrue(defaultCursors);
    }

private:
    EditBox& box_;
    DataObjectRef data_;
    std::int32_t allowed_;
};

void EditBox::oleDrag() {
    if (!isAlive() || activeDrag_) return;
    auto self = keepAlive();
    auto data = std::make_shared<DataObject>();
    const String dragged = isMasked() ? String() : selText();
    if (!dragged.empty()) data->setData(Variant(dragged), kFormatText);
    DataObjectRef offered = data;
    std::int32_t allowed = kCopyOrMove;
    notify([&](EditBoxEvents& owner) { owner.oleStartDrag(index_, offered, allowed); });
    // An owner that allows no effect cancels the drag before it starts.
    if (allowed == kDropEffectNone || !isAlive()) return;
    if (!offered) offered = data;

    activeDrag_ = ActiveDrag{selStart(), dragged};
    std::int32_t effect = kDropEffectNone;
    try {
        SourceSession session(*this, offered, allowed);
        if (const DropTargetPlayer& player = dropTargetPlayer()) effect = player(session) & allowed;
    } catch (...) {
        activeDrag_.reset();
        throw;
    }
    notify([&](EditBoxEvents& owner) { owner.oleCompleteDrag(index_, effect); });
    const ActiveDrag moved = *activeDrag_;
    activeDrag_.reset();
    // An automatic drag that was moved takes its text away, if it is still where it was.
    if (properties_.oleDragMode == 1 && (effect & kDropEffectMove) != 0 && !moved.text.empty() &&
        text().compare(moved.start, moved.text.size(), moved.text) == 0) {
        deleteAsUser(moved.start, moved.start + static_cast<std::int32_t>(moved.text.size()));
    }
}

std::int32_t EditBox::oleDragOver(DragSession& session, std::int16_t button, std::int16_t shift,
                                  float x, float y, std::int16_t state) {
    if (!acceptsInput()) return kDropEffectNone;
    auto self = keepAlive();
    std::int32_t effect = kDropEffectNone;
    if (properties_.oleDropMode == 1) {
        effect = session.allowedEffects();
        DataObjectRef data = session.data();
        notify([&](EditBoxEvents& owner) {
            owner.oleDragOver(index_, data, effect, button, shift, x, y, state);
        });
    } else if (properties_.oleDropMode == 2 && session.data() &&
               session.data()->getFormat(kFormatText) && !properties_.locked) {
        const std::int32_t allowed = session.allowedEffects() & kCopyOrMove;
        const bool copy = (shift & kCtrlKey) != 0 || (allowed & kDropEffectMove) == 0;
        effect = allowed & (copy ? kDropEffectCopy : kDropEffectMove);
    }
    session.giveFeedback(effect);
    return effect;
}

std::int32_t EditBox::oleDragDrop(DragSession& session, std::int16_t button, std::int16_t shift,
                                  float x, float y) {
    if (!acceptsInput()) return kDropEffectNone;
    auto self = keepAlive();
    if (properties_.oleDropMode == 1) {
        std::int32_t effect = session.allowedEffects();
        DataObjectRef data = session.data();
        notify([&](EditBoxEvents& owner) {
            owner.oleDragDrop(index_, data, effect, button, shift, x, y);
        });
        return effect;
    }
    if (properties_.oleDropMode != 2) return kDropEffectNone;
    std::int16_t state = 2;
    const std::int32_t effect = oleDragOver(session, button, shift, x, y, state);
    if (effect == kDropEffectNone) return effect;
    return dropText(session, x, y, effect);
}

std::int32_t EditBox::dropText(DragSession& session, float x, float y, std::int32_t effect) {
    const Variant data = session.getData(kFormatText);
    if (data.type() != VariantType::String) return kDropEffectNone;
    const std::int32_t at = hitTest(x, y);
    // Moving text of this very box into itself changes nothing.
    if (activeDrag_ && (effect & kDropEffectMove) != 0 && at >= activeDrag_->start &&
        at <= activeDrag_->start + static_cast<std::int32_t>(activeDrag_->text.size())) {
        return kDropEffectNone;
    }
    text_.select(at, at);
    const std::int32_t before = text_.size();
    insertAsUser(data.toString(), EditText::UndoKind::Edit);
    const std::int32_t inserted = text_.size() - before;
    if (inserted == 0) return kDropEffectNone;
    // The source of a move within this box removes the original where it now stands.
    if (activeDrag_ && at <= activeDrag_->start) activeDrag_->start += inserted;
    text_.select(at, at + inserted);
    return effect;
}

}  // namespace quelta
