#include "qt/WidgetFont.h"

#include <QFontInfo>
#include <algorithm>

#include "control/Quelta.h"
#include "platform/AutomationError.h"

namespace quelta::qt {
namespace {

constexpr float kSmallestPoints = 1;
constexpr float kLargestPoints = 2160;

}  // namespace

Font platformFont(const QFont& font) {
    const QString family = font.family().isEmpty() ? QFontInfo(font).family() : font.family();
    double points = font.pointSizeF();
    if (points <= 0) points = QFontInfo(font).pointSizeF();
    Font made(family.isEmpty() ? Font().name() : family.toStdU16String(),
              std::clamp(static_cast<float>(points), kSmallestPoints, kLargestPoints));
    made.setWeight(static_cast<std::int16_t>(std::clamp(static_cast<int>(font.weight()), 1, 1000)));
    made.setItalic(font.italic());
    made.setUnderline(font.underline());
    made.setStrikethrough(font.strikeOut());
    return made;
}

void WidgetFont::follow(Quelta& control, const QFont& font) {
    const auto current = std::dynamic_pointer_cast<Font>(control.Font());
    if (!current) return;
    const Font& untouched = written_ ? *written_ : Font();
    if (!current->sameAttributes(untouched)) return;  // the control's own choice
    Font wanted = platformFont(font);
    if (current->sameAttributes(wanted)) {
        written_ = wanted;
        return;
    }
    try {
        control.setFont(std::make_shared<Font>(wanted));
        written_ = wanted;
    } catch (const AutomationError&) {
        // A font the control refuses leaves its own; it is no longer followed.
    }
}

}  // namespace quelta::qt
