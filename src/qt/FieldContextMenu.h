#pragma once
// A field's standard context menu: Undo, Redo, Cut, Copy, Paste, Delete and Select All,
// each enabled as the edit box's state allows. An entry acts as the field's edit slot of
// the same name (Delete as the Delete key), so that it goes through the platform's edit box
// and is refused as the key would be: nothing changes in a locked field, and a password's
// characters never reach the clipboard.

#include <QPoint>
#include <memory>

class QMenu;

namespace quelta {
class EditBox;
}

namespace quelta::qt {

class FieldWidget;

enum class EditEntry { Undo, Redo, Cut, Copy, Paste, Delete, SelectAll };

struct EditState {
    bool canUndo = false;
    bool canRedo = false;  // the last change was an undo
    bool selection = false;
    bool editable = true;  // not Locked
    bool masked = false;   // a password's characters never leave the box
    bool clipboardHasText = false;
    bool allSelected = false;  // nothing left to select (an empty text included)
};

EditState editStateOf(const EditBox& box, bool canRedo);
bool entryEnabled(EditEntry entry, const EditState& state);

// The menu for the box the field shows, a child of the field; null while it shows none.
std::unique_ptr<QMenu> fieldContextMenu(FieldWidget& field);
// Shows that menu at a global position until it closes.
void execFieldContextMenu(FieldWidget& field, QPoint at);

}  // namespace quelta::qt
