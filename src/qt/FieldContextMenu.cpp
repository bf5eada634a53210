#include "qt/FieldContextMenu.h"

#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>

#include "platform/editbox/EditBox.h"
#include "platform/window/Clipboard.h"
#include "qt/FieldWidgetPrivate.h"

namespace quelta::qt {
namespace {

struct Entry {
    EditEntry entry;
    const char* label;  // with its mnemonic, as Qt's line edit names it
    QKeySequence::StandardKey shortcut;
};

constexpr Entry kEntries[] = {
    {EditEntry::Undo, QT_TRANSLATE_NOOP("QLineEdit", "&Undo"), QKeySequence::Undo},
    {EditEntry::Redo, QT_TRANSLATE_NOOP("QLineEdit", "&Redo"), QKeySequence::Redo},
    {EditEntry::Cut, QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"), QKeySequence::Cut},
    {EditEntry::Copy, QT_TRANSLATE_NOOP("QLineEdit", "&Copy"), QKeySequence::Copy},
    {EditEntry::Paste, QT_TRANSLATE_NOOP("QLineEdit", "&Paste"), QKeySequence::Paste},
    {EditEntry::Delete, QT_TRANSLATE_NOOP("QLineEdit", "Delete"), QKeySequence::UnknownKey},
    {EditEntry::SelectAll, QT_TRANSLATE_NOOP("QLineEdit", "Select All"), QKeySequence::SelectAll},
};

void act(FieldWidget& field, EditEntry entry) {
    switch (entry) {
        case EditEntry::Undo:
            return field.undo();
        case EditEntry::Redo:
            return field.redo();
        case EditEntry::Cut:
            return field.cut();
        case EditEntry::Copy:
            return field.copy();
        case EditEntry::Paste:
            return field.paste();
        case EditEntry::Delete:
            return FieldWidgetPrivate::of(field).edit(EditCommand::DeleteForward);
        case EditEntry::SelectAll:
            return field.selectAll();
    }
}

}  // namespace

EditState editStateOf(const EditBox& box, bool canRedo) {
    const auto length = static_cast<std::int32_t>(box.text().size());
    return {.canUndo = box.canUndo(),
            .canRedo = canRedo,
            .selection = box.selLength() > 0,
            .editable = !isTrue(box.locked()),
            .masked = box.isMasked(),
            .clipboardHasText = clipboardHasText(),
            .allSelected = box.selLength() == length};
}

bool entryEnabled(EditEntry entry, const EditState& state) {
    switch (entry) {
        case EditEntry::Undo:
            return state.canUndo && state.editable;
        case EditEntry::Redo:
            return state.canRedo && state.editable;
        case EditEntry::Cut:
            return state.selection && state.editable && !state.masked;
        case EditEntry::Copy:
            return state.selection && !state.masked;
        case EditEntry::Paste:
            return state.clipboardHasText && state.editable;
        case EditEntry::Delete:
            return state.selection && state.editable;
        case EditEntry::SelectAll:
            return !state.allSelected;
    }
    return false;
}

std::unique_ptr<QMenu> fieldContextMenu(FieldWidget& field) {
    FieldWidgetPrivate& inside = FieldWidgetPrivate::of(field);
    const EditBox* box = inside.liveBox();
    if (box == nullptr) return nullptr;
    auto menu = std::make_unique<QMenu>(&field);
    menu->setObjectName(QStringLiteral("quelta_edit_menu"));
    const EditState state = editStateOf(*box, inside.canRedo());
    QPointer<FieldWidget> target(&field);
    for (const Entry& entry : kEntries) {
        if (entry.entry == EditEntry::Cut || entry.entry == EditEntry::SelectAll)
            menu->addSeparator();
        QAction* action = menu->addAction(QApplication::translate("QLineEdit", entry.label));
        if (entry.shortcut != QKeySequence::UnknownKey)
            action->setShortcut(QKeySequence(entry.shortcut));
        action->setEnabled(entryEnabled(entry.entry, state));
        QObject::connect(action, &QAction::triggered, &field, [target, which = entry.entry] {
            if (target) act(*target, which);
        });
    }
    return menu;
}

void execFieldContextMenu(FieldWidget& field, QPoint at) {
    // The field's child: should an entry's handlers close the field, the menu goes with it.
    const QPointer<QMenu> menu = fieldContextMenu(field).release();
    if (menu.isNull()) return;
    menu->exec(at);
    delete menu.data();
}

}  // namespace quelta::qt
