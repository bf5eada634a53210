#include "format/BooleanText.h"

#include "platform/AutomationError.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/TextRoutines.h"
#include "platform/runtime/format/FormatRoutine.h"

namespace quelta {

bool booleanOfText(StringView text, StringView format) {
    bool isTrueWord = false;
    // A format the Format routine refuses has no true word.
    if (!format.empty()) {
        ignoringErrors([&] {
            isTrueWord =
                upperCase(formatValue(Variant::boolean(true), format, 1, 1)) == upperCase(text);
        });
    }
    if (isTrueWord) return true;
    return tryTextToBoolean(text).value_or(false);
}

}  // namespace quelta
