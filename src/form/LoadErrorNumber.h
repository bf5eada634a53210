#pragma once
// The error number a host reports for a form file it could not load.

#include <cstdint>

#include "form/FormFile.h"

namespace quelta {

// 53 for no such file, 75 for something that cannot be read as a file, 321 for a file
// whose content is refused (a readable file too large to be a form included).
std::int32_t loadErrorNumber(const FormFileError& refusal);

}  // namespace quelta
