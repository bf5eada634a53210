#pragma once
// The lines of the event pane: each event and property change the form reports, as the
// script host echoes them ("event txtQty.KeyPress 49", "changed txtQty.Text"). Only the
// newest lines are kept, so that a long session holds no history.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>

#include "platform/String.h"
#include "platform/runtime/Variant.h"

namespace quelta::terminal {

class EventLog {
public:
    static constexpr std::size_t kKeptLines = 64;

    void event(const String& control, std::int32_t dispid, std::span<Variant> arguments);
    void change(const String& control, StringView property);
    const std::deque<String>& lines() const { return lines_; }

private:
    void add(String line);
    std::deque<String> lines_;
};

}  // namespace quelta::terminal
