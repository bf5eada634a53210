#include "platform/pages/DialogForm.h"

namespace quelta {
namespace {

thread_local ModalLoop modalLoop;

}  // namespace

void setModalLoop(ModalLoop loop) {
    modalLoop = std::move(loop);
}

void DialogForm::showModal() {
    visible_ = true;
    if (modalLoop) {
        // A loop that failed still leaves no dialog up behind the caller's back.
        try {
            modalLoop(*this);
        } catch (...) {
            visible_ = false;
            throw;
        }
    }
    visible_ = false;
}

}  // namespace quelta
