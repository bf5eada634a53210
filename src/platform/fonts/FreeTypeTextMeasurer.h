#pragma once
// The default text measurer: glyph advances of the face that fontconfig resolves for the
// font's name, weight and slant, read with FreeType.
//
// Measurements are exact and independent of any screen: advances and kerning are read
// unhinted in the face's design units and scaled by the font's size in twips per em
// (1 point = 20 twips), so a width is the sum of the linear advances, in fractional twips.
// Hinting and pixel rounding are left to whoever draws.
//
// Faces and advances are cached per thread, without locks: the edit box measures on every
// keystroke of a word-wrapped box. Since advances in design units do not depend on the size,
// one cache per face serves every size. Any instance may be used on any thread.

#include "platform/fonts/TextMeasurer.h"

namespace quelta {

class FreeTypeTextMeasurer : public TextMeasurer {
public:
    // Underline and strikethrough do not change the width. A character the face lacks
    // measures as the face's replacement glyph. When no font file can be found or loaded
    // at all, every UTF-16 code unit measures half an em and a line 1.2 em, so that layout
    // still works.
    double textWidth(const Font& font, StringView text) const override;
    // The face's line spacing (ascender, descender and line gap).
    double lineHeight(const Font& font) const override;
};

}  // namespace quelta
