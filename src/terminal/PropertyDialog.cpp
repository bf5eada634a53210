#include "terminal/PropertyDialog.h"

#include <algorithm>
#include <string>

#include "api/LateBoundControl.h"
#include "design/pagMainPage.h"
#include "design/pagTextPage.h"
#include "platform/AutomationError.h"
#include "platform/pages/InputWidgets.h"
#include "platform/pages/ListWidgets.h"
#include "platform/pages/StaticWidgets.h"
#include "terminal/CellWidth.h"

namespace quelta::terminal {
namespace {

using Kind = DesignKey::Kind;
using Button = PropertyDialog::Button;

struct ButtonPlace {
    Button button;
    const char16_t* caption;
};
constexpr std::array<ButtonPlace, 3> kButtons = {
    ButtonPlace{Button::Ok, u"OK"}, {Button::Apply, u"Apply"}, {Button::Cancel, u"Cancel"}};

bool operable(const PageWidget& widget) {
    return !dynamic_cast<const PageLabel*>(&widget) && !dynamic_cast<const ImageBox*>(&widget);
}

char16_t folded(char32_t character) {
    return character < 0x80 ? asciiLower(static_cast<char16_t>(character)) : 0;
}

// The next entry after `from` (wrapping) whose first letter is `character`, or -1.
int entryStartingWith(const std::vector<String>& entries, int from, char32_t character) {
    const int count = static_cast<int>(entries.size());
    const char16_t wanted = folded(character);
    if (wanted == 0) return -1;
    for (int step = 1; step <= count; ++step) {
        const int at = ((from + step) % count + count) % count;
        const String& entry = entries[static_cast<std::size_t>(at)];
        if (!entry.empty() && asciiLower(entry.front()) == wanted) return at;
    }
    return -1;
}

int stepped(int position, int step, int count) {
    return std::clamp(position + step, 0, count - 1);
}

bool operateList(DropDownList& list, const DesignKey& key) {
    const int count = static_cast<int>(list.entries().size());
    if (count == 0) return false;
    if (key.kind == Kind::Up || key.kind == Kind::Down) {
        const int step = key.kind == Kind::Up ? -1 : 1;
        list.setListIndex(list.listIndex() < 0 ? 0 : stepped(list.listIndex(), step, count));
        return true;
    }
    if (key.kind != Kind::Character) return false;
    const int at = entryStartingWith(list.entries(), list.listIndex(), key.character);
    if (at >= 0) list.setListIndex(at);
    return true;
}

bool chooseInCombo(ComboBox& combo, const DesignKey& key) {
    const auto& entries = combo.entries();
    if ((key.kind != Kind::Up && key.kind != Kind::Down) || entries.empty()) return false;
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const String& entry) {
        return equalsIgnoringAsciiCase(entry, combo.text());
    });
    const int step = key.kind == Kind::Up ? -1 : 1;
    combo.choose(found == entries.end() ? 0
                                        : stepped(static_cast<int>(found - entries.begin()), step,
                                                  static_cast<int>(entries.size())));
    return true;
}

}  // namespace

PropertyDialog::PropertyDialog(Quelta& control, String controlName)
    : control_(std::make_shared<LateBoundControl>(control)), name_(std::move(controlName)) {
    tabs_[0].page = std::make_unique<pagMainPage>(tabs_[0].frame);
    tabs_[1].page = std::make_unique<pagTextPage>(tabs_[1].frame);
    for (Tab& tab : tabs_)
        tab.frame.open(*tab.page, {control_});
}

std::vector<PageWidget*> PropertyDialog::focusable() const {
    std::vector<PageWidget*> widgets =
        tabs_[static_cast<std::size_t>(active_)].page->widgets().inTabOrder();
    std::erase_if(widgets, [](const PageWidget* widget) { return !operable(*widget); });
    return widgets;
}

