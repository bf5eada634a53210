#pragma once
// What the designer draws for a dialog (a property page in its frame, the About box): a
// plain value, like FieldView, in screen cells. Each widget is laid out at its twips
// position scaled to cells, and its rows are already the text the cells show, so that a
// painter only copies them and tests read them as a person reads the screen.

#include <optional>
#include <vector>

#include "platform/pages/DialogForm.h"
#include "terminal/FieldView.h"

namespace quelta::terminal {

struct WidgetView {
    enum class Kind { Label, Field, CheckBox, Button, Image };
    Kind kind = Kind::Label;
    String name;
    CellRect rect;
    std::vector<String> rows;  // rect.height rows of exactly rect.width cells
    bool focused = false;
    bool enabled = true;
    bool operator==(const WidgetView&) const = default;
};

struct DialogView {
    String title;
    CellRect frame;            // the dialog's border; everything else lies inside it
    std::vector<String> tabs;  // the page captions of a property dialog; empty otherwise
    int activeTab = 0;
    std::vector<WidgetView> widgets;
    String message;  // what went wrong last, shown in the dialog's bottom row
    std::optional<CellPoint> caret;
    bool operator==(const DialogView&) const = default;
};

// Dialogs are laid out for the platform's small dialog font, about 90 twips a character;
// drawn at a form's coarser scale their captions would not fit before the next widget.
inline constexpr CellScale kDialogScale{90, 240};

struct PlacedWidgets {
    std::vector<WidgetView> views;
    std::optional<CellPoint> caret;  // in the focused text or combo box
};

// The widgets of a page or a dialog, in tab order, placed from the client area's corner
// `origin`. A label or check box whose caption does not fit its box takes the cells up to
// the next widget on its right, as its text would spill there on a form. `caret` is where
// the caret stands in the text of the focused text or combo box (nullopt: after its text);
// the box shows the part of its text around it.
PlacedWidgets placeWidgets(const WidgetSet& widgets, const CellScale& scale, CellPoint origin,
                           const PageWidget* focused,
                           std::optional<std::size_t> caret = std::nullopt);

// A caption as shown: the access key's "&" dropped, "&&" shown as "&".
String shownCaption(StringView caption);

// `text` cut or padded with spaces to exactly `cells` cells.
String fitted(StringView text, int cells);

// The frame around a client area of `columns` x `rows` cells whose corner is `origin`,
// widened to hold every widget.
CellRect frameAround(CellPoint origin, int columns, int rows,
                     const std::vector<WidgetView>& widgets);

// A dialog form (the About box) with the focus on `focused`.
DialogView dialogView(const DialogForm& dialog, const CellScale& scale, const PageWidget* focused);

}  // namespace quelta::terminal
