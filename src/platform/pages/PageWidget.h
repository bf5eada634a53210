#pragma once
// The base of every widget on a property page or a dialog: a name, a position in twips, a
// caption with its access key and a place in the tab order. Widgets are models only; the
// host draws them and feeds them what the developer does.

#include <cstdint>
#include <functional>

#include "platform/String.h"
#include "platform/runtime/Variant.h"

namespace quelta {

struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    bool operator==(const TwipsRect&) const = default;
};

// The access key a caption marks with "&": the character after the first single "&", or 0
// when there is none ("&&" stands for a literal ampersand).
char16_t accessKeyOf(StringView caption);

struct WidgetLayout {
    String name;
    String caption;
    TwipsRect position;
    int tabIndex = 0;
};

class PageWidget {
public:
    explicit PageWidget(WidgetLayout layout) : layout_(std::move(layout)) {}
    virtual ~PageWidget() = default;
    PageWidget(const PageWidget&) = delete;
    PageWidget& operator=(const PageWidget&) = delete;

    const String& name() const { return layout_.name; }
    const String& caption() const { return layout_.caption; }
    void setCaption(StringView caption) { layout_.caption = String(caption); }
    char16_t accessKey() const { return accessKeyOf(layout_.caption); }
    const TwipsRect& position() const { return layout_.position; }
    int tabIndex() const { return layout_.tabIndex; }

    // What a person reads off the widget (a list's position, a check box's state, a text).
    // Error 438 for a widget that shows no value.
    virtual Variant value() const = 0;
    // Operates the widget as a person would with the given value (selects, types, ticks,
    // clicks). Error 383 for a widget a person cannot operate; the widget's own error for a
    // value it cannot take, leaving it as it was.
    virtual void operate(const Variant& value) = 0;

    // Called after every change of the widget's value, by a person or by code, as the
    // platform's widgets report a click or an edit either way.
    void setChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }

protected:
    void reportChange() const {
        if (onChange_) onChange_();
    }

private:
    WidgetLayout layout_;
    std::function<void()> onChange_;
};

}  // namespace quelta
