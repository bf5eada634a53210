#include "qt/FieldContextMenu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>

#include "platform/editbox/EditBox.h"
#include "platform/window/Clipboard.h"

namespace quelta::qt {
namespace {

struct EntryKey {
    EditEntry entry;
    const char* label;  // with its mnemonic, as Qt's line edit names it
    int key;
    Qt::KeyboardModifiers modifiers;
    QKeySequence::StandardKey shortcut;
};

constexpr EntryKey kEntries[] = {
    {EditEntry::Undo, QT_TRANSLATE_NOOP("QLineEdit", "&Undo"), Qt::Key_Z, Qt::ControlModifier,
     QKeySequence::Undo},
    {EditEntry::Cut, QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"), Qt::Key_X, Qt::ControlModifier,
     QKeySequence::Cut},
    {EditEntry::Copy, QT_TRANSLATE_NOOP("QLineEdit", "&Copy"), Qt::Key_C, Qt::ControlModifier,
     QKeySequence::Copy},
    {EditEntry::Paste, QT_TRANSLATE_NOOP("QLineEdit", "&Paste"), Qt::Key_V, Qt::ControlModifier,
     QKeySequence::Paste},
    {EditEntry::Delete, QT_TRANSLATE_NOOP("QLineEdit", "Delete"), Qt::Key_Delete, Qt::NoModifier,
     QKeySequence::UnknownKey},
    {EditEntry::SelectAll, QT_TRANSLATE_NOOP("QLineEdit", "Select All"), Qt::Key_A,
     Qt::ControlModifier, QKeySequence::SelectAll},
};

// The text a key types on the platform's keyboard: Ctrl+letter its control code.
QString typedText(const EntryKey& key) {
    if (key.modifiers == Qt::NoModifier) return {};
    return QString(QChar(static_cast<char16_t>(key.key - Qt::Key_A + 1)));
}

void sendKey(QWidget& widget, const EntryKey& key) {
    const QString text = typedText(key);
    QKeyEvent press(QEvent::KeyPress, key.key, key.modifiers, text);
    QKeyEvent release(QEvent::KeyRelease, key.key, key.modifiers, text);
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
}

}  // namespace

EditState editStateOf(const EditBox& box) {
    const auto length = static_cast<std::int32_t>(box.text().size());
    return {.canUndo = box.canUndo(),
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

std::unique_ptr<QMenu> fieldContextMenu(QWidget& widget, const EditBox& box) {
    auto menu = std::make_unique<QMenu>(&widget);
    menu->setObjectName(QStringLiteral("quelta_edit_menu"));
    const EditState state = editStateOf(box);
    QPointer<QWidget> target(&widget);
    for (const EntryKey& key : kEntries) {
        if (key.entry == EditEntry::Paste || key.entry == EditEntry::SelectAll)
            menu->addSeparator();
        QAction* action = menu->addAction(QApplication::translate("QLineEdit", key.label));
        if (key.shortcut != QKeySequence::UnknownKey)
            action->setShortcut(QKeySequence(key.shortcut));
        action->setEnabled(entryEnabled(key.entry, state));
        QObject::connect(action, &QAction::triggered, &widget, [target, key] {
            if (target) sendKey(*target, key);
        });
    }
    return menu;
}

void execFieldContextMenu(QWidget& widget, const EditBox* box, QPoint at) {
    if (box == nullptr) return;
    // The widget's child: should an entry's key close the widget, the menu goes with it.
    const QPointer<QMenu> menu = fieldContextMenu(widget, *box).release();
    menu->exec(at);
    delete menu.data();
}

}  // namespace quelta::qt
