#include "platform/fonts/Font.h"

namespace quelta {

void Font::setName(String name) {
    if (name.empty()) raiseError(kErrInvalidPropertyValue);
    change(name_, std::move(name));
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
    return name_ == other.name_ && size_ == other.size_ && weight_ == other.weight_ &&
           italic_ == other.italic_ && underline_ == other.underline_ &&
           strikethrough_ == other.strikethrough_ && charset_ == other.charset_;
}

}  // namespace quelta
