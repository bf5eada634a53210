#include "form/EventLog.h"

#include "api/TypeLibrary.h"
#include "platform/runtime/PrintedText.h"

namespace quelta::terminal {

void EventLog::event(const String& control, std::int32_t dispid, std::span<Variant> arguments) {
    const EventInfo* info = eventByDispatchId(dispid);
    String line = u"event " + control + u"." +
                  (info ? fromUtf8(info->name) : fromUtf8(std::to_string(dispid)));
    for (const Variant& argument : arguments) {
        line += u" ";
        line += argument.type() == VariantType::Object ? String(u"Object") : printedText(argument);
    }
    add(std::move(line));
}

void EventLog::change(const String& control, StringView property) {
    add(u"changed " + control + u"." + String(property));
}

void EventLog::add(String line) {
    lines_.push_back(std::move(line));
    if (lines_.size() > kKeptLines) lines_.pop_front();
}

}  // namespace quelta::terminal