PageWidget* PropertyDialog::focusedWidget() const {
    const std::vector<PageWidget*> widgets = focusable();
    return focus_ < static_cast<int>(widgets.size()) ? widgets[static_cast<std::size_t>(focus_)]
                                                     : nullptr;
}

Button PropertyDialog::focusedButton() const {
    const int index = focus_ - static_cast<int>(focusable().size());
    return index >= 0 && index < 3 ? kButtons[static_cast<std::size_t>(index)].button
                                   : Button::None;
}

// Apply is offered only while a page has changes; the focus passes over it otherwise.
void PropertyDialog::moveFocus(int step) {
    const int count = itemCount();
    const bool changed = tabs_[0].frame.changed() || tabs_[1].frame.changed();
    do {
        focus_ = ((focus_ + step) % count + count) % count;
    } while (!changed && focusedButton() == Button::Apply);
}

void PropertyDialog::switchTab(int step) {
    active_ = ((active_ + step) % 2 + 2) % 2;
    focus_ = 0;
}

bool PropertyDialog::apply() {
    for (Tab& tab : tabs_) {
        if (!tab.frame.changed()) continue;
        try {
            tab.frame.apply();
            applied_ = true;
        } catch (const AutomationError& error) {
            message_ = u"Error " + fromUtf8(std::to_string(error.number())) + u": the control " +
                       u"refuses a value of the " + tab.page->caption() + u" page";
            return false;
        }
    }
    message_.clear();
    refill();
    return true;
}

// What the control made of the written values shows on every page after an apply.
void PropertyDialog::refill() {
    for (Tab& tab : tabs_) {
        try {
            tab.frame.open(*tab.page, {control_});
        } catch (const AutomationError& error) {
            message_ = u"Error " + fromUtf8(std::to_string(error.number())) + u": the " +
                       tab.page->caption() + u" page cannot show the control";
        }
    }
}

bool PropertyDialog::pressButton(Button button) {
    switch (button) {
        case Button::Ok:
            return !apply();
        case Button::Apply:
            apply();
            return true;
        case Button::Cancel:
            return false;
        case Button::None:
            break;
    }
    return true;
}

// The entry of the widget whose text is edited, begun afresh when the focus or the text
// moved on without it (a choice in the combo box, the page filled again after Apply).
TextEntry& PropertyDialog::entryFor(const PageWidget& widget, const String& text, bool multiLine) {
    if (!entry_ || entryWidget_ != &widget || entry_->text() != text) {
        entry_ = TextEntry(text, multiLine);
        entryWidget_ = &widget;
    }
    return *entry_;
}

// Edits the text of a text or combo box with the key; false when the key is not the
// entry's.
template <typename Widget>
bool PropertyDialog::edit(Widget& widget, const DesignKey& key, bool multiLine) {
    TextEntry& entry = entryFor(widget, widget.text(), multiLine);
    if (!entry.press(key.key)) return false;
    if (entry.text() != widget.text()) widget.setText(entry.text());
    return true;
}

// The caret of the entry while it edits the focused widget's text as it stands.
std::optional<std::size_t> PropertyDialog::focusedCaret() const {
    const PageWidget* widget = focusedWidget();
    if (!entry_ || widget == nullptr || widget != entryWidget_) return std::nullopt;
    const auto* box = dynamic_cast<const TextBox*>(widget);
    const auto* combo = dynamic_cast<const ComboBox*>(widget);
    const String* text = box ? &box->text() : combo ? &combo->text() : nullptr;
    if (text == nullptr || *text != entry_->text()) return std::nullopt;
    return static_cast<std::size_t>(entry_->caret());
}

