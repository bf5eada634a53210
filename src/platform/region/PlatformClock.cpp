#include "platform/region/PlatformClock.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include "platform/region/Calendar.h"

namespace quelta {
namespace {

thread_local std::optional<double> tPinnedClock;

// The system clock in the local time zone (the C library's, since the standard library's
// time zone database is not available everywhere), as a serial date to the whole second.
double systemNow() {
    std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return 0;
    return dateSerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           timeSerial(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59));
}

}  // namespace

double Now() {
    return tPinnedClock ? *tPinnedClock : systemNow();
}

double Today() {
    return datePartOf(Now());
}

void pinClock(double serial) {
    tPinnedClock = serial;
}

void unpinClock() {
    tPinnedClock.reset();
}

std::optional<double> pinnedClock() {
    return tPinnedClock;
}

}  // namespace quelta
