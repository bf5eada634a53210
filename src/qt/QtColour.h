#pragma once
// The platform's colours in Qt: an RGB value (0x00BBGGRR) is that colour; a system colour
// (high bit set, the index in the low byte) is the palette's colour of the same role, so
// that the control follows the application's style.

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace quelta::qt {

QColor qtColour(std::uint32_t colour, const QPalette& palette);

}  // namespace quelta::qt
