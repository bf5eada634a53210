#pragma once
// The platform's clock: "now" and "today" as serial dates. Hosts and tests pin it, per
// thread, so that every result that depends on the date is reproducible.

#include <optional>

namespace quelta {

double Now();    // the current date and time, to the second
double Today();  // the current date, at midnight

void pinClock(double serial);  // Now() returns serial from here on, on this thread
void unpinClock();
std::optional<double> pinnedClock();

}  // namespace quelta
