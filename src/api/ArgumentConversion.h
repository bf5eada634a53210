#pragma once
// Converts an argument that a host passes through the dispatch interface to the type the
// member declares, by the platform's automation rules: error 13 for a value of the wrong
// kind, error 6 for one that does not fit, error 94 for Null.

#include <cstdint>

#include "platform/Boolean.h"
#include "platform/String.h"
#include "platform/container/Picture.h"
#include "platform/fonts/Font.h"
#include "platform/runtime/Variant.h"

namespace quelta {

Boolean booleanArgument(const Variant& value);
std::int16_t integerArgument(const Variant& value);
std::int32_t longArgument(const Variant& value);
float singleArgument(const Variant& value);
String stringArgument(const Variant& value);

// An OLE colour: 32 bits, the top bit naming a system colour. A Long is taken bit for bit,
// so a negative Long is a system colour; other numbers must lie in -2^31 .. 2^32-1.
std::uint32_t colorArgument(const Variant& value);
Variant colorResult(std::uint32_t color);

// An enumerated value arrives as a 32-bit Long; the accessor stores it in 16 bits.
std::int32_t enumerationArgument(const Variant& value);

// Objects: error 13 for a value that is not an object or not of the kind, 424 for Nothing.
FontRef fontArgument(const Variant& value);
PictureRef pictureArgument(const Variant& value);

}  // namespace quelta
