#include "platform/pages/ListWidgets.h"

namespace quelta {
namespace {

bool inList(int position, const std::vector<String>& entries) {
    return position >= 0 && static_cast<std::size_t>(position) < entries.size();
}

}  // namespace

void DropDownList::setListIndex(int position) {
    if (position != -1 && !inList(position, entries_)) raiseError(kErrInvalidPropertyValue);
    listIndex_ = position;
    reportChange();
}

void ComboBox::setText(StringView text) {
    if (text == text_) return;
    text_ = String(text);
    reportChange();
}

void ComboBox::choose(int position) {
    if (!inList(position, entries_)) raiseError(kErrInvalidPropertyValue);
    setText(entries_[static_cast<std::size_t>(position)]);
}

}  // namespace quelta
