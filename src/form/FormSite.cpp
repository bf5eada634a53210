#include "form/FormSite.h"

namespace quelta {

FormSite::FormSite(WindowHandle formWindow, String name, std::int16_t tabIndex,
                   const bool& userMode)
    : RecordingContainer(formWindow), userMode_(userMode), name_(name) {
    defineExtenderProperty(u"Name", Variant(std::move(name)));
    defineExtenderProperty(u"TabIndex", Variant(tabIndex));
}

void FormSite::raiseEvent(std::int32_t dispid, std::span<Variant> arguments) {
    if (listener_) listener_->siteEvent(name_, dispid, arguments);
}

void FormSite::propertyChanged(StringView name) {
    if (listener_) listener_->siteChanged(name_, name);
}

}  // namespace quelta
