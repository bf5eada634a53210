// Completing any typed text against any reference text, in any region and date order, ends
// with the reference text or with a text the platform reads as a date without time (date
// completion) or as a time of day alone (time completion).
//
// Input: byte 0 the date order (two bits per position: day, month, year), byte 1 the region,
// the kind of completion, the reference and today's date, then the typed text, a zero byte
// and the reference text. A byte is the character of that code, except 0xFF, after which
// two bytes give any UTF-16 unit.
#include <cstdint>
#include <cstdlib>

#include "format/DateTimeCompletion.h"
#include "platform/region/Calendar.h"
#include "platform/region/PlatformClock.h"
#include "platform/region/RegionalSettings.h"
#include "platform/runtime/Conversions.h"

using namespace quelta;

namespace {

String decodeText(const std::uint8_t*& data, const std::uint8_t* end) {
    String text;
    while (data < end && *data != 0) {
        std::uint8_t byte = *data++;
        if (byte == 0xFF && end - data >= 2) {
            text += static_cast<char16_t>(data[0] << 8 | data[1]);
            data += 2;
        } else {
            text += static_cast<char16_t>(byte);
        }
    }
    if (data < end) ++data;  // the zero byte
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    if (size < 2) return 0;
    static const char* const kRegions[] = {"en-US", "de-DE", "fr-FR", "ja-JP", "ko-KR", "ru-RU"};
    static const double kTodays[] = {36892, kMinDateSerial, kMaxDateSerial, 0, -1, 1e12};
    const RegionalDateOrder order{static_cast<std::int16_t>(data[0] & 3),
                                  static_cast<std::int16_t>((data[0] >> 2) & 3),
                                  static_cast<std::int16_t>((data[0] >> 4) & 3)};
    const std::uint8_t mode = data[1];
    selectRegion(kRegions[(mode & 7) % 6]);
    pinClock(36892.5);
    const bool completeTime = (mode >> 3) & 1;
    const double today = kTodays[((mode >> 5) & 7) % 6];
    const std::uint8_t* cursor = data + 2;
    const std::uint8_t* end = data + size;
    String typed = decodeText(cursor, end);
    String reference = decodeText(cursor, end);
    if ((mode >> 4) & 1) reference = dateToText(dateSerial(2001, 6, 15));

    String result = completeTime ? CompleteTimeEntry(typed, reference)
                                 : CompleteDateEntry(typed, reference, order, today);
    if (result == reference) return 0;
    if (!isDateText(result)) std::abort();
    double serial = textToDate(result);
    if (completeTime ? datePartOf(serial) != 0 : timePartOf(serial) != 0) std::abort();
    return 0;
}
