#include "terminal/CellTextMeasurer.h"

#include "terminal/CellWidth.h"

namespace quelta::terminal {

double CellTextMeasurer::textWidth(const Font&, StringView text) const {
    return cellWidth(text) * scale_.twipsPerColumn;
}

double CellTextMeasurer::lineHeight(const Font&) const {
    return scale_.twipsPerRow;
}

}  // namespace quelta::terminal
