#pragma once
// The widgets of one page or dialog, owned together, found by name (ignoring case) and
// walked in tab order.

#include <memory>
#include <vector>

#include "platform/pages/PageWidget.h"

namespace quelta {

class WidgetSet {
public:
    template <typename Widget, typename... Arguments>
    Widget& add(Arguments&&... arguments) {
        auto widget = std::make_unique<Widget>(std::forward<Arguments>(arguments)...);
        Widget& added = *widget;
        widgets_.push_back(std::move(widget));
        return added;
    }

    // The widget of that name; error 438 when there is none.
    PageWidget& widget(StringView name) const;
    // Every widget, ordered by tab index.
    std::vector<PageWidget*> inTabOrder() const;
    // The widget an access key moves to: the one whose caption marks it, or for a label
    // the widget after it in tab order. Null when no caption marks the key.
    PageWidget* accessKeyTarget(char16_t key) const;

private:
    std::vector<std::unique_ptr<PageWidget>> widgets_;
};

}  // namespace quelta
