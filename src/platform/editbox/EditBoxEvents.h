#pragma once
// What an edit box tells its owner. Every notification carries the box's element index
// first and arrives synchronously on the box's thread, nested in the call that caused it.
// Arguments are by reference where the owner may answer: a KeyCode or KeyAscii left at 0
// cancels the key, a changed KeyAscii is the character inserted, an Effect left in a drag
// argument is the effect reported back. Every method does nothing by default.

#include <cstdint>

#include "platform/Boolean.h"
#include "platform/window/DataObject.h"

namespace quelta {

class EditBoxEvents {
public:
    virtual ~EditBoxEvents() = default;

    virtual void keyDown(int /*index*/, std::int16_t& /*keyCode*/, std::int16_t& /*shift*/) {}
    virtual void keyPress(int /*index*/, std::int16_t& /*keyAscii*/) {}
    virtual void keyUp(int /*index*/, std::int16_t& /*keyCode*/, std::int16_t& /*shift*/) {}
    virtual void change(int /*index*/) {}
    virtual void gotFocus(int /*index*/) {}
    virtual void lostFocus(int /*index*/) {}

    virtual void click(int /*index*/) {}
    virtual void dblClick(int /*index*/) {}
    // Button and Shift are bit sets (1 left, 2 right, 4 middle; 1 Shift, 2 Ctrl, 4 Alt);
    // X and Y are twips from the box's top-left corner.
    virtual void mouseDown(int /*index*/, std::int16_t& /*button*/, std::int16_t& /*shift*/,
                           float& /*x*/, float& /*y*/) {}
    virtual void mouseMove(int /*index*/, std::int16_t& /*button*/, std::int16_t& /*shift*/,
                           float& /*x*/, float& /*y*/) {}
    virtual void mouseUp(int /*index*/, std::int16_t& /*button*/, std::int16_t& /*shift*/,
                         float& /*x*/, float& /*y*/) {}

    // The box as drag source.
    virtual void oleStartDrag(int /*index*/, DataObjectRef& /*data*/,
                              std::int32_t& /*allowedEffects*/) {}
    virtual void oleSetData(int /*index*/, DataObjectRef& /*data*/, std::int16_t& /*dataFormat*/) {}
    virtual void oleGiveFeedback(int /*index*/, std::int32_t& /*effect*/,
                                 Boolean& /*defaultCursors*/) {}
    virtual void oleCompleteDrag(int /*index*/, std::int32_t& /*effect*/) {}

    // The box as drop target (manual drop mode). State: 0 enter, 1 leave, 2 over.
    virtual void oleDragOver(int /*index*/, DataObjectRef& /*data*/, std::int32_t& /*effect*/,
                             std::int16_t& /*button*/, std::int16_t& /*shift*/, float& /*x*/,
                             float& /*y*/, std::int16_t& /*state*/) {}
    virtual void oleDragDrop(int /*index*/, DataObjectRef& /*data*/, std::int32_t& /*effect*/,
                             std::int16_t& /*button*/, std::int16_t& /*shift*/, float& /*x*/,
                             float& /*y*/) {}
};

}  // namespace quelta
