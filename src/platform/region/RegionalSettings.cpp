#include "platform/region/RegionalSettings.h"

#include <cstdlib>
#include <map>

#include "platform/region/IcuRegionReader.h"

namespace quelta {
namespace {

constexpr const char* kFallbackRegion = "en-US";

using SettingsRef = std::shared_ptr<const RegionalSettings>;

// Reading a region from ICU costs far more than a conversion, so every region is read once
// per thread (like all per-thread data, without locks). The cache is bounded: past the limit
// a region is read afresh each time.
SettingsRef cachedSettingsFor(const icu::Locale& locale) {
    thread_local std::map<std::string, SettingsRef> cache;
    constexpr size_t kCacheLimit = 64;
    std::string key = locale.getName();
    if (auto found = cache.find(key); found != cache.end()) return found->second;
    auto settings = std::make_shared<const RegionalSettings>(readRegionalSettings(locale));
    if (cache.size() < kCacheLimit) cache.emplace(key, settings);
    return settings;
}

SettingsRef sharedSettingsFor(std::string_view regionName) {
    std::optional<icu::Locale> locale = localeOf(regionName);
    if (!locale) locale = localeOf(kFallbackRegion);
    return cachedSettingsFor(*locale);
}

thread_local SettingsRef tCurrentSettings;

const char* nonEmptyVariable(const char* name) {
    const char* value = std::getenv(name);
    return (value != nullptr && *value != '\0') ? value : nullptr;
}

}  // namespace

RegionalSettings regionalSettingsFor(std::string_view regionName) {
    return *sharedSettingsFor(regionName);
}

bool isKnownRegion(std::string_view regionName) {
    return localeOf(regionName).has_value();
}

std::string regionNameFromEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LC_TIME", "LANG"}) {
        const char* value = nonEmptyVariable(variable);
        if (value == nullptr) continue;
        std::optional<icu::Locale> locale = localeOf(value);
        return locale ? languageTagOf(*locale) : std::string(kFallbackRegion);
    }
    return kFallbackRegion;
}

std::shared_ptr<const RegionalSettings> currentRegionalSettingsShared() {
    if (!tCurrentSettings) tCurrentSettings = sharedSettingsFor(regionNameFromEnvironment());
    return tCurrentSettings;
}

const RegionalSettings& currentRegionalSettings() {
    if (!tCurrentSettings) tCurrentSettings = sharedSettingsFor(regionNameFromEnvironment());
    return *tCurrentSettings;
}

void selectRegion(std::string_view regionName) {
    tCurrentSettings = sharedSettingsFor(regionName);
}

void defineRegionalSettings(RegionalSettings settings) {
    tCurrentSettings = std::make_shared<const RegionalSettings>(std::move(settings));
}

void useRegionalSettings(std::shared_ptr<const RegionalSettings> settings) {
    tCurrentSettings = std::move(settings);
}

}  // namespace quelta
