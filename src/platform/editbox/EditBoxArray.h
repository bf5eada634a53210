#pragma once
// A control array of edit boxes. Element 0 exists as long as the array; further elements
// are loaded as copies of element 0 and unloaded again. A loaded copy takes every property
// of element 0 (text, colours, MaxLength, Locked, PasswordChar, RightToLeft, mouse and
// drag settings, help and tooltip, position and size) and the window styles element 0 was
// created with, but starts invisible; its window exists before load returns, so a
// creation hook installed around the load patches it. It gets its own font object with
// equal attributes, as every control has its own font: changing one element's font does
// not change another's.

#include <cstdint>
#include <map>
#include <memory>

#include "platform/editbox/EditBox.h"

namespace quelta {

// The platform's control-array errors.
inline constexpr std::int32_t kErrArrayElementMissing = 340;
inline constexpr std::int32_t kErrObjectAlreadyLoaded = 360;
inline constexpr std::int32_t kErrCannotUnloadDesignElement = 362;

class EditBoxArray {
public:
    // Creates element 0 with the given creation settings (its index is always 0).
    explicit EditBoxArray(EditBoxCreation template_);

    // Error 340 for an element that is not loaded.
    EditBox& operator[](int index) {
        if (isFixed(index) && fixed_[index]) return *fixed_[index];
        return *element(index);
    }
    std::shared_ptr<EditBox> element(int index);
    bool isLoaded(int index) const;

    // Error 360 when loaded already, 340 for an index outside 1..32767.
    void load(int index);
    // Destroys the element and its window, taking the focus from it first (its owner hears of
    // that loss); error 362 for element 0, 340 when not loaded.
    void unload(int index);

private:
    static bool isFixed(int index) { return index == 0 || index == 1; }
    // The element's place, null when it has none; an empty pointer when it is not loaded.
    std::shared_ptr<EditBox>* place(int index);

    // What a copy is created with besides element 0's properties and text.
    EditBoxEvents* owner_;
    WindowHandle parent_;
    std::uint32_t style_;
    std::uint32_t exStyle_;
    // The two elements a control uses are kept in place; any others by index.
    std::shared_ptr<EditBox> fixed_[2];
    std::map<int, std::shared_ptr<EditBox>> others_;
};

}  // namespace quelta
