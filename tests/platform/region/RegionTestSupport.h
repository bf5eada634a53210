#pragma once
// Puts the test's thread in a region and pins its clock, and restores both afterwards, so
// that conversions give the same results on every machine.

#include "platform/region/PlatformClock.h"
#include "platform/region/RegionalSettings.h"

namespace quelta {

class ScopedRegion {
public:
    explicit ScopedRegion(std::string_view region, double now = 36892.5)  // 1 Jan 2001 noon
        : previous_(currentRegionalSettings()) {
        selectRegion(region);
        pinClock(now);
    }
    explicit ScopedRegion(RegionalSettings defined, double now = 36892.5)
        : previous_(currentRegionalSettings()) {
        defineRegionalSettings(std::move(defined));
        pinClock(now);
    }
    ~ScopedRegion() {
        defineRegionalSettings(previous_);
        unpinClock();
    }
    ScopedRegion(const ScopedRegion&) = delete;
    ScopedRegion& operator=(const ScopedRegion&) = delete;

private:
    RegionalSettings previous_;
};

// A region a host defines itself: en-US with a day-first short date, two-digit year and
// hyphens ("31-12-00").
inline RegionalSettings hostDefinedRegion() {
    RegionalSettings settings = regionalSettingsFor("en-US");
    settings.regionName = "x-host";
    settings.shortDatePattern = u"dd/mm/yy";
    settings.dateSeparator = u"-";
    settings.decimalSeparator = u",";
    settings.groupSeparator = u"'";
    return settings;
}

}  // namespace quelta
