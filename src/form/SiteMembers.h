#pragma once
// What a form keeps of a control besides the control itself: its place and size in twips
// and its tooltip. They belong to the site, not to the control, yet a script or a designer
// names them as members of the control, as a form's code does (txtPrice.Left).

#include <optional>

#include "form/FormSite.h"

namespace quelta {

// Whether `name` is a site member (Left, Top, Width, Height, ToolTipText; any letter case).
bool isSiteMember(StringView name);

// The value of a site member (Left, Top, Width, Height, ToolTipText; any letter case), or
// nullopt when `name` is not one, so that the caller asks the control instead.
std::optional<Variant> siteMember(const FormSite& site, StringView name);

// Writes a site member; false when `name` is not one. A length that is not a finite
// number, or a negative size, is error 380; a value that does not convert, error 13.
bool setSiteMember(FormSite& site, StringView name, const Variant& value);

}  // namespace quelta
