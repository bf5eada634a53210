#include <memory>

#include "api/MemberTable.h"
#include "control/NarrowInteger.h"
#include "control/Quelta.h"
#include "platform/AutomationError.h"

namespace quelta {
namespace {

FontRef fontArgument(const ObjectRef& object) {
    if (!object) raiseError(kErrObjectRequired);
    auto font = std::dynamic_pointer_cast<quelta::Font>(object);
    if (!font) raiseError(kErrTypeMismatch);
    return font;
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

// The live box measures with its own copy of the font, so both copies change. Every font
// change refits the width, even one that leaves the attribute as it was.
template <typename Property, typename Setter>
void Quelta::writeFontAttribute(Setter set, const Property& value) {
    writePassThrough(u"Font", set, value);
    FitToMaxLength(true);
}

void Quelta::letForeColor(std::uint32_t New_ForeColor) {
    if (ForeColor() == New_ForeColor) return;
    writePassThrough(
        u"ForeColor", [](EditBox& box, std::uint32_t color) { box.setForeColor(color); },
        New_ForeColor);
}

void Quelta::letMousePointer(std::int32_t New_MousePointer) {
    if (!memberRow("MousePointer").acceptsValue(New_MousePointer)) {
        raiseError(kErrInvalidPropertyValue);
    }
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

// Both boxes share the font object given; a later rebuild gives the live box its own copy.
void Quelta::setFont(ObjectRef New_Font) {
    writeFontAttribute([](EditBox& box, const FontRef& font) { box.setFont(font); },
                       fontArgument(New_Font));
}

void Quelta::letFontBold(Boolean New_FontBold) {
    writeFontAttribute([](EditBox& box, Boolean bold) { box.setFontBold(bold); }, New_FontBold);
}

void Quelta::letFontItalic(Boolean New_FontItalic) {
    writeFontAttribute([](EditBox& box, Boolean italic) { box.setFontItalic(italic); },
                       New_FontItalic);
}

void Quelta::letFontName(StringView New_FontName) {
    writeFontAttribute([](EditBox& box, StringView name) { box.setFontName(String(name)); },
                       New_FontName);
}

void Quelta::letFontSize(float New_FontSize) {
    writeFontAttribute([](EditBox& box, float points) { box.setFontSize(points); }, New_FontSize);
}

void Quelta::letFontStrikeThru(Boolean New_FontStrikeThru) {
    writeFontAttribute([](EditBox& box, Boolean on) { box.setFontStrikethru(on); },
                       New_FontStrikeThru);
}

void Quelta::letFontUnderline(Boolean New_FontUnderline) {
    writeFontAttribute([](EditBox& box, Boolean on) { box.setFontUnderline(on); },
                       New_FontUnderline);
}

// An icon is assigned by reference and always written through, even when it is the same.
void Quelta::setMouseIcon(ObjectRef New_MouseIcon) {
    writePassThrough(
        u"MouseIcon", [](EditBox& box, const ObjectRef& icon) { box.setMouseIcon(icon); },
        New_MouseIcon);
}

}  // namespace quelta
