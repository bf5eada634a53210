#include "control/Enumerations.h"
#include "control/NarrowInteger.h"
#include "control/Quelta.h"

namespace quelta {
namespace {

bool isMousePointer(std::int32_t value) {
    return (value >= qltaDefault && value <= qltaSizeAll) || value == qltaCustom;
}

}  // namespace

// The template box keeps the value; the live box gets a copy while it exists. The edit box
// checks the value itself, and a value it refuses changes nothing.
template <typename Property, typename Setter>
void Quelta::writePassThrough(StringView name, Setter set, const Property& value) {
    set(templateBox(), value);
    container_.propertyChanged(name);
    if (EditBox* live = liveBox()) set(*live, value);
}

void Quelta::letForeColor(std::uint32_t New_ForeColor) {
    if (ForeColor() == New_ForeColor) return;
    writePassThrough(
        u"ForeColor", [](EditBox& box, std::uint32_t color) { box.setForeColor(color); },
        New_ForeColor);
}

void Quelta::letMousePointer(std::int32_t New_MousePointer) {
    if (!isMousePointer(New_MousePointer)) raiseError(kErrInvalidPropertyValue);
    if (MousePointer() == New_MousePointer) return;
    writePassThrough(
        u"MousePointer", [](EditBox& box, std::int16_t value) { box.setMousePointer(value); },
        narrowToInteger(New_MousePointer));
}

void Quelta::letOLEDragMode(std::int32_t New_OLEDragMode) {
    if (OLEDragMode() == New_OLEDragMode) return;
    writePassThrough(
        u"OLEDragMode", [](EditBox& box, std::int16_t value) { box.setOleDragMode(value); },
        narrowToInteger(New_OLEDragMode));
}

void Quelta::letOLEDropMode(std::int32_t New_OLEDropMode) {
    if (OLEDropMode() == New_OLEDropMode) return;
    writePassThrough(
        u"OLEDropMode", [](EditBox& box, std::int16_t value) { box.setOleDropMode(value); },
        narrowToInteger(New_OLEDropMode));
}

// The width follows the length, so that the field shows as many characters as it takes.
void Quelta::letMaxLength(std::int32_t New_MaxLength) {
    if (MaxLength() == New_MaxLength) return;
    writePassThrough(
        u"MaxLength", [](EditBox& box, std::int32_t length) { box.setMaxLength(length); },
        New_MaxLength);
    FitToMaxLength(true);
}

void Quelta::letPasswordChar(StringView New_PasswordChar) {
    if (PasswordChar() == New_PasswordChar) return;
    writePassThrough(
        u"PasswordChar", [](EditBox& box, StringView value) { box.setPasswordChar(value); },
        New_PasswordChar);
}

void Quelta::letRightToLeft(Boolean New_RightToLeft) {
    Boolean value = toBoolean(isTrue(New_RightToLeft));
    if (RightToLeft() == value) return;
    writePassThrough(
        u"RightToLeft", [](EditBox& box, Boolean rtl) { box.setRightToLeft(rtl); }, value);
}

// An icon is assigned by reference and always written through, even when it is the same.
void Quelta::setMouseIcon(ObjectRef New_MouseIcon) {
    writePassThrough(
        u"MouseIcon", [](EditBox& box, const ObjectRef& icon) { box.setMouseIcon(icon); },
        New_MouseIcon);
}

}  // namespace quelta
