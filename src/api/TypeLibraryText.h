#pragma once
// The type library as readable IDL-style text, for `quelta typelib` and for people.

#include <string>

namespace quelta {

std::string typeLibraryText();

}  // namespace quelta
