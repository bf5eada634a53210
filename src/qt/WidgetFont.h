#pragma once
// A field's font follows its widget's QWidget::font() (the application's, a parent's, a
// style sheet's) until the control's Font is set to something else: then the control's
// choice stands, as a form's design does. The control measures and the widget draws in the
// same font either way, since the widget's font is written into the control's.

#include <QFont>
#include <optional>

#include "platform/fonts/Font.h"

namespace quelta {
class Quelta;
}

namespace quelta::qt {

// The platform font for a Qt font: family, size in points, weight, italic, underline and
// strikethrough; a size Qt gives in pixels only is converted at the screen's resolution.
Font platformFont(const QFont& font);

class WidgetFont {
public:
    // Writes `font` into the control's Font unless the control's Font was set since the
    // last call (or, the first time, differs from the platform's default font).
    void follow(Quelta& control, const QFont& font);

private:
    std::optional<Font> written_;
};

}  // namespace quelta::qt
