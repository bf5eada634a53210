#pragma once
// Automation errors: every failure that reaches a host carries a number and nothing else.

#include <cstdint>
#include <exception>
#include <utility>

namespace quelta {

// The error numbers the platform and the control use.
enum ErrorNumber : std::int32_t {
    kErrInvalidProcedureCall = 5,
    kErrOverflow = 6,
    kErrOutOfMemory = 7,
    kErrSubscriptOutOfRange = 9,
    kErrDivisionByZero = 11,
    kErrTypeMismatch = 13,
    kErrFileNotFound = 53,
    kErrPathFileAccess = 75,
    kErrInvalidUseOfNull = 94,
    kErrBadFileFormat = 321,
    kErrInvalidPropertyValue = 380,
    kErrSetNotPermitted = 382,  // a design-time-only property written while the application runs
    kErrInvalidPicture = 481,
    kErrObjectRequired = 424,
    kErrNotSupported = 438,  // the object does not support this property or method
    kErrInvalidWindowHandle = 1400,
};

class AutomationError : public std::exception {
public:
    explicit AutomationError(std::int32_t number) : number_(number) {}
    std::int32_t number() const { return number_; }
    const char* what() const noexcept override;

private:
    std::int32_t number_;
};

[[noreturn]] inline void raiseError(std::int32_t number) {
    throw AutomationError(number);
}

// Runs one statement and swallows its automation error, for the few places where the
// control deliberately goes on after a failing step. Returns whether the step succeeded.
template <typename Step>
bool ignoringErrors(Step&& step) {
    try {
        std::forward<Step>(step)();
        return true;
    } catch (const AutomationError&) {
        return false;
    }
}

}  // namespace quelta
