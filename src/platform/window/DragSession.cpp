#include "platform/window/DragSession.h"

namespace quelta {
namespace {

DropTargetPlayer& threadPlayer() {
    thread_local DropTargetPlayer player;
    return player;
}

}  // namespace

Variant DataObjectDragSession::getData(std::int16_t format) {
    if (!data_) raiseError(kErrTypeMismatch);
    return data_->getData(format);
}

void setDropTargetPlayer(DropTargetPlayer player) {
    threadPlayer() = std::move(player);
}

const DropTargetPlayer& dropTargetPlayer() {
    return threadPlayer();
}

}  // namespace quelta
