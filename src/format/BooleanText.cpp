#include "format/BooleanText.h"

#include "platform/AutomationError.h"
#include "platform/Conversions.h"
#include "platform/FormatRoutine.h"
#include "platform/TextRoutines.h"

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
    bool value = false;
    ignoringErrors([&] { value = textToBoolean(text); });
    return value;
}

}  // namespace quelta
