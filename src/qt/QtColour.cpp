#include "qt/QtColour.h"

namespace quelta::qt {
namespace {

constexpr std::uint32_t kSystemBit = 0x80000000;

QPalette::ColorRole systemRole(std::uint32_t index) {
    switch (index) {
        case 0x05:  // window background
            return QPalette::Base;
        case 0x08:  // window text
            return QPalette::Text;
        case 0x0D:  // highlight
            return QPalette::Highlight;
        case 0x0E:  // highlighted text
            return QPalette::HighlightedText;
        case 0x0F:  // button face
            return QPalette::Button;
        case 0x12:  // button text
            return QPalette::ButtonText;
        case 0x10:  // button shadow
            return QPalette::Dark;
        case 0x14:  // button highlight
            return QPalette::Light;
        case 0x17:  // tooltip text
            return QPalette::ToolTipText;
        case 0x18:  // tooltip background
            return QPalette::ToolTipBase;
        default:
            return QPalette::Window;
    }
}

}  // namespace

QColor qtColour(std::uint32_t colour, const QPalette& palette) {
    if ((colour & kSystemBit) != 0) {
        if ((colour & 0xFF) == 0x11) return palette.color(QPalette::Disabled, QPalette::Text);
        return palette.color(systemRole(colour & 0xFF));
    }
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace quelta::qt
