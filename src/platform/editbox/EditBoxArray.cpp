#include "platform/editbox/EditBoxArray.h"

#include "platform/AutomationError.h"

namespace quelta {
namespace {

constexpr int kHighestIndex = 32767;

}  // namespace

EditBoxArray::EditBoxArray(EditBoxCreation creation) : template_(std::move(creation)) {
    template_.index = 0;
    elements_[0] = EditBox::create(template_);
}

std::shared_ptr<EditBox> EditBoxArray::element(int index) {
    auto found = elements_.find(index);
    if (found == elements_.end()) raiseError(kErrArrayElementMissing);
    return found->second;
}

// Without the shared pointer's copy: the control reaches its boxes on every refresh.
EditBox& EditBoxArray::operator[](int index) {
    auto found = elements_.find(index);
    if (found == elements_.end()) raiseError(kErrArrayElementMissing);
    return *found->second;
}

void EditBoxArray::load(int index) {
    if (index < 1 || index > kHighestIndex) raiseError(kErrArrayElementMissing);
    if (isLoaded(index)) raiseError(kErrObjectAlreadyLoaded);
    const EditBox& original = *elements_.at(0);
    EditBoxCreation copy = template_;
    copy.index = index;
    copy.properties = original.properties();
    copy.properties.font = original.font()->clone();
    copy.properties.visible = false;
    copy.text = original.text();
    elements_[index] = EditBox::create(std::move(copy));
}

void EditBoxArray::unload(int index) {
    if (index == 0) raiseError(kErrCannotUnloadDesignElement);
    auto found = elements_.find(index);
    if (found == elements_.end()) raiseError(kErrArrayElementMissing);
    // An element that goes while it has the focus loses it first, so that its owner hears of
    // the loss while the element is still whole and still in the array. The owner's handler
    // may itself have unloaded the element, or loaded another in its place: that one stays.
    const EditBox* leaving = found->second.get();
    found->second->giveUpFocus();
    found = elements_.find(index);
    if (found == elements_.end() || found->second.get() != leaving) return;
    std::shared_ptr<EditBox> box = std::move(found->second);
    elements_.erase(found);
    box->destroy();
}

}  // namespace quelta
