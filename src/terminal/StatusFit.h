#pragma once
// A status line cut to the terminal's width by whole items: the state first, then as many
// of the items behind it (the keys a person needs, most needed first) as fit whole. What
// does not fit at all is cut with a mark, so that a cut line does not pass for whole.

#include <vector>

#include "platform/String.h"

namespace quelta::terminal {

// `head`, then " | " and the items two spaces apart, in at most `width` cells; a width of 0
// or less leaves the line uncut.
String fittedStatus(StringView head, const std::vector<StringView>& items, int width);

}  // namespace quelta::terminal
