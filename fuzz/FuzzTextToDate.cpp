// Any text either is a date or fails with error 13; a date's text form reads back as the
// same date to the second, and the date test agrees with the conversion.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/region/Calendar.h"
#include "platform/region/PlatformClock.h"
#include "platform/region/RegionalSettings.h"
#include "platform/runtime/Conversions.h"

using namespace quelta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    if (size < 1) return 0;
    static const char* const kRegions[] = {"en-US", "de-DE", "fr-FR", "ja-JP", "ko-KR", "ru-RU"};
    selectRegion(kRegions[data[0] % 6]);
    pinClock(36892.5);
    String text((size - 1) / 2, u'\0');
    std::memcpy(text.data(), data + 1, text.size() * sizeof(char16_t));
    double serial = 0;
    try {
        serial = textToDate(text);
    } catch (const AutomationError& error) {
        if (error.number() != 13 || isDateText(text)) std::abort();
        return 0;
    }
    if (!isDateText(text) || serial < kMinDateSerial || serial > kMaxDateSerial) std::abort();
    String canonical = dateToText(serial);
    double back = textToDate(canonical);
    if (std::fabs(back - serial) > 1.0 / 86400) std::abort();
    if (dateToText(back) != canonical) std::abort();
    return 0;
}
