#pragma once
// What a screen reader learns of a field: an editable text whose text interface gives what
// the field shows (the formatted value without the focus, the entry while typing; a
// password masked) with the caret and selection, and whose value interface gives the raw
// value, the control's Value. The states say focused, read-only while Locked, and
// disabled. The widget tells the reader when the text or the caret changes.

#include <QAccessibleWidget>
#include <functional>

#include "qt/FieldGeometry.h"

namespace quelta {
class EditBox;
class Label;
}  // namespace quelta

namespace quelta::qt {

// What the interface reads a field through, so that it holds no reference a rebuild of the
// control could leave behind.
struct AccessibleSource {
    std::function<EditBox*()> box;  // the live box; null while there is none
    // Where the box's characters stand; called only while there is a box.
    std::function<ShownField()> shown;
    std::function<QVariant()> value;  // the raw value, typed as the field's `value`
};

class FieldAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleValueInterface {
public:
    FieldAccessible(QWidget* widget, AccessibleSource source);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;

    // Text.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // Value.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }

private:
    QString shownText() const;

    AccessibleSource source_;
};

// Installs the factory that makes the interface for every FieldWidget; once per process.
void installFieldAccessibility();

// Tells an active screen reader that the field's text, or only its caret, changed.
void announceTextChange(QWidget& widget);
void announceCaret(QWidget& widget, int position);

}  // namespace quelta::qt
