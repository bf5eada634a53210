#pragma once
// A field's standard context menu: Undo, Cut, Copy, Paste, Delete and Select All, each
// enabled as the edit box's state allows. An entry acts by sending the widget the key that
// does the same (Ctrl+Z, Ctrl+X, Ctrl+C, Ctrl+V, Delete, Ctrl+A), so that it goes through
// the platform's edit box and the control's keystroke rules exactly as the key would: a
// KeyDown handler sees it, and a refused paste is refused alike.

#include <QPoint>
#include <memory>

class QMenu;
class QWidget;

namespace quelta {
class EditBox;
}

namespace quelta::qt {

enum class EditEntry { Undo, Cut, Copy, Paste, Delete, SelectAll };

struct EditState {
    bool canUndo = false;
    bool selection = false;
    bool editable = true;  // not Locked
    bool masked = false;   // a password's characters never leave the box
    bool clipboardHasText = false;
    bool allSelected = false;  // nothing left to select (an empty text included)
};

EditState editStateOf(const EditBox& box);
bool entryEnabled(EditEntry entry, const EditState& state);

// The menu for the box the widget shows, its entries sending their keys to `widget`.
std::unique_ptr<QMenu> fieldContextMenu(QWidget& widget, const EditBox& box);
// Shows that menu at a global position until it closes.
void execFieldContextMenu(QWidget& widget, const EditBox* box, QPoint at);

}  // namespace quelta::qt
