#include "form/LoadErrorNumber.h"

#include "platform/AutomationError.h"

namespace quelta {

std::int32_t loadErrorNumber(const FormFileError& refusal) {
    using Problem = InputFileError::Problem;
    if (!refusal.readProblem()) return kErrBadFileFormat;
    switch (*refusal.readProblem()) {
        case Problem::Missing:
            return kErrFileNotFound;
        case Problem::NotAFile:
        case Problem::Unreadable:
            return kErrPathFileAccess;
        case Problem::TooLarge:
            break;
    }
    return kErrBadFileFormat;  // a readable file, only too large to be a form
}

}  // namespace quelta
