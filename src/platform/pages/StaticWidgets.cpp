#include "platform/pages/StaticWidgets.h"

namespace quelta {
namespace {

constexpr std::int32_t kErrCannotOperate = 383;  // as for a read-only property

}  // namespace

void PageLabel::operate(const Variant&) {
    raiseError(kErrCannotOperate);
}

Variant ImageBox::value() const {
    raiseError(kErrNotSupported);
}

void ImageBox::operate(const Variant&) {
    raiseError(kErrCannotOperate);
}

Variant CommandButton::value() const {
    raiseError(kErrNotSupported);
}

}  // namespace quelta
