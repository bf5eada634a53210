#include "qt/FieldInputMethod.h"

#include <QWidget>

#include "control/Enumerations.h"
#include "platform/editbox/EditBox.h"
#include "qt/FieldGeometry.h"

namespace quelta::qt {
namespace {

struct DateParts {
    bool date = false;
    bool time = false;
};

// The parts a date format shows: a named format by its name, a pattern by its letters (an
// 'm' may be a month or a minute and decides nothing). No format shows both.
DateParts datePartsOf(const QString& format) {
    const QString lower = format.toLower();
    if (lower.trimmed().isEmpty() || lower == QLatin1String("general date")) return {true, true};
    if (lower.endsWith(QLatin1String(" date"))) return {true, false};
    if (lower.endsWith(QLatin1String(" time"))) return {false, true};
    DateParts parts;
    bool quoted = false;
    for (const QChar c : lower) {
        if (c == QLatin1Char('"')) quoted = !quoted;
        if (quoted) continue;
        if (c == QLatin1Char('d') || c == QLatin1Char('y') || c == QLatin1Char('w') ||
            c == QLatin1Char('q'))
            parts.date = true;
        if (c == QLatin1Char('h') || c == QLatin1Char('n') || c == QLatin1Char('s'))
            parts.time = true;
    }
    if (!parts.date && !parts.time) return {true, true};
    return parts;
}

}  // namespace

Qt::InputMethodHints inputMethodHints(const InputFacts& facts) {
    Qt::InputMethodHints hints;
    if (facts.masked)
        hints |= Qt::ImhHiddenText | Qt::ImhSensitiveData | Qt::ImhNoPredictiveText |
                 Qt::ImhNoAutoUppercase;
    switch (facts.dataType) {
        case qltaUpperCase:
            return hints | Qt::ImhUppercaseOnly;
        case qltaLowerCase:
            return hints | Qt::ImhLowercaseOnly;
        case qltaBoolean:
            return hints | Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase;
        case qltaNumeric:
            return hints |
                   (facts.scaleDigits == 0 ? Qt::ImhDigitsOnly : Qt::ImhFormattedNumbersOnly);
        case qltaSignedNumeric:
            return hints | Qt::ImhFormattedNumbersOnly;
        case qltaDateTime: {
            const DateParts parts = datePartsOf(facts.format);
            hints |= Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText;
            if (parts.date) hints |= Qt::ImhDate;
            if (parts.time) hints |= Qt::ImhTime;
            return hints;
        }
        default:
            return hints;
    }
}

QVariant fieldInputMethodQuery(Qt::InputMethodQuery query, const QWidget& widget, EditBox& box,
                               const Label& frameLabel, const InputFacts& facts) {
    const std::int32_t caret = box.caret();
    const std::int32_t start = box.selStart();
    const std::int32_t end = start + box.selLength();
    switch (query) {
        case Qt::ImEnabled:
            return true;
        case Qt::ImHints:
            return static_cast<int>(inputMethodHints(facts));
        case Qt::ImCursorRectangle:
            return caretRect(shownField(widget, box, frameLabel, facts.singleLine));
        case Qt::ImFont:
            return shownField(widget, box, frameLabel, facts.singleLine).font;
        case Qt::ImSurroundingText:
            return QString::fromStdU16String(box.displayText());
        case Qt::ImCursorPosition:
            return caret;
        case Qt::ImAnchorPosition:
            return caret == start ? end : start;
        case Qt::ImCurrentSelection:
            return facts.masked ? QString() : QString::fromStdU16String(box.selText());
        case Qt::ImMaximumTextLength:
            return box.maxLength() > 0 ? QVariant(box.maxLength()) : QVariant();
        case Qt::ImReadOnly:
            return isTrue(box.locked());
        default:
            return {};
    }
}

}  // namespace quelta::qt
