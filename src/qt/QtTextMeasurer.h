#pragma once
// The text measurer of the Qt widget: widths and line heights from Qt's font metrics of
// the control's font, so that the edit box wraps, places the caret and hit-tests exactly
// where Qt draws the text. Kerning is off in the fonts it makes, so that the width of a
// run is the sum of its characters' widths, as the edit box adds them up.

#include <QFont>
#include <QFontMetricsF>
#include <optional>

#include "platform/fonts/Font.h"
#include "platform/fonts/TextMeasurer.h"

namespace quelta::qt {

// The Qt font for a platform font: same name (Qt's font matching substitutes a face it
// does not have), size, weight, italic, underline and strikethrough.
QFont qtFont(const Font& font);

class QtTextMeasurer : public TextMeasurer {
public:
    double textWidth(const Font& font, StringView text) const override;
    double lineHeight(const Font& font) const override;

    // The metrics of a font, kept for the last font attributes asked about.
    const QFontMetricsF& metrics(const Font& font) const;

private:
    struct Cached {
        Font attributes;
        QFontMetricsF metrics;
    };
    mutable std::optional<Cached> cached_;
};

}  // namespace quelta::qt
