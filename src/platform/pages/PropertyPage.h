#pragma once
// A property page as the host's frame shows it: a caption, a size in twips and widgets. The
// frame tells it when the selection changed (fill the widgets from the first selected
// control) and when to apply (write them into it); a page reports a widget change by
// setting the frame's changed flag.

#include "platform/pages/WidgetSet.h"

namespace quelta {

class PropertyPageFrame;
class LateBoundObject;

class PropertyPage {
public:
    PropertyPage(PropertyPageFrame& frame, String caption, float width, float height)
        : frame_(frame), caption_(std::move(caption)), width_(width), height_(height) {}
    virtual ~PropertyPage() = default;
    PropertyPage(const PropertyPage&) = delete;
    PropertyPage& operator=(const PropertyPage&) = delete;

    const String& caption() const { return caption_; }
    float width() const { return width_; }
    float height() const { return height_; }
    const WidgetSet& widgets() const { return widgets_; }

    // The frame's notifications. An error ends the notification at the step that raised it
    // and reaches the frame.
    virtual void selectionChanged() = 0;
    virtual void applyChanges() = 0;

protected:
    PropertyPageFrame& frame() { return frame_; }
    // The first of the frame's selected controls; error 9 when nothing is selected.
    LateBoundObject& firstSelected();
    // Adds a widget whose every change marks the page as changed.
    template <typename Widget, typename... Arguments>
    Widget& addEditable(Arguments&&... arguments) {
        Widget& widget = widgets_.add<Widget>(std::forward<Arguments>(arguments)...);
        widget.setChangeHandler([this] { markChanged(); });
        return widget;
    }
    template <typename Widget, typename... Arguments>
    Widget& addStatic(Arguments&&... arguments) {
        return widgets_.add<Widget>(std::forward<Arguments>(arguments)...);
    }

private:
    void markChanged();

    PropertyPageFrame& frame_;
    String caption_;
    float width_;
    float height_;
    WidgetSet widgets_;
};

}  // namespace quelta
