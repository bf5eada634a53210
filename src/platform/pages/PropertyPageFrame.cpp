#include "platform/pages/PropertyPageFrame.h"

namespace quelta {

void PropertyPageFrame::open(PropertyPage& page, std::vector<LateBoundRef> selected) {
    cancel();
    selected_ = std::move(selected);
    try {
        page.selectionChanged();
    } catch (...) {
        selected_.clear();
        throw;
    }
    page_ = &page;
    changed_ = false;
}

void PropertyPageFrame::apply() {
    if (page_ == nullptr) raiseError(kErrObjectRequired);
    page_->applyChanges();
    changed_ = false;
}

void PropertyPageFrame::ok() {
    apply();
    cancel();
}

void PropertyPageFrame::cancel() {
    page_ = nullptr;
    selected_.clear();
    changed_ = false;
}

}  // namespace quelta
