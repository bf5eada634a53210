#include "platform/AutomationError.h"

namespace quelta {

const char* AutomationError::what() const noexcept {
    // The host supplies the text; the number is all the control reports.
    return "automation error";
}

}  // namespace quelta
