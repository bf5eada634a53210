// Any text either converts or fails with error 6 or 13; a number that converts keeps its
// value through its own text form.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/region/RegionalSettings.h"
#include "platform/runtime/Conversions.h"

using namespace quelta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    if (size < 1) return 0;
    static const char* const kRegions[] = {"en-US", "de-DE", "fr-FR", "ja-JP", "de-CH"};
    selectRegion(kRegions[data[0] % 5]);
    String text((size - 1) / 2, u'\0');
    std::memcpy(text.data(), data + 1, text.size() * sizeof(char16_t));
    double value = 0;
    try {
        value = textToDouble(text);
    } catch (const AutomationError& error) {
        if (error.number() != 6 && error.number() != 13) std::abort();
        if (isNumericText(text) != (error.number() == 6 ? false : false)) std::abort();
        val(text);
        return 0;
    }
    if (!isNumericText(text) || !std::isfinite(value)) std::abort();
    // The text form has 15 significant digits: it reads back within that precision.
    double back = textToDouble(doubleToText(value));
    if (back != value && std::fabs(back - value) > std::fabs(value) * 1e-14) std::abort();
    if (textToDouble(doubleToText(back)) != back) std::abort();
    val(text);
    return 0;
}
