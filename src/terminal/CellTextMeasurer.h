#pragma once
// The text measurer of the terminal host: every character is as wide as the cells the
// terminal gives it, every line one row, whatever the font. With it the edit box wraps
// lines and places the caret exactly where the host draws the text.

#include "platform/fonts/TextMeasurer.h"
#include "terminal/CellScale.h"

namespace quelta::terminal {

class CellTextMeasurer : public TextMeasurer {
public:
    explicit CellTextMeasurer(CellScale scale) : scale_(scale) {}
    double textWidth(const Font& font, StringView text) const override;
    double lineHeight(const Font& font) const override;

private:
    CellScale scale_;
};

}  // namespace quelta::terminal
