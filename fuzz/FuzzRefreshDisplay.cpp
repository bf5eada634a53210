// Any stored text, format, data type, decimal places and focus sequence through a control:
// no crash, no hang, and once the focus has left, the stored text of a typed data type is
// canonical: empty, or a text that the platform reads back as the same value.
//
// Input: data type, decimal places (two bytes), focus sequence, alignment, then the format
// and the text as UTF-8, separated by a zero byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "control/Enumerations.h"
#include "control/Quelta.h"
#include "platform/AutomationError.h"
#include "platform/container/RecordingContainer.h"
#include "platform/region/PlatformClock.h"
#include "platform/region/RegionalSettings.h"
#include "platform/runtime/Conversions.h"
#include "platform/window/WindowSystem.h"

namespace {

using namespace quelta;

constexpr std::size_t kHeader = 5;

void check(bool condition) {
    if (!condition) std::abort();
}

// The control fixes its region once per thread, so the run has one region; a comma
// decimal separator and day-first dates make the more interesting one.
void setUpThread() {
    static const bool done = [] {
        selectRegion(std::getenv("QUELTA_FUZZ_REGION") ? std::getenv("QUELTA_FUZZ_REGION")
                                                       : "de-DE");
        pinClock(37057.4375);
        return true;
    }();
    (void)done;
}

bool readsBackAsNumber(const String& stored) {
    try {
        const double value = textToDouble(stored);
        return doubleToText(value) == stored && textToDouble(doubleToText(value)) == value;
    } catch (const AutomationError&) {
        return false;
    }
}

bool readsBackAsDate(const String& stored) {
    try {
        return isDateText(stored) && dateToText(textToDate(stored)) == stored;
    } catch (const AutomationError&) {
        return false;
    }
}

void checkCanonical(Quelta& control, std::int16_t dataType, const String& written) {
    const String& stored = control.templateBox().text();
    switch (dataType) {
        case qltaBoolean:
            if (!control.Format().empty()) check(stored == u"True" || stored == u"False");
            break;
        case qltaNumeric:
        case qltaSignedNumeric:
            check(stored.empty() || readsBackAsNumber(stored));
            break;
        case qltaDateTime:
            check(stored.empty() || readsBackAsDate(stored));
            break;
        default:
            check(stored == written);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHeader) return 0;
    setUpThread();
    const auto dataType = static_cast<std::int16_t>(data[0] % 7);
    std::int16_t scaleDigits;
    std::memcpy(&scaleDigits, data + 1, 2);
    const std::uint8_t focusSequence = data[3] % 4;
    const std::uint8_t alignment = data[4] % 3;
    const char* rest = reinterpret_cast<const char*>(data + kHeader);
    const std::size_t restSize = size - kHeader;
    const char* zero = static_cast<const char*>(std::memchr(rest, 0, restSize));
    const std::size_t formatSize = zero ? static_cast<std::size_t>(zero - rest) : 0;
    const String format = fromUtf8({rest, formatSize});
    const String text =
        zero ? fromUtf8({zero + 1, restSize - formatSize - 1}) : fromUtf8({rest, restSize});

    RecordingContainer container;
    Quelta control(container);
    startControl(control, nullptr);
    container.setUserMode(false);
    control.letAlignment(alignment);
    container.setUserMode(true);
    control.letDataType(dataType);
    control.letScaleDigits(scaleDigits);
    control.letFormat(format);
    control.letStartSelected(toBoolean(focusSequence == 2));

    String written = text;
    switch (focusSequence) {
        case 0:  // written without the focus
            control.letText(text);
            break;
        case 1:  // written while editing
        case 2:  // written after a selected entry
            SetFocus(control.liveBox()->hWnd());
            control.letText(text);
            break;
        default:  // typed
            SetFocus(control.liveBox()->hWnd());
            control.liveBox()->setText(text);
            break;
    }
    if (focusSequence != 0) {
        // For the text types the stored text is the last edit, which the typing left as is.
        written = control.templateBox().text();
        SetFocus(0);
    }
    check(!isTrue(control.state().HasFocus) && !isTrue(control.state().UpdatingDisplay));
    check(control.FormattedText() == control.liveBox()->text());
    checkCanonical(control, dataType, written);
    return 0;
}