bool PropertyDialog::operate(PageWidget& widget, const DesignKey& key) {
    try {
        if (auto* list = dynamic_cast<DropDownList*>(&widget)) return operateList(*list, key);
        if (auto* combo = dynamic_cast<ComboBox*>(&widget))
            return chooseInCombo(*combo, key) || edit(*combo, key, false);
        if (auto* box = dynamic_cast<TextBox*>(&widget))
            return edit(*box, key, box->style().multiLine);
        if (auto* check = dynamic_cast<CheckBox*>(&widget)) {
            if (key.kind != Kind::Character || key.character != U' ') return false;
            check->setState(check->state() == CheckBox::kChecked ? CheckBox::kUnchecked
                                                                 : CheckBox::kChecked);
            return true;
        }
    } catch (const AutomationError& error) {
        message_ = u"Error " + fromUtf8(std::to_string(error.number()));
        return true;
    }
    return false;
}

bool PropertyDialog::press(const DesignKey& key) {
    if (PageWidget* widget = focusedWidget(); widget && operate(*widget, key)) return true;
    switch (key.kind) {
        case Kind::Tab:
        case Kind::Down:
            moveFocus(1);
            return true;
        case Kind::BackTab:
        case Kind::Up:
            moveFocus(-1);
            return true;
        case Kind::PageDown:
            switchTab(1);
            return true;
        case Kind::PageUp:
            switchTab(-1);
            return true;
        case Kind::Escape:
            return false;
        case Kind::Enter:
            return pressButton(focusedButton() == Button::None ? Button::Ok : focusedButton());
        case Kind::Character:
            return key.character != U' ' || pressButton(focusedButton());
        default:
            return true;
    }
}

bool PropertyDialog::click(CellPoint at) {
    const DialogView shown = view(kDialogScale);
    const std::vector<PageWidget*> widgets = focusable();
    for (const WidgetView& widget : shown.widgets) {
        if (!widget.rect.contains(at.row, at.column) || !widget.enabled) continue;
        const auto found = std::find_if(widgets.begin(), widgets.end(),
                                        [&](PageWidget* w) { return w->name() == widget.name; });
        if (found != widgets.end()) {
            focus_ = static_cast<int>(found - widgets.begin());
            if (dynamic_cast<CheckBox*>(*found)) operate(**found, designKeyOf(*typedKey(U' ')));
            return true;
        }
        for (std::size_t i = 0; i < kButtons.size(); ++i) {
            if (widget.kind != WidgetView::Kind::Button || widget.name != kButtons[i].caption)
                continue;
            focus_ = static_cast<int>(widgets.size() + i);
            return pressButton(kButtons[i].button);
        }
    }
    return true;
}

DialogView PropertyDialog::view(const CellScale& scale) const {
    const Tab& tab = tabs_[static_cast<std::size_t>(active_)];
    const CellPoint origin{3, 3};
    PlacedWidgets placed =
        placeWidgets(tab.page->widgets(), scale, origin, focusedWidget(), focusedCaret());
    const int rows = scale.rows(tab.page->height());
    DialogView view;
    view.title = u"Properties of " + name_;
    view.tabs = {tabs_[0].page->caption(), tabs_[1].page->caption()};
    view.activeTab = active_;
    view.frame = frameAround(origin, scale.columns(tab.page->width()), rows + 1, placed.views);
    view.frame.row -= 1;  // the row of the tabs
    view.frame.height += 1;
    view.widgets = std::move(placed.views);
    view.caret = placed.caret;
    view.message = message_;

    // The buttons sit in the last row, right-aligned, a cell apart.
    const bool changed = tabs_[0].frame.changed() || tabs_[1].frame.changed();
    const int row = view.frame.row + view.frame.height - 2;
    int column = view.frame.column + view.frame.width - 1;
    for (const ButtonPlace& button : kButtons)
        column -= cellWidth(button.caption) + 5;
    for (const ButtonPlace& button : kButtons) {
        const String caption = String(u"[ ") + button.caption + u" ]";
        const int width = cellWidth(caption);
        view.widgets.push_back({WidgetView::Kind::Button,
                                button.caption,
                                {row, column, width, 1},
                                {caption},
                                focusedButton() == button.button,
                                button.button != Button::Apply || changed});
        column += width + 1;
    }
    return view;
}

}  // namespace quelta::terminal
