#include "form/EventLog.h"

#include "form/EventLine.h"

namespace quelta {

void EventLog::event(StringView control, std::int32_t dispid, std::span<const Variant> arguments) {
    add(eventLine(control, dispid, arguments));
}

void EventLog::change(StringView control, StringView property) {
    add(changeLine(control, property));
}

void EventLog::add(String line) {
    lines_.push_back(std::move(line));
    if (lines_.size() > kKeptLines) lines_.pop_front();
}

}  // namespace quelta
