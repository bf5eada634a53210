#pragma once
// The lines of an event pane: each event and property change the form reports, in the
// script host's words (form/EventLine.h). Only the newest lines are kept, so that a long
// session holds no history.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>

#include "platform/String.h"
#include "platform/runtime/Variant.h"

namespace quelta {

class EventLog {
public:
    static constexpr std::size_t kKeptLines = 64;

    void event(StringView control, std::int32_t dispid, std::span<const Variant> arguments);
    void change(StringView control, StringView property);
    const std::deque<String>& lines() const { return lines_; }

private:
    void add(String line);
    std::deque<String> lines_;
};

}  // namespace quelta
