#pragma once
// One OLE drag-and-drop operation seen from the drop target's side. A drag source hands
// it to the thread's drop-target player (a host's window under the mouse, or a test), who
// asks for data, reports feedback and returns the effect of the drop. Sources react
// through their own notifications (OLESetData, OLEGiveFeedback).

#include <cstdint>
#include <functional>

#include "platform/Boolean.h"
#include "platform/window/DataObject.h"

namespace quelta {

inline constexpr std::int32_t kDropEffectNone = 0;
inline constexpr std::int32_t kDropEffectCopy = 1;
inline constexpr std::int32_t kDropEffectMove = 2;
inline constexpr std::int32_t kDropEffectScroll = static_cast<std::int32_t>(0x80000000u);

class DragSession {
public:
    virtual ~DragSession() = default;
    virtual const DataObjectRef& data() const = 0;
    virtual std::int32_t allowedEffects() const = 0;
    // The data in a format. A format the source declared without data is first filled by
    // the source (its OLESetData); a format it does not offer raises error 13.
    virtual Variant getData(std::int16_t format) = 0;
    // Tells the source the effect the target would take; returns whether the source wants
    // the default cursors.
    virtual bool giveFeedback(std::int32_t effect) = 0;
};

// A drag whose source is outside the edit boxes (a host's own data): data is read as it
// stands and feedback goes nowhere.
class DataObjectDragSession : public DragSession {
public:
    DataObjectDragSession(DataObjectRef data, std::int32_t allowedEffects)
        : data_(std::move(data)), allowedEffects_(allowedEffects) {}
    const DataObjectRef& data() const override { return data_; }
    std::int32_t allowedEffects() const override { return allowedEffects_; }
    Variant getData(std::int16_t format) override;
    bool giveFeedback(std::int32_t) override { return true; }

private:
    DataObjectRef data_;
    std::int32_t allowedEffects_;
};

// Plays the drop target of a drag and returns the effect of the drop (kDropEffectNone when
// it was cancelled or refused).
using DropTargetPlayer = std::function<std::int32_t(DragSession&)>;

// The thread's drop target; without one, every drag ends without a drop.
void setDropTargetPlayer(DropTargetPlayer player);
const DropTargetPlayer& dropTargetPlayer();

}  // namespace quelta
