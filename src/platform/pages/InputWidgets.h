#pragma once
// The widgets a person types into or ticks: a check box with a grey state and a text box
// with an optional character limit.

#include "platform/pages/PageWidget.h"

namespace quelta {

class CheckBox : public PageWidget {
public:
    enum State : std::int16_t { kUnchecked = 0, kChecked = 1, kGrayed = 2 };
    using PageWidget::PageWidget;

    std::int16_t state() const { return state_; }
    // Sets 0, 1 or 2 and reports a click when the state changes; any other value raises
    // error 380 and keeps the state.
    void setState(std::int32_t state);

    Variant value() const override { return Variant(std::int16_t{state_}); }
    void operate(const Variant& value) override { setState(value.toLong()); }

private:
    std::int16_t state_ = kUnchecked;
};

struct TextBoxStyle {
    bool multiLine = false;
    bool horizontalScrollBar = false;
    bool verticalScrollBar = false;
    // At most this many UTF-16 code units; 0 for no limit.
    std::size_t maxLength = 0;
};

class TextBox : public PageWidget {
public:
    TextBox(WidgetLayout layout, TextBoxStyle style)
        : PageWidget(std::move(layout)), style_(style) {}

    const TextBoxStyle& style() const { return style_; }
    const String& text() const { return text_; }
    // Replaces the text, cut to the character limit as the box cuts typing and assigned text
    // alike (never inside a surrogate pair), and reports an edit when it differs.
    void setText(StringView text);

    Variant value() const override { return Variant(text_); }
    void operate(const Variant& value) override { setText(value.toString()); }

private:
    TextBoxStyle style_;
    String text_;
};

}  // namespace quelta
