#pragma once
// The host side of one control: ambient properties, the extender, notifications and
// events, the control's own size, window and enabled state, measurement and scaling. A host
// implements it; the control calls it only on the thread that created it.

#include <cstdint>
#include <functional>
#include <span>

#include "platform/String.h"
#include "platform/fonts/Font.h"
#include "platform/runtime/Variant.h"
#include "platform/window/WindowSystem.h"

namespace quelta {

class ControlContainer {
public:
    virtual ~ControlContainer() = default;

    // Ambient properties, read afresh at each call. UserMode is false in the form designer
    // and true while the application runs.
    virtual bool userMode() const = 0;
    virtual FontRef ambientFont() const = 0;

    // Extender properties by name (case-insensitive), resolved at call time. A name the
    // extender does not have raises error 438.
    virtual Variant extenderProperty(StringView name) const = 0;
    virtual void setExtenderProperty(StringView name, const Variant& value) = 0;

    // Tells the host that a property changed, so that it marks the form as changed.
    virtual void propertyChanged(StringView name) = 0;

    // Raises an event to the host synchronously. The arguments are by reference: when the
    // call returns they hold what the host's handler left in them.
    virtual void raiseEvent(std::int32_t dispid, std::span<Variant> arguments) = 0;

    // The control's own Enabled state; while it is false the control takes no focus.
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;

    // The control's size in twips. Setting a different size raises the control's Resize
    // through the handler the control registered, before setSize returns. A negative or
    // non-finite length raises error 380 and changes nothing.
    virtual float width() const = 0;
    virtual float height() const = 0;
    virtual void setSize(float width, float height) = 0;
    virtual void setResizeHandler(std::function<void()> handler) = 0;

    // The control's own window, valid for the life of the container.
    virtual WindowHandle windowHandle() const = 0;

    // The font the control measures text in; initially the ambient font.
    virtual FontRef drawingFont() const = 0;
    virtual void setDrawingFont(FontRef font) = 0;

    // Width of one line of text in the drawing font, in twips, measured by the thread's
    // text measurer so that it agrees with the edit boxes.
    virtual float textWidth(StringView text) const;

    // A length converted between scale modes (ScaleConversion.h), e.g. from twips (1) to
    // the container's units (9).
    virtual float scaleX(float value, std::int16_t fromMode, std::int16_t toMode) const;
    virtual float scaleY(float value, std::int16_t fromMode, std::int16_t toMode) const;
    // Twips per unit of the container's own scale (modes 9 and 10).
    virtual double containerTwipsPerUnitX() const { return 1; }
    virtual double containerTwipsPerUnitY() const { return 1; }

    // The screen's twips per pixel.
    virtual float twipsPerPixelX() const;
    virtual float twipsPerPixelY() const;

    // The help file the host opens for the control.
    virtual void setHelpFile(const String& path) = 0;

    // Reports an automation error by number; the host supplies the text.
    virtual void reportError(std::int32_t number) = 0;
};

}  // namespace quelta
