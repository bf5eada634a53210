#include "api/front/FieldCore.h"
#include "platform/container/Picture.h"
#include "platform/fonts/Font.h"
#include "platform/window/VirtualKeys.h"
#include "quelta/Keys.h"

namespace quelta::detail {

// The public key codes are the platform's: a host's codes go through unchanged.
static_assert(key::Backspace == VK_BACK && key::Tab == VK_TAB && key::Enter == VK_RETURN &&
              key::PageUp == VK_PRIOR && key::Insert == VK_INSERT && key::F1 == VK_F1);
static_assert(modifier::Shift == kShiftMask && modifier::Ctrl == kCtrlMask &&
              modifier::Alt == kAltMask);

void raiseDroppedField(const FieldCore& core) {
    throw Error(kErrObjectRequired, "the field '" + core.name + "' is no longer on its form");
}

std::string utf8(StringView text) {
    return toUtf8(text);
}

String utf16(std::string_view text) {
    return fromUtf8(text);
}

FontSpec fontSpecOf(const ObjectRef& object) {
    auto font = std::dynamic_pointer_cast<Font>(object);
    if (!font) return {};
    return FontSpec{toUtf8(font->name()), font->size(),          font->weight(), font->italic(),
                    font->underline(),    font->strikethrough(), font->charset()};
}

ObjectRef fontOf(const FontSpec& spec) {
    // Through the setters, so that an empty name or a size out of range is refused (380).
    auto font = std::make_shared<Font>();
    font->setName(fromUtf8(spec.name));
    font->setSize(spec.size);
    font->setWeight(spec.weight);
    font->setItalic(spec.italic);
    font->setUnderline(spec.underline);
    font->setStrikethrough(spec.strikethrough);
    font->setCharset(spec.charset);
    return font;
}

std::string pictureSourceOf(const ObjectRef& object) {
    auto picture = std::dynamic_pointer_cast<Picture>(object);
    return picture ? toUtf8(picture->source()) : std::string();
}

ObjectRef pictureOf(std::string_view path) {
    return loadPicture(fromUtf8(path));
}

}  // namespace quelta::detail
