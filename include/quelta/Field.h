#pragma once
// One typed text-entry field: its typed properties, methods and events (FieldMembers.h),
// what a host draws of it and the input a host gives it. A Field is a handle: copies refer
// to the same field, which lives as long as its form, or as its last handle for a field of
// its own. A field that its form has dropped (FieldForm::load, removeField) raises Error 424
// on every call.
//
// Fields keep to the thread that made them, as all of Quelta: the regional settings, the
// overtype mode and the keyboard input belong to the thread (Runtime.h: setThreadRegion).
//
// Text is UTF-8. Positions and lengths of the control's own properties (SelStart,
// SelLength, MaxLength, Col) count UTF-16 code units, as the control does.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "quelta/Export.h"
#include "quelta/FieldDrawing.h"
#include "quelta/FieldMembers.h"

namespace quelta {

class QUELTA_API Field : public FieldMembers {
public:
    // A field of its own, started as a new control with every property at its default and
    // an empty text (a control placed in a designer shows its name instead), in the running
    // application (design-time properties refuse writes with Error 382; a
    // FieldForm in design mode can set them). Error 5 for an empty name.
    explicit Field(std::string_view name = "Field1");

    std::string name() const;
    // False once the field's form has dropped it.
    bool valid() const;

    // Every accepted property change, with the property's name ("Text", "Font", ...).
    void onPropertyChanged(std::function<void(std::string_view property)> handler);

    // --- Size and drawing -------------------------------------------------------------
    // In twips (1440 to the inch); the field lays out its edit box again.
    void resize(float width, float height);
    float width() const;
    float height() const;
    FieldDrawing drawing(const DrawingArea& area) const;

    // --- Input --------------------------------------------------------------------------
    // Moves the focus here, as a click or Tab does (the field that had it loses it).
    void focus();
    bool hasFocus() const;
    // One key as the keyboard reports it (Keys.h): key-down, the character it makes (a
    // code point; those above U+FFFF arrive whole), key-up. Tab and Shift+Tab move the focus
    // along the form.
    void keyDown(std::int16_t keyCode, std::int16_t shift = 0);
    void character(char32_t codePoint);
    void keyUp(std::int16_t keyCode, std::int16_t shift = 0);
    // Types UTF-8 text into the field, each character with its key, as a person would.
    void typeText(std::string_view text);
    // Focuses the field and types keys in the keystroke syntax: plain characters, {TAB},
    // {ENTER}, {LEFT}, {BS}, {DEL}, {HOME}, {END}, + Shift, ^ Ctrl, % Alt, {x 3} repeats.
    // Error 5 for a malformed text, before any key is typed.
    void sendKeys(std::string_view keys);
    // Mouse input at a point in twips from the field's top-left corner (Keys.h: button).
    void mouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void mouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void mouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    void doubleClick(float x, float y);

private:
    friend class FieldForm;
    explicit Field(std::shared_ptr<detail::FieldCore> core);
};

}  // namespace quelta
