// Any value through any format string: the Format routine must give a result or an
// automation error, and a result of bounded length.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/region/RegionalSettings.h"
#include "platform/runtime/format/CompiledFormat.h"
#include "platform/runtime/format/FormatRoutine.h"

namespace {

using namespace quelta;

const RegionalSettings& regionFor(std::uint8_t selector) {
    static const RegionalSettings regions[] = {
        regionalSettingsFor("en-US"), regionalSettingsFor("de-DE"), regionalSettingsFor("fr-FR"),
        regionalSettingsFor("ja-JP"), regionalSettingsFor("hi-IN")};
    return regions[selector % std::size(regions)];
}

// The value is chosen by the first byte and read from the next eight.
Variant valueFrom(std::uint8_t kind, const std::uint8_t* bytes, std::size_t size,
                  const String& text) {
    double number = 0;
    std::int64_t integer = 0;
    if (size >= 8) {
        std::memcpy(&number, bytes, 8);
        std::memcpy(&integer, bytes, 8);
    }
    switch (kind % 10) {
        case 0:
            return Variant();
        case 1:
            return Variant::null();
        case 2:
            return Variant::boolean(integer & 1);
        case 3:
            return Variant(static_cast<std::int32_t>(integer));
        case 4:
            return Variant(static_cast<float>(number));
        case 5:
            return Variant(Currency{integer});
        case 6:
            return Variant(Date{number});
        case 7:
            return Variant(text);
        case 8:
            return Variant::error(static_cast<std::int32_t>(integer));
        default:
            return Variant(number);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    std::uint8_t kind = data[0], region = data[1];
    int firstDayOfWeek = data[2] % 9 - 1;  // -1..7, so that the refusal is reached as well
    int firstWeekOfYear = data[3] % 5 - 1;
    data += 4;
    size -= 4;
    std::size_t valueBytes = size < 8 ? size : 8;
    String text(reinterpret_cast<const char*>(data),
                reinterpret_cast<const char*>(data) + valueBytes);
    Variant value = valueFrom(kind, data, valueBytes, text);
    String format = fromUtf8(
        std::string_view(reinterpret_cast<const char*>(data + valueBytes), size - valueBytes));
    try {
        String result =
            formatValue(value, format, firstDayOfWeek, firstWeekOfYear, regionFor(region));
        if (result.size() > kMaxFormattedLength + format.size() + text.size()) std::abort();
    } catch (const AutomationError&) {
    }
    return 0;
}
