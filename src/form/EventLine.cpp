#include "form/EventLine.h"

#include <string>

#include "api/TypeLibrary.h"
#include "form/EscapedText.h"
#include "platform/runtime/PrintedText.h"

namespace quelta {
namespace {

String escapedName(StringView control) {
    return fromUtf8(escapedText(toUtf8(control)));
}

String argumentText(const Variant& value) {
    if (value.type() == VariantType::Object) return value.toObject() ? u"Object" : u"Nothing";
    return printedText(value);
}

}  // namespace

String eventLine(StringView control, std::int32_t dispid, std::span<const Variant> arguments) {
    const EventInfo* info = eventByDispatchId(dispid);
    String line = u"event " + escapedName(control) + u"." +
                  fromUtf8(info ? std::string(info->name) : std::to_string(dispid));
    for (const Variant& argument : arguments)
        line += u" " + argumentText(argument);
    return line;
}

String changeLine(StringView control, StringView property) {
    return u"changed " + escapedName(control) + u"." + String(property);
}

}  // namespace quelta
