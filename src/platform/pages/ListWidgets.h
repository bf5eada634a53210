#pragma once
// The list widgets: a drop-down list that only selects, and an editable combo box whose
// text is free or taken from its list.

#include <vector>

#include "platform/pages/PageWidget.h"

namespace quelta {

class DropDownList : public PageWidget {
public:
    DropDownList(WidgetLayout layout, std::vector<String> entries)
        : PageWidget(std::move(layout)), entries_(std::move(entries)) {}

    const std::vector<String>& entries() const { return entries_; }
    // The selected position, -1 for none.
    int listIndex() const { return listIndex_; }
    // Selects a position (-1 clears the selection) and reports a click. A position outside
    // the list raises error 380 and keeps the selection.
    void setListIndex(int position);

    Variant value() const override { return Variant(std::int32_t{listIndex_}); }
    void operate(const Variant& value) override { setListIndex(value.toLong()); }

private:
    std::vector<String> entries_;
    int listIndex_ = -1;
};

class ComboBox : public PageWidget {
public:
    ComboBox(WidgetLayout layout, std::vector<String> entries)
        : PageWidget(std::move(layout)), entries_(std::move(entries)) {}

    const std::vector<String>& entries() const { return entries_; }
    const String& text() const { return text_; }
    // Replaces the text and reports an edit when it differs.
    void setText(StringView text);
    // Puts a list entry into the text; a position outside the list raises error 380.
    void choose(int position);

    Variant value() const override { return Variant(text_); }
    void operate(const Variant& value) override { setText(value.toString()); }

private:
    std::vector<String> entries_;
    String text_;
};

}  // namespace quelta
