#pragma once
// docs/reference.md: every property, method and event of the control with its type, its
// default (read off a new control), the values it takes and its one-line description.

#include <string>

namespace quelta::codegen {

std::string referencePage();

}  // namespace quelta::codegen
