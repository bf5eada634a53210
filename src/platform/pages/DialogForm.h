#pragma once
// A dialog form: a caption, a client area in twips and widgets. Shown modally, it stays up
// until something hides it; the thread's modal loop, which the host installs, is what lets
// a person (or a script) answer it. Without a modal loop nobody can answer, so a modal show
// returns at once with the form hidden.

#include <functional>

#include "platform/pages/WidgetSet.h"

namespace quelta {

class DialogForm;
using ModalLoop = std::function<void(DialogForm&)>;

// The thread's modal loop; empty to remove it. It is called with the shown form and returns
// when the form is hidden.
void setModalLoop(ModalLoop loop);

class DialogForm {
public:
    DialogForm(String caption, float clientWidth, float clientHeight)
        : caption_(std::move(caption)), clientWidth_(clientWidth), clientHeight_(clientHeight) {}
    virtual ~DialogForm() = default;
    DialogForm(const DialogForm&) = delete;
    DialogForm& operator=(const DialogForm&) = delete;

    const String& caption() const { return caption_; }
    float clientWidth() const { return clientWidth_; }
    float clientHeight() const { return clientHeight_; }
    const WidgetSet& widgets() const { return widgets_; }
    bool visible() const { return visible_; }

    // Shows the form and returns when it is hidden again.
    void showModal();
    void hide() { visible_ = false; }

protected:
    WidgetSet& ownWidgets() { return widgets_; }

private:
    String caption_;
    float clientWidth_;
    float clientHeight_;
    WidgetSet widgets_;
    bool visible_ = false;
};

}  // namespace quelta
