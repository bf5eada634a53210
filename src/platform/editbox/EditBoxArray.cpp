#include "platform/editbox/EditBoxArray.h"

#include "platform/AutomationError.h"

namespace quelta {
namespace {

constexpr int kHighestIndex = 32767;

}  // namespace

EditBoxArray::EditBoxArray(EditBoxCreation creation)
    : owner_(creation.owner),
      parent_(creation.parent),
      style_(creation.style),
      exStyle_(creation.exStyle) {
    creation.index = 0;
    fixed_[0] = EditBox::create(std::move(creation));
}

std::shared_ptr<EditBox>* EditBoxArray::place(int index) {
    if (isFixed(index)) return &fixed_[index];
    auto found = others_.find(index);
    return found == others_.end() ? nullptr : &found->second;
}

bool EditBoxArray::isLoaded(int index) const {
    if (isFixed(index)) return fixed_[index] != nullptr;
    return others_.count(index) != 0;
}

std::shared_ptr<EditBox> EditBoxArray::element(int index) {
    std::shared_ptr<EditBox>* found = place(index);
    if (found == nullptr || !*found) raiseError(kErrArrayElementMissing);
    return *found;
}

void EditBoxArray::load(int index) {
    if (index < 1 || index > kHighestIndex) raiseError(kErrArrayElementMissing);
    if (isLoaded(index)) raiseError(kErrObjectAlreadyLoaded);
    const EditBox& original = *fixed_[0];
    EditBoxCreation copy;
    copy.index = index;
    copy.owner = owner_;
    copy.parent = parent_;
    copy.style = style_;
    copy.exStyle = exStyle_;
    copy.properties = original.properties();
    copy.properties.font = original.font()->clone();
    copy.properties.visible = false;
    copy.text = original.text();
    std::shared_ptr<EditBox> box = EditBox::create(std::move(copy));
    if (isFixed(index))
        fixed_[index] = std::move(box);
    else
        others_[index] = std::move(box);
}

void EditBoxArray::unload(int index) {
    if (index == 0) raiseError(kErrCannotUnloadDesignElement);
    std::shared_ptr<EditBox>* found = place(index);
    if (found == nullptr || !*found) raiseError(kErrArrayElementMissing);
    // An element that goes while it has the focus loses it first, so that its owner hears of
    // the loss while the element is still whole and still in the array. The owner's handler
    // may itself have unloaded the element, or loaded another in its place: that one stays.
    const EditBox* leaving = found->get();
    (*found)->giveUpFocus();
    found = place(index);
    if (found == nullptr || found->get() != leaving) return;
    std::shared_ptr<EditBox> box = std::move(*found);
    if (!isFixed(index)) others_.erase(index);
    box->destroy();
}

}  // namespace quelta
