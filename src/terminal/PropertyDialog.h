#pragma once
// The designer's property dialog: the control's two pages ("General", "Text") as tabs of
// one dialog with OK, Apply and Cancel, operated with keys as a person would:
//
//   Tab, Shift+Tab       the next / previous widget (Up and Down too, outside lists)
//   PgDn, PgUp           the next / previous page
//   Up, Down             choose in a list or combo box
//   typing, editing keys edit a text box or the combo box's text as an edit box does
//                        (terminal/TextEntry.h); a letter in a list chooses the next
//                        entry that starts with it
//   Space                tick a check box, press a button
//   Enter                press the focused button, a new line in a multi-line text box,
//                        otherwise OK
//   Esc                  Cancel
//   a click              focus the widget; tick a check box, press a button
//
// Each page has its own frame, so changes on both pages wait for Apply or OK, and each
// page writes through to the control by property name as it does anywhere else. An error
// the control raises stops the apply, stays in the dialog's message and keeps it open.

#include <array>
#include <memory>
#include <optional>

#include "control/Quelta.h"
#include "platform/pages/PropertyPageFrame.h"
#include "terminal/DesignKeys.h"
#include "terminal/DialogView.h"
#include "terminal/TextEntry.h"

namespace quelta::terminal {

class PropertyDialog {
public:
    // Opens both pages on `control`; the error of a page that cannot show the control
    // reaches the caller, and no dialog opens.
    PropertyDialog(Quelta& control, String controlName);
    PropertyDialog(const PropertyDialog&) = delete;
    PropertyDialog& operator=(const PropertyDialog&) = delete;

    // False once OK or Cancel closed the dialog.
    bool press(const DesignKey& key);
    // A click focuses the widget under it, ticks a check box and presses a button; false
    // once that closed the dialog.
    bool click(CellPoint at);
    // Whether an Apply or OK wrote into the control.
    bool applied() const { return applied_; }

    DialogView view(const CellScale& scale) const;

    // The focusable items: the page's widgets that a person operates, then the buttons.
    enum class Button { None, Ok, Apply, Cancel };

private:
    struct Tab {
        PropertyPageFrame frame;
        std::unique_ptr<PropertyPage> page;
    };

    std::vector<PageWidget*> focusable() const;
    int itemCount() const { return static_cast<int>(focusable().size()) + 3; }
    PageWidget* focusedWidget() const;
    Button focusedButton() const;
    void moveFocus(int step);
    void switchTab(int step);
    bool pressButton(Button button);
    bool apply();
    void refill();
    bool operate(PageWidget& widget, const DesignKey& key);
    TextEntry& entryFor(const PageWidget& widget, const String& text, bool multiLine);
    template <typename Widget>
    bool edit(Widget& widget, const DesignKey& key, bool multiLine);
    std::optional<std::size_t> focusedCaret() const;

    std::shared_ptr<LateBoundObject> control_;
    String name_;
    std::array<Tab, 2> tabs_;
    int active_ = 0;
    int focus_ = 0;
    bool applied_ = false;
    String message_;
    std::optional<TextEntry> entry_;
    const PageWidget* entryWidget_ = nullptr;
};

}  // namespace quelta::terminal
