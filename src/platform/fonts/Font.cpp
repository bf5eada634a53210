#include "platform/fonts/Font.h"

namespace quelta {

const std::shared_ptr<const String>& Font::defaultName() {
    static const auto name = std::make_shared<const String>(u"MS Sans Serif");
    return name;
}

Font::Font(String name, float size) : size_(size) {
    if (name != *name_) name_ = std::make_shared<const String>(std::move(name));
}

void Font::setName(String name) {
    if (name.empty()) raiseError(kErrInvalidPropertyValue);
    if (name == *name_) return;
    name_ = std::make_shared<const String>(std::move(name));
    ++revision_;
}

void Font::setSize(float points) {
    if (!(points >= 1.0f && points <= 2160.0f)) raiseError(kErrInvalidPropertyValue);
    change(size_, points);
}

void Font::setWeight(std::int16_t weight) {
    if (weight < 1 || weight > 1000) raiseError(kErrInvalidPropertyValue);
    change(weight_, weight);
}

bool Font::sameAttributes(const Font& other) const {
    return *name_ == *other.name_ && size_ == other.size_ && weight_ == other.weight_ &&
           italic_ == other.italic_ && underline_ == other.underline_ &&
           strikethrough_ == other.strikethrough_ && charset_ == other.charset_;
}

}  // namespace quelta
