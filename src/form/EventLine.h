#pragma once
// The line that reports one event or property change of a control on a form, as the
// script host echoes it and the event panes show it:
//
//   event txtQty.KeyPress 49
//   changed txtQty.Text
//
// Arguments print as CStr prints them, an object as Object (Nothing when it is empty). The
// control's name is the host's, so it is escaped: a control character in it could garble
// the terminal.

#include <cstdint>
#include <span>

#include "platform/String.h"
#include "platform/runtime/Variant.h"

namespace quelta {

String eventLine(StringView control, std::int32_t dispid, std::span<const Variant> arguments);
String changeLine(StringView control, StringView property);

}  // namespace quelta
