#pragma once
// The one error the public API raises: an error number, as the control and its runtime
// report it (13 type mismatch, 380 invalid property value, ...), and a message that says
// what went wrong. A refused form file carries the file, the place in it and the reason.

#include <cstdint>
#include <stdexcept>
#include <string>

#include "quelta/Export.h"

namespace quelta {

class QUELTA_API Error : public std::runtime_error {
public:
    // With the standard message of the number ("Type mismatch").
    explicit Error(std::int32_t number);
    Error(std::int32_t number, const std::string& message);
    ~Error() override;

    std::int32_t number() const noexcept { return number_; }

private:
    std::int32_t number_;
};

// The standard message of an error number; "Error N" for a number without one.
QUELTA_API std::string errorMessage(std::int32_t number);

}  // namespace quelta
