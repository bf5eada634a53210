#include "qt/QtTextMeasurer.h"

#include <algorithm>

namespace quelta::qt {

QFont qtFont(const Font& font) {
    QFont made(QString::fromStdU16String(font.name()));
    made.setPointSizeF(font.size());
    made.setWeight(static_cast<QFont::Weight>(std::clamp<int>(font.weight(), 1, 1000)));
    made.setItalic(font.italic());
    made.setUnderline(font.underline());
    made.setStrikeOut(font.strikethrough());
    made.setKerning(false);
    return made;
}

const QFontMetricsF& QtTextMeasurer::metrics(const Font& font) const {
    if (!cached_ || !cached_->attributes.sameAttributes(font))
        cached_.emplace(Cached{font, QFontMetricsF(qtFont(font))});
    return cached_->metrics;
}

double QtTextMeasurer::textWidth(const Font& font, StringView text) const {
    const QString shown = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
    return metrics(font).horizontalAdvance(shown) * twipsPerPixelX();
}

double QtTextMeasurer::lineHeight(const Font& font) const {
    return metrics(font).height() * twipsPerPixelY();
}

}  // namespace quelta::qt
