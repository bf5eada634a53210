#pragma once
// Text measurement: one platform service that the control's text width, the edit box's
// word wrap and its hit-testing all use, so that they agree. A host may replace it for its
// thread (the terminal host measures in character cells).

#include <memory>

#include "platform/String.h"

namespace quelta {

class Font;

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // Width of the text on one line, in twips.
    virtual double textWidth(const Font& font, StringView text) const = 0;
    // Height of one line of text, in twips.
    virtual double lineHeight(const Font& font) const = 0;
};

// The current thread's measurer: the one a host set, otherwise the default, which measures
// the glyph advances of the face that the font name resolves to.
const TextMeasurer& textMeasurer();
void setTextMeasurer(std::shared_ptr<const TextMeasurer> measurer);  // null restores default

// The screen's twips per pixel (15 unless a host says otherwise), per thread.
double twipsPerPixelX();
double twipsPerPixelY();
void setTwipsPerPixel(double x, double y);

}  // namespace quelta
