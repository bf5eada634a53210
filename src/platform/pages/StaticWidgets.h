#pragma once
// The widgets that hold no value a person edits: a label, an image and a command button.

#include <functional>

#include "platform/pages/PageWidget.h"

namespace quelta {

// A caption; its access key moves to the widget after it in tab order. Reads as its caption.
class PageLabel : public PageWidget {
public:
    using PageWidget::PageWidget;
    Variant value() const override { return Variant(caption()); }
    void operate(const Variant& value) override;
};

// A picture, such as an icon; it shows no value.
class ImageBox : public PageWidget {
public:
    using PageWidget::PageWidget;
    const ObjectRef& picture() const { return picture_; }
    void setPicture(ObjectRef picture) { picture_ = std::move(picture); }
    Variant value() const override;
    void operate(const Variant& value) override;

private:
    ObjectRef picture_;
};

// A button; operating it clicks it, whatever the value.
class CommandButton : public PageWidget {
public:
    using PageWidget::PageWidget;
    void setClickHandler(std::function<void()> handler) { onClick_ = std::move(handler); }
    void click() const {
        if (onClick_) onClick_();
    }
    Variant value() const override;
    void operate(const Variant&) override { click(); }

private:
    std::function<void()> onClick_;
};

}  // namespace quelta
