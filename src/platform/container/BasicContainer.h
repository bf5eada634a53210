#pragma once
// The container services every host gives a control alike: the control's own window, its
// size and the Resize a change raises, its enabled state, its drawing font and the ambient
// font. A host adds the rest: the ambient mode, the extender, and what becomes of the
// control's events, notifications, help file and errors. It owns the control's window and
// destroys it with itself; use it on one thread only.

#include <functional>

#include "platform/container/ControlContainer.h"

namespace quelta {

class BasicContainer : public ControlContainer {
public:
    // The control's extent when a host places it new on a form.
    static constexpr float kDefaultWidth = 1245;
    static constexpr float kDefaultHeight = 525;

    // Creates the control's window, as a child of parent when one is given.
    explicit BasicContainer(WindowHandle parent = 0);
    ~BasicContainer() override;
    BasicContainer(const BasicContainer&) = delete;
    BasicContainer& operator=(const BasicContainer&) = delete;

    // Each read hands out a copy, as containers do, so that a control that changes its font
    // changes neither its neighbours' nor the form's.
    FontRef ambientFont() const override { return ambientFont_->clone(); }
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override;
    float width() const override { return width_; }
    float height() const override { return height_; }
    void setSize(float width, float height) override;
    void setResizeHandler(std::function<void()> handler) override;
    WindowHandle windowHandle() const override { return window_; }
    FontRef drawingFont() const override;
    void setDrawingFont(FontRef font) override { drawingFont_ = std::move(font); }

    void setAmbientFont(FontRef font);  // null restores a default font

protected:
    // Called when the size changed, before the control hears of it.
    virtual void sizeChanged() {}

private:
    // The default font of the thread's containers until the host sets its own: no one
    // changes it (ambientFont hands out copies), so a container costs no font of its own.
    static FontRef defaultAmbientFont();

    FontRef ambientFont_ = defaultAmbientFont();
    FontRef drawingFont_;
    std::function<void()> resizeHandler_;
    WindowHandle window_ = 0;
    float width_ = kDefaultWidth;
    float height_ = kDefaultHeight;
    bool enabled_ = true;
};

}  // namespace quelta
